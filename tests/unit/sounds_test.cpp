// PlayEventSound: what each mode plays, read from the settings at every play.
#include "dialogs/sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/inifile.h"
#include "support/fake_platform.h"

namespace {

class PlayEventSoundTest : public testing::Test {
 protected:
  void SetUp() override { SetSettings(&store); }
  void TearDown() override { SetSettings(nullptr); }

  FakePlatform fake;
  MemoryIniFile store;
};

TEST_F(PlayEventSoundTest, EachModePlaysItsSound) {
  // Defaults: mode 0 everywhere, nothing heard.
  for (int event = 0; event < kSoundEventCount; ++event) PlayEventSound(event);
  EXPECT_TRUE(fake.Sounds().empty());

  store.WriteInt("quillo", "ErrorMode", 1);
  PlayEventSound(kSoundError);
  store.WriteInt("quillo", "ErrorMode", 2);
  PlayEventSound(kSoundError);  // the default file
  store.WriteString("quillo", "ErrorSound", "/usr/share/quillo/oops.wav");
  PlayEventSound(kSoundError);
  store.WriteInt("quillo", "ErrorMode", 7);
  PlayEventSound(kSoundError);
  store.WriteInt("quillo", "HintMode", 2);
  store.WriteInt("quillo", "StartingOverMode", 2);
  PlayEventSound(kSoundHint);
  PlayEventSound(kSoundStartingOver);
  PlayEventSound(-1);
  PlayEventSound(4);

  EXPECT_EQ(fake.Sounds(), (std::vector<SoundRecord>{
                               {SoundKind::Tone, "", 500, 150},
                               {SoundKind::Wave, "uhoh.wav", 0, 0},
                               {SoundKind::Wave, "/usr/share/quillo/oops.wav", 0, 0},
                               {SoundKind::Wave, "ahooga.wav", 0, 0},
                               {SoundKind::Wave, "tada.wav", 0, 0},
                           }));
}

TEST_F(PlayEventSoundTest, WaveFileNameIsCutTo511Characters) {
  std::string longPath = std::string(600, 'a') + ".wav";
  store.WriteInt("quillo", "YouWonMode", 2);
  store.WriteString("quillo", "YouWonSound", longPath.c_str());
  PlayEventSound(kSoundYouWon);
  EXPECT_EQ(fake.Waves(), (std::vector<std::string>{longPath.substr(0, 511)}));
}

}  // namespace
