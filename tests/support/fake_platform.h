// FakePlatform: the in-memory TPlatform most game tests run against, with scripted answers.
//
//   FakePlatform fake;                      // installed for the test's lifetime: declare it first
//   fake.AnswerNext(IDYES);                 // the next question box answers Yes
//   fake.ScriptDialog(4092, [](FakeDialog& d) { d.Type(4090, "12"); d.Click(IDOK); });
//   fake.Click(window, point); fake.Command(frame, id); fake.Tick(panel, 1);
//   EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"text", "Error", MB_OK | MB_ICONSTOP}));
//   RecordingDC dc = fake.Paint(window);    // then dc.Cell(...), dc.Row(...), dc.DrewText(...)
//
// There is no event loop: only these helpers (and UpdateNow, Move, Show on the peers) call into
// the game; an Invalidate only marks the window. A script that does not fit fails the current
// test: an unscripted question box or dialog, a dialog left open, a disabled control clicked,
// answers or scripts still queued when the fake goes away.
#pragma once

#include <deque>

#include "fake_dialog.h"
#include "fake_window.h"
#include "framework/platform.h"

// One message box as shown. Equality compares text, caption and flags only.
struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  int answer = 0;  // what the box returned

  bool operator==(const MessageBoxRecord& other) const {
    return text == other.text && caption == other.caption && flags == other.flags;
  }
};
std::ostream& operator<<(std::ostream& out, const MessageBoxRecord& record);

struct FontChoice {
  TChooseResult result = TChooseResult::Cancelled;
  TLogFont font;      // copied into the caller's record on Ok
  std::string error;  // given back on Failed
};

struct ColorChoice { std::optional<TColor> color; };  // nullopt: the player cancelled

// The one printer of a test: every TPrinter that CreatePrinter returns is a view of it. Its set-up
// dialog is always cancelled; a print draws nothing and gives printResult.
struct FakePrinter {
  bool available = true;  // false: CreatePrinter returns null
  TPrintResult printResult = TPrintResult::Printed;
  int createCount = 0, setupCount = 0, printCount = 0;
};

class FakePlatform : public TPlatform {
 public:
  using DialogScript = std::function<void(FakeDialog&)>;

  FakePlatform();  // installs itself; the destructor fails the test for answers and scripts never used
  ~FakePlatform() override;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  // ---- Windows ----
  // The window's fake peer; fails the test and throws std::logic_error if it has none.
  FakeWindowPeer& Peer(TWindow& window);
  // Sets the client size and calls window.Size (a frame's client window follows).
  void Resize(TWindow& window, int width, int height) { Peer(window).ResizeClient({width, height}); }
  // A manual timer: calls window.Timer(id) only if that timer is set; true if it was.
  bool Tick(TWindow& window, int id);
  // Paints the window into a new recorder (the background erase is not recorded).
  RecordingDC Paint(TWindow& window) { return Peer(window).PaintNow(); }
  // Paints every invalidated window, in creation order, while paints invalidate again (at most
  // 10 rounds, then fails the test); returns the number of paints.
  int PaintPending();
  // A mouse click (right: the right button); the modifier keys also read as held meanwhile.
  void Click(TWindow& window, TPoint point, unsigned modifiers = 0, bool right = false);
  // A command id delivered to the frame, as a tool button or accelerator would.
  void Command(TWindow& frame, int id) { frame.Command(id); }
  TWindow* Focus() const { return focus_; }  // the window that last asked for the focus

  // ---- Message boxes ----
  // Queues the answer to the next question box (any button set but MB_OK), which must be one
  // of its buttons and, with expectedText set, say exactly that. MB_OK boxes return IDOK.
  void AnswerNext(int answer, std::string expectedText = {}) { answers_.push_back({answer, std::move(expectedText)}); }
  const std::vector<MessageBoxRecord>& Messages() const { return messages_; }
  MessageBoxRecord LastMessage() const;  // an empty record and a test failure when none
  void ClearMessages() { messages_.clear(); }

  // ---- Dialogs ----
  // Queues a script for the next dialog run (optionally only for a template id); it runs after
  // SetupWindow and must end the dialog. Unscripted, a dialog with exactly one button and no
  // edit, list or radio is ended by that button; any other fails the test (IDCANCEL).
  void ScriptDialog(DialogScript script) { scripts_.push_back({std::nullopt, std::move(script)}); }
  void ScriptDialog(int templateId, DialogScript script) { scripts_.push_back({templateId, std::move(script)}); }
  // Queues the input dialog's answer: text typed into its field (after checking that it showed
  // `shown`, when given), then the button.
  void AnswerInput(std::string text, int button = IDOK, std::optional<std::string> shown = {});
  const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
  DialogRecord LastDialog() const;  // an empty record and a test failure when none ran
  // The next `count` dialogs cannot be created: RunDialog throws std::runtime_error.
  void FailNextDialogs(int count = 1) { failingDialogs_ = count; }
  // Where dialogs open before the game moves them: centred on the work area.
  TRect DefaultDialogRect(const TDialogTemplate& dialogTemplate) const;

