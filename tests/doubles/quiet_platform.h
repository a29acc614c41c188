// QuietPlatform: a platform with no screen and no test framework, for fuzz targets and benchmarks.
#pragma once

#include "framework/platform.h"

// Message boxes are counted and answered with `answer`, dialogs are cancelled, the clipboard
// holds `clipboard`, sounds and help do nothing. Window peers only hold their rectangle (a move
// that resizes delivers Size, and a frame resizes its client), and measure with `measuringDC`.
class QuietPlatform : public TPlatform {
 public:
  int answer = IDYES;
  int messageCount = 0;
  int quitCount = 0;
  std::string lastMessage;
  std::optional<std::string> clipboard;
  TRect workArea{0, 0, 1024, 768};
  std::function<std::unique_ptr<TDC>()> measuringDC = [] { return nullptr; };

  std::unique_ptr<TWindowPeer> CreatePeer(TWindow& window) override;
  int RunDialog(TDialog&) override { return IDCANCEL; }
  int MessageBox(TWindow*, const std::string& text, const std::string&, unsigned) override;
  std::optional<std::string> ClipboardText() override { return clipboard; }
  bool SetClipboardText(const std::string& text) override;
  void PlayWave(const std::string&) override {}
  void Tone(int, int) override {}
  void SimpleBeep() override {}
  TOpenFileResult OpenFile(TWindow*, const TOpenFileRequest&) override { return {}; }
  TChooseResult ChooseFont(TWindow*, TLogFont&, std::string&) override { return TChooseResult::Cancelled; }
  bool ChooseColor(TWindow*, TColor&, TColor[16]) override { return false; }
  std::unique_ptr<TPrinter> CreatePrinter() override { return nullptr; }
  void ShowHelp(TWindow*, const std::string&, int) override {}
  void ShowStatistics(TWindow*, const TStatisticsView&) override {}
  TColor SysColor(int) override { return MakeColor(240, 240, 240); }
  TRect WorkArea() override { return workArea; }
  std::vector<TRect> Monitors() override { return {workArea}; }
  bool IsKeyDown(TKey) override { return false; }
  TSize ScreenPixelsPerInch() override { return TSize{96, 96}; }
  void Quit() override { ++quitCount; }
};
