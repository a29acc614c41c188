// The four sound events, their settings, and PlayEventSound, which plays what the player chose.
#pragma once

#include <array>

#include "engine/gamehooks.h"  // SoundEvent

// Mode values stored under an event's mode key; any other value means no sound.
enum SoundMode { kSoundModeNone = 0, kSoundModeBeep = 1, kSoundModeWave = 2 };

// The settings of one event, all in section "quillo": its mode key (default 0), the key of its
// wave file and the file used while that key is absent.
struct SoundEventSettings {
  const char* name;
  const char* modeKey;
  const char* fileKey;
  const char* defaultFile;
};

inline constexpr int kSoundEventCount = 4;
inline constexpr const char* kSoundSection = "quillo";
// Indexed by SoundEvent.
inline constexpr std::array<SoundEventSettings, kSoundEventCount> kSoundEvents = {{
    {"Hint", "HintMode", "HintSound", "ahooga.wav"},
    {"YouWon", "YouWonMode", "YouWonSound", "clap.wav"},
    {"StartingOver", "StartingOverMode", "StartingOverSound", "tada.wav"},
    {"Error", "ErrorMode", "ErrorSound", "uhoh.wav"},
}};

// The longest wave-file path read from the settings, in characters.
inline constexpr int kMaxSoundPath = 511;

// Reads the event's mode from Settings() at every play: 0 nothing, 1 a 500 Hz tone of 150 ms
// (the beep), 2 its wave file (asynchronously); any other mode, or an event outside 0..3,
// nothing. Never reports a failure.
void PlayEventSound(int event);
