// Quote files: the quote code, hostile compressed files, the writer, plain files, the line reader. The
// in-game puzzle loader: format by name, the random and requested choice, the solved-puzzle record,
// every failure message and the difficulty bands, against real files and fixed random states.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "engine/random.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string Fixture(const char* name) { return FixturePath(std::string("quotes/") + name); }

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

class QuoteFileTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_.File(name); }

  std::string WriteBytes(const Bytes& bytes) const {
    WriteFile(Path("test.cqt"), std::string(bytes.begin(), bytes.end()));
    return Path("test.cqt");
  }
  QuoteFileStatus StatusOf(const Bytes& bytes) const { return CompressedQuoteFile(WriteBytes(bytes)).Status(); }

  // A valid file from the writer: header, table, D, description, quotations.
  Bytes Written(const std::vector<std::string>& quotes, const std::string& description) const {
    std::string error;
    EXPECT_TRUE(WriteCompressedQuoteFile(Path("written.cqt"), quotes, description, error)) << error;
    const std::string bytes = ReadFile(Path("written.cqt")).value_or("");
    return Bytes(bytes.begin(), bytes.end());
  }

  TempFolder folder_;
};

TEST_F(QuoteFileTest, HandMadeFaults) {
  // (The loader's tests show the other fixtures refused with their messages.)
  EXPECT_EQ(CompressedQuoteFile(folder_.Path().string()).Status(), QuoteFileStatus::CantOpen);
  // The magic is checked before the count: zeros everywhere is damaged, not empty.
  EXPECT_EQ(StatusOf(Bytes(20, 0)), QuoteFileStatus::Damaged);

  char quote[kQuoteBufferSize];
  // Readable files with one bad quotation (the third read is past the count) or description.
  using S = QuoteFileStatus;
  const struct { const char* name; S first, second, third; } cases[] = {
      {"offset-outside.cqt", S::Ok, S::Damaged, S::Damaged}, {"truncated.cqt", S::Ok, S::Damaged, S::Damaged},
      {"description-outside.cqt", S::Ok, S::Ok, S::Damaged}};
  for (const auto& c : cases) {
    CompressedQuoteFile file(Fixture(c.name));
    ASSERT_EQ(file.Status(), S::Ok) << c.name;
    const S first = file.ReadQuote(0, quote), second = file.ReadQuote(1, quote), third = file.ReadQuote(2, quote);
    EXPECT_EQ(std::tuple(first, second, third, file.Description()), std::tuple(c.first, c.second, c.third, std::string()))
        << c.name;
    EXPECT_STREQ(quote, "");  // a refused read leaves an empty quotation
  }
}

// Each quotation reads back whole once the file holds it, and is refused before.
TEST_F(QuoteFileTest, EveryTruncationOfAValidFile) {
  const std::vector<std::string> quotes = {"Be brief.\tX", "Zest!", std::string(999, 'z')};
  const Bytes whole = Written(quotes, "Desc");
  const std::uint32_t d = U32At(whole, 28);
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    SCOPED_TRACE(length);
    CompressedQuoteFile file(WriteBytes(Bytes(whole.begin(), whole.begin() + length)));
    if (length < 32) {  // the header, the table and D must all be there
      EXPECT_EQ(file.Status(), QuoteFileStatus::Damaged);
      continue;
    }
    ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
    EXPECT_EQ(file.Description(), std::string("Desc").substr(0, length > d + 4 ? length - d - 4 : 0));
    char quote[kQuoteBufferSize];
    for (std::uint32_t i = 0; i < 3; ++i) {
      const std::size_t end = i + 1 < 3 ? U32At(whole, 16 + 4 * (i + 1)) : whole.size();
      const QuoteFileStatus status = file.ReadQuote(i, quote);
      EXPECT_EQ(status, length >= end ? QuoteFileStatus::Ok : QuoteFileStatus::Damaged) << i;
      if (status == QuoteFileStatus::Ok) { EXPECT_EQ(std::string(quote), quotes[i]); }
    }
  }
}

TEST_F(QuoteFileTest, CountAndOffsetsMustFitTheFile) {
  Bytes b = Written({"One.", "Two."}, "");
  // 4 n overflows; the largest count whose table and D still lie inside the file is accepted, one more is not.
  const std::uint32_t largest = static_cast<std::uint32_t>((b.size() - 20) / 4);
  using S = QuoteFileStatus;
  for (auto [n, status] : {std::pair{0xFFFFFFFFu, S::Damaged}, {0x40000000u, S::Damaged}, {largest, S::Ok},
                           {largest + 1, S::Damaged}}) {
    PutU32(b, 12, n);
    EXPECT_EQ(StatusOf(b), status) << n;
  }

  b = Written({"First one.", "Second."}, "D");
  PutU32(b, 16, 0xFFFFFFFFu);
  CompressedQuoteFile file(WriteBytes(b));
  char quote[kQuoteBufferSize];
  EXPECT_EQ((std::pair{file.ReadQuote(0, quote), file.ReadQuote(1, quote)}), std::pair(S::Damaged, S::Ok));
  EXPECT_STREQ(quote, "Second.");
}

