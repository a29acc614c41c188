// The game's course against the fake: Open Puzzle File, a failed load, the win and the record.
#include <filesystem>

#include "app_fixture.h"
#include "display/quotewindow.h"
#include "resources/commands.h"
#include "sources/memory.h"

namespace {

class AppFlowTest : public AppFixture {
 protected:
  void Choose(int id) { fake.Command(app().Frame(), id); }
  // Puts the right plaintext letter on the ciphertext letter of plain, as the player types it.
  void Guess(char plain) {
    app().Client().Char('a' + app().state.key[plain - 'a']);
    app().Client().Char(plain);
  }
};

TEST_F(AppFlowTest, OpenPuzzleFileAsksWhileTouchedThenPlaysTheChosenFile) {
  WriteFile(folder.File("other.qot"), "Other words\n");
  App& game = Start();
  Guess('h');
  fake.AnswerNext(IDNO, "Do you really want to start a new game\nand lose this one?");
  Choose(kCmdOpenPuzzleFile);
  EXPECT_TRUE(fake.OpenFileRequests().empty());

  game.Client().Char('a' + game.state.key['e' - 'a']);  // a selection to be cleared
  fake.AnswerNext(IDYES);
  fake.AnswerOpenFile(folder.File("other.qot"));
  Choose(kCmdOpenPuzzleFile);
  EXPECT_EQ(fake.OpenFileRequests().size(), 1u);
  EXPECT_EQ(Setting("QuoteFile"), folder.File("other.qot"));
  EXPECT_STREQ(game.text.quoteText, "Other words");
  EXPECT_EQ(game.state.currentPuzzle, -1);
  EXPECT_EQ(game.state.selectedCipher, -1);
  EXPECT_EQ(game.state.modified, 0);

  fake.AnswerOpenFile(TOpenFileResult{});  // a plain cancel changes nothing
  Choose(kCmdOpenPuzzleFile);
  EXPECT_STREQ(game.text.quoteText, "Other words");
  EXPECT_FALSE(fake.QuitCalled());
}

TEST_F(AppFlowTest, AFailedLoadEndsInTheFileDialogWithoutTheQuestion) {
  WriteFile(folder.File("other.qot"), "Other words\n");
  App& game = Start();
  Guess('h');
  fake.AnswerNext(IDYES);  // New Game on a touched game asks once
  std::filesystem::remove(folder.File("quotes.qot"));
  fake.AnswerOpenFile(folder.File("other.qot"));
  Choose(kCmdNewGame);
  EXPECT_EQ(fake.MessageTexts(),
            (std::vector<std::string>{"Do you really want to start a new game\nand lose this one?",
                                      "Can't open file.\nPlease select a different file."}));
  EXPECT_STREQ(game.text.quoteText, "Other words");
  EXPECT_EQ(Setting("QuoteFile"), folder.File("other.qot"));
}

TEST_F(AppFlowTest, OnlyPuzzlesFromTheCompressedFileReachTheRecord) {
  std::filesystem::copy_file(FixturePath("quotes/two.cqt"), folder.File("two.cqt"));
  App& game = Start({"two.cqt"});
  const int first = game.state.currentPuzzle;
  game.MarkPuzzleSolved();
  EXPECT_TRUE(TheMemory().IsSolved(first));
  game.NewGame(kQuotePuzzle, -1, false);
  const int second = game.state.currentPuzzle;
  ASSERT_EQ(second, 1 - first);  // the unsolved one

  std::snprintf(game.text.displayText, kQuoteBufferSize, "%s", "Typed in");
  game.NewGame(kPlainEntered, 0, true);
  game.MarkPuzzleSolved();
  EXPECT_FALSE(TheMemory().IsSolved(second));
}

// Save Favorite is greyed exactly while its command has no work behind it.
TEST_F(AppFlowTest, TheWinIsAnnouncedOnceAndNoLeavesTheSolvedPuzzle) {
  App& game = Start();
  game.panel.panelShown = 1;
  fake.ScriptDialog(2, [](FakeDialog& dialog) {
    EXPECT_EQ(dialog.IsEnabled(105), App::HandlesCommand(kCmdSaveFavorite));
    EXPECT_TRUE(dialog.IsEnabled(101));
    dialog.Click(102);
  });
  for (char plain : std::string("helowrd")) Guess(plain);
  fake.PaintPending();
  EXPECT_TRUE(fake.Tick(game.Client().Quote(), 2));
  EXPECT_EQ(game.state.gameOver, 1);
  EXPECT_EQ(fake.Dialogs().back().templateId, 2);
  EXPECT_STREQ(game.text.quoteText, kQuotation);  // No leaves the solved puzzle
  EXPECT_EQ(game.AskSaveGame(), IDNO);              // a solved game needs no saving
  game.RepaintAll();
  fake.PaintPending();
  fake.Tick(game.Client().Quote(), 2);  // later paints judge again but announce nothing
  EXPECT_EQ(fake.Dialogs().size(), 1u);
}

}  // namespace
