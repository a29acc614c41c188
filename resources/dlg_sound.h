// Control ids of template 3, "Select Sound to Change": one group of controls per sound event.
#pragma once

#include <array>

// The controls of one event's group: the group box, the three mode radios and the two buttons.
struct SoundGroupIds {
  int group;
  int noSound;
  int beep;
  int wave;  // "Sound: <file>"
  int newSound;
  int listen;
};

// Indexed by sound event: Hint, YouWon, StartingOver, Error.
inline constexpr std::array<SoundGroupIds, 4> kSoundGroupIds = {{
    {106, 113, 122, 115, 112, 109},
    {101, 119, 114, 123, 103, 102},
    {104, 120, 121, 124, 110, 108},
    {105, 116, 117, 118, 111, 107},
}};
