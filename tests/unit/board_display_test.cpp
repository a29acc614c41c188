// How the board looks: the selected letter's cells, hint-given or confirmed letters, the preview.
#include <gtest/gtest.h>

#include "support/display_fixture.h"

namespace {

class LooksTest : public DisplayFixture {
 protected:
  // The last text drawn starting at cell (column, row) of the puzzle.
  static DrawOp TextAt(const RecordingDC& dc, int column, int row) {
    DrawOp found;
    for (const DrawOp& op : dc.OpsOf(DrawKind::Text)) {
      if (op.at.x == column * kCellW && op.at.y == row * kCellH) found = op;
    }
    if (!found.font) found.font = TLogFont{};  // the stock font: plain
    return found;
  }
};

// Seed 7: "Lhmmu, Puqmg"; position k is drawn in column k + 2, guesses in row 1, ciphertext in 2.
TEST_F(LooksTest, SelectedLetterLockedLettersAndThePreviewEachLookTheirOwn) {
  EXPECT_EQ(SelectionFor(MakeColor(255, 255, 255)), MakeColor(191, 191, 191));
  EXPECT_EQ(Blend(MakeColor(0, 0, 0), MakeColor(255, 255, 255)), MakeColor(127, 127, 127));
  StartPuzzle("Hello, World");
  Guess('h', 'h');
  game.Confirm();       // L=H locked
  game.PlaceCursor(2);  // ciphertext m, at 2, 3 and 10
  const TColor face = TheColors().Get(kColorBackground);
  const TColor plain = TheColors().Get(kColorPlaintext);
  RecordingDC dc = PaintQuote();
  for (int row : {1, 2}) {
    for (int column : {4, 5, 12}) EXPECT_EQ(dc.Cell(column, row, Cell())->bk, SelectionFor(face));
    EXPECT_EQ(dc.Cell(3, row, Cell())->bk, face);
  }
  EXPECT_EQ(TextAt(dc, 2, 1).text, "H");
  EXPECT_EQ(TextAt(dc, 2, 1).font->weight, 700);
  bool underlined = false;
  for (const DrawOp& op : dc.OpsOf(DrawKind::Fill)) {
    underlined |= op.rect.left == 2 * kCellW && op.rect.bottom == 2 * kCellH && op.color == plain;
  }
  EXPECT_TRUE(underlined);

  // The preview is italic, halfway to the background; the option off drops the selection mark,
  // and on paper without colours the fonts stay.
  std::array<char, kLetterCount> table{};
  table['M' - 'A'] = 'l';
  TheWordPreview().Show(table);
  SetHighlightSelected(false);
  dc = PaintQuote();
  EXPECT_EQ(TextAt(dc, 4, 1).text, "ll");
  EXPECT_TRUE(TextAt(dc, 4, 1).font->italic);
  EXPECT_EQ(TextAt(dc, 4, 1).fg, Blend(plain, face));
  EXPECT_EQ(dc.Cell(4, 2, Cell())->bk, face);
  RecordingDC page;
  quote().Draw(page, false, true);
  EXPECT_EQ(TextAt(page, 2, 1).font->weight, 700);
  EXPECT_TRUE(TextAt(page, 4, 1).font->italic);
}

}  // namespace
