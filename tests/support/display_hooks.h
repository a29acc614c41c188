// DisplayHooks: a GameHooks that draws through a real QuilloWindow and records the rest (no gtest).
#pragma once

#include <string>
#include <vector>

#include "display/font.h"
#include "display/quillowindow.h"
#include "dialogs/messagehooks.h"

// The drawing hooks go to the layout window as the application object sends them; the
// application-level hooks (the win dialog, new game, shutdown, word lists) are recorded by name.
class DisplayHooks : public MessageHooks {
 public:
  QuilloWindow* window = nullptr;
  TWindow* mainWindow = nullptr;
  WinChoice youWonAnswer = WinChoice::kStay;
  std::vector<std::string> calls;

  int Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call ? 1 : 0;
    return n;
  }

  void Redraw() override { window->Redraw(); }
  void RepaintAll() override { window->RepaintAll(); }
  void RedrawTime() override { window->RedrawTime(); }
  void PuzzleTextChanged() override { window->PuzzleTextChanged(); }
  void StartClockTimer() override { window->StartClockTimer(); }
  void StopClockTimer() override { window->StopClockTimer(); }
  bool IsMainWindowMinimised() override { return false; }
  void ShowMainFrame(bool) override {}
  TWindow* MessageWindow() override { return mainWindow; }
  int DialogFontHeight() override { return TheFont().AuxiliaryHeight(); }
  bool IsMilitaryStyle() override { return false; }
  WinChoice ShowYouWonDialog() override {
    calls.push_back("ShowYouWonDialog");
    return youWonAnswer;
  }
  void MarkPuzzleSolved() override { calls.push_back("MarkPuzzleSolved"); }
  void NewGame(PuzzleKind kind, int, bool) override {
    calls.push_back("NewGame " + std::to_string(static_cast<int>(kind)));
  }
  void Shutdown() override { calls.push_back("Shutdown"); }
  void OpenWordList(const std::string& word, bool, const char*) override {
    calls.push_back("OpenWordList " + word);
  }
};
