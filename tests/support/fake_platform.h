// FakePlatform: the in-memory TPlatform most game tests run against, with scripted answers.
//
// How to use:
//   FakePlatform fake;                      // installed for the test's lifetime: declare it first
//   window.Create();                        // the window gets a FakeWindowPeer: fake.Peer(window)
//   fake.AnswerNext(IDYES);                 // the next question box answers Yes
//   fake.ScriptDialog(4092, [](FakeDialog& d) { d.Type(4090, "12"); d.Click(IDOK); });
//   ... drive the game: fake.Click(window, point), fake.Command(frame, id), fake.Tick(panel, 1) ...
//   EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"text", "Error", MB_OK | MB_ICONSTOP}));
//   EXPECT_EQ(fake.LastDialog().Text(4091), "The game is over!");  // MyHintDialog messages
//   RecordingDC dc = fake.Paint(window);    // then dc.Cell(...), dc.Row(...), dc.DrewText(...)
//
// There is no event loop: only the helpers below (and UpdateNow, Move, Show on the peers) call
// into the game. An Invalidate only marks the window; fake.Paint or fake.PaintPending paints.
//
// Failing the current test (ADD_FAILURE) is how the fake reports a script that does not fit:
// a question box or dialog nobody scripted, a dialog a script left open, a disabled control
// clicked, answers or scripts never used by the time the fake goes away (see VerifyAnswersUsed).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "fake_dialog.h"
#include "fake_printer.h"
#include "fake_window.h"
#include "framework/platform.h"
#include "recording_dc.h"

// One message box as shown. Equality compares text, caption and flags only, so tests can write
//   EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Cannot access printer.", "Error", MB_OK | MB_ICONSTOP}));
struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  TWindow* owner = nullptr;
  int answer = 0;  // what the box returned

  bool operator==(const MessageBoxRecord& other) const {
    return text == other.text && caption == other.caption && flags == other.flags;
  }
};
std::ostream& operator<<(std::ostream& out, const MessageBoxRecord& record);

enum class SoundKind { Wave, Tone, Beep };
struct SoundRecord {
  SoundKind kind = SoundKind::Beep;
  std::string path;  // Wave
  int frequencyHz = 0;  // Tone
  int milliseconds = 0;  // Tone
  bool operator==(const SoundRecord&) const = default;
};
std::ostream& operator<<(std::ostream& out, const SoundRecord& record);

struct FontChoice {
  TChooseResult result = TChooseResult::Cancelled;
  TLogFont font;       // copied into the caller's record on Ok
  std::string error;   // given back on Failed
};

struct ColorChoice {
  std::optional<TColor> color;  // nullopt: the player cancelled
};

class FakePlatform : public TPlatform {
 public:
  using DialogScript = std::function<void(FakeDialog&)>;

  // Installs itself with SetPlatform; the destructor checks that every queued answer and
  // script was used (failing the test otherwise) and uninstalls.
  FakePlatform();
  ~FakePlatform() override;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  // ================= Windows (test helpers call the game's handlers) =================
  // The window's fake peer; fails the test and throws std::logic_error if it has none.
  FakeWindowPeer& Peer(TWindow& window);
  // Sets the client size and the window rectangle's size, then calls window.Size (a frame's
  // client window is then resized the same way, as the back end lays it out).
  void Resize(TWindow& window, int width, int height);
  // A manual timer: calls window.Timer(id) only if that timer is set; true if it was.
  bool Tick(TWindow& window, int id);
  // Paints the window into a new recorder and returns it (also kept as the peer's lastPaint).
  // The background erase is not recorded: only the game's own drawing is.
  RecordingDC Paint(TWindow& window);
  // Paints every window with a pending invalidation, in creation order, repeating while paints
  // invalidate again (at most 10 rounds, then fails the test); returns the number of paints.
  int PaintPending();
  // A mouse click; the modifier keys (kModShift, ...) also read as held (IsKeyDown) meanwhile.
  void Click(TWindow& window, TPoint point, unsigned modifiers = 0, bool right = false);
  void RightClick(TWindow& window, TPoint point, unsigned modifiers = 0) {
    Click(window, point, modifiers, true);
  }
  // Delivers a command id to the frame (as a tool button or accelerator would), unconditionally.
  void Command(TWindow& frame, int id) { frame.Command(id); }
  // Moves the vertical scroll bar: sets the position (clamped to the range) and calls VScroll.
  void ScrollTo(TWindow& window, int position);
  // The window that last asked for the focus, or null.
  TWindow* Focus() const { return focus_; }

  // ================= Message boxes =================
  // Queues the answer to the next question box (any button set but MB_OK). With expectedText
  // set, the box's text must equal it. Answers are used in order; an answer that is not one of
  // the box's buttons fails the test. MB_OK boxes return IDOK and take no answer.
  void AnswerNext(int answer, std::string expectedText = {});
  const std::vector<MessageBoxRecord>& Messages() const { return messages_; }
  // The last box; an empty record (and a test failure) when none was shown.
  MessageBoxRecord LastMessage() const;
  std::vector<std::string> MessageTexts() const;
  void ClearMessages() { messages_.clear(); }

