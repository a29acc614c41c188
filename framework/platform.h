// TPlatform: every service of the window system the game uses, in small interfaces.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/statsview.h"
#include "framework/types.h"
#include "framework/window.h"

// The open-file dialog. Filter is pairs "Description|pattern|..." ending with '|'.
struct TOpenFileRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialFolder;
  std::string initialName;
  bool forSaving = false;  // a save dialog: the file may be new, an existing one is confirmed
};

struct TOpenFileResult {
  bool ok = false;        // a file was chosen
  std::string path;       // the chosen file, full path
  long errorCode = 0;     // non-zero when the dialog itself failed
};

// A print job's picture: one page, drawn by the game.
class TPrintout {
 public:
  virtual ~TPrintout() = default;
  virtual std::string Title() const = 0;
  // Draws the page; dc is the printer's context with its device capabilities.
  virtual void PrintPage(TDC& dc) = 0;
};

enum class TPrintResult { Printed, Cancelled, Failed };

// The printer kept for the run: the current printer, chosen again by Setup.
class TPrinter {
 public:
  virtual ~TPrinter() = default;
  // The platform's printer set-up dialog; true when the player confirmed.
  virtual bool Setup(TWindow* parent) = 0;
  // Prints without asking for a printer, showing the "Printing" dialog with Cancel meanwhile.
  virtual TPrintResult Print(TWindow* parent, TPrintout& printout) = 0;
  virtual std::string DeviceName() const = 0;
  virtual std::string Port() const = 0;
};

enum class TChooseResult { Ok, Cancelled, Failed };

// The window system's services, each a small interface of its own so that code can say which
// one it needs. The contract every back end keeps: calls come from the user-interface thread;
// message boxes and dialogs are modal and return when the player has answered; nothing here
// throws except where said.

// Message boxes, dialogs from templates, the common dialogs and help.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  virtual int RunDialog(TDialog& dialog) = 0;
  // A message box; flags are a button set ored with an icon (MB_*). Returns an ID* result.
  virtual int MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
  virtual TOpenFileResult OpenFile(TWindow* parent, const TOpenFileRequest& request) = 0;
  // Fixed-pitch screen fonts only; on Ok the record describes the chosen font.
  virtual TChooseResult ChooseFont(TWindow* parent, TLogFont& font, std::string& error) = 0;
  // Starts from color; custom holds 16 slots kept by the caller. True when the player chose.
  virtual bool ChooseColor(TWindow* parent, TColor& color, TColor custom[16]) = 0;
  // Help: topic 0 opens the table of contents.
  virtual void ShowHelp(TWindow* parent, const std::string& helpPath, int topic) = 0;
  // The statistics window, modal; its Export button calls view.exportCsv.
  virtual void ShowStatistics(TWindow* parent, const TStatisticsView& view) = 0;
};

// Sounds: asynchronous, silently nothing when a file or the sound device is missing.
class TSound {
 public:
  virtual ~TSound() = default;
  virtual void PlayWave(const std::string& path) = 0;
  virtual void Tone(int frequencyHz, int milliseconds) = 0;
  virtual void SimpleBeep() = 0;
};

// Clipboard text; nullopt when the clipboard cannot be opened, "" when it holds no text.
class TClipboard {
 public:
  virtual ~TClipboard() = default;
  virtual std::optional<std::string> ClipboardText() = 0;
  virtual bool SetClipboardText(const std::string& text) = 0;
};

// Printing: null when no printer can be reached.
class TPrinting {
 public:
  virtual ~TPrinting() = default;
  virtual std::unique_ptr<TPrinter> CreatePrinter() = 0;
};

// System queries, and the end of the message loop.
class TSystem {
 public:
  virtual ~TSystem() = default;
  virtual TColor SysColor(int index) = 0;
  virtual TRect WorkArea() = 0;
  virtual std::vector<TRect> Monitors() = 0;
  virtual bool IsKeyDown(TKey key) = 0;
  virtual TSize ScreenPixelsPerInch() = 0;
  // Ends the message loop after the current command.
  virtual void Quit() = 0;
};

// A back end: the window peers and every service above.
class TPlatform : public TDialogs, public TSound, public TClipboard, public TPrinting,
                  public TSystem {
 public:
  ~TPlatform() override = default;
  // The peer of a frame (TWindow::IsFrame) also implements TFramePeer.
  virtual std::unique_ptr<TWindowPeer> CreatePeer(TWindow& window) = 0;
};

// The process-wide platform: the Qt back end in the game, the fake in tests.
TPlatform& Platform();
void SetPlatform(TPlatform* platform);
// The installed platform's services, one at a time.
inline TDialogs& DialogService() { return Platform(); }
inline TSound& SoundService() { return Platform(); }
inline TClipboard& ClipboardService() { return Platform(); }
inline TPrinting& PrintService() { return Platform(); }
inline TSystem& SystemService() { return Platform(); }
