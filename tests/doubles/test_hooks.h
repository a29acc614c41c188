// TestHooks: a GameHooks for tests, fuzz targets and benchmarks, recording every call by name.
#pragma once

#include <algorithm>

#include "dialogs/messagehooks.h"
#include "display/font.h"
#include "display/quillowindow.h"
#include "engine/game.h"

// Every call is recorded by name, in order. With `window` set, drawing and the clock's timer go
// to that layout window as the application sends them, and the dialog font is the session's;
// messages, sounds and options go through MessageHooks to the installed platform and settings.
// The queries answer from the fields.
class TestHooks : public MessageHooks {
 public:
  struct WordListRequest { std::string word; bool alphabetical = false; };

  QuilloWindow* window = nullptr;
  TWindow* mainWindow = nullptr;
  std::vector<std::string> calls;
  std::vector<WordListRequest> wordLists;
  bool timerRunning = false, minimised = false, military = false;
  WinChoice youWonAnswer = WinChoice::kStay;
  // Runs inside ShowMainFrame, after the call is recorded (to act while a message is up).
  std::function<void(bool show)> onShowMainFrame;

  std::string Last() const { return calls.empty() ? "" : calls.back(); }
  int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

  void Redraw() override { Record("Redraw", &QuilloWindow::Redraw); }
  void RepaintAll() override { Record("RepaintAll", &QuilloWindow::RepaintAll); }
  void RedrawTime() override { Record("RedrawTime", &QuilloWindow::RedrawTime); }
  void PuzzleTextChanged() override { Record("PuzzleTextChanged", &QuilloWindow::PuzzleTextChanged); }
  void StartClockTimer() override {
    Record("StartClockTimer", &QuilloWindow::StartClockTimer);
    timerRunning = true;
  }
  void StopClockTimer() override {
    Record("StopClockTimer", &QuilloWindow::StopClockTimer);
    timerRunning = false;
  }
  bool IsMainWindowMinimised() override { return minimised; }
  void ShowMainFrame(bool show) override {
    calls.push_back(show ? "ShowMainFrame" : "HideMainFrame");
    if (onShowMainFrame) onShowMainFrame(show);
  }
  bool IsMilitaryStyle() override { return military; }
  WinChoice ShowYouWonDialog() override {
    calls.push_back("ShowYouWonDialog");
    return youWonAnswer;
  }
  void MarkPuzzleSolved(bool, int) override { calls.push_back("MarkPuzzleSolved"); }
  void NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) override {
    calls.push_back("NewGame " + std::to_string(static_cast<int>(kind)) + " " +
                    std::to_string(puzzleNumber) + (textReady ? " ready" : " ask"));
  }
  void Shutdown() override { calls.push_back("Shutdown"); }
  void OpenWordList(const std::string& word, bool alphabetical, const char*) override {
    calls.push_back("OpenWordList");
    wordLists.push_back({word, alphabetical});
  }

 protected:
  TWindow* MessageWindow() override { return mainWindow; }
  int DialogFontHeight() override { return window ? TheFont().AuxiliaryHeight() : -15; }

 private:
  void Record(const char* name, void (QuilloWindow::*draw)()) {
    calls.push_back(name);
    if (window) (window->*draw)();
  }
};
