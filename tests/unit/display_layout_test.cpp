// The puzzle's layout: line breaking, hit testing of cells, scrolling, pane placement and the remembered size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/quotelayout.h"
#include "support/display_fixture.h"

namespace {

struct Line {
  int start, length, indent;
  bool operator==(const Line&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Line& l) {
  return out << "{" << l.start << "," << l.length << "," << l.indent << "}";
}

std::vector<Line> Break(const char* text, int columns) {
  QuoteLayout layout;
  BreakLines(text, columns, layout);
  std::vector<Line> lines;
  for (int i = 0; i < layout.lineCount; ++i) {
    lines.push_back({layout.lines[i].start, layout.lines[i].length, layout.lines[i].indent});
  }
  return lines;
}

TEST(QuoteLayoutTest, BreaksAtSpacesAndForcedBreaksAndRightAlignsAFittingAttribution) {
  // "||" and the blanks after it give no empty line; the attribution fits in 20 cells.
  EXPECT_EQ(Break("The quick brown fox jumps|over||  the lazy dog.\tAnonymous", 20),
            (std::vector<Line>{{0, 19, 0}, {20, 5, 0}, {26, 4, 0}, {34, 13, 0}, {48, 9, 11}}));
  // An attribution too long for the line is broken like the text, without its TAB.
  EXPECT_EQ(Break("Short quote.\tA very long attribution name here", 12),
            (std::vector<Line>{{0, 12, 0}, {13, 11, 0}, {25, 11, 0}, {37, 9, 0}}));
  // A word longer than the line is cut at exactly the line's width.
  EXPECT_EQ(Break("Supercalifragilistic word", 8),
            (std::vector<Line>{{0, 8, 0}, {8, 8, 0}, {16, 4, 0}, {21, 4, 0}}));
}

TEST(QuoteLayoutTest, EmptyTextsAndALineWithNoRoom) {
  EXPECT_TRUE(Break("", 40).empty());
  EXPECT_TRUE(Break("  || |", 40).empty());
  // No room at all: every one of the 30 entries takes an empty line, and the loop ends there.
  const std::vector<Line> lines = Break("abc def", 0);
  ASSERT_EQ(lines.size(), 30u);
  for (const Line& line : lines) EXPECT_EQ(line, (Line{0, 0, 0}));
  // Text past the 30th line is dropped.
  std::string many;
  for (int i = 0; i < 40; ++i) many += "w|";
  EXPECT_EQ(Break(many.c_str(), 10).size(), 30u);
  EXPECT_EQ(LineColumnsFor(448, 7), 60);
  EXPECT_EQ(LineColumnsFor(20, 7), 0);
}

class LayoutWindowTest : public DisplayFixture {};

TEST_F(LayoutWindowTest, CellsOfThePuzzleGiveTheirCiphertextLetter) {
  StartPuzzle("Hello, World");  // enciphered "Lhmmu, Puqmg", one line from column 2
  ASSERT_STREQ(game.text.puzzleText, "Lhmmu, Puqmg");
  ASSERT_EQ(Cells().lineColumns, 60);
  auto hitAt = [&](int column, int row) {
    LetterHit hit;
    if (!quote().PointToLetter(1, {column, row}, hit)) return std::string("none");
    return std::string(1, static_cast<char>('A' + hit.letter)) + "@" + std::to_string(hit.textPos);
  };
  EXPECT_EQ(hitAt(2, 2), "L@0");
  EXPECT_EQ(hitAt(2, 1), "L@0");    // the guess row answers for the letter below it
  EXPECT_EQ(hitAt(13, 2), "G@11");
  EXPECT_EQ(hitAt(2, 0), "none");   // blank rows
  EXPECT_EQ(hitAt(2, 3), "none");
  EXPECT_EQ(hitAt(2, 5), "none");   // no second line
  EXPECT_EQ(hitAt(1, 2), "none");   // margins
  EXPECT_EQ(hitAt(0, 1), "none");
  EXPECT_EQ(hitAt(7, 2), "none");   // the comma
  EXPECT_EQ(hitAt(14, 2), "none");  // past the line's end

  // A click on the puzzle selects; one on the panel's unused letter H (half a cell right) pairs.
  fake.Click(quote(), At(2, 2));
  EXPECT_EQ(game.state.selectedCipher, 'L' - 'A');
  fake.Click(freq(), {8 * kCellW + kCellW / 2 + 3, kCellH + 2});
  EXPECT_EQ(game.state.guess['L' - 'A'], 'H');
  EXPECT_EQ(fake.Focus(), &window);  // keys typed after a panel click still reach the game

  // Alt (or Ctrl) with a click asks for the word under it; the panel has no words.
  fake.Click(quote(), At(10, 1), kModAlt);
  EXPECT_EQ(hooks.calls.back(), "OpenWordList puqmg");
  fake.Click(freq(), At(4, 5), kModControl);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Must point to a word to get a word list.", "Error", MB_OK}));
}

TEST_F(LayoutWindowTest, ScrollsByRowsWithTheBarShownExactlyWhileNeeded) {
  // Eleven lines take 33 rows; 32 rows of 15 pixels fit in 481.
  StartPuzzle("a|b|c|d|e|f|g|h|i|j|k");
  FakeWindowPeer& peer = fake.Peer(quote());
  EXPECT_EQ(quote().Layout().lineCount, 11);
  EXPECT_EQ(peer.vScrollRange, 2);
  fake.ScrollTo(quote(), 2);
  RecordingDC dc = PaintQuote();
  ASSERT_FALSE(dc.OpsOf(DrawKind::WindowOrg).empty());
  EXPECT_EQ(dc.OpsOf(DrawKind::WindowOrg).front().at, (TPoint{0, 2 * kCellH}));  // two rows up
  LetterHit hit;
  EXPECT_TRUE(quote().PointToLetter(1, quote().PointToCell(At(2, 0)), hit));  // row 2: "a"
  EXPECT_EQ(hit.textPos, 0);

  fake.Resize(frame, 560, 600);
  fake.PaintPending();
  EXPECT_EQ(peer.vScrollRange, 0);
  EXPECT_EQ(quote().ScrollPosition(), 0);

  // A new puzzle starts at the top with no bar; an empty one lays out no line.
  StartPuzzle("");
  fake.PaintPending();
  EXPECT_EQ(quote().Layout().lineCount, 0);
  EXPECT_EQ(peer.vScrollRange, 0);
  EXPECT_TRUE(PaintQuote().TextOps().empty());
}

TEST_F(LayoutWindowTest, ResizingRemembersTheFrameSizeExceptOnTheFirstLayoutOfAPuzzle) {
  StartPuzzle("Hello, World");
  EXPECT_EQ(store.ReadInt("quillo", "WindowSizeX", -1), -1);
  fake.Resize(frame, 600, 400);
  fake.PaintPending();
  EXPECT_EQ(store.ReadInt("quillo", "WindowSizeX", -1), 600);
  EXPECT_EQ(store.ReadInt("quillo", "WindowSizeY", -1), 400);
  EXPECT_EQ(store.ReadString("quillo", "WindowMaximized", ""), "false");
  fake.Peer(frame).Show(TShow::Maximized);
  fake.PaintPending();
  EXPECT_EQ(store.ReadString("quillo", "WindowMaximized", ""), "true");
  EXPECT_EQ(store.ReadInt("quillo", "WindowSizeX", -1), 1920);
}

TEST_F(LayoutWindowTest, QuoteWindowPositionPlacesThePanes) {
  store.WriteString("quillo", "QuoteWindowPosition", "right");
  Open();
  EXPECT_EQ(fake.Peer(freq()).windowRect, (TRect{0, 0, 112, 481}));
  EXPECT_EQ(fake.Peer(quote()).windowRect, (TRect{112, 0, 560, 481}));
  for (const char* left : {"Left", "xyz", ""}) {
    store.WriteString("quillo", "QuoteWindowPosition", left);
    window.ComputeLayout();
    EXPECT_EQ(fake.Peer(freq()).windowRect, (TRect{448, 0, 560, 481})) << left;
    EXPECT_EQ(fake.Peer(quote()).windowRect, (TRect{0, 0, 448, 481})) << left;
  }
  // Narrower than the panel: the puzzle pane shrinks to nothing.
  fake.Resize(frame, 100, 200);
  EXPECT_EQ(fake.Peer(quote()).windowRect.Width(), 0);
}

}  // namespace
