// FakePlatform: installation, windows and their test helpers, message boxes, scripted dialogs, and the
// services: clipboard, sounds, common dialogs, printer and system queries; FakeWindowPeer: window
// state in memory, delivering size, move and paint back to the game.
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resources.h"

FakePlatform::FakePlatform()
    : sysColors{{kSysColorButtonFace, MakeColor(240, 240, 240)}, {kSysColorWindow, MakeColor(255, 255, 255)},
                {kSysColorWindowText, MakeColor(0, 0, 0)}} {
  SetPlatform(this);
}

// Fails the test for each queued answer, script or chooser reply never used.
FakePlatform::~FakePlatform() {
  for (FakeWindowPeer* peer : peers_) peer->platform_ = nullptr;
  SetPlatform(nullptr);
  for (const QueuedAnswer& a : answers_) {
    ADD_FAILURE() << "answer " << a.answer << " was queued for a message box that never came: \""
                  << a.expectedText << '"';
  }
  for (const QueuedScript& s : scripts_) {
    ADD_FAILURE() << "a dialog script was queued for a dialog that never ran (template "
                  << s.templateId.value_or(-1) << ")";
  }
  if (!openFileAnswers_.empty() || !fontAnswers_.empty() || !colorAnswers_.empty()) {
    ADD_FAILURE() << "an open-file, font or colour answer was never used";
  }
}

// ---- Windows ----

std::unique_ptr<TWindowPeer> FakePlatform::CreatePeer(TWindow& window) {
  auto peer = std::make_unique<FakeWindowPeer>(*this, window);
  peers_.push_back(peer.get());
  return peer;
}

void FakePlatform::Forget(FakeWindowPeer* peer) {
  std::erase(peers_, peer);
  if (focus_ == &peer->Window()) focus_ = nullptr;
  for (FakeWindowPeer* other : peers_) {
    if (other->client == &peer->Window()) other->client = nullptr;
  }
}

FakeWindowPeer* FakePlatform::FindPeer(const TWindow& window) const {
  auto found = std::find_if(peers_.begin(), peers_.end(), [&](auto* p) { return &p->Window() == &window; });
  return found == peers_.end() ? nullptr : *found;
}

FakeWindowPeer& FakePlatform::Peer(TWindow& window) {
  if (FakeWindowPeer* peer = FindPeer(window)) return *peer;
  ADD_FAILURE() << "the window has no peer: was Create() called?";
  throw std::logic_error("window without a fake peer");
}

bool FakePlatform::Tick(TWindow& window, int id) {
  if (!Peer(window).HasTimer(id)) return false;
  window.Timer(id);
  return true;
}

int FakePlatform::PaintPending() {
  int paints = 0;
  for (int round = 0; round < 10; ++round) {
    std::vector<TWindow*> pending;
    for (FakeWindowPeer* peer : peers_) {
      if (peer->paintPending) pending.push_back(&peer->Window());
    }
    if (pending.empty()) return paints;
    for (TWindow* window : pending) {
      // A paint may destroy windows; paint only those still alive.
      if (FakeWindowPeer* peer = FindPeer(*window); peer && peer->paintPending) {
        peer->PaintNow();
        ++paints;
      }
    }
  }
  ADD_FAILURE() << "windows still invalidate themselves after 10 rounds of painting";
  return paints;
}

void FakePlatform::Click(TWindow& window, TPoint point, unsigned modifiers, bool right) {
  const std::map<TKey, bool> before = keysDown;
  keysDown[TKey::Shift] |= (modifiers & kModShift) != 0;
  keysDown[TKey::Control] |= (modifiers & kModControl) != 0;
  keysDown[TKey::Alt] |= (modifiers & kModAlt) != 0;
  right ? window.RButtonDown(point, modifiers) : window.LButtonDown(point, modifiers);
  keysDown = before;
}

void FakePlatform::ScrollTo(TWindow& window, int position) {
  FakeWindowPeer& peer = Peer(window);
  peer.vScrollPosition = std::clamp(position, 0, peer.vScrollRange);
  window.VScroll(peer.vScrollPosition);
}

// ---- The window peer ----

FakeWindowPeer::FakeWindowPeer(FakePlatform& platform, TWindow& window) : platform_(&platform), window_(window) {
  if (window.IsFrame()) {
    clientSize = {560, 481};
    windowRect = TRect::FromSize(0, 0, 560, 481);
  }
  visible = !window.IsFrame();  // children show with their parent
  normalRect = windowRect;
}

FakeWindowPeer::~FakeWindowPeer() { if (platform_) platform_->Forget(this); }

void FakeWindowPeer::Move(const TRect& rect) {
  const TRect old = windowRect;
  windowRect = rect;
  if (rect.left != old.left || rect.top != old.top) window_.Moved();
  if (!(TSize{rect.Width(), rect.Height()} == clientSize)) ResizeClient({rect.Width(), rect.Height()});
}

