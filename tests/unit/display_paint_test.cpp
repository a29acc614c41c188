// Painting the puzzle: the guess rows and their case, judging, the win check, colours, highlight, preview.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/display_fixture.h"

namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kDerivedFace = MakeColor(235, 235, 235);  // the fake's button face, 5 toward the middle

class PaintTest : public DisplayFixture {
 protected:
  // Seed 7: H->L, E->H, L->M, O->U, W->P, R->Q, D->G.
  void SetUp() override { StartPuzzle("Hello, World"); }
  // Columns 0..15 of a row of the puzzle.
  std::string RowText(const RecordingDC& dc, int row) { return dc.Row(row, 16, Cell()); }
};

TEST_F(PaintTest, GuessRowsFollowTheCaseOfTheCiphertextAndJudgeThePuzzle) {
  RecordingDC dc = PaintQuote();
  EXPECT_EQ(RowText(dc, 1), "       ,        ");
  EXPECT_EQ(RowText(dc, 2), "  Lhmmu, Puqmg  ");
  for (char p : std::string("helowr")) Guess(p, p);
  dc = PaintQuote();
  EXPECT_EQ(RowText(dc, 1), "  Hello, Worl   ");
  EXPECT_EQ(game.state.gameOver, 0);  // one letter still without a guess
  EXPECT_TRUE(RunWinCheck());
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 0);

  Guess('d', 'd');
  dc = PaintQuote();
  EXPECT_EQ(RowText(dc, 1), "  Hello, World  ");
  EXPECT_EQ(game.state.gameOver, 1);
  // The win check runs after the paint, and only once however often the puzzle is painted.
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 0);
  EXPECT_TRUE(RunWinCheck());
  PaintQuote();
  RunWinCheck();
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);
  EXPECT_EQ(hooks.Count("MarkPuzzleSolved"), 1);
}

TEST_F(PaintTest, AWrongCaseOrWrongLetterKeepsThePuzzleUnsolved) {
  for (char p : std::string("helowr")) Guess(p, p);
  Guess('d', 'x');
  PaintQuote();
  EXPECT_EQ(game.state.gameOver, 0);
  RunWinCheck();
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 0);
}

TEST_F(PaintTest, ColoursOfTheRowsTheHighlightBandAndTheSelectedLetter) {
  EXPECT_EQ(HighlightFor(MakeColor(255, 255, 255)), MakeColor(240, 240, 240));
  EXPECT_EQ(HighlightFor(MakeColor(0, 0, 0)), MakeColor(45, 45, 45));
  EXPECT_EQ(HighlightFor(MakeColor(50, 60, 64)), MakeColor(80, 90, 94));
  EXPECT_EQ(HighlightFor(MakeColor(250, 100, 20)), MakeColor(235, 115, 35));

  Guess('e', 'e');
  game.KeyTyped(CipherOf('l'));  // select ciphertext m
  SetHighlightSolution(true);
  RecordingDC dc = PaintQuote();
  const TColor band = HighlightFor(kDerivedFace);
  for (int column : {1, 2, 3, 14}) {  // the band covers one cell either side of the guess row
    EXPECT_EQ(dc.Cell(column, 1, Cell())->bk, band) << column;
    EXPECT_EQ(dc.Cell(column, 2, Cell())->bk, kDerivedFace) << column;
  }
  EXPECT_EQ(dc.Cell(3, 1, Cell())->fg, TheColors().Get(kColorPlaintext));
  EXPECT_EQ(dc.Cell(2, 2, Cell())->fg, TheColors().Get(kColorCiphertext));
  TheColors().Set(kColorSelected, kRed);
  dc = PaintQuote();
  for (int column : {4, 5, 12}) EXPECT_EQ(dc.Cell(column, 2, Cell())->fg, kRed) << column;
  EXPECT_EQ(dc.Cell(3, 2, Cell())->fg, TheColors().Get(kColorCiphertext));
}

TEST_F(PaintTest, WithoutColoursOnlyTheSelectedLetterTakesItsColour) {
  TheColors().Set(kColorSelected, kRed);
  SetHighlightSolution(true);
  game.KeyTyped(CipherOf('o'));  // u
  RecordingDC page;
  quote().Draw(page, false, true);
  for (const DrawOp& op : page.TextOps()) {
    EXPECT_EQ(op.bk, MakeColor(255, 255, 255)) << op.text;
    EXPECT_EQ(op.fg, op.text == "u" ? kRed : MakeColor(0, 0, 0)) << op.text;
  }
  EXPECT_EQ(page.Cell(6, 2, Cell())->ch, 'u');
  EXPECT_EQ(page.Cell(10, 2, Cell())->ch, 'u');
}

TEST_F(PaintTest, PrintingDrawsFromTheTopWhateverTheScroll) {
  StartPuzzle("a|b|c|d|e|f|g|h|i|j|k|l");
  fake.ScrollTo(quote(), 3);
  RecordingDC page;
  quote().Draw(page, true, true);
  EXPECT_TRUE(page.OpsOf(DrawKind::WindowOrg).empty());
  EXPECT_EQ(page.Cell(2, 2, Cell())->ch, game.text.puzzleText[0]);
  EXPECT_EQ(page.Cell(2, 35, Cell())->ch, game.text.puzzleText[22]);
}

TEST_F(PaintTest, PreviewLettersFillOnlyTheCellsWithoutAGuess) {
  Guess('e', 'e');
  std::array<char, kLetterCount> table{};
  table['L' - 'A'] = 'h';  // the candidate word's letters, lower case
  table['H' - 'A'] = 'x';  // the player's own e stays
  table['M' - 'A'] = ' ';
  TheWordPreview().Show(table);
  RecordingDC dc = PaintQuote();
  EXPECT_EQ(RowText(dc, 1), "  He   ,        ");
  TheWordPreview().Hide();
  EXPECT_EQ(RowText(PaintQuote(), 1), "   e   ,        ");
  EXPECT_EQ(std::string(game.text.plainText), " e   ,      ");
}

}  // namespace
