// FloatDlg: the base of the game's dialogs, which reopen where the player last left them.
#pragma once

#include <string>

#include "framework/dialog.h"

class IniFile;

// Placement is kept in the settings section named by `section` as Corner (0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right; anything else counts as 0), DX and DY: the
// dialog's top-left relative to that corner of the parent's window rectangle (of the work area
// when there is no parent). SetupWindow places the dialog there, kept inside the work area,
// without resizing it; CloseWindow (any button or the close box) stores the corner nearest the
// dialog's centre with the offset from it, and flushes the settings at once. Derived classes
// that override SetupWindow or CloseWindow must call these first.
class FloatDlg : public TDialog {
 public:
  FloatDlg(TWindow* parent, const TDialogTemplate& dialogTemplate, IniFile& settings,
           std::string section);

  void SetupWindow() override;
  void CloseWindow(int result) override;

 protected:
  IniFile& Store() { return settings_; }
  const std::string& Section() const { return section_; }

 private:
  TRect ReferenceRect() const;

  IniFile& settings_;
  std::string section_;
};

// The pieces of the placement rules, for the dialogs and their tests.
namespace floatplace {
// The corner of rect numbered 0..3 (top-left, top-right, bottom-left, bottom-right).
TPoint Corner(const TRect& rect, int corner);
// Moves dialog (keeping its size) so it lies inside workArea; where it is too wide or too tall
// its left or top edge lies on the work area's.
TRect ClampToWorkArea(const TRect& dialog, const TRect& workArea);
// The corner of parent nearest to the centre of dialog, by the integer square root of the
// squared distance; the earlier corner wins a tie.
int NearestCorner(const TRect& dialog, const TRect& parent);
}  // namespace floatplace