void FakeWindowPeer::ResizeClient(TSize size) {
  clientSize = size;
  windowRect.right = windowRect.left + size.cx;
  windowRect.bottom = windowRect.top + size.cy;
  window_.Size(size);
  if (client && client->HasPeer()) client->Peer().Move({0, 0, size.cx, size.cy});
}

void FakeWindowPeer::Show(TShow how) {
  visible = how != TShow::Hide;
  if (!visible || !window_.IsFrame()) return;
  if (how == TShow::Maximized && !zoomed) {
    normalRect = windowRect;
    zoomed = true;
    if (platform_) Move(platform_->WorkArea());
  } else if (how == TShow::Normal && zoomed) {
    zoomed = false;
    Move(normalRect);
  }
}

RecordingDC FakeWindowPeer::PaintNow() {
  paintPending = false;
  RecordingDC dc;
  window_.Paint(dc);
  lastPaint = dc;
  return dc;
}

void FakeWindowPeer::SetVScroll(int range, int position) {
  vScrollRange = std::max(range, 0);
  vScrollPosition = std::clamp(position, 0, vScrollRange);
}

void FakeWindowPeer::SetFocus() { if (platform_) platform_->SetFocus(this); }

// ---- Message boxes ----

namespace {
bool IsButtonOf(unsigned flags, int answer) {
  switch (flags & MB_TYPEMASK) {
    case MB_OK: return answer == IDOK;
    case MB_OKCANCEL: return answer == IDOK || answer == IDCANCEL;
    case MB_YESNOCANCEL: return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_YESNO: return answer == IDYES || answer == IDNO;
    default: return true;  // a button set the fake does not know: take the answer as given
  }
}
}  // namespace

std::ostream& operator<<(std::ostream& out, const MessageBoxRecord& record) {
  return out << "box \"" << record.caption << "\": \"" << record.text << "\" flags 0x" << std::hex
             << record.flags << std::dec << " answered " << record.answer;
}

int FakePlatform::MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags) {
  MessageBoxRecord record{text, caption, flags, owner, IDOK};
  transcript_.push_back("box " + caption + ": " + text);
  if ((flags & MB_TYPEMASK) != MB_OK && answers_.empty()) {
    ADD_FAILURE() << "unscripted question box \"" << caption << "\": \"" << text << '"';
    record.answer = IDCANCEL;
  } else if ((flags & MB_TYPEMASK) != MB_OK) {
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    record.answer = queued.answer;
    if (!queued.expectedText.empty() && queued.expectedText != text) {
      ADD_FAILURE() << "answer " << queued.answer << " was meant for \"" << queued.expectedText
                    << "\" but the box says \"" << text << '"';
    }
    if (!IsButtonOf(flags, queued.answer)) {
      ADD_FAILURE() << "answer " << queued.answer << " is not a button of box \"" << text << '"';
      record.answer = IDCANCEL;
    }
  }
  messages_.push_back(record);
  return record.answer;
}

MessageBoxRecord FakePlatform::LastMessage() const {
  if (!messages_.empty()) return messages_.back();
  ADD_FAILURE() << "no message box was shown";
  return {};
}

// ---- Dialogs ----

void FakePlatform::AnswerInput(std::string text, int button, std::optional<std::string> shown) {
  ScriptDialog(kInputTemplateId, [=](FakeDialog& d) {
    if (shown) { EXPECT_EQ(d.Text(kInputEditId), *shown); }
    d.Type(kInputEditId, text);
    d.Click(button);
  });
}

DialogRecord FakePlatform::LastDialog() const {
  if (!dialogs_.empty()) return dialogs_.back();
  ADD_FAILURE() << "no dialog was run";
  return {};
}

TRect FakePlatform::DefaultDialogRect(const TDialogTemplate& dialogTemplate) const {
  const int width = dialogTemplate.size.cx * 2, height = dialogTemplate.size.cy * 2;
  return TRect::FromSize(workArea.left + (workArea.Width() - width) / 2,
                         workArea.top + (workArea.Height() - height) / 2, width, height);
}

int FakePlatform::RunDialog(TDialog& dialog) {
  if (failingDialogs_ > 0) {
    --failingDialogs_;
    transcript_.push_back("dialog failed " + dialog.Template().caption);
    throw std::runtime_error("the fake was told to fail this dialog");
  }
  FakeDialogPeer peer(dialog.Template(), DefaultDialogRect(dialog.Template()));
  const std::size_t index = dialogs_.size();
  dialogs_.push_back(DialogRecord{dialog.Template().id, peer.caption, {}, 0});
  // Detach even when the game throws out of a handler, so the dialog never holds a dead peer.
  struct Detach { TDialog& dialog; ~Detach() { dialog.Attach(nullptr); } } detach{dialog};
  dialog.Attach(&peer);
  dialog.SetupWindow();
  const bool message = peer.templateId == kHintTemplateId && peer.HasControl(kMessageTextId);
  transcript_.push_back("dialog " + peer.caption + (message ? ": " + peer.Control(kMessageTextId).text : ""));
  FakeDialog driver(*this, dialog, peer);
  if (!peer.ended) RunScript(driver);
  if (!peer.ended) dialog.End(IDCANCEL);
  // Indexed: nested dialogs may have grown the list.
  dialogs_[index] = DialogRecord{peer.templateId, peer.caption, peer.controls, peer.result};
  return peer.result;
}

