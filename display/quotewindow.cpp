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
  const bool mark = useColours && !printing && HighlightSelected();
  DrawLooks(dc, guesses, useColours, mark);
  if (game.state.selectedCipher >= 0) DrawSelected(dc, colors.Get(kColorSelected), mark);
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

namespace {
// How one guess cell differs from the plain guess row; equal looks are drawn as one run.
enum Look { kPlain = 0, kStrong = 1, kPreview = 2, kMarked = 4 };

int LookAt(const Game& game, const char* guesses, int pos, bool preview, bool mark) {
  const int c = Game::LetterIndex(game.text.puzzleText[pos]);
  if (c < 0) return kPlain;
  int look = kPlain;
  if (game.state.locked[c]) {
    look = kStrong;
  } else if (preview && game.text.plainText[pos] == ' ' && guesses[pos] != ' ') {
    look = kPreview;
  }
  if (mark && c == game.state.selectedCipher) look |= kMarked;
  return look;
}
}  // namespace

void QuoteWindow::DrawLooks(TDC& dc, const char* guesses, bool useColours, bool mark) {
  const Game& game = TheGame();
  const bool preview = TheWordPreview().active;
  const TColor plain = useColours ? TheColors().Get(kColorPlaintext) : dc.GetTextColor();
  const TColor band = useColours && HighlightSolution() ? highlight_ : dc.GetBkColor();
  const CellMetrics& cells = Cells();
  const int underline = std::max(1, cells.cellHeight / 12);
  for (int i = 0; i < layout_.lineCount; ++i) {
    const QuoteLine& line = layout_.lines[i];
    for (int k = 0; k < line.length;) {
      const int look = LookAt(game, guesses, line.start + k, preview, mark);
      int end = k + 1;
      while (end < line.length && LookAt(game, guesses, line.start + end, preview, mark) == look) ++end;
      if (look != kPlain) {
        const TColor fg = (look & kPreview) && useColours ? Blend(plain, background_) : plain;
        if (useColours) {
          dc.SetTextColor(fg);
          dc.SetBkColor((look & kMarked) ? SelectionFor(background_) : band);
        }
        TheFont().SelectVariant(dc, look & kStrong, look & kPreview);
        const int column = line.indent + k + 2;
        CellChars(dc, column, 3 * i + 1, guesses + line.start + k, end - k);
        if (look & kStrong) {
          const int bottom = (3 * i + 2) * cells.cellHeight;
          dc.FillRect({column * cells.cellWidth, bottom - underline,
                       (column + end - k) * cells.cellWidth, bottom}, fg);
        }
      }
      k = end;
    }
  }
  TheFont().Select(dc);
  if (useColours) dc.SetBkColor(background_);
}

void QuoteWindow::DrawSelected(TDC& dc, TColor color, bool mark) {
  const char* puzzle = TheGame().text.puzzleText;
  const int selected = TheGame().state.selectedCipher;
  dc.SetTextColor(color);
  if (mark) dc.SetBkColor(SelectionFor(background_));
  for (int i = 0; i < layout_.lineCount; ++i) {
    const QuoteLine& line = layout_.lines[i];
    for (int k = 0; k < line.length; ++k) {
      const char* at = puzzle + line.start + k;
      if (Game::LetterIndex(*at) == selected) CellChars(dc, line.indent + k + 2, 3 * i + 2, at, 1);
    }
  }
  if (mark) dc.SetBkColor(background_);
}

void QuoteWindow::Char(int ch) {
  Game& game = TheGame();
  using Move = Game::CursorMove;
  const int pos = game.CursorPosition();
  switch (ch) {
    case kKeyLeft: game.MoveCursor(Move::kLeft); break;
    case kKeyRight: game.MoveCursor(Move::kRight); break;
    case kKeyHome: game.MoveCursor(Move::kHome); break;
    case kKeyEnd: game.MoveCursor(Move::kEnd); break;
    case kKeyBackTab: game.MoveCursor(Move::kPreviousBlank); break;
    case kKeyUp:
    case kKeyDown:
      if (pos < 0) {
        game.MoveCursor(ch == kKeyDown ? Move::kHome : Move::kEnd);
      } else {
        game.PlaceCursor(LetterAcrossLines(layout_, game.text.puzzleText, pos, ch == kKeyDown ? 1 : -1));
      }
      break;
    default: game.KeyTyped(ch); break;
  }
  if (game.CursorPosition() != pos) ScrollToCursor();
}

// The cursor's two rows come into view when a move took them out of it.
void QuoteWindow::ScrollToCursor() {
  const int line = LineOf(layout_, TheGame().CursorPosition());
  const int rowsInView = ClientRect().Height() / std::max(1, Cells().cellHeight);
  if (line < 0 || scrollRange_ == 0 || rowsInView < 3) return;
  const int top = 3 * line;
  int position = scrollPosition_;
  if (top < position) position = top;
  if (top + 3 > position + rowsInView) position = top + 3 - rowsInView;
  position = std::clamp(position, 0, scrollRange_);
  if (position == scrollPosition_) return;
  scrollPosition_ = position;
  if (HasPeer()) Peer().SetVScroll(scrollRange_, scrollPosition_);
  Invalidate(true);
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