TEST_F(QuoteFileTest, DescriptionFaultsGiveEmptyOrCutText) {
  const Bytes b = Written({"Q."}, "Hello");
  const std::uint32_t d = U32At(b, 20);
  const std::uint32_t size = static_cast<std::uint32_t>(b.size());
  struct Case { std::uint32_t at, length; std::string expected; };
  for (const Case& c : {Case{size, 6, ""}, Case{size - 3, 6, ""}, Case{0xFFFFFFF0u, 6, ""},
                        Case{d, 0, ""}, Case{d, 3, "He"}, Case{d, 0xFFFFFFFFu, "Hello"}}) {
    Bytes changed = b;
    PutU32(changed, 20, c.at);
    PutU32(changed, d, c.length);
    EXPECT_EQ(CompressedQuoteFile(WriteBytes(changed)).Description(), c.expected) << c.at << " " << c.length;
  }
  // No zero byte within 1000 bytes: at most 999 characters.
  Bytes longText = b;
  PutU32(longText, d, 5000);
  longText.resize(d + 4);
  longText.resize(d + 4 + 3000, 'a');
  EXPECT_EQ(CompressedQuoteFile(WriteBytes(longText)).Description(), std::string(999, 'a'));
}

TEST_F(QuoteFileTest, WriterRefusesAndLeavesNothing) {
  const std::string target = Path("out.cqt");
  WriteFile(target, "previous");
  std::string error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"Fine.", "Also fine.", "caf\xE9"}, "", error));
  EXPECT_NE(error.find("quotation 3"), std::string::npos) << error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {std::string(1000, 'a')}, "", error));
  EXPECT_NE(error.find("quotation 1"), std::string::npos) << error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"ok", ""}, "", error));
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"ok"}, std::string(1000, 'd'), error));
  EXPECT_FALSE(WriteCompressedQuoteFile(Path("no/such/folder/x.cqt"), {"ok"}, "", error));
  EXPECT_EQ(ReadFile(target), "previous");
  namespace fs = std::filesystem;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(QuoteFileTest, PlainFiles) {
  std::vector<PlainQuote> quotes;
  ASSERT_EQ(ReadPlainQuoteFile(Fixture("curly.qot"), quotes), QuoteFileStatus::Ok);
  EXPECT_EQ(quotes.at(0).text, "\"Quoted\" and 'single'\tSomeone");
  ASSERT_EQ(ReadPlainQuoteFile(Fixture("crlf.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(std::pair(quotes[1].text, quotes[1].lineNumber), std::pair(std::string("Two |three.\tB"), std::size_t{3}));

  // The text rule looks at the first 1000 bytes only; a long line is cut to 999.
  WriteFile(Path("late.qot"), std::string(1000, 'a') + "\x05\nlate\n");
  ASSERT_EQ(ReadPlainQuoteFile(Path("late.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(std::pair(quotes[0].text, quotes[0].length), std::pair(std::string(999, 'a'), std::size_t{1001}));
  for (unsigned char bad : {0x00, 0x05, 0x80, 0x90, 0x95, 0xFF}) {
    const unsigned char one[] = {'a', bad};
    EXPECT_FALSE(PassesTextRule(one, sizeof one)) << int(bad);
  }
  const unsigned char curly[] = {'a', 0x93, 'b', 0x94, 0x7F};
  EXPECT_TRUE(PassesTextRule(curly, sizeof curly));
}

TEST_F(QuoteFileTest, LineReaderOutcomes) {
  WriteFile(Path("lines.qot"), "a\n\r\nb\rc\r\n" + std::string(1005, 'z'));
  std::FILE* f = std::fopen(Path("lines.qot").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char line[kQuoteBufferSize];
  std::size_t length = 0;
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Text);
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Empty);
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Text);
  EXPECT_STREQ(line, "b\rc") << "a lone CR is not a line end";
  EXPECT_EQ(ReadQuoteLine(f, line, &length), QuoteLine::Text);
  EXPECT_EQ(std::pair(length, std::strlen(line)), std::pair(std::size_t{1005}, std::size_t{999}));
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::EndOfFile);
  std::fclose(f);
}

// A stream over the given bytes; the caller closes it.
std::FILE* StreamOf(const std::vector<unsigned char>& bytes) {
  std::FILE* f = std::tmpfile();
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::rewind(f);
  return f;
}

TEST(QuoteCode, DecodesHandMadeBytesAndFixtureFiles) {
  // "Hi" then LF: 001000110 0101 1110011, padded: H's code word spans the first two bytes.
  // A small buffer keeps what fits and still finds the end; a stream that ends inside the
  // quotation gives false, and what was decoded is zero-terminated.
  struct Case { std::vector<unsigned char> bytes; std::size_t size; bool ok; const char* text; };
  for (const Case& c : {Case{{0x23, 0x2F, 0x30, 0xAA}, kQuoteBufferSize, true, "Hi"},
                        Case{{0x23, 0x2F, 0x30}, 2, true, "H"}, Case{{0x23, 0x2F}, kQuoteBufferSize, false, "Hi"}}) {
    std::FILE* f = StreamOf(c.bytes);
    std::string buffer(kQuoteBufferSize, 'x');
    EXPECT_EQ(DecodeQuote(f, buffer.data(), c.size), c.ok) << c.text;
    EXPECT_STREQ(buffer.c_str(), c.text);
    if (c.bytes.size() == 4) {
      EXPECT_EQ(std::ftell(f), 3) << "reads no further than the byte that holds LF";
    }
    std::fclose(f);
  }
  // The fixtures: long.cqt holds 1200 characters: the first 999 are kept and the load still succeeds.
  std::string expected;
  while (expected.size() < 1200) expected += "the tea ";
  for (const auto& [name, text] : {std::pair<const char*, std::string>{"two.cqt", "Hi there.\tAnon"},
                                   {"long.cqt", expected.substr(0, 999)}}) {
    char quote[kQuoteBufferSize];
    EXPECT_EQ(CompressedQuoteFile(Fixture(name)).ReadQuote(0, quote), QuoteFileStatus::Ok);
    EXPECT_EQ(std::string(quote), text);
  }
}

TEST(QuoteCode, EveryCharacterSurvivesEncodeAndDecode) {
  std::string all = "\t";
  for (int c = 0x20; c <= 0x7E; ++c) all += static_cast<char>(c);
  for (const std::string& text : {all, std::string(all.rbegin(), all.rend()), std::string("e")}) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodeQuote(text, bytes));
    std::size_t bits = QuoteCodeWordFor('\n').length;
    for (char c : text) bits += QuoteCodeWordFor(c).length;
    ASSERT_EQ(bytes.size(), (bits + 7) / 8);
    EXPECT_EQ(bytes.back() & (0xFFu >> (bits % 8 ? bits % 8 : 8)), 0u) << "padding is zero bits";

    std::FILE* f = StreamOf(std::vector<unsigned char>(bytes.begin(), bytes.end()));
    char buffer[kQuoteBufferSize];
    EXPECT_TRUE(DecodeQuote(f, buffer, sizeof buffer) && std::string(buffer) == text && std::getc(f) == EOF);
    std::fclose(f);
  }

  std::vector<std::uint8_t> bytes = {0x55};
  EXPECT_FALSE(EncodeQuote("caf\xE9", bytes) || EncodeQuote("two\nlines", bytes) || IsQuoteCharacter('\x7F'));
  EXPECT_EQ(bytes, std::vector<std::uint8_t>{0x55}) << "a refused quotation appends nothing";
}

class RecordingHost : public PuzzleLoaderHost {
 public:
  TWindow* MessageOwner() override { return nullptr; }
  void OpenPuzzleFileDialog() override { ++dialogs; }
  int dialogs = 0;
};

// The game's fields the loader works on, spelled as the engine spells them.
struct TestGame {
  struct { char quoteFileName[256]; std::int32_t puzzleCount, currentPuzzle; } state{};
  struct { char quoteText[1000] = "previous"; char displayText[1000]; } text{};
};

class PuzzleLoaderTest : public ::testing::Test {
 protected:
  PuzzleLoaderTest() {
    std::string error;
    EXPECT_TRUE(WriteCompressedQuoteFile("five.cqt", {"Zero.", "One.", "Two.\tSomeone", "Three.", "Four."},
                                         "Test", error)) << error;
  }

  // Loads from the named file with the random state set to seed; returns the puzzle chosen.
  int Load(const std::string& name, int requested = -1, std::uint64_t seed = 1) {
    loader.SetQuoteFile(name.c_str());
    SetRandomState(seed);
    loader.LoadPuzzle(requested);
    return game.state.currentPuzzle;
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  RunServices services{store};
  Memory memory;
  RecordingHost host;
  TestGame game;
  PuzzleLoader loader{PuzzleFieldsOf(game), &host, memory};
};

TEST_F(PuzzleLoaderTest, ExtensionDecidesTheFormatAndAPlainFileEndsTheRecord) {
  store.WriteString("quillo", "Case", "Upper");
  std::filesystem::rename("five.cqt", "FIVE.CQT");
  EXPECT_EQ(Load("FIVE.CQT", 2), 2);
  EXPECT_EQ(std::string(game.text.displayText) + "|" + memory.FileName() + "|" + store.ReadString("quillo", "QuoteFile", ""),
            "TWO.\tSOMEONE|FIVE.cqm|FIVE.CQT");
  memory.SetBit(4);
  WriteFile("one.txt", "Only line.");
  EXPECT_EQ(Load("one.txt"), -1);
  EXPECT_STREQ(game.text.quoteText, "Only line.");
  EXPECT_FALSE(memory.HasFile());  // the record of FIVE.CQT was written on the way out
  EXPECT_EQ(ReadFile("FIVE.cqm"), std::string("\0\0\0\x08", 4));
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(PuzzleLoaderTest, RandomChoiceSkipsSolvedPuzzlesAndRequestsDoNot) {
  WriteFile("five.cqm", std::string("\0\0\0\x60", 4));  // puzzles 1 and 2 solved
  EXPECT_EQ(Load("five.cqt", -1, 1), 3);                // the random start is 1
  EXPECT_STREQ(game.text.quoteText, "Three.");
  EXPECT_EQ(Load("five.cqt", 1), 1);  // a solved puzzle asked for by number is played
  // Out of range falls back to the random choice: starts 4 and 2, the latter solved.
  EXPECT_EQ(Load("five.cqt", 5, 9), 4);
  EXPECT_EQ(Load("five.cqt", -7, 3), 3);
  EXPECT_TRUE(fake.Messages().empty());

  store.WriteInt("quillo", "StartingOverMode", 1);
  std::filesystem::copy_file("five.cqt", "all.cqt");
  WriteFile("all.cqm", std::string("\0\0\0\xF8", 4));
  EXPECT_EQ(Load("all.cqt", -1, 7), 3);  // all solved: start over at the random start
  EXPECT_EQ(fake.Transcript(), (std::vector<std::string>{"tone 500 150",
      "box Notice: All puzzles in this collection have been solved;\nstarting over now."}));
  EXPECT_EQ(memory.SolvedCount(5), 0u);
  memory.MarkSolved();
  EXPECT_EQ(ReadFile("all.cqm"), std::string("\0\0\0\x10", 4));
}

// A failure keeps the quotation and opens the file dialog; a plain file is forgotten as the
// setting, a compressed one is kept.
TEST_F(PuzzleLoaderTest, EachFailureHasItsMessage) {
  const char* cantOpen = "Can't open file.\nPlease select a different file.";
  const char* empty = "Quote file is empty!\nPlease select a different file.";
  const char* damaged = "Quote file is damaged!  Please select a different one.";
  const char* notText = "Sorry, this does not seem to be a text file.\nPlease select a different file.";
  ASSERT_EQ(::mkfifo("pipe.qot", 0600), 0);  // must not hang the game
  WriteFile("junk.cqt", "\xFF\xFF\xFF\xFF junk that ends");
  std::filesystem::copy_file("five.cqt", "quotes");  // compressed bytes under plain names
  std::filesystem::copy_file("five.cqt", "quotes.qot");
  const std::string fixtures = FixturePath("quotes/");
  std::filesystem::copy_file(fixtures + "binary.qot", "favorite.qot");
  struct Case { std::string name; const char* message; bool plain; int requested = -1; };
  const Case cases[] = {
      {"missing.cqt", cantOpen, false}, {fixtures + "empty.cqt", empty, false}, {"junk.cqt", damaged, false},
      {fixtures + "bad-magic.cqt", damaged, false}, {fixtures + "huge-count.cqt", damaged, false},
      {fixtures + "offset-outside.cqt", damaged, false, 1},  // the quotation cannot be read
      {"missing.qot", cantOpen, true}, {"pipe.qot", cantOpen, true}, {fixtures + "empty.qot", empty, true},
      {fixtures + "binary.qot", notText, true}, {"quotes", notText, true}, {"quotes.qot", notText, true},
      {"favorite.qot", notText, true},  // the player must be able to find it to repair it
      {fixtures + "empty-lines.qot",
       "This file contains nothing but empty lines.\nPlease select a different file.", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(c.name, c.requested), -1);
    // The caption names the file, except for an empty collection.
    const std::string caption = c.message == empty && !c.plain ? "" : c.name;
    const std::string repair = "\n\nTo repair your favorites, open this file in a text editor:\n";
    const std::string where = c.name == "favorite.qot" ? repair + std::filesystem::absolute(c.name).string() : "";
    EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{c.message + where, caption, MB_OK | MB_ICONSTOP}));
    EXPECT_EQ(std::string(game.text.quoteText) + std::to_string(host.dialogs), "previous1");
    EXPECT_EQ(store.ReadString("quillo", "QuoteFile", "unset"), c.plain ? "" : c.name);
    if (c.plain) { EXPECT_TRUE(!game.state.quoteFileName[0] && game.state.puzzleCount == 0); }
    host.dialogs = 0;
  }
}

TEST_F(PuzzleLoaderTest, PlainLineFollowsTheRandomPosition) {
  WriteFile("four.qot", "First line.\nSecond, longer line.\n\nThird.\n");
  // Positions 5; 27, past the empty line; 32, the line end before it; 36, the last line, so round to the start.
  const std::pair<std::uint64_t, const char*> picks[] = {
      {1, "Second, longer line."}, {3, "Third."}, {24, "Third."}, {4, "First line."}};
  for (const auto& [seed, line] : picks) {
    Load("four.qot", 2, seed);
    EXPECT_STREQ(game.text.quoteText, line) << seed;
  }
  Load(FixturePath("quotes/last-line.qot"), -1, 2);  // only the last line holds a character, without a line end
  EXPECT_STREQ(game.text.quoteText, "x");
  EXPECT_TRUE(fake.Messages().empty());
}

// Options > Difficulty. Five puzzles rated Easy, Hard, Medium, Hard, Easy: the Hard ones are 1 and 3.
class BandPickTest : public PuzzleLoaderTest {
 protected:
  BandPickTest() {
    WriteFile("five.cqr", "quillo-ratings 1 5\nE 10\nH 80\nM 35\nH 90\nE 5\n");
    loader.SetQuoteFile("five.cqt");
  }
  // The puzzles picked over a run of random states.
  std::set<int> Picks() {
    std::set<int> picks;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
      SetRandomState(seed);
      loader.LoadPuzzle(-1);
      picks.insert(game.state.currentPuzzle);
    }
    return picks;
  }
};

