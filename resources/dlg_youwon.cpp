// Template 2, "Congratulations!": the question after a solved puzzle and its four buttons.
#include "resources/resources.h"

const TDialogTemplate& YouWonTemplate() {
  static const TDialogTemplate dialog{
      kYouWonTemplateId,
      "Congratulations!",
      {214, 82},
      "MS Sans Serif",
      8,
      {
          {TControlKind::CenteredStatic, kYouWonText, "You solved it!\nStart a new game?", {10, 8, 204, 52}},
          {TControlKind::DefaultButton, kYouWonYes, "Yes", {8, 60, 48, 74}},
          {TControlKind::Button, kYouWonNo, "No", {54, 60, 94, 74}},
          {TControlKind::Button, kYouWonExit, "Exit", {100, 60, 140, 74}},
          {TControlKind::Button, kYouWonSaveFavorite, "Save Favorite", {146, 60, 206, 74}},
      }};
  return dialog;
}
