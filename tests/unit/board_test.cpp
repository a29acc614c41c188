// At the board: cursor order, Up/Down across lines, Quick Entry, Advance After Guess, Undo/Redo
// with help in between, the caption and the win summary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/caption.h"
#include "dialogs/youwon.h"
#include "display/quotelayout.h"
#include "support/game_fixture.h"

namespace {

using Move = Game::CursorMove;
// Seed 7 enciphers "Hello, World" as "Lhmmu, Puqmg" (H->L, E->H, L->M, O->U, W->P, R->Q, D->G).
const std::string kTone = "tone 500 150";

class BoardTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle("Hello, World", PuzzleKind::kQuotePuzzle, 7);
    BeepOnErrors();
  }
  char GuessOn(char cipher) const { return game.state.guess[cipher - 'A']; }
};

TEST_F(BoardTest, CursorStepsThroughTheLettersInReadingOrder) {
  //  positions: L0 h1 m2 m3 u4 ,5 _6 P7 u8 q9 m10 g11
  const struct {
    Move move;
    int pos;
  } steps[] = {{Move::kRight, 0}, {Move::kRight, 1}, {Move::kEnd, 11}, {Move::kRight, 11},
               {Move::kLeft, 10}, {Move::kHome, 0},  {Move::kLeft, 0},  {Move::kNextBlank, 1},
               {Move::kNextBlank, 2}, {Move::kNextBlank, 4},  // m's second place is passed over
               {Move::kPreviousBlank, 3}, {Move::kLeft, 2}, {Move::kRight, 3}, {Move::kRight, 4},
               {Move::kRight, 7}};  // ", " is no letter
  for (const auto& step : steps) {
    game.MoveCursor(step.move);
    EXPECT_EQ(game.CursorPosition(), step.pos) << static_cast<int>(step.move);
  }
  EXPECT_EQ(game.state.selectedCipher, 'P' - 'A');
  // Tab wraps round past letters with guesses; with all guessed it stays.
  game.KeyTyped(27);
  TypeLetters('h', 'h');
  game.MoveCursor(Move::kEnd);
  game.KeyTyped('\t');
  EXPECT_EQ(game.CursorPosition(), 1);
  game.MoveCursor(Move::kPreviousBlank);
  EXPECT_EQ(game.CursorPosition(), 11);
  EXPECT_TRUE(Shown().empty());
}

TEST(BoardLayout, UpAndDownTakeTheNearestLetterOnTheNextLineWithOne) {
  // "abcd" at columns 0..3, "efg" at 1..3, "h,j" at 0..2, "--" (no letters) at 0..1, "k" at 5.
  const char* text = "abcd efg h,j -- k";
  QuoteLayout layout;
  layout.lines[0] = {0, 4, 0};
  layout.lines[1] = {5, 3, 1};
  layout.lines[2] = {9, 3, 0};
  layout.lines[3] = {13, 2, 0};
  layout.lines[4] = {16, 1, 5};
  layout.lineCount = 5;
  const struct {
    int pos, step, expected;
  } cases[] = {{0, 1, 5},  {3, 1, 7},  {6, 1, 11}, {5, 1, 9},  // e: h and j tie, the left wins
               {11, -1, 6}, {9, -1, 5}, {1, -1, -1}, {11, 1, 16}, {16, -1, 11}, {16, 1, -1},
               {4, 1, -1}};  // a blank between lines is on none
  for (const auto& c : cases) {
    EXPECT_EQ(LetterAcrossLines(layout, text, c.pos, c.step), c.expected) << c.pos << " " << c.step;
  }
}

TEST_F(BoardTest, AdvanceAfterGuessGoesToTheNextLetterWithoutAGuess) {
  SetSetting("AdvanceAfterGuess", 1);
  game.MoveCursor(Move::kHome);
  for (char guess : std::string("hel")) game.KeyTyped(guess);
  EXPECT_EQ(GuessOn('L'), 'H');
  EXPECT_EQ(GuessOn('H'), 'E');
  EXPECT_EQ(GuessOn('M'), 'L');
  EXPECT_EQ(game.CursorPosition(), 4);  // u: both m's are guessed now
}

