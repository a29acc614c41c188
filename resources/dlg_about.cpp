// Template 9, "About Quillo!": the icon, the program's name, its version line and an OK button.
#include "resources/dlg_about.h"
#include "resources/resources.h"

const TDialogTemplate& AboutTemplate() {
  static const TDialogTemplate dialog{
      kAboutTemplateId,
      "About Quillo!",
      {180, 86},
      "MS Sans Serif",
      8,
      {
          {TControlKind::Frame, -1, "", {6, 6, 174, 58}},
          {TControlKind::Icon, -1, "", {14, 14, 34, 34}},
          {TControlKind::Static, -1, "Quillo!", {44, 14, 168, 24}},
          // Set-up replaces both texts with the program's own.
          {TControlKind::Static, kAboutVersionId, "Version", {44, 28, 168, 38}},
          {TControlKind::Static, kAboutLegalId, "A cryptogram game", {44, 42, 168, 52}},
          {TControlKind::DefaultButton, IDOK, "OK", {65, 66, 115, 80}},
      }};
  return dialog;
}
