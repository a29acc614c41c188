// YouWonDialog: "Congratulations!" after a solved puzzle, asking whether to start a new game.
#pragma once

#include <functional>
#include <string>

#include "dialogs/floatdlg.h"
#include "engine/game.h"
#include "resources/resources.h"

// The dialog's text: "You solved it in H:MM:SS" and the help used (each kind counted, or "no
// help"), then the question.
std::string WinSummary(const PanelState& panel);

// Construction plays the YouWon sound; summary (when not empty) replaces the template's text. Run with Execute: Yes, No and Exit end the dialog with
// kYouWonYes (101), kYouWonNo (102) and kYouWonExit (103); the close box and Escape count as No,
// Enter as Yes. "Save Favorite" calls saveFavorite (when given) and leaves the dialog open.
class YouWonDialog : public FloatDlg {
 public:
  YouWonDialog(TWindow* parent, IniFile& settings, std::string section,
               std::function<void()> saveFavorite = {}, std::string summary = {});

  // Runs the dialog modally; always one of 101, 102, 103. Hides TDialog::Execute so that a
  // close by the window system reads as No.
  int Execute();
  void Command(int id, TNotify notify) override;
  void SetupWindow() override;

 private:
  std::function<void()> saveFavorite_;
  std::string summary_;
};
