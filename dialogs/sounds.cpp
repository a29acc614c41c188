// PlayEventSound: the beep or the wave file the player chose for a sound event.
#include "dialogs/sounds.h"

#include "classlib/inifile.h"
#include "framework/platform.h"

namespace {
// The beep mode: the tone the game has always made on systems with a speaker.
constexpr int kBeepFrequencyHz = 500;
constexpr int kBeepMilliseconds = 150;
}  // namespace

void PlayEventSound(int event) {
  if (event < 0 || event >= kSoundEventCount) return;
  const SoundEventSettings& sound = kSoundEvents[event];
  switch (Settings().ReadInt(kSoundSection, sound.modeKey, kSoundModeNone)) {
    case kSoundModeBeep:
      SoundService().Tone(kBeepFrequencyHz, kBeepMilliseconds);
      break;
    case kSoundModeWave: {
      char file[kMaxSoundPath + 1];
      Settings().ReadString(kSoundSection, sound.fileKey, sound.defaultFile, file, sizeof file);
      SoundService().PlayWave(file);
      break;
    }
    default:
      break;
  }
}
