// Templates 4093 (a message with OK) and 4092 (a prompt, a one-line edit, OK and Cancel).
#include "resources/resources.h"

namespace {
constexpr int kOk = 1;
constexpr int kCancel = 2;
}  // namespace

// The caption is set by the dialog; the text area holds two lines of the template font.
const TDialogTemplate& HintTemplate() {
  static const TDialogTemplate dialog{
      kHintTemplateId,
      "",
      {200, 60},
      "MS Sans Serif",
      8,
      {
          {TControlKind::Static, kMessageTextId, "", {10, 8, 190, 32}},
          {TControlKind::DefaultButton, kOk, "OK", {75, 38, 125, 52}},
      }};
  return dialog;
}

const TDialogTemplate& InputTemplate() {
  static const TDialogTemplate dialog{
      kInputTemplateId,
      "",
      {220, 64},
      "MS Sans Serif",
      8,
      {
          {TControlKind::Static, kInputPromptId, "", {8, 6, 212, 16}},
          {TControlKind::Edit, kInputEditId, "", {8, 18, 212, 30}},
          {TControlKind::DefaultButton, kOk, "OK", {56, 42, 106, 56}},
          {TControlKind::Button, kCancel, "Cancel", {114, 42, 164, 56}},
      }};
  return dialog;
}
