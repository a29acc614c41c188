// QuoteWindow: the pane showing the enciphered quotation, its guess rows and the win check.
#pragma once

#include "display/quotelayout.h"
#include "display/subwindow.h"

// Lays the puzzle text out whenever its width changes, scrolls by rows, and at every paint
// judges the puzzle, draws the rows and then (just after the paint, so no modal dialog runs
// inside it) lets the game check for a win.
class QuoteWindow : public SubWindow {
 public:
  // The timer that runs the win check right after a paint.
  static constexpr int kWinCheckTimerId = 2;

  QuoteWindow(TWindow* parent, Game& game);

  bool WantsVScroll() const override { return true; }

  // A new text is in the puzzle buffer: lay it out afresh from the top at the next paint, and
  // show it.
  void NewPuzzle();
  // The cell size may have changed (a new font): lay out again at the next paint.
  void CellsChanged();

  bool PointToLetter(int which, TPoint cell, LetterHit& hit) const override;
  void Draw(TDC& dc, bool useColours, bool printing) override;

  // The arrows, Home, End and Shift+Tab move the cursor (Up and Down by the layout, keeping the
  // cursor's line in view); everything else is typed into the game.
  void Char(int ch) override;
  void Timer(int id) override;
  void VScroll(int position) override;

  const QuoteLayout& Layout() const { return layout_; }
  int ScrollPosition() const { return scrollPosition_; }
  int ScrollRange() const { return scrollRange_; }

 private:
  // The resize handling: true when the client size changed since the last layout; the text is
  // then laid out again, the scroll bar set, and a fresh paint requested.
  bool Relayout();
  void SetScroller(int clientHeight);
  void RememberFrameSize();
  // One set of rows: offset 0 the guess rows, 1 the ciphertext rows.
  void DrawRows(TDC& dc, int offset, const char* text, bool useColours, TColor color);
  // Guess cells drawn apart from the plain rows: hint-given or confirmed letters bold and
  // underlined, the Possible Words preview italic in a lighter tint, and the selected letter's
  // cells (guess and ciphertext) on the selection background when marks are wanted.
  void DrawLooks(TDC& dc, const char* guesses, bool useColours, bool mark);
  void DrawSelected(TDC& dc, TColor color, bool mark);
  void ScrollToCursor();
  void PostWinCheck();

  QuoteLayout layout_;
  int cachedWidth_ = -1;  // -1: a new puzzle waits for its first layout
  int cachedHeight_ = 0;
  int scrollPosition_ = 0;
  int scrollRange_ = 0;
  TColor background_ = 0;
  TColor highlight_ = 0;
  char previewText_[kQuoteBufferSize] = {};
};
