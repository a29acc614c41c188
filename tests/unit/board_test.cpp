// At the board: cursor order, Up/Down across lines, Quick Entry, Undo/Redo with help in between,
// the caption and the win summary.
#include <gtest/gtest.h>

#include "app/caption.h"
#include "dialogs/youwon.h"
#include "display/quotelayout.h"
#include "support/game_fixture.h"

namespace {

using Move = Game::CursorMove;
const std::string kTone = "tone 500 150";

// Seed 7 enciphers "Hello, World" as "Lhmmu, Puqmg" (H->L, E->H, L->M, O->U, W->P, D->G).
class BoardTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle("Hello, World", PuzzleKind::kQuotePuzzle, 7);
    BeepOnErrors();
  }
  char On(char cipher) const { return game.state.guess[cipher - 'A']; }
  void At(int pos, char typed) {
    game.PlaceCursor(pos);
    game.KeyTyped(typed);
  }
};

TEST_F(BoardTest, CursorStepsThroughTheLettersInReadingOrder) {
  // L0 h1 m2 m3 u4 ,5 _6 P7 u8 q9 m10 g11; Tab passes over the selected letter's other places.
  const std::pair<Move, int> steps[] = {
      {Move::kRight, 0}, {Move::kRight, 1},     {Move::kEnd, 11},         {Move::kRight, 11},
      {Move::kLeft, 10}, {Move::kHome, 0},      {Move::kLeft, 0},         {Move::kNextBlank, 1},
      {Move::kNextBlank, 2}, {Move::kNextBlank, 4}, {Move::kPreviousBlank, 3}, {Move::kRight, 4},
      {Move::kRight, 7}};
  for (const auto& [move, pos] : steps) {
    game.MoveCursor(move);
    EXPECT_EQ(game.CursorPosition(), pos) << static_cast<int>(move);
  }
  game.KeyTyped(27);
  TypeLetters('h', 'h');  // Tab and Shift+Tab wrap round past the guessed L
  game.MoveCursor(Move::kEnd);
  game.KeyTyped('\t');
  EXPECT_EQ(game.CursorPosition(), 1);
  game.MoveCursor(Move::kPreviousBlank);
  EXPECT_EQ(game.CursorPosition(), 11);
  EXPECT_TRUE(Shown().empty());
}

TEST(BoardLayout, UpAndDownTakeTheNearestLetterOnTheNextLineWithOne) {
  // "abcd" at columns 0..3, "efg" at 1..3, "h,j" at 0..2, "--" without letters, "k" at 5.
  QuoteLayout layout;
  layout.lines[0] = {0, 4, 0};
  layout.lines[1] = {5, 3, 1};
  layout.lines[2] = {9, 3, 0};
  layout.lines[3] = {13, 2, 0};
  layout.lines[4] = {16, 1, 5};
  layout.lineCount = 5;
  const int cases[][3] = {{0, 1, 5},   {3, 1, 7},   {6, 1, 11},  {5, 1, 9} /* tie: the left */,
                          {11, -1, 6}, {1, -1, -1}, {11, 1, 16}, {16, -1, 11}, {4, 1, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(LetterAcrossLines(layout, "abcd efg h,j -- k", c[0], c[1]), c[2]) << c[0] << c[1];
  }
}

TEST_F(BoardTest, QuickEntryTypesOverAndMovesLettersButLocksHoldAndAdvanceMovesOn) {
  TypeLetters('h', 'h');  // L=H
  At(0, 'x');             // classic: refused
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         kTone, "dialog Error: You've already guessed H for that character."}));
  SetSetting("QuickEntry", 1);
  SetSetting("AdvanceAfterGuess", 1);
  ClearShown();
  At(0, 'x');  // typed over; the cursor goes on to h
  EXPECT_EQ(game.CursorPosition(), 1);
  game.KeyTyped('x');  // X moves from L to H
  EXPECT_EQ(std::string() + On('L') + On('H'), " X");
  EXPECT_EQ(Unused().substr(7, 1) + Unused().substr(23, 1), "H ");
  EXPECT_TRUE(Shown().empty());  // neither slip asks for an OK

  At(1, 'e');
  game.Confirm();  // locks H=E
  ClearShown();
  At(1, 'z');  // over a locked letter
  At(2, 'e');  // E is locked elsewhere
  EXPECT_EQ(std::string() + On('H') + On('M'), "E ");
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "box Error: The answer for ciphertext H was given to you as a hint\nor "
                         "you have already confirmed it to be correct.",
                         kTone, "dialog Error: The plaintext character E is already taken."}));
}

