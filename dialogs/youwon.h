// YouWonDialog: "Congratulations!" after a solved puzzle, asking whether to start a new game.
#pragma once

#include <functional>
#include <string>

#include "dialogs/floatdlg.h"
#include "resources/resources.h"

// Construction plays the YouWon sound. Run with Execute: Yes, No and Exit end the dialog with
// kYouWonYes (101), kYouWonNo (102) and kYouWonExit (103); the close box and Escape count as No,
// Enter as Yes. "Save Favorite" calls saveFavorite (when given) and leaves the dialog open.
class YouWonDialog : public FloatDlg {
 public:
  YouWonDialog(TWindow* parent, IniFile& settings, std::string section,
               std::function<void()> saveFavorite = {});

  // Runs the dialog modally; always one of 101, 102, 103. Hides TDialog::Execute so that a
  // close by the window system reads as No.
  int Execute();
  void Command(int id, TNotify notify) override;

 private:
  std::function<void()> saveFavorite_;
};
