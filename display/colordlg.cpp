// ColorDialog: the element list, description and sample, the colour picker, defaults, OK and Cancel.
#include "display/colordlg.h"

#include <exception>

#include "classlib/inifile.h"
#include "display/colorscheme.h"
#include "framework/dc.h"
#include "framework/platform.h"
#include "resources/resources.h"
#include "classlib/services.h"

namespace {
ColorDialogMemory& Remembered() { return *RequiredServices("ColorDialog").colorDialog; }
}  // namespace

int ColorDialog::RememberedSelection() { return Remembered().selection; }

ColorDialog::ColorDialog(TWindow* parent, std::function<void()> showChanges)
    : FloatDlg(parent, ColorTemplate(), Settings(), "ColorDialog"),
      showChanges_(std::move(showChanges)) {
  snapshot_.Copy(TheColors());
}

void ColorDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  TDialogPeer& peer = Peer();
  for (int i = 0; i < kColorElementCount; ++i) peer.ListAdd(kColorListId, Color::Name(i), i);
  int selection = Remembered().selection;
  if (selection < 0 || selection >= peer.ListCount(kColorListId)) selection = 0;
  peer.ListSelect(kColorListId, selection);
  ShowSelection();
}

int ColorDialog::SelectedElement() {
  const int index = Peer().ListSelected(kColorListId);
  if (index < 0) return 0;
  const long element = Peer().ListData(kColorListId, index);
  return element >= 0 && element < kColorElementCount ? static_cast<int>(element) : 0;
}

void ColorDialog::ShowSelection() {
  Peer().SetItemText(kColorDescriptionId, Color::Description(SelectedElement()));
  Peer().InvalidateItem(kColorSampleId);
}

void ColorDialog::DrawItem(int id, TDC& dc, const TRect& rect) {
  if (id == kColorSampleId) dc.FillRect(rect, TheColors().Get(SelectedElement()));
}

void ColorDialog::Command(int id, TNotify notify) {
  if (id == kColorListId && notify == TNotify::SelChange) {
    ShowSelection();
  } else if (id == kColorChangeId && notify == TNotify::Clicked) {
    ChangeColor();
  } else if (id >= kColorSchemeFirstId && id < kColorSchemeFirstId + kColorSchemeCount &&
             notify == TNotify::Clicked) {
    ApplyColorScheme(TheColors(), id - kColorSchemeFirstId);
    ShowSelection();
    ShowChanges();
  } else if (id == kColorDefaultId && notify == TNotify::Clicked) {
    TheColors().Reset(SelectedElement());
    ShowSelection();
    ShowChanges();
  } else {
    FloatDlg::Command(id, notify);
  }
}

void ColorDialog::ChangeColor() {
  const int element = SelectedElement();
  TColor color = TheColors().Get(element);
  // A cancelled picker leaves the colour it started from, which is then stored as it was shown.
  DialogService().ChooseColor(Parent(), color, Remembered().customSlots);
  TheColors().Set(element, color);
  ShowSelection();
  ShowChanges();
}

void ColorDialog::ShowChanges() {
  if (showChanges_) showChanges_();
}

void ColorDialog::CloseWindow(int result) {
  FloatDlg::CloseWindow(result);
  Remembered().selection = Peer().ListSelected(kColorListId);
  if (result != IDOK) {
    TheColors().Copy(snapshot_);
    ShowChanges();
  }
}

void RunColorDialog(TWindow* parent, std::function<void()> showChanges) {
  try {
    ColorDialog(parent, std::move(showChanges)).Execute();
  } catch (const std::exception& e) {
    DialogService().MessageBox(parent, e.what(), "ERROR", MB_OK | MB_ICONSTOP);
  }
}
