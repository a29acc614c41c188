// FakeDialogPeer and FakeDialog: a running dialog's controls in memory, and the driver scripts use.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "recording_dc.h"

class FakePlatform;

struct FakeListItem {
  std::string text;
  long data = 0;
  bool operator==(const FakeListItem&) const = default;
};

// One control of a running dialog. Rectangles are client pixels: template dialog units x 2.
struct FakeControl {
  TControlKind kind = TControlKind::Static;
  int id = -1;
  std::string text;
  TRect rect;
  bool checked = false;
  bool enabled = true;
  int editLimit = -1;  // -1: no limit
  bool modified = false;
  std::vector<FakeListItem> items;
  int selected = -1;
  std::optional<TLogFont> font;  // set by SetItemFont; nullopt: the dialog's font (8 x 16)
  int invalidateCount = 0;

  bool IsRadio() const { return kind == TControlKind::Radio; }
  bool IsEdit() const { return kind == TControlKind::Edit || kind == TControlKind::CenteredEdit; }
  bool IsList() const {
    return kind == TControlKind::ListBox || kind == TControlKind::SortedListBox ||
           kind == TControlKind::DropDownList;
  }
  bool IsButton() const { return kind == TControlKind::Button || kind == TControlKind::DefaultButton; }
};

// The in-memory peer. Asking for a control id the dialog does not have fails the current test
// (a template and its dialog class disagree) and then behaves as an empty control.
// As on the window system the game was written for: SetItemText does not notify, is not held
// to the edit limit, and clears the modified flag; a sorted list box inserts in case-insensitive
// order; list indices out of range give "" and data -1 (and select nothing).
class FakeDialogPeer : public TDialogPeer {
 public:
  FakeDialogPeer(const TDialogTemplate& dialogTemplate, TRect windowRect);

  // ---- TDialogPeer ----
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
  void ListClear(int id) override;
  int ListCount(int id) const override;
  int ListSelected(int id) const override { return Control(id).selected; }
  void ListSelect(int id, int index) override;
  std::string ListText(int id, int index) const override;
  long ListData(int id, int index) const override;
  void AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) override;
  void SetItemFont(int id, const TLogFont& font) override { Control(id).font = font; }
  TTextMetrics ItemFontMetrics(int id) override;
  TRect ItemRect(int id) const override { return Control(id).rect; }
  void MoveItem(int id, const TRect& rect) override { Control(id).rect = rect; }
  void InvalidateItem(int id) override { ++Control(id).invalidateCount; }
  TRect WindowRect() const override { return windowRect; }
  void MoveWindow(const TRect& rect) override { windowRect = rect; }
  void End(int value) override;

  // ---- For the fake and tests ----
  bool HasControl(int id) const;
  // Fails the test for an unknown id and returns a scratch control.
  FakeControl& Control(int id);
  const FakeControl& Control(int id) const;

  int templateId = 0;
  std::string caption;
  std::vector<FakeControl> controls;
  TRect windowRect;
  bool ended = false;
  int result = 0;

 private:
  mutable FakeControl scratch_;  // what an unknown id reads and writes
};

// What a dialog looked like when it ended; FakePlatform::Dialogs() lists them in start order.
struct DialogRecord {
  int templateId = 0;
  std::string caption;                // as it was at the end (the template's unless set)
  std::vector<FakeControl> controls;  // every control's state at the end
  int result = 0;                     // the value End was given

  // The control's text at the end; "" (and a test failure) for an unknown id.
  std::string Text(int id) const;
  const FakeControl* Find(int id) const;
};
std::ostream& operator<<(std::ostream& out, const DialogRecord& record);

// The driver a dialog script gets: acts as the player would on the running dialog. Acting on
// a dialog that has ended, on a missing or disabled control, or on a control of the wrong kind
// (typing into a non-edit, selecting in a non-list) fails the test and does nothing.
class FakeDialog {
 public:
  FakeDialog(FakePlatform& platform, TDialog& dialog, FakeDialogPeer& peer)
      : platform_(platform), dialog_(dialog), peer_(peer) {}

  FakeDialogPeer& Peer() { return peer_; }
  std::string Text(int id) const { return peer_.GetItemText(id); }
  bool IsEnabled(int id) const { return peer_.IsItemEnabled(id); }
  bool IsChecked(int id) const { return peer_.IsChecked(id); }
  bool IsModified(int id) const { return peer_.IsModified(id); }
  int EditLimit(int id) const { return peer_.Control(id).editLimit; }
  std::vector<std::string> ListItems(int id) const;
  TRect Rect() const { return peer_.windowRect; }
  bool Ended() const { return peer_.ended; }

  // Replaces an edit field's text as if typed (cut to the edit limit), sets its modified flag
  // and notifies EditChange.
  void Type(int id, const std::string& text);
  // A button press. A radio button is checked and the other radios of its group unchecked (its
  // group: the radios inside the same group box, else the run of consecutive radios); a check
  // box toggles. Then the dialog gets Command(id, Clicked).
  void Click(int id);
  // Selects a list item (index -1 for none) and notifies SelChange.
  void Select(int listId, int index);
  // Selects the item (notifying SelChange if the selection changes), then notifies DoubleClick.
  void DoubleClick(int listId, int index);
  // The player drags the dialog to a new outer rectangle.
  void Drag(const TRect& rect) { peer_.windowRect = rect; }
  // The window's close box: ends the dialog with IDCANCEL (CloseWindow runs through End).
  void CloseBox();
  // Calls the dialog's DrawItem for an owner-drawn control, with the control's own rectangle
  // (0, 0, width, height), and returns the drawing.
  RecordingDC Draw(int id);

 private:
  bool CanAct(int id, const char* action) const;
  bool IsList(int id) const;
  void ClickRadio(int id);

  FakePlatform& platform_;
  TDialog& dialog_;
  FakeDialogPeer& peer_;
};
