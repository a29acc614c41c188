// Template 10, "Possible Words": OK and Cancel under the place where the dialog adds its list.
#include "resources/dlg_wordlist.h"

#include "resources/resources.h"

namespace {
constexpr int kOk = 1;
constexpr int kCancel = 2;

// The list goes at 12, 12 pixels with 155 x 145 pixels; the template fits snugly around it so
// that the dialog's growth for a large list font keeps the buttons centred under the list.
TDialogTemplate MakeWordListTemplate() {
  TDialogTemplate dialog{kWordListTemplateId, "Possible Words", {112, 114}, "MS Sans Serif", 8, {}};
  dialog.controls.push_back({TControlKind::DefaultButton, kOk, "OK", {14, 96, 52, 110}});
  dialog.controls.push_back({TControlKind::Button, kCancel, "Cancel", {60, 96, 98, 110}});
  return dialog;
}
}  // namespace

const TDialogTemplate& WordListTemplate() {
  static const TDialogTemplate dialog = MakeWordListTemplate();
  return dialog;
}
