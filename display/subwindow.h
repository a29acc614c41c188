// SubWindow: the base of the two panes, drawing text on the cell grid and turning clicks into letters.
#pragma once

#include <string_view>

#include "engine/game.h"
#include "framework/window.h"

// A pane of the layout window. mode 0 is the puzzle, mode 1 the side panel, whose two rows of
// unused letters sit half a cell to the right. A pane draws nothing until it has content
// (shown), except for a game resumed from the saved game, which shows it at once.
class SubWindow : public TWindow {
 public:
  SubWindow(TWindow* parent, Game& game, int mode);

  int Mode() const { return mode_; }
  bool IsShown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }
  TColor Background() const { return background_; }
  // Takes a new background colour; the window erases with it from the next paint.
  void SetBackground(TColor color);

  // The cell under a point of the client area (truncating toward zero).
  TPoint PointToCell(TPoint point) const;
  // The letter in a cell; which is 1 for the selecting (left) click and 0 otherwise.
  virtual bool PointToLetter(int which, TPoint cell, LetterHit& hit) const = 0;
  // Draws the pane; printing draws the whole content for a page, useColours the scheme's colours.
  virtual void Draw(TDC& dc, bool useColours, bool printing) = 0;

  void Paint(TDC& dc) override { Draw(dc, true, false); }
  // A new size is painted afresh (the puzzle lays itself out again at that paint).
  void Size(TSize) override { Invalidate(true); }
  // The left button selects the letter under it (Alt or Ctrl asks for a word list); the right
  // button drops the selection or erases the guess of the ciphertext letter under it.
  void LButtonDown(TPoint point, unsigned modifiers) override;
  void RButtonDown(TPoint point, unsigned modifiers) override;

 protected:
  Game& TheGame() const { return game_; }
  // False while the pane has nothing to draw; a resumed game makes it shown.
  bool ReadyToDraw();
  // Opaque text at column x cellWidth + offsetPercent % of a cell, row x cellHeight. At most n
  // characters, fewer at a terminating zero; control characters show as blanks.
  static void CellChars(TDC& dc, int column, int row, const char* text, int n, int offsetPercent = 0);
  static void CellText(TDC& dc, int column, int row, std::string_view text, int offsetPercent = 0);

 private:
  Game& game_;
  int mode_;
  bool shown_ = false;
  TColor background_ = MakeColor(255, 255, 255);
};
