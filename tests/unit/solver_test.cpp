// The solver on hand-made puzzles over a tiny dictionary, the trial key, and the ratings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "solver/difficulty.h"
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
    WordDictionary dict;
    ASSERT_FALSE(ParseWordList(WordListImage(kWords), dict));
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
  std::set<std::string> texts;
  for (const Reading& reading : r.readings) texts.insert(reading.plaintext);
  EXPECT_TRUE(texts.count("Cat sat.") && texts.count("Sat cat.") && texts.count("Hat mat.")) << r.readings[0].plaintext;
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
// hand-made good and damaged files; the file beside the quote file.
TEST(RatingsTest, FormatStrictReadingAndTheFileBesideTheQuoteFile) {
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
