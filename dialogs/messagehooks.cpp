// MessageHooks: message boxes, the message dialog, sounds and option reads for the engine.
#include "dialogs/messagehooks.h"

#include <stdexcept>

#include "classlib/inifile.h"
#include "dialogs/hintdialog.h"
#include "dialogs/sounds.h"
#include "dialogs/timedialog.h"
#include "framework/platform.h"

namespace {
unsigned IconFlags(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kStop:
      return MB_ICONSTOP;
    case MessageIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kNone:
      break;
  }
  return 0;
}
}  // namespace

void MessageHooks::ShowMessage(const std::string& text, const char* caption, MessageIcon icon) {
  DialogService().MessageBox(MessageWindow(), text, caption, MB_OK | IconFlags(icon));
}

void MessageHooks::ShowHint(const char* caption, const std::string& text,
                            const char* placementKey) {
  try {
    MyHintDialog(MessageWindow(), caption, text, DialogFontHeight(), Settings(), placementKey)
        .Execute();
  } catch (const std::exception& e) {
    ShowMessage(e.what(), "ERROR", MessageIcon::kStop);
  }
}

void MessageHooks::PlaySound(SoundEvent event) { PlayEventSound(event); }

bool MessageHooks::QuickEntry() { return Settings().ReadInt("quillo", "QuickEntry", 0) != 0; }

bool MessageHooks::AdvanceAfterGuess() {
  return Settings().ReadInt("quillo", "AdvanceAfterGuess", 0) != 0;
}

bool MessageHooks::ExplainErrors() {
  return Settings().ReadInt("quillo", "ExplainErrors", 1) != 0;
}

bool MessageHooks::AlphabeticalWordLists() {
  return Settings().ReadInt("quillo", "WordlistOrder", 1) != 0;
}

int MessageHooks::Penalty(int index) { return GetPenalty(index); }
