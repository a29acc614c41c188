// ColorDialog: "Quillo! Color Selection", choosing and resetting the six colour elements.
#pragma once

#include <functional>

#include "dialogs/floatdlg.h"
#include "display/color.h"

// Control ids of template 11.
enum : int {
  kColorDescriptionId = 3,
  kColorChangeId = 4,
  kColorDefaultId = 5,
  kColorSampleId = 6,
  kColorSchemeFirstId = 7,  // 7, 8, 9: Classic, Dark, High contrast (ColorScheme order)
  kColorGroupId = 10,
  kColorListId = 11,
  kColorSchemeGroupId = 12,
};

// What the dialog remembers between openings within the run (the session keeps it): the
// selected element and the picker's custom colours.
struct ColorDialogMemory {
  int selection = 0;
  TColor customSlots[kCustomColorCount] = {};
};

// Works on the session's scheme, which changes at once (a scheme button sets all six elements); Cancel (or the close box) puts back
// the scheme as it was when the dialog was made. After every change, and after Cancel,
// showChanges is called (the panes take the background and the main window is repainted). The
// selected element is remembered for the next opening within the run. Placement: "ColorDialog".
class ColorDialog : public FloatDlg {
 public:
  ColorDialog(TWindow* parent, std::function<void()> showChanges);

  void SetupWindow() override;
  void Command(int id, TNotify notify) override;
  void CloseWindow(int result) override;
  void DrawItem(int id, TDC& dc, const TRect& rect) override;

  // The element selected when the dialog last closed in this run (0 at start).
  static int RememberedSelection();

 private:
  int SelectedElement();
  void ShowSelection();
  void ChangeColor();
  void ShowChanges();

  Color snapshot_;
  std::function<void()> showChanges_;
};

// Runs the dialog; a dialog that cannot be run is reported in a box titled "ERROR".
void RunColorDialog(TWindow* parent, std::function<void()> showChanges);