// Runs the matching queued script, or the default for an unscripted dialog. Leaves the dialog
// running only on a fault the test has already been failed for.
void FakePlatform::RunScript(FakeDialog& driver) {
  const FakeDialogPeer& peer = driver.Peer();
  const std::string name = std::to_string(peer.templateId) + " \"" + peer.caption + '"';
  if (scripts_.empty()) {
    if (!DefaultEnd(driver)) ADD_FAILURE() << "unscripted dialog " << name;
    return;
  }
  if (scripts_.front().templateId.value_or(peer.templateId) != peer.templateId) {
    ADD_FAILURE() << "dialog " << name << " does not match the next queued script, meant for template "
                  << *scripts_.front().templateId;
    return;
  }
  DialogScript script = std::move(scripts_.front().script);
  scripts_.pop_front();
  script(driver);
  if (!peer.ended) ADD_FAILURE() << "the script left dialog " << name << " open";
}

// A message-style dialog needs no script: its one button is pressed. Others cannot be guessed.
bool FakePlatform::DefaultEnd(FakeDialog& driver) {
  int buttons = 0, buttonId = 0;
  for (const FakeControl& c : driver.Peer().controls) {
    if (c.IsEdit() || c.IsList() || c.IsRadio()) return false;
    if (c.IsButton()) ++buttons, buttonId = c.id;
  }
  if (buttons != 1) return false;
  driver.Click(buttonId);
  return driver.Ended();
}

// ---- Services ----

namespace {
// Takes the next queued reply, or nullopt when none is queued.
template <typename T> std::optional<T> Next(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T next = std::move(queue.front());
  queue.pop_front();
  return next;
}

class FakePrinterView : public TPrinter {
 public:
  explicit FakePrinterView(FakePrinter& printer) : printer_(printer) {}
  bool Setup(TWindow*) override { return ++printer_.setupCount, false; }
  TPrintResult Print(TWindow*, TPrintout&) override { return ++printer_.printCount, printer_.printResult; }
  std::string DeviceName() const override { return "Fake Printer"; }
  std::string Port() const override { return "FILE:"; }

 private:
  FakePrinter& printer_;
};
}  // namespace

std::optional<std::string> FakePlatform::ClipboardText() {
  return clipboardAvailable_ ? std::optional<std::string>(clipboard_) : std::nullopt;
}

bool FakePlatform::SetClipboardText(const std::string& text) {
  if (clipboardAvailable_) clipboard_ = text;
  return clipboardAvailable_;
}

void FakePlatform::PlayWave(const std::string& path) { Heard("wave " + path); }
void FakePlatform::Tone(int hz, int ms) { Heard("tone " + std::to_string(hz) + " " + std::to_string(ms)); }
void FakePlatform::SimpleBeep() { Heard("beep"); }

TOpenFileResult FakePlatform::OpenFile(TWindow*, const TOpenFileRequest& request) {
  openFileRequests_.push_back(request);
  transcript_.push_back("open-file " + request.title);
  return Next(openFileAnswers_).value_or(TOpenFileResult{});
}

TChooseResult FakePlatform::ChooseFont(TWindow*, TLogFont& font, std::string& error) {
  transcript_.push_back("choose-font");
  const FontChoice choice = Next(fontAnswers_).value_or(FontChoice{});
  if (choice.result == TChooseResult::Ok) font = choice.font;
  if (choice.result == TChooseResult::Failed) error = choice.error;
  return choice.result;
}

bool FakePlatform::ChooseColor(TWindow*, TColor& color, TColor[16]) {
  colorRequests_.push_back(color);
  transcript_.push_back("choose-color");
  const std::optional<TColor> chosen = Next(colorAnswers_).value_or(ColorChoice{}).color;
  if (chosen) color = *chosen;
  return chosen.has_value();
}

std::unique_ptr<TPrinter> FakePlatform::CreatePrinter() {
  if (!printer_.available) return nullptr;
  ++printer_.createCount;
  return std::make_unique<FakePrinterView>(printer_);
}

void FakePlatform::ShowStatistics(TWindow*, const TStatisticsView& view) {
  statistics_.push_back(view);
  transcript_.push_back("statistics");
}

TColor FakePlatform::SysColor(int index) {
  auto found = sysColors.find(index);
  return found == sysColors.end() ? MakeColor(0, 0, 0) : found->second;
}
