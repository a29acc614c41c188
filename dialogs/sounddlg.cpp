// SoundDialog: shows and stores the mode and wave file of each sound event.
#include "dialogs/sounddlg.h"

#include <string>
#include <utility>

#include "classlib/inifile.h"
#include "dialogs/sounds.h"
#include "framework/platform.h"
#include "resources/dlg_sound.h"
#include "resources/resources.h"

namespace {
// The file dialog's name buffer held 259 characters and a terminating zero.
constexpr std::size_t kMostNameCharacters = 259;

// The event and the action of a control id; false for an id of no group.
enum class SoundControl { NoSound, Beep, Wave, NewSound, Listen };
bool FindControl(int id, int& event, SoundControl& control) {
  for (int e = 0; e < kSoundEventCount; ++e) {
    const SoundGroupIds& ids = kSoundGroupIds[e];
    const std::pair<int, SoundControl> controls[] = {
        {ids.noSound, SoundControl::NoSound}, {ids.beep, SoundControl::Beep},
        {ids.wave, SoundControl::Wave},       {ids.newSound, SoundControl::NewSound},
        {ids.listen, SoundControl::Listen}};
    for (const auto& [controlId, kind] : controls) {
      if (controlId != id) continue;
      event = e;
      control = kind;
      return true;
    }
  }
  return false;
}

std::string StoredFile(const SoundEventSettings& sound, const char* fallback) {
  std::string file = Settings().ReadString(kSoundSection, sound.fileKey, fallback);
  if (file.size() > static_cast<std::size_t>(kMaxSoundPath)) file.resize(kMaxSoundPath);
  return file;
}
}  // namespace

std::string SoundFileName(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  return name.substr(name.find_last_of('\\') + 1);
}

SoundDialog::SoundDialog(TWindow* parent, std::string programFolder)
    : FloatDlg(parent, SoundTemplate(), Settings(), "SoundDialog"),
      programFolder_(std::move(programFolder)) {}

void SoundDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  for (int event = 0; event < kSoundEventCount; ++event) {
    const SoundGroupIds& ids = kSoundGroupIds[event];
    int mode = Settings().ReadInt(kSoundSection, kSoundEvents[event].modeKey, kSoundModeNone);
    if (mode != kSoundModeBeep && mode != kSoundModeWave) mode = kSoundModeNone;
    Peer().SetCheck(ids.noSound, mode == kSoundModeNone);
    Peer().SetCheck(ids.beep, mode == kSoundModeBeep);
    Peer().SetCheck(ids.wave, mode == kSoundModeWave);
    ApplyMode(event, mode);
    ShowFileName(event);
  }
}

void SoundDialog::Command(int id, TNotify notify) {
  int event = 0;
  SoundControl control = SoundControl::NoSound;
  if (notify != TNotify::Clicked || !FindControl(id, event, control)) {
    TDialog::Command(id, notify);
    return;
  }
  switch (control) {
    case SoundControl::NoSound: ApplyMode(event, kSoundModeNone); break;
    case SoundControl::Beep: ApplyMode(event, kSoundModeBeep); break;
    case SoundControl::Wave: ApplyMode(event, kSoundModeWave); break;
    case SoundControl::NewSound: ChooseNewSound(event); break;
    case SoundControl::Listen: PlayEventSound(event); break;
  }
}

void SoundDialog::ApplyMode(int event, int mode) {
  const SoundGroupIds& ids = kSoundGroupIds[event];
  Settings().WriteInt(kSoundSection, kSoundEvents[event].modeKey, mode);
  Peer().EnableItem(ids.listen, mode == kSoundModeBeep || mode == kSoundModeWave);
  Peer().EnableItem(ids.newSound, mode == kSoundModeWave);
}

void SoundDialog::ShowFileName(int event) {
  const SoundEventSettings& sound = kSoundEvents[event];
  Peer().SetItemText(kSoundGroupIds[event].wave,
                     "Sound: " + SoundFileName(StoredFile(sound, sound.defaultFile)));
}

void SoundDialog::ChooseNewSound(int event) {
  const SoundEventSettings& sound = kSoundEvents[event];
  TOpenFileRequest request;
  request.title = "Sound File";
  request.filter = "Wave files (*.wav)|*.wav|";
  request.defaultExtension = "wav";
  request.initialFolder = programFolder_;
  // The stored file only: an event still on its default file starts with an empty name.
  request.initialName = StoredFile(sound, "").substr(0, kMostNameCharacters);
  const TOpenFileResult result = DialogService().OpenFile(Parent(), request);
  if (result.ok) {
    Settings().WriteString(kSoundSection, sound.fileKey, result.path.c_str());
    ShowFileName(event);
  } else if (result.errorCode != 0) {
    const std::string text =
        "Change sound dialog error code #" + std::to_string(result.errorCode);
    DialogService().MessageBox(Parent(), text, "Error", MB_OK);
    End(IDCANCEL);
    SystemService().Quit();
  }
}
