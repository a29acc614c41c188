// AppHooks: the application's side of GameHooks, passing the engine's requests to App's windows.
#pragma once

#include "dialogs/messagehooks.h"

class App;

// Drawing and the timer go to the client window, Pause Game to the frame, the win, new games,
// shutdown and word lists to App; messages, sounds and options as MessageHooks shows and reads
// them, owned by the main frame.
class AppHooks final : public MessageHooks {
 public:
  explicit AppHooks(App& app) : app_(app) {}

  void Redraw() override;
  void RepaintAll() override;
  void RedrawTime() override;
  void PuzzleTextChanged() override;
  void StartClockTimer() override;
  void StopClockTimer() override;
  bool IsMainWindowMinimised() override;
  void ShowMainFrame(bool show) override;
  bool IsMilitaryStyle() override;
  WinChoice ShowYouWonDialog() override;
  void MarkPuzzleSolved(bool revealed, int seconds) override;
  void NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) override;
  void Shutdown() override;
  void OpenWordList(const std::string& word, bool alphabetical, const char* placementKey) override;

 protected:
  TWindow* MessageWindow() override;
  int DialogFontHeight() override;

 private:
  App& app_;
  bool frameWasZoomed_ = false;  // the frame was maximised when Pause Game hid it
};
