// FakePlatform: installation, windows and their test helpers, message boxes and scripted dialogs.
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

FakePlatform::FakePlatform() {
  sysColors[kSysColorButtonFace] = MakeColor(240, 240, 240);
  sysColors[kSysColorWindow] = MakeColor(255, 255, 255);
  sysColors[kSysColorWindowText] = MakeColor(0, 0, 0);
  SetPlatform(this);
}

FakePlatform::~FakePlatform() {
  VerifyAnswersUsed();
  for (FakeWindowPeer* peer : peers_) peer->platform_ = nullptr;
  SetPlatform(nullptr);
}

void FakePlatform::VerifyAnswersUsed() {
  for (const QueuedAnswer& a : answers_) {
    ADD_FAILURE() << "answer " << a.answer << " was queued for a message box that never came"
                  << (a.expectedText.empty() ? "" : ": \"" + a.expectedText + "\"");
  }
  for (const QueuedScript& s : scripts_) {
    ADD_FAILURE() << "a dialog script was queued for a dialog that never ran"
                  << (s.templateId ? " (template " + std::to_string(*s.templateId) + ")" : "");
  }
  if (!openFileAnswers_.empty()) ADD_FAILURE() << "an open-file answer was never used";
  if (!fontAnswers_.empty()) ADD_FAILURE() << "a font-chooser answer was never used";
  if (!colorAnswers_.empty()) ADD_FAILURE() << "a colour-chooser answer was never used";
  answers_.clear();
  scripts_.clear();
  openFileAnswers_.clear();
  fontAnswers_.clear();
  colorAnswers_.clear();
}

// ================= Windows =================

std::unique_ptr<TWindowPeer> FakePlatform::CreatePeer(TWindow& window) {
  auto peer = std::make_unique<FakeWindowPeer>(*this, window);
  peers_.push_back(peer.get());
  return peer;
}

void FakePlatform::Forget(FakeWindowPeer* peer) {
  peers_.erase(std::remove(peers_.begin(), peers_.end(), peer), peers_.end());
  if (focus_ == &peer->Window()) focus_ = nullptr;
  for (FakeWindowPeer* other : peers_) {
    if (other->client == &peer->Window()) other->client = nullptr;
  }
}

FakeWindowPeer* FakePlatform::FindPeer(const TWindow& window) const {
  for (FakeWindowPeer* peer : peers_) {
    if (&peer->Window() == &window) return peer;
  }
  return nullptr;
}

FakeWindowPeer& FakePlatform::Peer(TWindow& window) {
  if (FakeWindowPeer* peer = FindPeer(window)) return *peer;
  ADD_FAILURE() << "the window has no peer: was Create() called?";
  throw std::logic_error("window without a fake peer");
}

void FakePlatform::Resize(TWindow& window, int width, int height) {
  Peer(window).ResizeClient({width, height});
}

bool FakePlatform::Tick(TWindow& window, int id) {
  if (!Peer(window).HasTimer(id)) return false;
  window.Timer(id);
  return true;
}

RecordingDC FakePlatform::Paint(TWindow& window) { return Peer(window).PaintNow(); }

