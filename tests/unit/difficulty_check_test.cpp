// Options > Difficulty's picks from a rated collection, on the fake.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "engine/random.h"
#include "resources/resources.h"
#include "sources/memory.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

struct NoHost : PuzzleLoaderHost {
  TWindow* MessageOwner() override { return nullptr; }
  void OpenPuzzleFileDialog() override { ADD_FAILURE() << "load failed"; }
};

struct TestGame {
  struct { char quoteFileName[256]; std::int32_t puzzleCount, currentPuzzle; } state{};
  struct { char quoteText[1000], displayText[1000]; } text{};
};

// Five puzzles rated Easy, Hard, Medium, Hard, Easy: the Hard ones are 1 and 3.
class BandPickTest : public testing::Test {
 protected:
  BandPickTest() {
    std::string error;
    EXPECT_TRUE(WriteCompressedQuoteFile("five.cqt", {"Zero.", "One.", "Two.", "Three.", "Four."},
                                         "Test", error));
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

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  RunServices services{store};
  Memory memory;
  NoHost host;
  TestGame game;
  PuzzleLoader loader{PuzzleFieldsOf(game), &host, memory};
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
  EXPECT_EQ(fake.Messages().size(), 2u);
}

}  // namespace
