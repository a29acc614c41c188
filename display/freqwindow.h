// FreqWindow: the side panel of unused letters, letter frequencies, the clock and the counters.
#pragma once

#include <functional>
#include <string>

#include "display/subwindow.h"

// The panel draws the game's PanelState on a 16-cell-wide grid. Its repeating timer kClockTimerId
// ticks the game's clock. Its first paint with content marks the panel shown and, just after the
// paint, makes the tutorial offer (while "Tutorial" is 0) and starts the clock. It takes only the
// mouse: a click hands the keyboard focus back to the layout window.
class FreqWindow : public SubWindow {
 public:
  // The timer that runs the first-paint offer right after the paint.
  static constexpr int kFirstPaintTimerId = 2;

  FreqWindow(TWindow* parent, Game& game);

  // Starts the tutorial when the player answers Yes to the offer; may be empty.
  void SetTutorialStarter(std::function<void()> start) { startTutorial_ = std::move(start); }

  bool PointToLetter(int which, TPoint cell, LetterHit& hit) const override;
  void Draw(TDC& dc, bool useColours, bool printing) override;
  // Only the clock line: "**" marks are not included. Leaves the text colour at "Times".
  void DrawTime(TDC& dc, bool useColours);

  void LButtonDown(TPoint point, unsigned modifiers) override;
  void RButtonDown(TPoint point, unsigned modifiers) override;
  void Timer(int id) override;

 private:
  void DrawHeadings(TDC& dc, bool frequencies, bool timeAndScores);
  void DrawSeparators(TDC& dc, bool timeAndScores);
  void DrawCounts(TDC& dc);
  void DrawUnusedLetters(TDC& dc, bool useColours);
  void DrawFrequencyTable(TDC& dc, bool useColours);
  void DrawCounters(TDC& dc);
  void FirstPaintDone();
  void OfferTutorial();
  void ReturnFocus();

  std::function<void()> startTutorial_;
};

// The clock as the panel shows it: hours, minutes and seconds, each at least two digits.
std::string FormatClock(int seconds);
