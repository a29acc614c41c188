// The solver on hand-made puzzles over a tiny dictionary, the word-pair table, the trial key,
// and the ratings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "solver/difficulty.h"
#include "solver/wordpairs.h"
#include "sources/ratings.h"
#include "support/testing.h"

namespace {

// "committee" is the only word of its pattern; "cat", "sat", "mat" and "hat" share theirs.
const std::initializer_list<std::pair<const char*, int>> kWords = {
    {"the", 60000}, {"tie", 30000}, {"cat", 30000}, {"sat", 30000}, {"mat", 20000},
    {"hat", 30000}, {"met", 30000}, {"on", 50000},  {"no", 40000},  {"committee", 20000}};

class SolverTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::vector<std::vector<Word>> byLength(kWordSlotCount);
    for (const auto& [text, frequency] : kWords) {
      Word& w = byLength[std::strlen(text)].emplace_back();
      w.frequency = static_cast<std::uint16_t>(frequency);
      std::strcpy(w.text, text);
    }
    WordDictionary dict;
    ASSERT_FALSE(ParseWordList(EncodeWordList(byLength, 1), dict));
    solver_ = new Solver(dict);
  }
  static void TearDownTestSuite() { delete solver_; }
  static Solver* solver_;
};
Solver* SolverTest::solver_ = nullptr;

// Every key the solver gives maps no letter to itself and no two cipher letters to one.
void ExpectSoundKey(const Reading& r) {
  std::string plains;
  for (int c = 0; c < 26; ++c) {
    if (r.key[c] == '-' || r.key[c] == '?') continue;
    EXPECT_NE(r.key[c], 'A' + c) << r.plaintext;
    EXPECT_EQ(plains.find(r.key[c]), std::string::npos) << r.plaintext;
    plains += r.key[c];
  }
}

// "The committee met.\tTim" under a shift of three: one reading, with case, punctuation and
// the attribution (a name the dictionary lacks, its letters fixed by the body) kept.
TEST_F(SolverTest, UniqueAnswerWithItsKey) {
  const SolveResult r = solver_->Solve("Wkh frpplwwhh phw.\tWlp");
  ASSERT_FALSE(r.readings.empty());
  EXPECT_EQ(r.readings[0].plaintext + "|" + std::string(r.readings[0].key.begin(), r.readings[0].key.end()),
            "The committee met.\tTim|-----C-E--HI---M-O----T---");
  EXPECT_EQ(std::tuple(r.solutions, r.outOfBudget, r.unknownWords), std::tuple(1, false, 1));  // "tim" unknown
  EXPECT_GT(r.confidence, 0.9);
}

// Two words of the pattern "?at" each: cat, sat, mat and hat fit in many orders.
TEST_F(SolverTest, AmbiguousAnswerHasRivals) {
  SolveOptions options;
  options.top = 24;
  const SolveResult r = solver_->Solve("Xyz wyz.", options);
  EXPECT_TRUE(r.solutions > 1 && r.confidence < 0.6);
  const auto has = [&](const char* text) {
    return std::any_of(r.readings.begin(), r.readings.end(),
                       [&](const Reading& x) { return x.plaintext == text; });
  };
  EXPECT_TRUE(has("Cat sat.") && has("Sat cat.") && has("Hat mat.")) << r.readings[0].plaintext;
  for (const Reading& reading : r.readings) ExpectSoundKey(reading);
}

// Edge cases: a word that would read as itself, no dictionary word at all, no letters, a text
// over the length limit with a word over 25 letters, and a budget that runs out at once.
TEST_F(SolverTest, EdgeCases) {
  SolveResult r = solver_->Solve("The");  // "the" would map every letter to itself
  ASSERT_EQ(r.readings.size(), 1u);
  EXPECT_NE(r.readings[0].plaintext, "The");
  ExpectSoundKey(r.readings[0]);

  r = solver_->Solve("Qzxwv!");
  ASSERT_EQ(r.readings.size(), 1u);
  const std::string& guessed = r.readings[0].plaintext;
  EXPECT_TRUE(r.solutions == 0 && guessed.size() == 6u && std::isupper(static_cast<unsigned char>(guessed[0])) &&
              guessed[5] == '!') << guessed;

  r = solver_->Solve("12 -- 34\t!");
  EXPECT_TRUE(r.readings.empty() && r.solutions == 0);

  r = solver_->Solve(std::string(30, 'q') + " " + std::string(1200, 'x'));
  ASSERT_EQ(r.readings.size(), 1u);
  EXPECT_EQ(r.readings[0].plaintext.size(), 999u);

  SolveOptions tight;
  tight.stepBudget = 1;
  r = solver_->Solve("Wkh frpplwwhh phw.", tight);
  EXPECT_TRUE(r.outOfBudget);
  ASSERT_EQ(r.readings.size(), 1u);
  ExpectSoundKey(r.readings[0]);
}

