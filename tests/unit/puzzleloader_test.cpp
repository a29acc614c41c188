// The in-game puzzle loader: format by name, the random and requested choice, the solved-puzzle
// record, every failure message and the difficulty bands, against real files and fixed random states.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "app/runservices.h"
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

// The game's fields the loader works on, spelled as the engine spells them.
struct TestGame {
  struct {
    char quoteFileName[256];
    std::int32_t puzzleCount;
    std::int32_t currentPuzzle;
  } state{};
  struct {
    char quoteText[1000] = "previous";
    char displayText[1000];
  } text{};
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
  // The text rule only looks at the first 1000 bytes; a long line keeps its first 999 characters.
  WriteFile("late.qot", std::string(1000, 'a') + "\x05\n");
  Load("late.qot");
  EXPECT_EQ(std::strlen(game.text.quoteText), 999u);
  Load(FixturePath("quotes/long.cqt"));  // 1200 characters
  EXPECT_EQ(std::strlen(game.text.quoteText), 999u);
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
      {"missing.cqt", cantOpen, false}, {fixtures + "empty.cqt", empty, false},
      {fixtures + "bad-magic.cqt", damaged, false}, {fixtures + "huge-count.cqt", damaged, false},
      {fixtures + "truncated.cqt", damaged, false, 1},  // the quotation's stream is cut short
      {fixtures + "offset-outside.cqt", damaged, false, 1}, {"junk.cqt", damaged, false},
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
    const std::string where =
        c.name == "favorite.qot" ? repair + std::filesystem::absolute(c.name).string() : "";
    EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{c.message + where, caption, MB_OK | MB_ICONSTOP}));
    EXPECT_EQ(std::string(game.text.quoteText) + std::to_string(host.dialogs), "previous1");
    EXPECT_EQ(store.ReadString("quillo", "QuoteFile", "unset"), c.plain ? "" : c.name);
    if (c.plain) { EXPECT_TRUE(!game.state.quoteFileName[0] && game.state.puzzleCount == 0); }
    host.dialogs = 0;
  }
}

TEST_F(PuzzleLoaderTest, PlainLineFollowsTheRandomPosition) {
  WriteFile("four.qot", "First line.\nSecond, longer line.\n\nThird.\n");
  // Positions 5; 27, past the empty line; 32, the line end before it; 36, the last line, so
  // round to the start.
  const std::pair<std::uint64_t, const char*> picks[] = {
      {1, "Second, longer line."}, {3, "Third."}, {24, "Third."}, {4, "First line."}};
  for (const auto& [seed, line] : picks) {
    Load("four.qot", 2, seed);
    EXPECT_STREQ(game.text.quoteText, line) << seed;
  }
  // Only the last line holds a character, without a line end.
  Load(FixturePath("quotes/last-line.qot"), -1, 2);
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
  for (const std::string& damaged :
       {std::string("quillo-ratings 1 5\nE 1\nH 8\n"), std::string(2 << 20, 'E')}) {
    WriteFile("five.cqr", damaged);
    EXPECT_EQ(Picks(), (std::set<int>{0, 1, 2, 3, 4}));
  }
  EXPECT_EQ(loader.CurrentBand(), std::nullopt);
  EXPECT_TRUE(fake.Messages().size() == 2u && host.dialogs == 0);
}

}  // namespace
