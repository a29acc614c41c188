// What every fuzz target shares: a quiet platform, a scratch folder, input files and null hooks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/messagehooks.h"
#include "framework/platform.h"

// A platform with no screen: message boxes are counted and answered with `answer`, dialogs are
// cancelled, the clipboard holds `clipboard`, and nothing else does anything.
class FuzzPlatform : public TPlatform {
 public:
  int answer = IDYES;
  int messageCount = 0;
  std::string lastMessage;
  std::optional<std::string> clipboard;

  std::unique_ptr<TWindowPeer> CreatePeer(TWindow&) override { return nullptr; }
  int RunDialog(TDialog&) override { return IDCANCEL; }
  int MessageBox(TWindow*, const std::string& text, const std::string&, unsigned) override;
  std::optional<std::string> ClipboardText() override { return clipboard; }
  bool SetClipboardText(const std::string& text) override;
  void PlayWave(const std::string&) override {}
  void Tone(int, int) override {}
  void SimpleBeep() override {}
  TOpenFileResult OpenFile(TWindow*, const TOpenFileRequest&) override { return {}; }
  TChooseResult ChooseFont(TWindow*, TLogFont&, std::string&) override {
    return TChooseResult::Cancelled;
  }
  bool ChooseColor(TWindow*, TColor&, TColor[16]) override { return false; }
  std::unique_ptr<TPrinter> CreatePrinter() override { return nullptr; }
  void ShowHelp(TWindow*, const std::string&, int) override {}
  TColor SysColor(int) override { return 0; }
  TRect WorkArea() override { return TRect{0, 0, 1024, 768}; }
  std::vector<TRect> Monitors() override { return {WorkArea()}; }
  bool IsKeyDown(TKey) override { return false; }
  TSize ScreenPixelsPerInch() override { return TSize{96, 96}; }
  void Quit() override { ++quitCount; }

  int quitCount = 0;
};

// Installs the platform (once) and makes a fresh scratch folder the working folder, so that the
// files the game writes beside its data (records, saved games) stay out of the way. Every call
// resets the platform's answers and counts.
FuzzPlatform& FuzzSetUp();

// Writes the bytes to `name` in the scratch folder (replacing it) and returns the name.
std::string WriteInput(const char* name, const std::uint8_t* data, std::size_t size);

// Removes `name` from the scratch folder, if it is there.
void RemoveInput(const char* name);

// Takes the first byte of the input as a small parameter and advances past it (0 when empty).
std::uint8_t TakeByte(const std::uint8_t*& data, std::size_t& size);

// A fault the reader let through: printed, then the process aborts so libFuzzer keeps the input.
[[noreturn]] void FuzzFail(const char* what);
inline void FuzzCheck(bool ok, const char* what) {
  if (!ok) FuzzFail(what);
}

// Hooks for a Game with no windows around it.
class NullHooks : public MessageHooks {
 public:
  void Redraw() override {}
  void RepaintAll() override {}
  void RedrawTime() override {}
  void PuzzleTextChanged() override {}
  void StartClockTimer() override {}
  void StopClockTimer() override {}
  bool IsMainWindowMinimised() override { return false; }
  void ShowMainFrame(bool) override {}
  TWindow* MessageWindow() override { return nullptr; }
  int DialogFontHeight() override { return -15; }
  bool IsMilitaryStyle() override { return false; }
  WinChoice ShowYouWonDialog() override { return WinChoice::kStay; }
  void MarkPuzzleSolved() override {}
  void NewGame(PuzzleKind, int, bool) override {}
  void Shutdown() override {}
  void OpenWordList(const std::string&, bool, const char*) override {}
};