  // ================= Dialogs =================
  // Queues a script for the next dialog run; optionally only for a template id. The script runs after SetupWindow and must end the dialog.
  // With nothing queued, a message-style dialog (no edit, list or radio controls and exactly one
  // button) is ended by clicking its button; any other dialog fails the test (IDCANCEL).
  void ScriptDialog(DialogScript script);
  void ScriptDialog(int templateId, DialogScript script);
  const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
  // The last dialog started; an empty record (and a test failure) when none ran.
  DialogRecord LastDialog() const;
  // The next `count` dialogs cannot be created: RunDialog throws std::runtime_error, as
  // TDialog::Execute promises for that case, without running or recording them.
  void FailNextDialogs(int count = 1) { failingDialogs_ = count; }
  // Where dialogs open before the game moves them: centred on the work area.
  TRect DefaultDialogRect(const TDialogTemplate& dialogTemplate) const;

  // Everything the player was shown or heard, in order: "box <caption>: <text>",
  // "dialog <caption>" (as set up), "wave <path>", "tone <Hz> <ms>", "beep",
  // "open-file <title>", "choose-font", "choose-color", "help <path> <topic>", and
  // "dialog failed <template caption>" for a dialog FailNextDialogs refused.
  const std::vector<std::string>& Transcript() const { return transcript_; }

  // Fails the test for each queued answer, script or chooser reply not used yet, and drops them.
  void VerifyAnswersUsed();

  // ================= Services =================
  // Clipboard: nullopt while unavailable.
  void SetClipboard(std::string text) { clipboard_ = std::move(text); }
  const std::string& Clipboard() const { return clipboard_; }
  void SetClipboardAvailable(bool available) { clipboardAvailable_ = available; }

  const std::vector<SoundRecord>& Sounds() const { return sounds_; }
  std::vector<std::string> Waves() const;  // paths of the waves played, in order

  // Open-file dialog: requests recorded; answers queued (default: cancelled, no error).
  void AnswerOpenFile(std::string path) { openFileAnswers_.push_back({true, std::move(path), 0}); }
  void AnswerOpenFile(TOpenFileResult result) { openFileAnswers_.push_back(std::move(result)); }
  const std::vector<TOpenFileRequest>& OpenFileRequests() const { return openFileRequests_; }

  // Font and colour choosers: replies queued (default: cancelled). Colour requests record the
  // colour the game started the chooser with.
  void AnswerChooseFont(FontChoice choice) { fontAnswers_.push_back(std::move(choice)); }
  void AnswerChooseColor(ColorChoice choice) { colorAnswers_.push_back(std::move(choice)); }
  const std::vector<TColor>& ChooseColorRequests() const { return colorRequests_; }

  // The printer every CreatePrinter hands out (a view of this one object).
  FakePrinter& Printer() { return printer_; }

  // System queries.
  std::map<int, TColor> sysColors;  // default: button face (240,240,240), window white, text black
  TRect workArea{0, 0, 1920, 1040};
  std::vector<TRect> monitors{{0, 0, 1920, 1080}};
  std::map<TKey, bool> keysDown;  // IsKeyDown: false unless set here
  TSize screenPixelsPerInch{96, 96};

  bool QuitCalled() const { return quitCount_ > 0; }
  int QuitCount() const { return quitCount_; }

  // ================= TPlatform =================
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
  std::unique_ptr<TPrinter> CreatePrinter() override;
  void ShowHelp(TWindow* parent, const std::string& helpPath, int topic) override;
  TColor SysColor(int index) override;
  TRect WorkArea() override { return workArea; }
  std::vector<TRect> Monitors() override { return monitors; }
  bool IsKeyDown(TKey key) override;
  TSize ScreenPixelsPerInch() override { return screenPixelsPerInch; }
  void Quit() override { ++quitCount_; }

 private:
  friend class FakeWindowPeer;
  struct QueuedAnswer {
    int answer;
    std::string expectedText;
  };
  struct QueuedScript {
    std::optional<int> templateId;
    DialogScript script;
  };

  void Forget(FakeWindowPeer* peer);
  FakeWindowPeer* FindPeer(const TWindow& window) const;
  void SetFocus(FakeWindowPeer* peer) { focus_ = &peer->Window(); }
  void RunScript(FakeDialog& driver);
  bool DefaultEnd(FakeDialog& driver);

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
  std::vector<SoundRecord> sounds_;
  std::deque<TOpenFileResult> openFileAnswers_;
  std::vector<TOpenFileRequest> openFileRequests_;
  std::deque<FontChoice> fontAnswers_;
  std::deque<ColorChoice> colorAnswers_;
  std::vector<TColor> colorRequests_;
  FakePrinter printer_;
  int quitCount_ = 0;
};
