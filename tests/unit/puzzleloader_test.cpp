// The in-game puzzle loader: format by name, the random and requested choice, the solved-puzzle
// record, and every failure message, against real files and fixed random states.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "classlib/inifile.h"
#include "engine/random.h"
#include "sources/casestyle.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

class RecordingHost : public PuzzleLoaderHost {
 public:
  TWindow* MessageOwner() override { return nullptr; }
  void OpenPuzzleFileDialog() override { ++dialogs; }
  int dialogs = 0;
};

const std::vector<std::string> kFive = {"Zero.", "One.", "Two.\tSomeone", "Three.", "Four."};
constexpr unsigned kStopBox = MB_OK | MB_ICONSTOP;

// The game's fields the loader works on, spelled as the engine spells them.
struct TestGame {
  struct {
    char quoteFileName[256];
    std::int32_t puzzleCount;
    std::int32_t currentPuzzle;
  } state{};
  struct {
    char quoteText[1000];
    char displayText[1000];
  } text{};
};

class PuzzleLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSettings(&store);
    ForgetCaseStyle();
    std::strcpy(game.text.quoteText, "previous");
    std::strcpy(game.text.displayText, "PREVIOUS");
  }
  void TearDown() override {
    ForgetCaseStyle();
    SetSettings(nullptr);
  }

  void WriteCollection(const std::string& path, const std::vector<std::string>& quotes) {
    std::string error;
    ASSERT_TRUE(WriteCompressedQuoteFile(path, quotes, "Test", error)) << error;
  }

  // Loads from the named file with the random state set to seed.
  void Load(const std::string& name, int requested = -1, std::uint64_t seed = 1) {
    loader.SetQuoteFile(name.c_str());
    SetRandomState(seed);
    loader.LoadPuzzle(requested);
  }

  void ExpectFailure(const std::string& message, const std::string& caption) {
    EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{message, caption, kStopBox}));
    EXPECT_EQ(game.state.currentPuzzle, -1);
    EXPECT_STREQ(game.text.quoteText, "previous");
    EXPECT_EQ(host.dialogs, 1);
    host.dialogs = 0;
    fake.ClearMessages();
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  Memory memory;
  RecordingHost host;
  TestGame game;
  PuzzleLoader loader{PuzzleFieldsOf(game), &host, memory};
};