int FakePlatform::PaintPending() {
  constexpr int kMaxRounds = 10;
  int paints = 0;
  for (int round = 0; round < kMaxRounds; ++round) {
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
  ADD_FAILURE() << "windows still invalidate themselves after " << kMaxRounds << " rounds of painting";
  return paints;
}

void FakePlatform::Click(TWindow& window, TPoint point, unsigned modifiers, bool right) {
  std::map<TKey, bool> before = keysDown;
  if (modifiers & kModShift) keysDown[TKey::Shift] = true;
  if (modifiers & kModControl) keysDown[TKey::Control] = true;
  if (modifiers & kModAlt) keysDown[TKey::Alt] = true;
  if (right) {
    window.RButtonDown(point, modifiers);
  } else {
    window.LButtonDown(point, modifiers);
  }
  keysDown = before;
}

void FakePlatform::ScrollTo(TWindow& window, int position) {
  FakeWindowPeer& peer = Peer(window);
  peer.vScrollPosition = std::clamp(position, 0, peer.vScrollRange);
  window.VScroll(peer.vScrollPosition);
}

// ================= Message boxes =================

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

void FakePlatform::AnswerNext(int answer, std::string expectedText) {
  answers_.push_back({answer, std::move(expectedText)});
}

int FakePlatform::MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                             unsigned flags) {
  MessageBoxRecord record{text, caption, flags, owner, IDOK};
  transcript_.push_back("box " + caption + ": " + text);
  if ((flags & MB_TYPEMASK) != MB_OK) {
    if (answers_.empty()) {
      ADD_FAILURE() << "unscripted question box \"" << caption << "\": \"" << text << '"';
      record.answer = IDCANCEL;
    } else {
      QueuedAnswer queued = answers_.front();
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
  }
  messages_.push_back(record);
  return record.answer;
}

MessageBoxRecord FakePlatform::LastMessage() const {
  if (messages_.empty()) {
    ADD_FAILURE() << "no message box was shown";
    return {};
  }
  return messages_.back();
}

std::vector<std::string> FakePlatform::MessageTexts() const {
  std::vector<std::string> texts;
  for (const MessageBoxRecord& record : messages_) texts.push_back(record.text);
  return texts;
}

// ================= Dialogs =================

void FakePlatform::ScriptDialog(DialogScript script) {
  scripts_.push_back({std::nullopt, std::move(script)});
}

void FakePlatform::ScriptDialog(int templateId, DialogScript script) {
  scripts_.push_back({templateId, std::move(script)});
}

DialogRecord FakePlatform::LastDialog() const {
  if (dialogs_.empty()) {
    ADD_FAILURE() << "no dialog was run";
    return {};
  }
  return dialogs_.back();
}

TRect FakePlatform::DefaultDialogRect(const TDialogTemplate& dialogTemplate) const {
  int width = dialogTemplate.size.cx * 2, height = dialogTemplate.size.cy * 2;
  int left = workArea.left + (workArea.Width() - width) / 2;
  int top = workArea.top + (workArea.Height() - height) / 2;
  return TRect::FromSize(left, top, width, height);
}

int FakePlatform::RunDialog(TDialog& dialog) {
  if (failingDialogs_ > 0) {
    --failingDialogs_;
    transcript_.push_back("dialog failed " + dialog.Template().caption);
    throw std::runtime_error("the fake was told to fail this dialog");
  }
  FakeDialogPeer peer(dialog.Template(), DefaultDialogRect(dialog.Template()));
  std::size_t index = dialogs_.size();
  dialogs_.push_back(DialogRecord{dialog.Template().id, peer.caption, {}, 0});
  // Detach even when the game throws out of a handler, so the dialog never holds a dead peer.
  struct Detach {
    TDialog& dialog;
    ~Detach() { dialog.Attach(nullptr); }
  } detach{dialog};
  dialog.Attach(&peer);
  dialog.SetupWindow();
  transcript_.push_back("dialog " + peer.caption);
  FakeDialog driver(*this, dialog, peer);
  if (!peer.ended) RunScript(driver);
  if (!peer.ended) dialog.End(IDCANCEL);
  DialogRecord& record = dialogs_[index];  // nested dialogs may have grown the list
  record.caption = peer.caption;
  record.controls = peer.controls;
  record.result = peer.result;
  return peer.result;
}

// Runs the matching queued script, or the default for an unscripted dialog. Leaves the dialog
// running only on a fault the test has already been failed for.
void FakePlatform::RunScript(FakeDialog& driver) {
  FakeDialogPeer& peer = driver.Peer();
  if (scripts_.empty()) {
    if (!DefaultEnd(driver)) {
      ADD_FAILURE() << "unscripted dialog " << peer.templateId << " \"" << peer.caption << '"';
    }
    return;
  }
  const QueuedScript& next = scripts_.front();
  if (next.templateId && *next.templateId != peer.templateId) {
    ADD_FAILURE() << "dialog " << peer.templateId << " \"" << peer.caption
                  << "\" does not match the next queued script, meant for template "
                  << *next.templateId;
    return;
  }
  DialogScript script = std::move(scripts_.front().script);
  scripts_.pop_front();
  script(driver);
  if (!peer.ended) {
    ADD_FAILURE() << "the script left dialog " << peer.templateId << " \"" << peer.caption
                  << "\" open";
  }
}

// A message-style dialog needs no script: its one button is pressed. Others cannot be guessed.
bool FakePlatform::DefaultEnd(FakeDialog& driver) {
  const std::vector<FakeControl>& controls = driver.Peer().controls;
  int buttons = 0, buttonId = 0;
  for (const FakeControl& c : controls) {
    if (c.IsEdit() || c.IsList() || c.IsRadio()) return false;
    if (c.IsButton()) {
      ++buttons;
      buttonId = c.id;
    }
  }
  if (buttons != 1) return false;
  driver.Click(buttonId);
  return driver.Ended();
}