TEST_F(BoardTest, QuickEntryTypesOverGuessesAndMovesLettersButLocksHold) {
  TypeLetters('h', 'h');  // L=H
  game.MoveCursor(Move::kHome);
  game.KeyTyped('x');  // classic: refused
  EXPECT_EQ(GuessOn('L'), 'H');
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         kTone, "dialog Error: You've already guessed H for that character."}));

  SetSetting("QuickEntry", 1);
  ClearShown();
  game.KeyTyped('x');  // typed over
  EXPECT_EQ(GuessOn('L'), 'X');
  game.MoveCursor(Move::kRight);
  game.KeyTyped('x');  // X moves from L to h
  EXPECT_EQ(GuessOn('L'), ' ');
  EXPECT_EQ(GuessOn('H'), 'X');
  EXPECT_EQ(Unused().substr(7, 1) + Unused().substr(23, 1), "H ");
  EXPECT_TRUE(Shown().empty());  // neither slip asks for an OK

  game.KeyTyped('H');
  TypeLetters('e', 'e');
  game.Confirm();  // locks H=E
  ClearShown();
  game.MoveCursor(Move::kHome);
  game.MoveCursor(Move::kRight);
  game.KeyTyped('z');  // over a locked letter
  game.MoveCursor(Move::kRight);
  game.KeyTyped('e');  // E is locked elsewhere
  EXPECT_EQ(GuessOn('H'), 'E');
  EXPECT_EQ(GuessOn('M'), ' ');
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "box Error: The answer for ciphertext H was given to you as a hint\nor "
                         "you have already confirmed it to be correct.",
                         kTone, "dialog Error: The plaintext character E is already taken."}));
}

TEST_F(BoardTest, UndoAndRedoStepThroughMovesAndNeverUndoHelp) {
  TypeLetters('h', 'h');  // L=H, right
  TypeLetters('e', 'x');  // H=X, wrong
  TypeLetters('l', 'l');  // M=L, right
  const std::string three = Guesses();
  EXPECT_TRUE(game.Undo());
  EXPECT_EQ(GuessOn('M'), ' ');
  EXPECT_TRUE(game.IsLetterUsed('X' - 'A'));
  EXPECT_FALSE(game.IsLetterUsed('L' - 'A'));
  EXPECT_TRUE(game.Undo());
  EXPECT_TRUE(game.Redo());
  EXPECT_TRUE(game.Redo());
  EXPECT_EQ(Guesses(), three);
  EXPECT_FALSE(game.CanRedo());

  // Undo Error erases H=X: that move is skipped (and forgotten), the one before is undone.
  game.Undo();  // M=L off again
  const int seconds = game.panel.elapsedSeconds;
  game.UndoError();
  const int charged = game.panel.elapsedSeconds;
  EXPECT_GT(charged, seconds);
  EXPECT_TRUE(game.Undo());
  EXPECT_EQ(GuessOn('L'), ' ');
  EXPECT_EQ(game.panel.undoCount, 1);
  EXPECT_EQ(game.panel.elapsedSeconds, charged);  // no refund
  // Confirm locks L=H after Redo: the move is no longer undoable.
  EXPECT_TRUE(game.Redo());
  game.Confirm();
  ClearShown();
  EXPECT_FALSE(game.Undo());
  EXPECT_EQ(GuessOn('L'), 'H');
  EXPECT_EQ(Shown(), std::vector<std::string>{kTone});

  // A move made after an undo drops the redo steps; a word entered through RecordMove is one
  // step; a quick-entry move is undone on both its letters.
  SetSetting("QuickEntry", 1);
  game.RecordMove([&] {
    TypeLetters('o', 'o');
    TypeLetters('w', 'w');
  });
  game.MoveCursor(Move::kHome);
  game.MoveCursor(Move::kRight);
  game.MoveCursor(Move::kRight);  // m
  game.KeyTyped('o');             // O moves from U to M
  EXPECT_EQ(GuessOn('M'), 'O');
  game.Undo();
  EXPECT_EQ(GuessOn('M'), ' ');
  EXPECT_EQ(GuessOn('U'), 'O');
  game.Undo();
  EXPECT_EQ(GuessOn('U'), ' ');
  EXPECT_EQ(GuessOn('P'), ' ');
  TypeLetters('d', 'd');
  EXPECT_FALSE(game.CanRedo());

  StartPuzzle("Another one");
  EXPECT_FALSE(game.CanUndo());
}

TEST(Caption, NamesThePuzzleOnTheBoard) {
  const struct {
    CaptionParts parts;
    const char* caption;
  } cases[] = {
      {{PuzzleKind::kQuotePuzzle, 1461, 2300, "/usr/share/quillo/quillo.cqt"}, "Quillo! - puzzle 1462 of 2300"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, "C:\\games\\favorite.qot"}, "Quillo! - favorite.qot"},
      {{PuzzleKind::kCipherEntered, 4, 2300, "quillo.cqt"}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kPlainEntered, -1, 0, ""}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kTutorialPuzzle, 0, 12, "quillo.cqt"}, "Quillo! - tutorial"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, ""}, "Quillo!"},
  };
  for (const auto& c : cases) EXPECT_EQ(GameCaption(c.parts), c.caption);

  PanelState panel{};
  panel.elapsedSeconds = 3725;
  EXPECT_EQ(WinSummary(panel), "You solved it in 1:02:05.\nHelp used: none.\n\nStart a new game?");
  panel.confirmCount = 1;
  panel.wordListCount = 3;
  EXPECT_EQ(WinSummary(panel),
            "You solved it in 1:02:05.\nHelp used: 1 confirm, 3 word lists.\n\nStart a new game?");
}

}  // namespace
