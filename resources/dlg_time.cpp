// Template 4, "Change Time Penalties": six centred edits, each between its label and "seconds".
#include "resources/dlg_time.h"

#include "resources/resources.h"

namespace {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kRowHeight = 18;
constexpr int kTop = 8;

const char* const kLabels[6] = {"Confirm:",     "Undo error:",
                                "Little hint:", "Big hint:",
                                "Word list, alphabetical:", "Word list, by frequency:"};

TDialogTemplate MakeTimeTemplate() {
  TDialogTemplate dialog{kTimeTemplateId, "Change Time Penalties", {214, 142}, "MS Sans Serif", 8, {}};
  for (int i = 0; i < 6; ++i) {
    const int y = kTop + i * kRowHeight;
    dialog.controls.push_back({TControlKind::Static, -1, kLabels[i], {8, y + 2, 114, y + 12}});
    dialog.controls.push_back(
        {TControlKind::CenteredEdit, kTimeFieldIds[i], "", {118, y, 158, y + 12}});
    dialog.controls.push_back({TControlKind::Static, -1, "seconds", {162, y + 2, 206, y + 12}});
  }
  const int buttons = kTop + 6 * kRowHeight + 4;
  dialog.controls.push_back(
      {TControlKind::DefaultButton, kOk, "OK", {50, buttons, 100, buttons + 14}});
  dialog.controls.push_back(
      {TControlKind::Button, kCancel, "Cancel", {114, buttons, 164, buttons + 14}});
  return dialog;
}
}  // namespace

const TDialogTemplate& TimeTemplate() {
  static const TDialogTemplate dialog = MakeTimeTemplate();
  return dialog;
}
