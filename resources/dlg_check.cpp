// Template 12, "Check Entered Puzzle": what the check is doing, how long it has run, Cancel.
#include "resources/resources.h"

const TDialogTemplate& CheckTemplate() {
  static const TDialogTemplate dialog{
      kCheckTemplateId,
      "Check Entered Puzzle",
      {200, 66},
      "MS Sans Serif",
      8,
      {
          {TControlKind::CenteredStatic, kCheckTextId, "Looking for solutions...", {10, 8, 190, 18}},
          {TControlKind::CenteredStatic, kCheckProgressId, "", {10, 22, 190, 32}},
          {TControlKind::DefaultButton, 2, "Cancel", {75, 44, 125, 58}},
      }};
  return dialog;
}
