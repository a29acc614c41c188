// Options > Difficulty's picks from a rated collection, and Check Entered Puzzle on the fake.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/runservices.h"
#include "app/session.h"
#include "classlib/inifile.h"
#include "engine/random.h"
#include "resources/commands.h"
#include "resources/resources.h"
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

// The game on the fake with a dictionary of ten words: "committee" is alone in its pattern, and
// "cat", "sat", "mat", "hat" share theirs.
class CheckEnteredTest : public testing::Test {
 protected:
  CheckEnteredTest() {
    WriteFile(folder.File("quotes.qot"), "Hello, world\n");
    std::vector<std::vector<Word>> byLength(kWordSlotCount);
    for (const auto& [text, frequency] : std::initializer_list<std::pair<const char*, int>>{
             {"the", 60000}, {"tie", 30000}, {"cat", 30000}, {"sat", 30000}, {"mat", 20000},
             {"hat", 30000}, {"met", 30000}, {"on", 50000}, {"no", 40000}, {"committee", 20000}}) {
      Word& word = byLength[std::strlen(text)].emplace_back();
      word.frequency = static_cast<std::uint16_t>(frequency);
      std::strcpy(word.text, text);
    }
    const std::vector<unsigned char> image = EncodeWordList(byLength, 1);
    std::filesystem::create_directories(folder.File("bin"));
    WriteFile(folder.File("bin/wordlist.wl"), std::string(image.begin(), image.end()));
    session = QuilloSession::Start(folder.File("bin/quillo"), {"quotes.qot"});
  }
  ~CheckEnteredTest() override { session.reset(); }

  // Pastes text as a puzzle (a paste command), then checks it; the progress dialog waits for the
  // solve, or is cancelled at once. The message boxes shown by the check.
  std::vector<std::string> Check(const std::string& text, int pasteCommand, bool cancel = false) {
    fake.SetClipboard(text);
    fake.Command(app().Frame(), pasteCommand);
    EXPECT_TRUE(fake.Peer(app().Frame()).IsEnabled(kCmdCheckEntered));
    fake.ClearMessages();
    fake.ScriptDialog(kCheckTemplateId, [cancel](FakeDialog& dialog) {
      if (cancel) return dialog.Click(IDCANCEL);
      for (int i = 0; i < 5000 && dialog.Tick(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    });
    fake.Command(app().Frame(), kCmdCheckEntered);
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : fake.Messages()) texts.push_back(box.text);
    return texts;
  }
  App& app() { return session->TheApp(); }

  TempFolder folder{true};
  FakePlatform fake;
  std::unique_ptr<QuilloSession> session;
};

const char* const kSpoilQuestion = "\n\nShow the best solution found? It gives the puzzle away.";

TEST_F(CheckEnteredTest, EncryptedPuzzlesOneSeveralOrNoneAndTheSpoilerOnlyOnYes) {
  EXPECT_FALSE(fake.Peer(app().Frame()).IsEnabled(kCmdCheckEntered));  // a collection's puzzle
  fake.AnswerNext(IDYES);
  EXPECT_EQ(Check("Wkh frpplwwhh phw.", kCmdPasteEncrypted),
            (std::vector<std::string>{std::string("One solution found.") + kSpoilQuestion,
                                      "The committee met."}));
  fake.AnswerNext(IDNO);
  EXPECT_EQ(Check("Wkh fdw vdw.", kCmdPasteEncrypted),
            (std::vector<std::string>{std::string("Several solutions found.") + kSpoilQuestion}));
  fake.AnswerNext(IDNO);
  EXPECT_EQ(Check("Xqzj bvvk gpyq.", kCmdPasteEncrypted),
            (std::vector<std::string>{std::string("No solution found.") + kSpoilQuestion}));
}

TEST_F(CheckEnteredTest, PlaintextPuzzlesSayWhetherAnotherReadingFitsAndCancelSaysNothing) {
  EXPECT_EQ(Check("The committee met.", kCmdPastePlaintext),
            (std::vector<std::string>{
                "The dictionary admits no other solution: the puzzle has one answer."}));
  // Any two different words of cat, sat, hat and mat fit as well: "The xat yat." is shown.
  const std::vector<std::string> shown = Check("The mat sat.", kCmdPastePlaintext);
  const std::string lead = "The dictionary admits other solutions. One of them:\n\nThe ";
  ASSERT_TRUE(shown.size() == 1 && shown[0].starts_with(lead)) << shown[0];
  const std::string other = shown[0].substr(lead.size());
  const auto fits = [](char c) { return std::string("chms").find(c) != std::string::npos; };
  EXPECT_TRUE(other.size() == 8 && other.substr(1, 3) == "at " && other.substr(5) == "at." &&
              fits(other[0]) && fits(other[4]) && other[0] != other[4] && other != "mat sat.")
      << other;
  EXPECT_TRUE(Check("The cat sat.", kCmdPastePlaintext, true).empty());
}

}  // namespace
