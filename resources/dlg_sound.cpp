// Template 3, "Select Sound to Change": four event groups of mode radios and buttons, and Done.
#include "resources/dlg_sound.h"

#include <string>

#include "resources/resources.h"

namespace {
constexpr int kDone = 1;
constexpr int kGroupHeight = 52;
constexpr int kGroupGap = 4;
constexpr int kTop = 6;

struct GroupLayout {
  int event;  // index into kSoundGroupIds
  const char* title;
};

// Top to bottom as the player sees them; the errors group comes before starting over.
constexpr GroupLayout kGroups[4] = {
    {0, "Hints"}, {1, "Winning"}, {3, "Errors"}, {2, "Starting Quote File Again"}};

void AddGroup(TDialogTemplate& dialog, const GroupLayout& layout, int y) {
  const SoundGroupIds& ids = kSoundGroupIds[layout.event];
  auto& controls = dialog.controls;
  controls.push_back(
      {TControlKind::GroupBox, ids.group, layout.title, {6, y, 244, y + kGroupHeight}});
  controls.push_back({TControlKind::Radio, ids.noSound, "No sound", {14, y + 11, 160, y + 21}});
  controls.push_back({TControlKind::Radio, ids.beep, "Beep", {14, y + 23, 160, y + 33}});
  // Set-up replaces this text with the event's own file.
  controls.push_back(
      {TControlKind::Radio, ids.wave, "Sound: ahooga.wav", {14, y + 35, 160, y + 45}});
  controls.push_back({TControlKind::Button, ids.newSound, "New sound", {172, y + 12, 236, y + 26}});
  controls.push_back({TControlKind::Button, ids.listen, "Listen", {172, y + 30, 236, y + 44}});
}

TDialogTemplate MakeSoundTemplate() {
  TDialogTemplate dialog{kSoundTemplateId, "Select Sound to Change", {250, 252}, "MS Sans Serif", 8, {}};
  for (int i = 0; i < 4; ++i) AddGroup(dialog, kGroups[i], kTop + i * (kGroupHeight + kGroupGap));
  const int buttons = kTop + 4 * (kGroupHeight + kGroupGap) + 2;
  dialog.controls.push_back(
      {TControlKind::DefaultButton, kDone, "Done", {100, buttons, 150, buttons + 14}});
  return dialog;
}
}  // namespace

const TDialogTemplate& SoundTemplate() {
  static const TDialogTemplate dialog = MakeSoundTemplate();
  return dialog;
}
