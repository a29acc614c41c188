// FloatDlg: the base of the game's dialogs, which reopen where the player last left them.
#pragma once

#include <string>

#include "framework/dialog.h"

class IniFile;

// Placement is kept in the settings section named by `section` as Corner (0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right; anything else counts as 0), DX and DY: the
// dialog's top-left relative to that corner of the parent's window rectangle (of the work area
// when there is no parent). SetupWindow places the dialog there, kept inside the work area,
// without resizing it; a family never placed before (no Corner) opens beside the main window
// instead (floatplace::FirstPlace). CloseWindow (any button or the close box) stores the corner nearest the
// dialog's centre with the offset from it, and flushes the settings at once. Derived classes
// that override SetupWindow or CloseWindow must call these first.
class FloatDlg : public TDialog {
 public:
  FloatDlg(TWindow* parent, const TDialogTemplate& dialogTemplate, IniFile& settings,
           std::string section);

  void SetupWindow() override;
  void CloseWindow(int result) override;

 protected:
  // Pulls the dialog back inside the work area, for set-ups that grow it after placing it.
  void KeepOnWorkArea();
  IniFile& Store() { return settings_; }
  const std::string& Section() const { return section_; }

 private:
  TRect ReferenceRect() const;
  TRect MainWindowRect() const;  // the outermost window above the parent

  IniFile& settings_;
  std::string section_;
};

// The pieces of the placement rules, for the dialogs and their tests.
namespace floatplace {
// The corner of rect numbered 0..3 (top-left, top-right, bottom-left, bottom-right).
TPoint Corner(const TRect& rect, int corner);
// Where a dialog of this size first opens: right of the main window where the work area has
// room for it, else below it, else centred over it; top or left edges aligned with the main
// window's, then kept inside the work area.
TRect FirstPlace(TSize dialog, const TRect& main, const TRect& workArea);
// Moves dialog (keeping its size) so it lies inside workArea; where it is too wide or too tall
// its left or top edge lies on the work area's.
TRect ClampToWorkArea(const TRect& dialog, const TRect& workArea);
// The corner of parent nearest to the centre of dialog, by the integer square root of the
// squared distance; the earlier corner wins a tie.
int NearestCorner(const TRect& dialog, const TRect& parent);
}  // namespace floatplace
