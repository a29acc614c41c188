// QtPlatform: the framework's platform services on Qt 6 Widgets; install one with SetPlatform.
#pragma once

#include <QPointer>

#include <memory>
#include <string>

#include "framework/platform.h"

class QtHelpWindow;
class QtTones;

// Needs a QApplication for its whole life. Text crossing to Qt is Latin-1 both ways (characters
// beyond it come back as '?'); file paths are local 8-bit. Modal calls return when the player
// has answered. Quit ends the application's event loop (QApplication::exec) once the current
// command has finished: every window closes without asking the game, a running dialog ends
// with IDCANCEL. Where that loop is not running (tests), Quit only sets QuitRequested.
class QtPlatform : public TPlatform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  std::unique_ptr<TWindowPeer> CreatePeer(TWindow& window) override;
  int RunDialog(TDialog& dialog) override;
  int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;

  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(const std::string& text) override;

  void PlayWave(const std::string& path) override;
  void Tone(int frequencyHz, int milliseconds) override;
  void SimpleBeep() override;

  TOpenFileResult OpenFile(TWindow* parent, const TOpenFileRequest& request) override;
  TChooseResult ChooseFont(TWindow* parent, TLogFont& font, std::string& error) override;
  bool ChooseColor(TWindow* parent, TColor& color, TColor custom[16]) override;

  // Printers print to the default system printer; with none, or after SetPrintToFile, to PDF.
  std::unique_ptr<TPrinter> CreatePrinter() override;

  // helpPath is the folder of help pages (a file's own folder when a file is named): topic 0 is
  // "index.html", topic N "topic<N>.html". One help window serves the whole run.
  void ShowHelp(TWindow* parent, const std::string& helpPath, int topic) override;
  // The window comes from the charts module (qt/qtcharts.h), loaded at the first call.
  void ShowStatistics(TWindow* parent, const TStatisticsView& view) override;

  TColor SysColor(int index) override;
  TRect WorkArea() override;
  std::vector<TRect> Monitors() override;
  bool IsKeyDown(TKey key) override;
  TSize ScreenPixelsPerInch() override;

  void Quit() override;

  // For tests and the command line: printers made from now on write this PDF file.
  void SetPrintToFile(const std::string& pdfPath) { printToFile_ = pdfPath; }
  // True once Quit has been asked for.
  bool QuitRequested() const { return quitRequested_; }
  // The help window, once ShowHelp has made it.
  QtHelpWindow* HelpWindow() const;

 private:
  std::unique_ptr<QtTones> tones_;
  QPointer<QtHelpWindow> help_;
  std::string printToFile_;
  bool quitRequested_ = false;
};
