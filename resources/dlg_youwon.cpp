// Template 2, "Congratulations!": the question after a solved puzzle and its four buttons.
#include "resources/resources.h"

const TDialogTemplate& YouWonTemplate() {
  static const TDialogTemplate dialog{
      kYouWonTemplateId,
      "Congratulations!",
      {214, 62},
      "MS Sans Serif",
      8,
      {
          {TControlKind::CenteredStatic, -1, "You solved it!\nStart a new game?", {10, 8, 204, 30}},
          {TControlKind::DefaultButton, kYouWonYes, "Yes", {8, 40, 48, 54}},
          {TControlKind::Button, kYouWonNo, "No", {54, 40, 94, 54}},
          {TControlKind::Button, kYouWonExit, "Exit", {100, 40, 140, 54}},
          {TControlKind::Button, kYouWonSaveFavorite, "Save Favorite", {146, 40, 206, 54}},
      }};
  return dialog;
}