TEST_F(BoardTest, UndoAndRedoStepThroughMovesAndNeverUndoHelp) {
  TypeLetters('h', 'h');  // L=H, right
  TypeLetters('e', 'x');  // H=X, wrong
  TypeLetters('l', 'l');  // M=L, right
  EXPECT_TRUE(game.Undo() && game.Undo());
  EXPECT_EQ(Unused().substr(7, 5), " IJKL");
  EXPECT_TRUE(game.Redo());
  EXPECT_EQ(std::string() + On('L') + On('H') + On('M'), "HX ");

  // Undo Error erases H=X: that move is passed over, and the one before is undone, with no refund.
  game.UndoError();
  const int charged = game.panel.elapsedSeconds;
  EXPECT_TRUE(game.Undo());
  EXPECT_EQ(On('L'), ' ');
  EXPECT_EQ(game.panel.elapsedSeconds, charged);
  // Redone, then locked by Confirm: nothing is left to undo.
  EXPECT_TRUE(game.Redo());
  game.Confirm();
  ClearShown();
  EXPECT_FALSE(game.Undo());
  EXPECT_EQ(On('L'), 'H');
  EXPECT_EQ(Shown(), std::vector<std::string>{kTone});

  // A word entered as one move is one step; a quick-entry move is undone on both its letters;
  // a new move drops the redo steps, a new puzzle the history.
  SetSetting("QuickEntry", 1);
  game.RecordMove([&] {
    TypeLetters('o', 'o');
    TypeLetters('w', 'w');
  });
  At(2, 'o');  // O moves from U to M
  game.Undo();
  EXPECT_EQ(std::string() + On('M') + On('U') + On('P'), " OW");
  game.Undo();
  EXPECT_EQ(std::string() + On('U') + On('P'), "  ");
  TypeLetters('d', 'd');
  EXPECT_FALSE(game.CanRedo());
  StartPuzzle("Another one");
  EXPECT_FALSE(game.CanUndo());
}

TEST(Caption, NamesThePuzzleAndTheWinSaysTimeAndHelp) {
  const std::pair<CaptionParts, const char*> cases[] = {
      {{PuzzleKind::kQuotePuzzle, 1461, 2300, "/usr/share/quillo/quillo.cqt"}, "Quillo! - puzzle 1462 of 2300"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, "C:\\games\\favorite.qot"}, "Quillo! - favorite.qot"},
      {{PuzzleKind::kCipherEntered, 4, 2300, "quillo.cqt"}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kPlainEntered, -1, 0, ""}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kTutorialPuzzle, 0, 12, "quillo.cqt"}, "Quillo! - tutorial"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, ""}, "Quillo!"}};
  for (const auto& [parts, caption] : cases) EXPECT_EQ(GameCaption(parts), caption);

  PanelState panel{};
  panel.elapsedSeconds = 3725;
  EXPECT_EQ(WinSummary(panel), "You solved it in 1:02:05.\nHelp used: none.\n\nStart a new game?");
  panel.confirmCount = 1;
  panel.wordListCount = 3;
  EXPECT_EQ(WinSummary(panel), "You solved it in 1:02:05.\nHelp used: 1 confirm, 3 word lists.\n\nStart a new game?");
}

}  // namespace
