// QuoteWindow: layout on resize, row-wise scrolling, painting the rows and posting the win check.
#include "display/quotewindow.h"

#include <algorithm>

#include "classlib/inifile.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/wordpreview.h"
#include "framework/dc.h"

QuoteWindow::QuoteWindow(TWindow* parent, Game& game) : SubWindow(parent, game, 0) {}

void QuoteWindow::NewPuzzle() {
  cachedWidth_ = -1;
  scrollPosition_ = 0;
  if (HasPeer()) Peer().SetVScroll(scrollRange_, 0);
  SetShown(true);
}

void QuoteWindow::CellsChanged() {
  if (cachedWidth_ != -1) cachedWidth_ = 0;
}

bool QuoteWindow::PointToLetter(int, TPoint cell, LetterHit& hit) const {
  return LetterAtCell(layout_, TheGame().text.puzzleText, Cells().lineColumns, cell,
                      scrollPosition_, hit);
}

bool QuoteWindow::Relayout() {
  const TRect client = ClientRect();
  const int width = client.Width();
  const int height = client.Height();
  if (width == cachedWidth_ && height == cachedHeight_) return false;
  const bool firstLayout = cachedWidth_ == -1;
  cachedHeight_ = height;
  if (width != cachedWidth_) {
    cachedWidth_ = width;
    Cells().lineColumns = LineColumnsFor(width, Cells().cellWidth);
    BreakLines(TheGame().text.puzzleText, Cells().lineColumns, layout_);
  }
  const bool hadScrollBar = scrollRange_ != 0;
  SetScroller(height);
  if (hadScrollBar != (scrollRange_ != 0)) {
    // The bar took or gave back client width: lay out again at the next paint.
    cachedWidth_ = firstLayout ? -1 : 0;
  } else if (!firstLayout) {
    RememberFrameSize();
  }
  Invalidate(true);
  return true;
}

void QuoteWindow::SetScroller(int clientHeight) {
  const int rowsInView = clientHeight / Cells().cellHeight;
  const int textRows = layout_.TextRows();
  // One row more than the text's rows lets the last line's blank row come fully into view.
  scrollRange_ = textRows <= rowsInView ? 0 : textRows + 1 - rowsInView;
  scrollPosition_ = std::clamp(scrollPosition_, 0, scrollRange_);
  if (HasPeer()) Peer().SetVScroll(scrollRange_, scrollPosition_);
}

void QuoteWindow::RememberFrameSize() {
  TWindow* layoutWindow = Parent();
  TWindow* frame = layoutWindow ? layoutWindow->Parent() : nullptr;
  if (!frame || !frame->HasPeer()) return;
  const TRect outer = frame->Peer().WindowRect();
  IniFile& settings = Settings();
  settings.WriteInt("quillo", "WindowSizeX", outer.Width());
  settings.WriteInt("quillo", "WindowSizeY", outer.Height());
  settings.WriteString("quillo", "WindowMaximized", frame->Peer().IsZoomed() ? "true" : "false");
}

void QuoteWindow::VScroll(int position) {
  position = std::clamp(position, 0, scrollRange_);
  if (position == scrollPosition_) return;
  scrollPosition_ = position;
  Invalidate(true);
}

void QuoteWindow::Draw(TDC& dc, bool useColours, bool printing) {
  if (!ReadyToDraw() || Relayout()) return;
  Game& game = TheGame();
  const Color& colors = TheColors();
  TheFont().Select(dc);
  if (useColours) {
    background_ = colors.Get(kColorBackground);
    if (HighlightSolution()) highlight_ = HighlightFor(background_);
    dc.SetBkColor(background_);
  }
  game.JudgePuzzle();

  const TPoint origin = dc.GetWindowOrg();
  if (!printing) dc.SetWindowOrg({origin.x, origin.y + scrollPosition_ * Cells().cellHeight});
  const char* guesses = game.text.plainText;
  if (TheWordPreview().active) {
    MergePreview(game.text.puzzleText, game.text.plainText, TheWordPreview(), previewText_,
                 kQuoteBufferSize);
    guesses = previewText_;
  }
  DrawRows(dc, 0, guesses, useColours, colors.Get(kColorPlaintext));
  DrawRows(dc, 1, game.text.puzzleText, useColours, colors.Get(kColorCiphertext));
  if (game.state.selectedCipher >= 0) DrawSelected(dc, colors.Get(kColorSelected));
  if (!printing) dc.SetWindowOrg(origin);
  PostWinCheck();
}

void QuoteWindow::DrawRows(TDC& dc, int offset, const char* text, bool useColours, TColor color) {
  const bool band = useColours && offset == 0 && HighlightSolution();
  if (useColours) {
    if (band) dc.SetBkColor(highlight_);
    dc.SetTextColor(color);
  }
  for (int i = 0; i < layout_.lineCount; ++i) {
    const QuoteLine& line = layout_.lines[i];
    const int row = 3 * i + offset + 1;
    CellText(dc, line.indent + 1, row, " ");
    CellText(dc, line.indent + line.length + 2, row, " ");
    CellChars(dc, line.indent + 2, row, text + line.start, line.length);
  }
  if (band) dc.SetBkColor(background_);
}

void QuoteWindow::DrawSelected(TDC& dc, TColor color) {
  const char* puzzle = TheGame().text.puzzleText;
  const int selected = TheGame().state.selectedCipher;
  dc.SetTextColor(color);
  for (int i = 0; i < layout_.lineCount; ++i) {
    const QuoteLine& line = layout_.lines[i];
    for (int k = 0; k < line.length; ++k) {
      const char* at = puzzle + line.start + k;
      if (Game::LetterIndex(*at) == selected) CellChars(dc, line.indent + k + 2, 3 * i + 2, at, 1);
    }
  }
}

void QuoteWindow::PostWinCheck() {
  if (HasPeer()) {
    Peer().SetTimer(kWinCheckTimerId, 0);
  } else {
    TheGame().CheckForWin();
  }
}

void QuoteWindow::Timer(int id) {
  if (id != kWinCheckTimerId) return;
  if (HasPeer()) Peer().KillTimer(kWinCheckTimerId);
  TheGame().CheckForWin();
}
