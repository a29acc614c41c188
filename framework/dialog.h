// Modal dialogs built from templates described as data, with controls addressed by id.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/types.h"

class TDC;
class TWindow;

enum class TControlKind {
  Static,           // text
  CenteredStatic,   // centred text
  OwnerDrawStatic,  // drawn by TDialog::DrawItem
  Icon,             // the program's icon
  Frame,            // an etched frame
  Button,           // push button
  DefaultButton,    // push button taking Enter
  Edit,             // one-line edit field
  CenteredEdit,     // one-line edit field, centred text
  GroupBox,
  Radio,            // auto radio button; a group box's radios form one group
  Check,
  ListBox,          // unsorted list, notifies selection change and double click
  SortedListBox,    // list sorting its strings alphabetically
  DropDownList,     // combo box showing a list, no typing
};

// A control in dialog units: one horizontal unit is a quarter of the dialog font's average
// character width, one vertical unit an eighth of its height.
struct TControlDesc {
  TControlKind kind = TControlKind::Static;
  int id = -1;
  std::string text;
  TRect rect;  // left, top, right, bottom in dialog units
};

struct TDialogTemplate {
  int id = 0;
  std::string caption;
  TSize size;  // client size in dialog units
  std::string fontFace = "MS Sans Serif";
  int fontPoints = 8;
  std::vector<TControlDesc> controls;
};

// What a control reports to its dialog.
enum class TNotify { Clicked, SelChange, DoubleClick, EditChange };

// The back end's side of a running dialog. Rectangles of controls are in the dialog's client
// pixels; the dialog's own rectangle is its outer rectangle in screen pixels.
class TDialogPeer {
 public:
  virtual ~TDialogPeer() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetItemText(int id, const std::string& text) = 0;
  virtual std::string GetItemText(int id) const = 0;
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;
  virtual void EnableItem(int id, bool enabled) = 0;
  virtual bool IsItemEnabled(int id) const = 0;
  virtual void SetEditLimit(int id, int maxChars) = 0;
  virtual bool IsModified(int id) const = 0;  // edit changed by the user since the last clear
  virtual void ClearModified(int id) = 0;

  // Lists and drop-down lists. Indices are 0-based; -1 means no selection.
  virtual int ListAdd(int id, const std::string& text, long data) = 0;
  virtual void ListClear(int id) = 0;
  // Adds many items (data 0) at once, in the order ListAdd one by one would give them; a peer
  // that can sort once instead of placing each item overrides it.
  virtual void ListAddAll(int id, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) ListAdd(id, text, 0);
  }
  virtual int ListCount(int id) const = 0;
  virtual int ListSelected(int id) const = 0;
  virtual void ListSelect(int id, int index) = 0;
  virtual std::string ListText(int id, int index) const = 0;
  virtual long ListData(int id, int index) const = 0;

  // Adds a control at run time (pixels, client coordinates).
  virtual void AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) = 0;
  virtual void SetItemFont(int id, const TLogFont& font) = 0;
  virtual TTextMetrics ItemFontMetrics(int id) = 0;
  virtual TRect ItemRect(int id) const = 0;
  virtual void MoveItem(int id, const TRect& rect) = 0;
  virtual void InvalidateItem(int id) = 0;

  virtual TRect WindowRect() const = 0;
  virtual void MoveWindow(const TRect& rect) = 0;  // moves or resizes, no activation
  virtual void End(int result) = 0;
  // A repeating timer delivered to TDialog::Timer while the dialog runs; 0 stops it. A back end
  // without timers never calls Timer.
  virtual void SetTimer(int milliseconds) { (void)milliseconds; }
};

// Base of the game's dialogs. Execute runs it modally through the platform: the peer is made,
// SetupWindow runs, then the user's actions arrive as Command calls until End is called.
class TDialog {
 public:
  TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate)
      : parent_(parent), template_(dialogTemplate) {}
  virtual ~TDialog() = default;
  TDialog(const TDialog&) = delete;
  TDialog& operator=(const TDialog&) = delete;

  // Runs the dialog modally; returns the result given to End (IDCANCEL when closed by the
  // window's close box). Throws std::runtime_error when the dialog cannot be created.
  int Execute();

  const TDialogTemplate& Template() const { return template_; }
  TWindow* Parent() const { return parent_; }
  bool IsRunning() const { return peer_ != nullptr; }
  TDialogPeer& Peer() { return *peer_; }

  // Called by the platform.
  void Attach(TDialogPeer* peer) {
    peer_ = peer;
    ended_ = false;
  }
  virtual void SetupWindow() {}
  // Default: OK ends with IDOK when CanClose agrees; Cancel ends with IDCANCEL.
  virtual void Command(int id, TNotify notify);
  virtual bool CanClose() { return true; }
  // Called once whenever the dialog ends, by any button or the close box, before it goes away.
  virtual void CloseWindow(int result) { (void)result; }
  virtual void DrawItem(int id, TDC& dc, const TRect& rect) { (void)id; (void)dc; (void)rect; }
  // The peer's timer (TDialogPeer::SetTimer) went off.
  virtual void Timer() {}

  // Ends the dialog with a result; CloseWindow runs first.
  void End(int result);

 private:
  TWindow* parent_;
  TDialogTemplate template_;
  TDialogPeer* peer_ = nullptr;
  bool ended_ = false;  // End has run; a second End changes nothing
};
