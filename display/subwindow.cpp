// SubWindow: the shared cell primitive and the mouse handling of both panes.
#include "display/subwindow.h"

#include <cstring>

#include "display/cellmetrics.h"

SubWindow::SubWindow(TWindow* parent, Game& game, int mode)
    : TWindow(parent), game_(game), mode_(mode) {}

void SubWindow::SetBackground(TColor color) {
  background_ = color;
  if (HasPeer()) Peer().SetBackground(color);
}

TPoint SubWindow::PointToCell(TPoint point) const {
  const CellMetrics& cells = Cells();
  const int row = point.y / cells.cellHeight;
  int x = point.x;
  if (mode_ == 1 && (row == 1 || row == 2)) x -= cells.cellWidth * 50 / 100;
  return {x / cells.cellWidth, row};
}

void SubWindow::LButtonDown(TPoint point, unsigned modifiers) {
  LetterHit hit;
  if (!PointToLetter(1, PointToCell(point), hit)) hit = LetterHit{};
  // Ctrl serves as well as Alt: many desktops keep Alt+click for moving windows.
  game_.LeftClick(hit, (modifiers & (kModAlt | kModControl)) != 0);
}

void SubWindow::RButtonDown(TPoint point, unsigned) {
  LetterHit hit;
  // Only a ciphertext letter is erased; any right click still drops a pending selection.
  if (!PointToLetter(0, PointToCell(point), hit) || hit.letterKind != LetterHit::kCipherLetter) {
    hit = LetterHit{};
  }
  game_.RightClick(hit);
}

bool SubWindow::ReadyToDraw() {
  if (game_.state.resumed) shown_ = true;
  return shown_;
}

void SubWindow::CellChars(TDC& dc, int column, int row, const char* text, int n, int offsetPercent) {
  if (n <= 0) return;
  char cells[kQuoteBufferSize];
  if (n > kQuoteBufferSize) n = kQuoteBufferSize;
  int count = 0;
  for (; count < n && text[count] != '\0'; ++count) {
    const unsigned char c = static_cast<unsigned char>(text[count]);
    cells[count] = c < ' ' ? ' ' : text[count];
  }
  if (count == 0) return;
  const CellMetrics& metrics = Cells();
  dc.TextOut(column * metrics.cellWidth + offsetPercent * metrics.cellWidth / 100,
             row * metrics.cellHeight, std::string_view(cells, static_cast<std::size_t>(count)));
}

void SubWindow::CellText(TDC& dc, int column, int row, std::string_view text, int offsetPercent) {
  CellChars(dc, column, row, text.data(), static_cast<int>(text.size()), offsetPercent);
}
