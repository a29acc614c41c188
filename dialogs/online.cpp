// The Help > Online commands: honest notes that updates come through the system's packages.
#include "dialogs/online.h"

#include "framework/platform.h"

namespace {
void Inform(TWindow* parent, const char* text) {
  DialogService().MessageBox(parent, text, "Quillo!", MB_OK | MB_ICONINFORMATION);
}
}  // namespace

void ShowCheckForUpdates(TWindow* parent) {
  Inform(parent,
         "Quillo! runs entirely offline and never connects to the Internet.\n\n"
         "New versions come through your system's package tools:\n"
         "update your system as usual to update Quillo!.");
}

void ShowDecryptUpdate(TWindow* parent) {
  Inform(parent,
         "There are no downloaded updates to decrypt.\n\n"
         "Quillo! is updated with your system's package tools,\n"
         "which install every new version, collection and word list for you.");
}

void ShowWebSite(TWindow* parent) {
  Inform(parent,
         "Quillo! works offline and does not open web pages.\n\n"
         "Everything you need is in Help (F1); news of new versions\n"
         "comes through your system's package tools.");
}