// The word-pair table on a hand-made file: associations worked out by hand (ln of the pair's
// count times the total over the two words' counts; an unseen pair as one sighting, never
// above 0), damaged lines skipped, a wrong version line refused; and the built-in table read.
TEST(WordPairsTest, HandMadeTableAndTheShippedOne) {
  const auto Tabbed = [](std::string text) {  // the table's fields are parted by TABs
    std::replace(text.begin(), text.end(), ' ', '\t');
    return text;
  };
  WordPairs pairs;
  EXPECT_FALSE(pairs.Parse("quillo-pairs 1 1000\nto 100\n"));  // blanks, not TABs
  ASSERT_TRUE(pairs.Parse(Tabbed("quillo-pairs 1 1000\nto 100\nbe 50\nme 50\nx 1\ny 1\nto be 20 x 5\n"
                          "x y 1\nto me\nTo Me 9\nbe me -3\nbe me 7 7\nbe me 5x\n\nme me 0\n"
                          "y x 9 me 0\nend")));
  const struct { const char* first; const char* second; double expected; } cases[] = {
      {"to", "be", std::log(4.0)},                 // 20 * 1000 / (100 * 50)
      {"to", "x", std::log(50.0)},                 // 5 * 1000 / (100 * 1)
      {"to", "me", std::log(0.2)},                 // unseen: 1 * 1000 / (100 * 50)
      {"be", "to", std::log(0.2)},                 // order matters
      {"be", "me", std::log(0.4)},                 // every "be me" line is damaged
      {"x", "y", WordPairs::kMaxAttraction},       // ln 1000, held at the limit
      {"y", "x", 0.0},  // unseen (its line is damaged) rare words: ln 1000, held at 0
      {"me", "me", std::log(0.4)},                 // a zero count is damage too
      {"to", "end", 0.0},                          // "end" has no count: not listed
      {"to", "you", 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(pairs.Association(c.first, c.second), c.expected, 1e-9) << c.first << ' ' << c.second;
  }
  EXPECT_NEAR(pairs.Share("be"), 0.05, 1e-12);
  for (const char* bad : {"", "quillo-pairs 2 1000\nto 1\n", "quillo-pairs 1 0\nto 1\n", "to 1\n"}) {
    EXPECT_FALSE(pairs.Parse(Tabbed(bad))) << bad;
    EXPECT_TRUE(pairs.Empty());
  }
  ASSERT_TRUE(pairs.Parse(ShippedWordPairs()));
  EXPECT_GT(pairs.Association("to", "be"), 1.0);
  EXPECT_LT(pairs.Association("to", "me"), pairs.Association("to", "be") - 1.0);
}

TEST(TrialKeyTest, EverySeedGivesAPermutationWithoutFixedLetters) {
  for (std::uint64_t seed = 0; seed < 200; ++seed) {
    const std::array<char, 26> key = SeededKey(seed);
    std::string sorted(key.begin(), key.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int p = 0; p < 26; ++p) EXPECT_NE(key[p], 'A' + p) << seed;
  }
  EXPECT_EQ(SeededKey(7), SeededKey(7));
}

// The ratings file: the writer's text against a hand-made one, then the strict reader on
// hand-made good and damaged files.
TEST(RatingsTest, FormatAndStrictReading) {
  const std::vector<PuzzleRating> ratings = {{Band::Easy, 5}, {Band::Hard, 100}, {Band::Medium, 0}};
  const std::string good = "quillo-ratings 1 3\nE 5\nH 100\nM 0\n";
  EXPECT_EQ(FormatRatings(ratings), good);
  const std::optional<std::vector<PuzzleRating>> read = ParseRatings(good, 3);
  ASSERT_TRUE(read && read->size() == 3u);
  EXPECT_EQ(std::tuple((*read)[1].band, (*read)[1].score, (*read)[2].band), std::tuple(Band::Hard, 100, Band::Medium));
  EXPECT_TRUE(ParseRatings("quillo-ratings 1 2\r\nE 5\r\nH 7", 2));  // CR LF, no last LF
  EXPECT_TRUE(ParseRatings("quillo-ratings 1 0\n", 0));

  const char* const damaged[] = {
      "",                                     // empty
      "quillo-ratings 2 3\nE 5\nH 100\nM 0\n",  // unknown version
      "quillo-ratings 1 4\nE 5\nH 100\nM 0\n",  // count is not the collection's
      "quillo-ratings 1 3\nE 5\nH 100\n",       // a line missing
      "quillo-ratings 1 3\nE 5\nH 100\nM 0\nE 1\n",  // a line too many
      "quillo-ratings 1 3\nE 5\nX 100\nM 0\n",  // unknown band
      "quillo-ratings 1 3\nE 5\nH 101\nM 0\n",  // score out of range
      "quillo-ratings 1 3\nE 5\nH -1\nM 0\n",   // negative score
      "quillo-ratings 1 3\nE 5\nH\nM 0\n",      // score missing
      "quillo-ratings 1 3\nE  5\nH 1\nM 0\n",   // stray blank
      "quillo-ratings 1 3\nE 5x\nH 1\nM 0\n",   // trailing garbage
      "quillo-ratings 1 99999999999999\n",      // absurd count
      "quillo-ratings 1 3\nE 5\n\nM 0\n",       // empty line
  };
  for (const char* text : damaged) EXPECT_FALSE(ParseRatings(text, 3)) << text;
  EXPECT_FALSE(ParseRatings(std::string("quillo-ratings 1 1\nE 5\0", 21), 1));
}

TEST(RatingsTest, FileBesideTheQuoteFile) {
  EXPECT_EQ(RatingsFileNameFor("/a/b/quillo.cqt") + RatingsFileNameFor("/a.b/quotes"), "/a/b/quillo.cqr/a.b/quotes.cqr");
  TempFolder folder;
  const std::string path = folder.File("x.cqr");
  EXPECT_FALSE(ReadRatings(path, 1));  // missing
  ASSERT_TRUE(WriteRatings(path, {{Band::Hard, 70}}));
  EXPECT_EQ(ReadFile(path).value_or(""), "quillo-ratings 1 1\nH 70\n");
  EXPECT_FALSE(ReadRatings(path, 2));  // ratings of another collection
  WriteFile(path, std::string(kMaxRatingsBytes + 1, 'E'));
  EXPECT_FALSE(ReadRatings(path, 1));
}

}  // namespace
