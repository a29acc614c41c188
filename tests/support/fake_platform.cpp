// FakePlatform: installation, windows and their test helpers, message boxes, scripted dialogs, and the
// services: clipboard, sounds, common dialogs, printer and system queries; FakeWindowPeer: window
// state in memory, delivering size, move and paint back to the game; FakeDialogPeer and FakeDialog:
// control state of a running dialog and the player's actions on it.
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

void FakeWindowPeer::SetFocus() { if (platform_) platform_->SetFocus(this); }

// ---- Message boxes ----

namespace {
bool Inside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) < std::tolower(y);
  });
}

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

int FakePlatform::MessageBox(TWindow*, const std::string& text, const std::string& caption, unsigned flags) {
  MessageBoxRecord record{text, caption, flags, IDOK};
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
  dialogs_.push_back(peer);
  // Detach even when the game throws out of a handler, so the dialog never holds a dead peer.
  struct Detach { TDialog& dialog; ~Detach() { dialog.Attach(nullptr); } } detach{dialog};
  dialog.Attach(&peer);
  dialog.SetupWindow();
  const bool message = peer.templateId == kHintTemplateId && peer.HasControl(kMessageTextId);
  transcript_.push_back("dialog " + peer.caption + (message ? ": " + peer.Control(kMessageTextId).text : ""));
  FakeDialog driver(dialog, peer);
  if (!peer.ended) RunScript(driver);
  if (!peer.ended) dialog.End(IDCANCEL);
  // Indexed: nested dialogs may have grown the list.
  dialogs_[index] = peer;
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

// ---- The dialog peer and the player's actions ----

// The fake's dialog units are two pixels each way (an 8 x 16 dialog font).
FakeDialogPeer::FakeDialogPeer(const TDialogTemplate& dialogTemplate, TRect rect)
    : DialogRecord{dialogTemplate.id, dialogTemplate.caption, {}, 0}, windowRect(rect) {
  for (const TControlDesc& d : dialogTemplate.controls) {
    AddControl(d.kind, d.id, d.text, {d.rect.left * 2, d.rect.top * 2, d.rect.right * 2, d.rect.bottom * 2});
  }
}

bool DialogRecord::HasControl(int id) const {
  return std::any_of(controls.begin(), controls.end(), [id](const FakeControl& c) { return c.id == id; });
}

const FakeControl& DialogRecord::Control(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return control;
  }
  ADD_FAILURE() << "dialog " << templateId << " (\"" << caption << "\") has no control " << id;
  static FakeControl scratch;  // what an unknown id reads and writes
  return scratch = FakeControl{};
}

const FakeListItem* FakeDialogPeer::Item(int id, int index) const {
  const std::vector<FakeListItem>& items = Control(id).items;
  return index >= 0 && index < static_cast<int>(items.size()) ? &items[index] : nullptr;
}

void FakeDialogPeer::SetItemText(int id, const std::string& text) {
  Control(id).text = text;
  Control(id).modified = false;
}

std::string FakeDialogPeer::GetItemText(int id) const {
  const FakeControl& control = Control(id);
  if (control.kind != TControlKind::DropDownList) return control.text;
  return ListText(id, control.selected);
}

int FakeDialogPeer::ListAdd(int id, const std::string& text, long data) {
  FakeControl& control = Control(id);
  auto at = control.items.end();
  if (control.kind == TControlKind::SortedListBox) {
    at = std::upper_bound(control.items.begin(), control.items.end(), text,
                          [](const std::string& t, const FakeListItem& i) { return LessIgnoringCase(t, i.text); });
  }
  const int index = static_cast<int>(at - control.items.begin());
  control.items.insert(at, FakeListItem{text, data});
  if (control.selected >= index) ++control.selected;
  return index;
}

void FakeDialogPeer::AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) {
  FakeControl& control = controls.emplace_back();
  std::tie(control.kind, control.id, control.text, control.rect) = std::tie(kind, id, text, rect);
}

TTextMetrics FakeDialogPeer::ItemFontMetrics(int id) {
  const FakeControl& control = Control(id);
  return FakeTextMetrics(control.font ? &*control.font : nullptr);
}

void FakeDialogPeer::End(int value) {
  if (ended) return;  // a second End changes nothing, as on a closed window
  ended = true;
  result = value;
}

bool FakeDialog::CanAct(int id, const char* action, bool needsList) const {
  const char* fault = peer_.ended                                ? "ended dialog's"
                      : !peer_.HasControl(id)                     ? "missing"
                      : !peer_.Control(id).enabled                ? "disabled"
                      : needsList && !peer_.Control(id).IsList() ? "non-list" : nullptr;
  if (fault) ADD_FAILURE() << action << ' ' << fault << " control " << id << " of dialog \"" << peer_.caption << '"';
  return !fault;
}

std::vector<std::string> FakeDialog::ListItems(int id) const {
  std::vector<std::string> texts;
  for (const FakeListItem& item : peer_.Control(id).items) texts.push_back(item.text);
  return texts;
}

void FakeDialog::Type(int id, const std::string& text) {
  if (!CanAct(id, "typing into")) return;
  FakeControl& control = peer_.Control(id);
  if (!control.IsEdit()) {
    ADD_FAILURE() << "typing into control " << id << ", which is not an edit field";
    return;
  }
  control.text = control.editLimit >= 0 ? text.substr(0, control.editLimit) : text;
  control.modified = true;
  dialog_.Command(id, TNotify::EditChange);
}

// The game's radios all sit in group boxes; loose ones count as one group.
void FakeDialog::ClickRadio(int id) {
  auto boxOf = [this](const FakeControl& radio) -> const FakeControl* {
    for (const FakeControl& c : peer_.controls) {
      if (c.kind == TControlKind::GroupBox && Inside(radio.rect, c.rect)) return &c;
    }
    return nullptr;
  };
  const FakeControl* box = boxOf(peer_.Control(id));
  for (FakeControl& c : peer_.controls) {
    if (c.IsRadio()) c.checked = c.id == id || (c.checked && boxOf(c) != box);
  }
}

void FakeDialog::Click(int id) {
  if (!CanAct(id, "clicking")) return;
  FakeControl& control = peer_.Control(id);
  if (control.IsRadio()) ClickRadio(id);
  dialog_.Command(id, TNotify::Clicked);
}

void FakeDialog::Select(int listId, int index) {
  if (!CanAct(listId, "selecting in", true)) return;
  peer_.ListSelect(listId, index);
  dialog_.Command(listId, TNotify::SelChange);
}

void FakeDialog::DoubleClick(int listId, int index) {
  if (!CanAct(listId, "double-clicking in", true)) return;
  if (peer_.ListSelected(listId) != index) Select(listId, index);
  if (!peer_.ended) dialog_.Command(listId, TNotify::DoubleClick);
}

void FakeDialog::CloseBox() {
  if (peer_.ended) {
    ADD_FAILURE() << "closing dialog \"" << peer_.caption << "\" after it ended";
    return;
  }
  dialog_.End(IDCANCEL);
}

RecordingDC FakeDialog::Draw(int id) {
  RecordingDC dc;
  const TRect rect = peer_.ItemRect(id);
  dialog_.DrawItem(id, dc, {0, 0, rect.Width(), rect.Height()});
  return dc;
}