TEST_F(BandPickTest, UnsolvedPuzzlesOfTheBandThenAnyAndNoBandsWithoutGoodRatings) {
  EXPECT_EQ(Picks(), (std::set<int>{0, 1, 2, 3, 4}));  // Any, the default
  store.WriteInt("quillo", "Difficulty", 3);
  EXPECT_EQ(Picks(), (std::set<int>{1, 3}));
  EXPECT_EQ(loader.CurrentBand(), Band::Hard);
  memory.SetBit(1);
  EXPECT_EQ(Picks(), (std::set<int>{3}));

  memory.SetBit(3);  // the band is exhausted: No repeats a solved Hard puzzle, Yes plays any
  const std::string question =
      "No unsolved Hard puzzles are left in this collection.\nPlay a puzzle of any difficulty?"
      "\n\n(No plays a Hard puzzle you have solved before.)";
  fake.AnswerNext(IDNO, question);
  SetRandomState(5);
  loader.LoadPuzzle(-1);
  EXPECT_TRUE(game.state.currentPuzzle == 1 || game.state.currentPuzzle == 3);
  fake.AnswerNext(IDYES, question);
  EXPECT_EQ(Picks(), (std::set<int>{0, 2, 4}));
  EXPECT_EQ(store.ReadInt("quillo", "Difficulty", -1), 0);

  // Without ratings, or with a short or oversized file, a band plays as Any without a word.
  store.WriteInt("quillo", "Difficulty", 1);
  memory.Fill(0);
  std::filesystem::remove("five.cqr");
  EXPECT_EQ(Picks(), (std::set<int>{0, 1, 2, 3, 4}));
  for (const std::string& damaged : {std::string("quillo-ratings 1 5\nE 1\nH 8\n"), std::string(2 << 20, 'E')}) {
    WriteFile("five.cqr", damaged);
    EXPECT_EQ(Picks(), (std::set<int>{0, 1, 2, 3, 4}));
  }
  EXPECT_EQ(loader.CurrentBand(), std::nullopt);
  EXPECT_TRUE(fake.Messages().size() == 2u && host.dialogs == 0);
}

}  // namespace
