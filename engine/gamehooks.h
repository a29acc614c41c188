// GameHooks: what the game engine needs from the windows and the application around it.
#pragma once

#include <string>

#include "resources/resources.h"  // kYouWonYes, kYouWonNo, kYouWonExit

class TWindow;

// The clock's repeating timer: this id, this period, on the side panel's window.
inline constexpr int kClockTimerId = 1;
inline constexpr int kClockPeriodMs = 1000;

// The engine never touches a window itself: it asks through this interface, which the
// application object implements (and tests replace with a recorder). Message boxes, the game's
// message dialogs and sounds are not hooks: the engine calls the platform and the dialog code
// directly. Every call comes from the user-interface thread, from inside an engine operation.
class GameHooks {
 public:
  virtual ~GameHooks() = default;

  // Repaint the puzzle and the side panel now, without erasing their backgrounds.
  virtual void Redraw() = 0;
  // Invalidate the puzzle and the panel with erasing (a full repaint).
  virtual void RepaintAll() = 0;
  // Draw only the clock line of the panel.
  virtual void RedrawTime() = 0;
  // A new enciphered text is in the puzzle buffer: lay it out afresh (from the top) at the next
  // paint, and let both panes show content from now on.
  virtual void PuzzleTextChanged() = 0;

  // Start or stop the repeating timer kClockTimerId (kClockPeriodMs) on the panel's window; its
  // ticks go to Game::TimerTick. Starting a running timer restarts it.
  virtual void StartClockTimer() = 0;
  virtual void StopClockTimer() = 0;

  // The main window is minimised (ticks are then ignored).
  virtual bool IsMainWindowMinimised() = 0;
  // Hide the main frame (false) or show it normally again (true); used by Pause Game.
  virtual void ShowMainFrame(bool show) = 0;
  // The owner of the engine's message boxes and dialogs.
  virtual TWindow* MainWindow() = 0;
  // The puzzle font's height limited to -23..23, for the message and input dialogs.
  virtual int DialogFontHeight() = 0;
  // The letter case style is the military cipher (word lists are refused then).
  virtual bool IsMilitaryStyle() = 0;

  // Show the congratulations dialog; returns kYouWonYes, kYouWonNo or kYouWonExit.
  virtual int ShowYouWonDialog() = 0;
  // Record the current puzzle as solved in the solved-puzzle record.
  virtual void MarkPuzzleSolved() = 0;
  // Begin a new game of this kind (the application's NewGame: it obtains the text, then calls
  // Game::StartGame). puzzleNumber -1 lets the quote file choose.
  virtual void NewGame(int kind, int puzzleNumber, bool textReady) = 0;
  // End the program as Exit does after its question (no question asked here).
  virtual void Shutdown() = 0;
  // Open the Possible Words dialog for a lower-case word of 1..25 characters; the dialog charges
  // its own penalty through Game::ChargeWordList.
  virtual void OpenWordList(const std::string& word, bool alphabetical,
                            const char* placementKey) = 0;
};