  // Everything shown or heard, in order: "box <caption>: <text>", "dialog <caption>" (with ": <text>"
  // for a message dialog), "wave <path>", "tone <Hz> <ms>", "beep", "open-file <title>",
  // "choose-font", "choose-color", "statistics", "dialog failed <caption>".
  const std::vector<std::string>& Transcript() const { return transcript_; }

  // ---- Services ----
  void SetClipboard(std::string text) { clipboard_ = std::move(text); }
  const std::string& Clipboard() const { return clipboard_; }
  void SetClipboardAvailable(bool available) { clipboardAvailable_ = available; }
  // The sounds alone, as the transcript gives them: "wave <path>", "tone <Hz> <ms>", "beep".
  const std::vector<std::string>& Sounds() const { return sounds_; }
  // Open-file and chooser replies are queued (default: cancelled).
  void AnswerOpenFile(std::string path) { openFileAnswers_.push_back({true, std::move(path), 0}); }
  void AnswerOpenFile(TOpenFileResult result) { openFileAnswers_.push_back(std::move(result)); }
  const std::vector<TOpenFileRequest>& OpenFileRequests() const { return openFileRequests_; }
  void AnswerChooseFont(FontChoice choice) { fontAnswers_.push_back(std::move(choice)); }
  void AnswerChooseColor(ColorChoice choice) { colorAnswers_.push_back(std::move(choice)); }
  // The colours the game started the colour chooser with.
  const std::vector<TColor>& ChooseColorRequests() const { return colorRequests_; }
  FakePrinter& Printer() { return printer_; }  // every CreatePrinter is a view of this one
  // Every statistics window shown (its Export callback stays callable while the app lives).
  const std::vector<TStatisticsView>& StatisticsShown() const { return statistics_; }

  std::map<int, TColor> sysColors;  // default: button face (240,240,240), window white, text black
  TRect workArea{0, 0, 1920, 1040};
  std::vector<TRect> monitors{{0, 0, 1920, 1080}};
  std::map<TKey, bool> keysDown;  // IsKeyDown: false unless set here
  TSize screenPixelsPerInch{96, 96};
  int QuitCount() const { return quitCount_; }

  // ---- TPlatform ----
  std::unique_ptr<TWindowPeer> CreatePeer(TWindow& window) override;
  int RunDialog(TDialog& dialog) override;
  int MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags) override;
  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(const std::string& text) override;
  void PlayWave(const std::string& path) override;
  void Tone(int frequencyHz, int milliseconds) override;
  void SimpleBeep() override;
  TOpenFileResult OpenFile(TWindow* parent, const TOpenFileRequest& request) override;
  TChooseResult ChooseFont(TWindow* parent, TLogFont& font, std::string& error) override;
  bool ChooseColor(TWindow* parent, TColor& color, TColor custom[16]) override;
  std::unique_ptr<TPrinter> CreatePrinter() override;
  void ShowHelp(TWindow*, const std::string&, int) override {}
  void ShowStatistics(TWindow* parent, const TStatisticsView& view) override;
  TColor SysColor(int index) override;
  TRect WorkArea() override { return workArea; }
  std::vector<TRect> Monitors() override { return monitors; }
  bool IsKeyDown(TKey key) override { return keysDown[key]; }
  TSize ScreenPixelsPerInch() override { return screenPixelsPerInch; }
  void Quit() override { ++quitCount_; }

 private:
  friend class FakeWindowPeer;
  struct QueuedAnswer { int answer; std::string expectedText; };
  struct QueuedScript { std::optional<int> templateId; DialogScript script; };

  void Forget(FakeWindowPeer* peer);
  FakeWindowPeer* FindPeer(const TWindow& window) const;
  void SetFocus(FakeWindowPeer* peer) { focus_ = &peer->Window(); }
  void RunScript(FakeDialog& driver);
  bool DefaultEnd(FakeDialog& driver);
  void Heard(const std::string& sound) { sounds_.push_back(sound), transcript_.push_back(sound); }

  std::vector<FakeWindowPeer*> peers_;
  TWindow* focus_ = nullptr;
  std::vector<MessageBoxRecord> messages_;
  std::deque<QueuedAnswer> answers_;
  std::vector<DialogRecord> dialogs_;
  std::deque<QueuedScript> scripts_;
  int failingDialogs_ = 0;
  std::vector<std::string> transcript_;
  std::string clipboard_;
  bool clipboardAvailable_ = true;
  std::vector<std::string> sounds_;
  std::deque<TOpenFileResult> openFileAnswers_;
  std::vector<TOpenFileRequest> openFileRequests_;
  std::deque<FontChoice> fontAnswers_;
  std::deque<ColorChoice> colorAnswers_;
  std::vector<TColor> colorRequests_;
  FakePrinter printer_;
  std::vector<TStatisticsView> statistics_;
  int quitCount_ = 0;
};
