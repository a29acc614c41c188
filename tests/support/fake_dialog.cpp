// FakeDialogPeer and FakeDialog: control state of a running dialog and the player's actions on it.
#include "fake_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_platform.h"

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
}  // namespace

// The fake's dialog units are two pixels each way (an 8 x 16 dialog font).
FakeDialogPeer::FakeDialogPeer(const TDialogTemplate& dialogTemplate, TRect rect)
    : templateId(dialogTemplate.id), caption(dialogTemplate.caption), windowRect(rect) {
  for (const TControlDesc& d : dialogTemplate.controls) {
    AddControl(d.kind, d.id, d.text, {d.rect.left * 2, d.rect.top * 2, d.rect.right * 2, d.rect.bottom * 2});
  }
}

bool FakeDialogPeer::HasControl(int id) const {
  return std::any_of(controls.begin(), controls.end(), [id](const FakeControl& c) { return c.id == id; });
}

const FakeControl& FakeDialogPeer::Control(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return control;
  }
  ADD_FAILURE() << "dialog " << templateId << " (\"" << caption << "\") has no control " << id;
  scratch_ = FakeControl{};
  return scratch_;
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

std::string DialogRecord::Text(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return control.text;
  }
  ADD_FAILURE() << "dialog " << templateId << " (\"" << caption << "\") had no control " << id;
  return {};
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
  if (control.kind == TControlKind::Check) control.checked = !control.checked;
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
