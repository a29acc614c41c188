// YouWonDialog: plays the winning sound and answers Yes, No, Exit or Save Favorite.
#include "dialogs/youwon.h"

#include <utility>

#include "dialogs/sounds.h"

YouWonDialog::YouWonDialog(TWindow* parent, IniFile& settings, std::string section,
                           std::function<void()> saveFavorite)
    : FloatDlg(parent, YouWonTemplate(), settings, std::move(section)),
      saveFavorite_(std::move(saveFavorite)) {
  PlayEventSound(kSoundYouWon);
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
