// YouWonDialog: plays the winning sound and answers Yes, No, Exit or Save Favorite.
#include "dialogs/youwon.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "dialogs/sounds.h"

std::string WinSummary(const PanelState& panel) {
  const int seconds = std::clamp(panel.elapsedSeconds, 0, kMaxClockSeconds);
  char time[16];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  const struct {
    int count;
    const char* name;
  } helps[] = {{panel.confirmCount, "confirm"},         {panel.undoCount, "undo error"},
               {panel.littleHintCount, "little hint"},  {panel.bigHintCount, "big hint"},
               {panel.wordListCount, "word list"}};
  std::string used;
  for (const auto& help : helps) {
    if (help.count <= 0) continue;
    if (!used.empty()) used += ", ";
    used += std::to_string(help.count) + " " + help.name + (help.count == 1 ? "" : "s");
  }
  return std::string("You solved it in ") + time + ".\nHelp used: " +
         (used.empty() ? "none" : used) + ".\n\nStart a new game?";
}

YouWonDialog::YouWonDialog(TWindow* parent, IniFile& settings, std::string section,
                           std::function<void()> saveFavorite, std::string summary)
    : FloatDlg(parent, YouWonTemplate(), settings, std::move(section)),
      saveFavorite_(std::move(saveFavorite)), summary_(std::move(summary)) {
  PlayEventSound(kSoundYouWon);
}

void YouWonDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  if (!summary_.empty()) Peer().SetItemText(kYouWonText, summary_);
}

int YouWonDialog::Execute() {
  int result = TDialog::Execute();
  if (result == kYouWonYes || result == kYouWonExit) return result;
  return kYouWonNo;
}

void YouWonDialog::Command(int id, TNotify notify) {
  if (notify != TNotify::Clicked) return;
  switch (id) {
    case kYouWonYes:
    case kYouWonNo:
    case kYouWonExit:
      End(id);
      break;
    case IDOK:
      End(kYouWonYes);
      break;
    case IDCANCEL:
      End(kYouWonNo);
      break;
    case kYouWonSaveFavorite:
      if (saveFavorite_) saveFavorite_();
      break;
    default:
      break;
  }
}