TEST_F(PuzzleLoaderTest, ExtensionDecidesTheFormat) {
  store.WriteString("quillo", "Case", "Upper");
  WriteCollection("QUOTES.CQT", kFive);
  Load("QUOTES.CQT", 2);
  EXPECT_EQ(game.state.currentPuzzle, 2);
  EXPECT_STREQ(game.text.displayText, "TWO.\tSOMEONE");
  EXPECT_EQ(memory.FileName(), "QUOTES.cqm");
  EXPECT_EQ(store.ReadString("quillo", "QuoteFile", ""), "QUOTES.CQT");

  // The same text without a ".cqt" extension is a plain file (and not a text file at that).
  std::filesystem::copy_file("QUOTES.CQT", "quotes");
  std::filesystem::copy_file("QUOTES.CQT", "quotes.qot");
  std::strcpy(game.text.quoteText, "previous");
  for (const char* plain : {"quotes", "quotes.qot"}) {
    Load(plain);
    ExpectFailure("Sorry, this does not seem to be a text file.\nPlease select a different file.",
                  plain);
    EXPECT_EQ(game.state.puzzleCount, 0);
  }

  // A plain file ends the compressed file's record, which is written on the way.
  memory.OpenMemory(5, "QUOTES.cqm");
  memory.SetBit(4);
  WriteFile("one.txt", "Only line.");
  Load("one.txt");
  EXPECT_STREQ(game.text.quoteText, "Only line.");
  EXPECT_EQ(game.state.currentPuzzle, -1);
  EXPECT_FALSE(memory.HasFile());
  EXPECT_EQ(ReadFile("QUOTES.cqm"), std::string("\0\0\0\x08", 4));
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(PuzzleLoaderTest, RandomChoiceSkipsSolvedPuzzlesAndRequestsDoNot) {
  WriteCollection("five.cqt", kFive);
  WriteFile("five.cqm", std::string("\0\0\0\x60", 4));  // puzzles 1 and 2 solved
  Load("five.cqt", -1, 1);                             // the random start is 1
  EXPECT_EQ(game.state.currentPuzzle, 3);
  EXPECT_STREQ(game.text.quoteText, "Three.");

  Load("five.cqt", 1);  // a solved puzzle asked for by number is played
  EXPECT_EQ(game.state.currentPuzzle, 1);

  // Out of range falls back to the random choice: starts 4 and 2, the latter solved.
  Load("five.cqt", 5, 9);
  EXPECT_EQ(game.state.currentPuzzle, 4);
  Load("five.cqt", -7, 3);
  EXPECT_EQ(game.state.currentPuzzle, 3);

  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(PuzzleLoaderTest, AllSolvedStartsOverWithNoticeAndSound) {
  store.WriteInt("quillo", "StartingOverMode", 1);
  WriteCollection("five.cqt", kFive);
  WriteFile("five.cqm", std::string("\0\0\0\xF8", 4));
  Load("five.cqt", -1, 7);  // the random start is 3
  EXPECT_EQ(fake.Transcript(),
            (std::vector<std::string>{
                "tone 500 150",
                "box Notice: All puzzles in this collection have been solved;\nstarting over now."}));
  EXPECT_EQ(game.state.currentPuzzle, 3);
  EXPECT_EQ(memory.SolvedCount(5), 0u);

  memory.MarkSolved();
  EXPECT_EQ(ReadFile("five.cqm"), std::string("\0\0\0\x10", 4));
}

TEST_F(PuzzleLoaderTest, CompressedFailuresKeepTheQuotationAndTheSetting) {
  const std::string cantOpen = "Can't open file.\nPlease select a different file.";
  const std::string damaged = "Quote file is damaged!  Please select a different one.";
  Load("missing.cqt");
  ExpectFailure(cantOpen, "missing.cqt");
  EXPECT_EQ(store.ReadString("quillo", "QuoteFile", ""), "missing.cqt");

  Load(FixturePath("quotes/empty.cqt"));
  ExpectFailure("Quote file is empty!\nPlease select a different file.", "");

  for (const char* name : {"bad-magic.cqt", "huge-count.cqt"}) {
    Load(FixturePath(std::string("quotes/") + name));
    ExpectFailure(damaged, FixturePath(std::string("quotes/") + name));
  }
  // The quotation's stream or its offset is cut short.
  for (const char* name : {"truncated.cqt", "offset-outside.cqt"}) {
    Load(FixturePath(std::string("quotes/") + name), 1);
    ExpectFailure(damaged, FixturePath(std::string("quotes/") + name));
  }
  WriteFile("junk.cqt", "\xFF\xFF\xFF\xFF junk that ends");
  Load("junk.cqt");
  ExpectFailure(damaged, "junk.cqt");

  // A 1200-character quotation keeps its first 999 characters.
  Load(FixturePath("quotes/long.cqt"));
  EXPECT_EQ(std::strlen(game.text.quoteText), 999u);
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(PuzzleLoaderTest, PlainFailuresForgetTheFile) {
  ASSERT_EQ(::mkfifo("pipe.qot", 0600), 0);  // must not hang the game
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"missing.qot", "Can't open file.\nPlease select a different file."},
      {"pipe.qot", "Can't open file.\nPlease select a different file."},
      {FixturePath("quotes/empty.qot"), "Quote file is empty!\nPlease select a different file."},
      {FixturePath("quotes/binary.qot"),
       "Sorry, this does not seem to be a text file.\nPlease select a different file."},
      {FixturePath("quotes/empty-lines.qot"),
       "This file contains nothing but empty lines.\nPlease select a different file."},
  };
  for (const auto& [name, message] : cases) {
    Load(name);
    ExpectFailure(message, name);
    EXPECT_STREQ(game.state.quoteFileName, "");
    EXPECT_EQ(store.ReadString("quillo", "QuoteFile", "unset"), "");
  }
  // The text rule only looks at the first 1000 bytes.
  WriteFile("late.qot", std::string(1000, 'a') + "\x05\n");
  Load("late.qot");
  EXPECT_EQ(std::strlen(game.text.quoteText), 999u);
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(PuzzleLoaderTest, PlainLineFollowsTheRandomPosition) {
  WriteFile("four.qot", "First line.\nSecond, longer line.\n\nThird.\n");
  const std::vector<std::pair<std::uint64_t, std::string>> picks = {
      {1, "Second, longer line."},  // position 5
      {3, "Third."},                // 27: past the empty line
      {24, "Third."},               // 32: the line end before the empty line
      {4, "First line."},           // 36: the last line, so round to the start
  };
  for (const auto& [seed, line] : picks) {
    Load("four.qot", 2, seed);
    EXPECT_EQ(game.text.quoteText, line) << seed;
  }
  // Only the last line holds a character, without a line end.
  Load(FixturePath("quotes/last-line.qot"), -1, 2);
  EXPECT_STREQ(game.text.quoteText, "x");
  EXPECT_TRUE(fake.Messages().empty());
}

}  // namespace
