// FakeDialogPeer and FakeDialog: a running dialog's controls in memory, and the driver scripts use.
#pragma once

#include <utility>

#include "framework/dialog.h"
#include "recording_dc.h"

struct FakeListItem { std::string text; long data = 0; };

// One control of a running dialog. Rectangles are client pixels: template dialog units x 2.
struct FakeControl {
  TControlKind kind = TControlKind::Static;
  int id = -1;
  std::string text;
  TRect rect;
  bool checked = false, enabled = true;
  int editLimit = -1;  // -1: no limit
  bool modified = false;
  std::vector<FakeListItem> items;
  int selected = -1;
  std::optional<TLogFont> font;  // set by SetItemFont; nullopt: the dialog's font (8 x 16)

  bool IsRadio() const { return kind == TControlKind::Radio; }
  bool IsEdit() const { return kind == TControlKind::Edit || kind == TControlKind::CenteredEdit; }
  bool IsList() const {
    return kind == TControlKind::ListBox || kind == TControlKind::SortedListBox || kind == TControlKind::DropDownList;
  }
  bool IsButton() const { return kind == TControlKind::Button || kind == TControlKind::DefaultButton; }
};

// What a dialog looked like when it ended; FakePlatform::Dialogs() lists them in start order. The
// running dialog's peer holds the same fields as they change.
struct DialogRecord {
  int templateId = 0;
  std::string caption;                // as it was at the end
  std::vector<FakeControl> controls;  // every control's state at the end
  int result = 0;                     // the value End was given

  bool HasControl(int id) const;
  // Fails the test for an unknown id and returns a scratch control.
  FakeControl& Control(int id) { return const_cast<FakeControl&>(std::as_const(*this).Control(id)); }
  const FakeControl& Control(int id) const;
  std::string Text(int id) const { return Control(id).text; }  // "" and a test failure for an unknown id
};

// The in-memory peer. An unknown control id fails the test (template and dialog class disagree)
// and acts as an empty control. As on the window system the game was written for, SetItemText
// does not notify, ignores the edit limit and clears the modified flag; a sorted list inserts in
// case-insensitive order; list indices out of range give "" and data -1 and select nothing.
class FakeDialogPeer : public TDialogPeer, public DialogRecord {
 public:
  FakeDialogPeer(const TDialogTemplate& dialogTemplate, TRect windowRect);

  void SetCaption(const std::string& text) override { caption = text; }
  void SetItemText(int id, const std::string& text) override;
  std::string GetItemText(int id) const override;
  void SetCheck(int id, bool check) override { Control(id).checked = check; }
  bool IsChecked(int id) const override { return Control(id).checked; }
  void EnableItem(int id, bool enable) override { Control(id).enabled = enable; }
  bool IsItemEnabled(int id) const override { return Control(id).enabled; }
  void SetEditLimit(int id, int maxChars) override { Control(id).editLimit = maxChars; }
  bool IsModified(int id) const override { return Control(id).modified; }
  void ClearModified(int id) override { Control(id).modified = false; }
  int ListAdd(int id, const std::string& text, long data) override;
  void ListClear(int id) override { Control(id).items.clear(); Control(id).selected = -1; }
  int ListCount(int id) const override { return static_cast<int>(Control(id).items.size()); }
  int ListSelected(int id) const override { return Control(id).selected; }
  void ListSelect(int id, int index) override { Control(id).selected = Item(id, index) ? index : -1; }
  std::string ListText(int id, int index) const override { return Item(id, index) ? Item(id, index)->text : ""; }
  long ListData(int id, int index) const override { return Item(id, index) ? Item(id, index)->data : -1; }
  void AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) override;
  void SetItemFont(int id, const TLogFont& font) override { Control(id).font = font; }
  TTextMetrics ItemFontMetrics(int id) override;
  TRect ItemRect(int id) const override { return Control(id).rect; }
  void MoveItem(int id, const TRect& rect) override { Control(id).rect = rect; }
  void InvalidateItem(int id) override { Control(id); }  // only checks the id
  TRect WindowRect() const override { return windowRect; }
  void MoveWindow(const TRect& rect) override { windowRect = rect; }
  void End(int value) override;
  void SetTimer(int milliseconds) override { timerMs = milliseconds; }

  TRect windowRect;
  bool ended = false;
  int timerMs = 0;  // the dialog's timer, 0 when stopped

 private:
  const FakeListItem* Item(int id, int index) const;  // null when out of range
};

// The driver a dialog script gets: acts as the player would. Acting on an ended dialog, on a
// missing or disabled control, or on a control of the wrong kind fails the test and does nothing.
class FakeDialog {
 public:
  FakeDialog(TDialog& dialog, FakeDialogPeer& peer) : dialog_(dialog), peer_(peer) {}

  FakeDialogPeer& Peer() { return peer_; }
  std::string Text(int id) const { return peer_.GetItemText(id); }
  bool IsEnabled(int id) const { return peer_.IsItemEnabled(id); }
  bool IsChecked(int id) const { return peer_.IsChecked(id); }
  int EditLimit(int id) const { return peer_.Control(id).editLimit; }
  std::vector<std::string> ListItems(int id) const;
  TRect Rect() const { return peer_.windowRect; }
  bool Ended() const { return peer_.ended; }

  // Replaces an edit field's text as if typed (cut to the edit limit), marks it modified and
  // notifies EditChange.
  void Type(int id, const std::string& text);
  // A press: a radio is checked and the others of its group box cleared. Then Command(Clicked).
  void Click(int id);
  // Selects a list item (-1 for none) and notifies SelChange.
  void Select(int listId, int index);
  // Selects the item (notifying SelChange if the selection changes), then notifies DoubleClick.
  void DoubleClick(int listId, int index);
  void Drag(const TRect& rect) { peer_.windowRect = rect; }  // the player moves the dialog
  void CloseBox();  // the close box: ends the dialog with IDCANCEL
  // The dialog's timer goes off once, when it is set and the dialog runs; true if it did.
  bool Tick() {
    if (peer_.ended || peer_.timerMs <= 0) return false;
    dialog_.Timer();
    return true;
  }
  RecordingDC Draw(int id);  // calls DrawItem for an owner-drawn control with its own rectangle (0, 0, width, height)

 private:
  bool CanAct(int id, const char* action, bool needsList = false) const;
  void ClickRadio(int id);

  TDialog& dialog_;
  FakeDialogPeer& peer_;
};
