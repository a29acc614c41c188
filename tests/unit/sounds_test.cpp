// Sounds: what each mode plays, and the Change Sounds dialog.
#include <gtest/gtest.h>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "dialogs/sounddlg.h"
#include "dialogs/sounds.h"
#include "resources/dlg_sound.h"
#include "resources/resources.h"
#include "support/fake_platform.h"

namespace {

// The settings the sounds are read from, and a frame for the dialog.
class SoundDialogTest : public testing::Test {
 protected:
  void SetUp() override { frame.Create(); }

  int Mode(int event) { return store.ReadInt("quillo", kSoundEvents[event].modeKey, -1); }
  // One group of the dialog: its checked radio, then L and N while Listen and New Sound are
  // enabled, then the sound file's line, e.g. "wave LN Sound: clap.wav".
  static std::string Group(FakeDialog& d, int event) {
    const SoundGroupIds& ids = kSoundGroupIds[event];
    const char* mode = d.IsChecked(ids.noSound) ? "none" : d.IsChecked(ids.beep) ? "beep"
                       : d.IsChecked(ids.wave) ? "wave" : "?";
    return std::string(mode) + (d.IsEnabled(ids.listen) ? " L" : " -") +
           (d.IsEnabled(ids.newSound) ? "N " : "- ") + d.Text(ids.wave);
  }

  // Runs the dialog; the script acts on it after set-up and closes it with Done unless it ended.
  void Run(const FakePlatform::DialogScript& script) {
    fake.ScriptDialog(kSoundTemplateId, [&](FakeDialog& d) {
      script(d);
      if (!d.Ended()) d.Click(IDOK);
    });
    SoundDialog(&frame, "/opt/quillo/").Execute();
  }

  FakePlatform fake;
  MemoryIniFile store;
  RunServices services{store};
  TFrameWindow frame;
};

TEST_F(SoundDialogTest, EachModePlaysItsSound) {
  for (int event = 0; event < kSoundEventCount; ++event) PlayEventSound(event);  // mode 0: nothing
  EXPECT_TRUE(fake.Sounds().empty());
  const std::string longPath = std::string(600, 'a') + ".wav";  // a wave file's name is cut to 511
  // Each setting is written, then the event is played.
  const struct { const char* key; std::string value; int event; } steps[] = {
      {"ErrorMode", "1", kSoundError}, {"ErrorMode", "2", kSoundError},  // the default file
               {"ErrorSound", "/usr/share/quillo/oops.wav", kSoundError}, {"ErrorMode", "7", kSoundError},
               {"HintMode", "2", kSoundHint}, {"StartingOverMode", "2", kSoundStartingOver},
               {"YouWonMode", "2", -1}, {"YouWonSound", longPath, 4}, {"YouWonSound", longPath, kSoundYouWon}};
  for (const auto& step : steps) {
    store.WriteString("quillo", step.key, step.value.c_str());
    PlayEventSound(step.event);
  }
  EXPECT_EQ(fake.Sounds(), (std::vector<std::string>{"tone 500 150", "wave uhoh.wav", "wave /usr/share/quillo/oops.wav",
                                                     "wave ahooga.wav", "wave tada.wav", "wave " + longPath.substr(0, 511)}));
}

TEST_F(SoundDialogTest, SetUpShowsEachStoredModeAndWritesUnknownModesBackAsNone) {
  const auto shown = [&](const std::vector<std::string>& expected) {
    Run([&](FakeDialog& d) {
      for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(Group(d, event), expected[event]);
    });
  };
  shown({"none -- Sound: ahooga.wav", "none -- Sound: clap.wav", "none -- Sound: tada.wav",
         "none -- Sound: uhoh.wav"});
  for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(Mode(event), 0);

  store.WriteInt("quillo", "HintMode", 1);
  store.WriteInt("quillo", "YouWonMode", 2);
  store.WriteInt("quillo", "StartingOverMode", -3);
  store.WriteInt("quillo", "ErrorMode", 7);
  store.WriteString("quillo", "YouWonSound", "/home/ann/sounds/cheer.wav");
  store.WriteString("quillo", "ErrorSound", "C:\\Sounds/old\\buzz.wav");
  PlayEventSound(kSoundError);  // mode 7 plays nothing
  shown({"beep L- Sound: ahooga.wav", "wave LN Sound: cheer.wav", "none -- Sound: tada.wav",
         "none -- Sound: buzz.wav"});
  const int written[kSoundEventCount] = {1, 2, 0, 0};
  for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(Mode(event), written[event]);
  EXPECT_TRUE(fake.Sounds().empty());
}

TEST_F(SoundDialogTest, RadiosStoreTheModeAndListenPlaysIt) {
  Run([&](FakeDialog& d) {
    const SoundGroupIds& error = kSoundGroupIds[kSoundError];
    const SoundGroupIds& over = kSoundGroupIds[kSoundStartingOver];
    d.Click(error.beep);
    EXPECT_FALSE(d.IsEnabled(error.newSound));
    d.Click(error.listen);
    d.Click(error.wave);
    EXPECT_EQ(Mode(kSoundError), 2);
    d.Click(error.listen);
    d.Click(over.wave);
    d.Click(over.listen);
    d.Click(over.noSound);
    EXPECT_EQ(Mode(kSoundStartingOver), 0);
    EXPECT_FALSE(d.IsEnabled(over.listen) || d.IsEnabled(over.newSound));
  });
  EXPECT_EQ(fake.Sounds(), (std::vector<std::string>{"tone 500 150", "wave uhoh.wav", "wave tada.wav"}));
}

TEST_F(SoundDialogTest, NewSoundStoresTheChosenPathAndKeepsTheMode) {
  store.WriteInt("quillo", "HintMode", 2);
  fake.AnswerOpenFile("/home/ann/sounds/horn.wav");
  fake.AnswerOpenFile("/home/ann/sounds/toot.wav");
  fake.AnswerOpenFile(TOpenFileResult{});  // cancelled
  Run([&](FakeDialog& d) {
    const SoundGroupIds& hint = kSoundGroupIds[kSoundHint];
    d.Click(hint.newSound);
    EXPECT_EQ(d.Text(hint.wave), "Sound: horn.wav");
    d.Click(hint.listen);  // heard at once
    d.Click(hint.newSound);
    d.Click(hint.newSound);
    EXPECT_EQ(d.Text(hint.wave), "Sound: toot.wav");
  });
  ASSERT_EQ(fake.OpenFileRequests().size(), 3u);
  EXPECT_EQ(fake.OpenFileRequests()[0].initialName, "");  // the default file is not offered
  EXPECT_EQ(fake.OpenFileRequests()[1].initialName, "/home/ann/sounds/horn.wav");
  EXPECT_TRUE(store.ReadString("quillo", "HintSound", "") == "/home/ann/sounds/toot.wav" && Mode(kSoundHint) == 2);
  EXPECT_EQ(fake.Sounds(), (std::vector<std::string>{"wave /home/ann/sounds/horn.wav"}));
}

TEST_F(SoundDialogTest, FileDialogFailureIsReportedAndQuits) {
  store.WriteInt("quillo", "YouWonMode", 2);
  fake.AnswerOpenFile(TOpenFileResult{false, "", 0x3002});
  Run([&](FakeDialog& d) { d.Click(kSoundGroupIds[kSoundYouWon].newSound); });
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Change sound dialog error code #12290", "Error", MB_OK}));
  EXPECT_TRUE(fake.QuitCount() == 1 && store.ReadString("quillo", "YouWonSound", "absent") == "absent");
}

}  // namespace
