// QuilloWindow: the main frame's client, laying out the puzzle (QuoteWindow) and the side panel.
#pragma once

#include <functional>
#include <memory>

#include "framework/window.h"

class Game;
class QuoteWindow;
class FreqWindow;

// The layout window. It creates both panes as its children when created, places them from
// QuoteWindowPosition and the cell metrics of the puzzle font, and passes typed characters to
// the game. The application object forwards the engine's drawing hooks here.
//
// Start-up order: TheFont().Load(), TheColors().Load() and LoadDisplayOptions() first; then
// CreateWindows() once the frame exists (it takes the background and computes the layout).
class QuilloWindow : public TWindow {
 public:
  QuilloWindow(TWindow* parent, Game& game);
  ~QuilloWindow() override;

  // Creates the window and both panes (call once the frame exists).
  void CreateWindows();

  QuoteWindow& Quote();
  FreqWindow& Freq();

  // Measures the cell metrics from the puzzle font, reads QuoteWindowPosition, sets the smallest
  // client (some puzzle columns beside the panel down to its clock) and places both panes
  // (start-up, a font change, the On the left / On the right commands).
  void ComputeLayout();
  // QuoteWindowPosition put the puzzle on the right at the last ComputeLayout.
  bool QuoteOnRight() const { return quoteOnRight_; }

  // The engine's drawing hooks.
  void Redraw();            // both panes now, no erase
  void RepaintAll();        // both panes invalidated with erase
  void RedrawTime();        // the clock line only
  void PuzzleTextChanged(); // a new puzzle: lay out afresh from the top
  void StartClockTimer();
  void StopClockTimer();
  // Both panes take the "Background" colour element (after a colour change).
  void SetBackground();

  // Yes to the first-paint tutorial offer calls this (may be left empty).
  void SetTutorialStarter(std::function<void()> start);
  // The Change Colors command: the colour dialog, with every change shown at once.
  void ChangeColors();
  // The Change Font command: the font chooser; after OK the layout is computed again, the window
  // grows where the whole panel no longer fits, and the display is repainted.
  void ChangeFont();
  // Zoom In / Zoom Out / Actual Size: the puzzle and panel font one step larger, one smaller, or
  // at the chosen height; the setting is written, the layout computed again, the window grown
  // as after a font change and by what the panel gained in width (the puzzle keeps its room),
  // and the display repainted. A step past the last one changes nothing.
  void ZoomIn();
  void ZoomOut();
  void ActualSize();

  void Size(TSize clientSize) override;
  void Char(int ch) override;

 private:
  void PlacePanes(TSize clientSize);
  void GrowAndRepaint(int width);
  void SetZoom(int percent);

  Game& game_;
  std::unique_ptr<QuoteWindow> quote_;
  std::unique_ptr<FreqWindow> freq_;
  bool quoteOnRight_ = false;
};
