// FakeDialogPeer and FakeDialog: control state of a running dialog and the player's actions on it.
#include "fake_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

#include "fake_platform.h"

namespace {
// The fake's dialog units: two pixels each way (an 8 x 16 dialog font).
TRect ToPixels(const TRect& units) {
  return {units.left * 2, units.top * 2, units.right * 2, units.bottom * 2};
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}
}  // namespace

FakeDialogPeer::FakeDialogPeer(const TDialogTemplate& dialogTemplate, TRect rect)
    : templateId(dialogTemplate.id), caption(dialogTemplate.caption), windowRect(rect) {
  for (const TControlDesc& desc : dialogTemplate.controls) {
    FakeControl control;
    control.kind = desc.kind;
    control.id = desc.id;
    control.text = desc.text;
    control.rect = ToPixels(desc.rect);
    controls.push_back(std::move(control));
  }
}

bool FakeDialogPeer::HasControl(int id) const {
  return std::any_of(controls.begin(), controls.end(), [id](const FakeControl& c) { return c.id == id; });
}

FakeControl& FakeDialogPeer::Control(int id) {
  return const_cast<FakeControl&>(std::as_const(*this).Control(id));
}

const FakeControl& FakeDialogPeer::Control(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return control;
  }
  ADD_FAILURE() << "dialog " << templateId << " (\"" << caption << "\") has no control " << id;
  scratch_ = FakeControl{};
  return scratch_;
}

void FakeDialogPeer::SetItemText(int id, const std::string& text) {
  FakeControl& control = Control(id);
  control.text = text;
  control.modified = false;
}

std::string FakeDialogPeer::GetItemText(int id) const {
  const FakeControl& control = Control(id);
  if (control.kind == TControlKind::DropDownList) {
    return control.selected >= 0 ? control.items[control.selected].text : std::string();
  }
  return control.text;
}

int FakeDialogPeer::ListAdd(int id, const std::string& text, long data) {
  FakeControl& control = Control(id);
  auto at = control.items.end();
  if (control.kind == TControlKind::SortedListBox) {
    at = std::upper_bound(control.items.begin(), control.items.end(), text,
                          [](const std::string& t, const FakeListItem& item) { return LessIgnoringCase(t, item.text); });
  }
  int index = static_cast<int>(at - control.items.begin());
  control.items.insert(at, FakeListItem{text, data});
  if (control.selected >= index) ++control.selected;
  return index;
}

void FakeDialogPeer::ListClear(int id) {
  FakeControl& control = Control(id);
  control.items.clear();
  control.selected = -1;
}

int FakeDialogPeer::ListCount(int id) const { return static_cast<int>(Control(id).items.size()); }

void FakeDialogPeer::ListSelect(int id, int index) {
  FakeControl& control = Control(id);
  bool inRange = index >= 0 && index < static_cast<int>(control.items.size());
  control.selected = inRange ? index : -1;
}

std::string FakeDialogPeer::ListText(int id, int index) const {
  const FakeControl& control = Control(id);
  if (index < 0 || index >= static_cast<int>(control.items.size())) return {};
  return control.items[index].text;
}

long FakeDialogPeer::ListData(int id, int index) const {
  const FakeControl& control = Control(id);
  if (index < 0 || index >= static_cast<int>(control.items.size())) return -1;
  return control.items[index].data;
}

void FakeDialogPeer::AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) {
  FakeControl control;
  control.kind = kind;
  control.id = id;
  control.text = text;
  control.rect = rect;
  controls.push_back(std::move(control));
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

// ---- DialogRecord ----

const FakeControl* DialogRecord::Find(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

std::string DialogRecord::Text(int id) const {
  if (const FakeControl* control = Find(id)) return control->text;
  ADD_FAILURE() << "dialog " << templateId << " (\"" << caption << "\") had no control " << id;
  return {};
}

std::ostream& operator<<(std::ostream& out, const DialogRecord& record) {
  out << "dialog " << record.templateId << " \"" << record.caption << "\" result " << record.result
      << " {";
  for (const FakeControl& control : record.controls) {
    if (!control.text.empty()) out << ' ' << control.id << "=\"" << control.text << '"';
  }
  return out << " }";
}

// ---- FakeDialog ----

bool FakeDialog::CanAct(int id, const char* action) const {
  if (peer_.ended) {
    ADD_FAILURE() << action << " control " << id << " of dialog \"" << peer_.caption
                  << "\" after it ended";
    return false;
  }
  if (!peer_.HasControl(id)) {
    ADD_FAILURE() << action << ": dialog \"" << peer_.caption << "\" has no control " << id;
    return false;
  }
  if (!peer_.Control(id).enabled) {
    ADD_FAILURE() << action << " disabled control " << id << " of dialog \"" << peer_.caption << '"';
    return false;
  }
  return true;
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
  control.text = text;
  if (control.editLimit >= 0 && static_cast<int>(text.size()) > control.editLimit) {
    control.text.resize(control.editLimit);
  }
  control.modified = true;
  dialog_.Command(id, TNotify::EditChange);
}

// Radios form a group with the others inside the same group box; radios in no group box form
// groups of consecutive such radios in template order.
void FakeDialog::ClickRadio(int id) {
  std::vector<FakeControl>& controls = peer_.controls;
  auto boxOf = [&](const FakeControl& radio) -> const FakeControl* {
    for (const FakeControl& c : controls) {
      if (c.kind == TControlKind::GroupBox && Inside(radio.rect, c.rect)) return &c;
    }
    return nullptr;
  };
  auto clicked = std::find_if(controls.begin(), controls.end(), [id](const FakeControl& c) { return c.id == id; });
  if (const FakeControl* box = boxOf(*clicked)) {
    for (FakeControl& c : controls) {
      if (c.IsRadio() && boxOf(c) == box) c.checked = false;
    }
  } else {
    auto loose = [&](const FakeControl& c) { return c.IsRadio() && !boxOf(c); };
    auto first = clicked, last = clicked;
    while (first != controls.begin() && loose(*std::prev(first))) --first;
    while (std::next(last) != controls.end() && loose(*std::next(last))) ++last;
    for (auto c = first; c != std::next(last); ++c) c->checked = false;
  }
  clicked->checked = true;
}


void FakeDialog::Click(int id) {
  if (!CanAct(id, "clicking")) return;
  FakeControl& control = peer_.Control(id);
  if (control.IsRadio()) {
    ClickRadio(id);
  } else if (control.kind == TControlKind::Check) {
    control.checked = !control.checked;
  }
  dialog_.Command(id, TNotify::Clicked);
}

bool FakeDialog::IsList(int id) const {
  if (peer_.Control(id).IsList()) return true;
  ADD_FAILURE() << "control " << id << " of dialog \"" << peer_.caption << "\" is not a list";
  return false;
}

void FakeDialog::Select(int listId, int index) {
  if (!CanAct(listId, "selecting in") || !IsList(listId)) return;
  peer_.ListSelect(listId, index);
  dialog_.Command(listId, TNotify::SelChange);
}

void FakeDialog::DoubleClick(int listId, int index) {
  if (!CanAct(listId, "double-clicking in") || !IsList(listId)) return;
  if (peer_.ListSelected(listId) != index) {
    peer_.ListSelect(listId, index);
    dialog_.Command(listId, TNotify::SelChange);
  }
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
  TRect rect = peer_.ItemRect(id);
  dialog_.DrawItem(id, dc, {0, 0, rect.Width(), rect.Height()});
  return dc;
}
