// Template 11, "Quillo! Color Selection": the element list, its description and sample, the schemes, the buttons.
#include "resources/resources.h"

const TDialogTemplate& ColorTemplate() {
  static const TDialogTemplate dialog{
      kColorTemplateId,
      "Quillo! Color Selection",
      {216, 160},
      "MS Sans Serif",
      8,
      {
          {TControlKind::GroupBox, 10, "Change Colors", {6, 4, 210, 96}},
          {TControlKind::DropDownList, 11, "", {14, 18, 120, 90}},
          {TControlKind::Frame, -1, "", {129, 16, 203, 32}},  // outlines a sample as pale as the dialog
          {TControlKind::OwnerDrawStatic, 6, "", {130, 17, 202, 31}},
          {TControlKind::Static, 3, "", {14, 38, 202, 68}},
          {TControlKind::Button, 4, "Change Color", {14, 74, 100, 88}},
          {TControlKind::Button, 5, "Default Color", {116, 74, 202, 88}},
          {TControlKind::GroupBox, 12, "Color Schemes", {6, 100, 210, 134}},
          {TControlKind::Button, 7, "Classic", {14, 114, 70, 128}},
          {TControlKind::Button, 8, "Dark", {78, 114, 134, 128}},
          {TControlKind::Button, 9, "High contrast", {142, 114, 202, 128}},
          {TControlKind::DefaultButton, 1, "OK", {46, 140, 100, 154}},
          {TControlKind::Button, 2, "Cancel", {116, 140, 170, 154}},
      }};
  return dialog;
}
