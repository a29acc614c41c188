// Sounds: what each mode plays, and the Change Sounds dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  void SetUp() override {
    frame.Create();
    SetSettings(&store);
  }
  void TearDown() override { SetSettings(nullptr); }

  int Mode(int event) { return store.ReadInt("quillo", kSoundEvents[event].modeKey, -1); }

  // Runs the dialog; the script acts on it after set-up and closes it with Done unless it ended.
  void Run(const FakePlatform::DialogScript& script) {
    fake.ScriptDialog(3, [&](FakeDialog& d) {
      script(d);
      if (!d.Ended()) d.Click(IDOK);
    });
    SoundDialog(&frame, "/opt/quillo/").Execute();
  }

  FakePlatform fake;
  MemoryIniFile store;
  TFrameWindow frame;
};

TEST_F(SoundDialogTest, EachModePlaysItsSound) {
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
  // A wave file's name is cut to 511 characters.
  const std::string longPath = std::string(600, 'a') + ".wav";
  store.WriteInt("quillo", "YouWonMode", 2);
  store.WriteString("quillo", "YouWonSound", longPath.c_str());
  PlayEventSound(kSoundYouWon);

  EXPECT_EQ(fake.Sounds(), (std::vector<SoundRecord>{
                               {SoundKind::Tone, "", 500, 150},
                               {SoundKind::Wave, "uhoh.wav", 0, 0},
                               {SoundKind::Wave, "/usr/share/quillo/oops.wav", 0, 0},
                               {SoundKind::Wave, "ahooga.wav", 0, 0},
                               {SoundKind::Wave, "tada.wav", 0, 0},
                               {SoundKind::Wave, longPath.substr(0, 511), 0, 0},
                           }));
}

TEST_F(SoundDialogTest, DefaultsShowNoSoundWithButtonsDisabled) {
  Run([&](FakeDialog& d) {
    for (int event = 0; event < kSoundEventCount; ++event) {
      const SoundGroupIds& ids = kSoundGroupIds[event];
      EXPECT_TRUE(d.IsChecked(ids.noSound)) << event;
      EXPECT_FALSE(d.IsEnabled(ids.listen)) << event;
      EXPECT_FALSE(d.IsEnabled(ids.newSound)) << event;
    }
    EXPECT_EQ(d.Text(123), "Sound: clap.wav");
  });
  EXPECT_TRUE(fake.Sounds().empty());
  for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(Mode(event), 0);
}

TEST_F(SoundDialogTest, SetUpShowsEachStoredModeAndWritesUnknownModesBackAsNone) {
  store.WriteInt("quillo", "HintMode", 1);
  store.WriteInt("quillo", "YouWonMode", 2);
  store.WriteInt("quillo", "StartingOverMode", -3);
  store.WriteInt("quillo", "ErrorMode", 7);
  store.WriteString("quillo", "YouWonSound", "/home/ann/sounds/cheer.wav");
  store.WriteString("quillo", "ErrorSound", "C:\\Sounds/old\\buzz.wav");
  PlayEventSound(kSoundError);  // mode 7 plays nothing
  Run([&](FakeDialog& d) {
    EXPECT_TRUE(d.IsChecked(122));  // Hint: Beep
    EXPECT_FALSE(d.IsEnabled(112));
    EXPECT_TRUE(d.IsChecked(123));  // YouWon: the sound file
    EXPECT_TRUE(d.IsEnabled(103));
    EXPECT_EQ(d.Text(123), "Sound: cheer.wav");
    EXPECT_TRUE(d.IsChecked(120));  // StartingOver: no sound
    EXPECT_TRUE(d.IsChecked(116));  // Error: no sound
    EXPECT_FALSE(d.IsEnabled(107));
    EXPECT_EQ(d.Text(118), "Sound: buzz.wav");
  });
  EXPECT_EQ(Mode(kSoundHint), 1);
  EXPECT_EQ(Mode(kSoundYouWon), 2);
  EXPECT_EQ(Mode(kSoundStartingOver), 0);
  EXPECT_EQ(Mode(kSoundError), 0);
  EXPECT_TRUE(fake.Sounds().empty());
}

TEST_F(SoundDialogTest, RadiosStoreTheModeAndListenPlaysIt) {
  Run([&](FakeDialog& d) {
    d.Click(117);  // Error: Beep
    EXPECT_FALSE(d.IsEnabled(111));
    d.Click(107);
    d.Click(118);  // Error: the sound file
    EXPECT_EQ(Mode(kSoundError), 2);
    d.Click(107);
    d.Click(124);  // StartingOver: the sound file
    d.Click(108);
    d.Click(120);  // and back to none
    EXPECT_EQ(Mode(kSoundStartingOver), 0);
    EXPECT_FALSE(d.IsEnabled(108));
    EXPECT_FALSE(d.IsEnabled(110));
  });
  EXPECT_EQ(fake.Sounds(), (std::vector<SoundRecord>{{SoundKind::Tone, "", 500, 150},
                                                     {SoundKind::Wave, "uhoh.wav", 0, 0},
                                                     {SoundKind::Wave, "tada.wav", 0, 0}}));
}

TEST_F(SoundDialogTest, NewSoundStoresTheChosenPathAndKeepsTheMode) {
  store.WriteInt("quillo", "HintMode", 2);
  fake.AnswerOpenFile("/home/ann/sounds/horn.wav");
  fake.AnswerOpenFile("/home/ann/sounds/toot.wav");
  fake.AnswerOpenFile(TOpenFileResult{});  // cancelled
  Run([&](FakeDialog& d) {
    d.Click(112);
    EXPECT_EQ(d.Text(115), "Sound: horn.wav");
    d.Click(109);  // heard at once
    d.Click(112);
    d.Click(112);
    EXPECT_EQ(d.Text(115), "Sound: toot.wav");
  });
  ASSERT_EQ(fake.OpenFileRequests().size(), 3u);
  EXPECT_EQ(fake.OpenFileRequests()[0].initialName, "");  // the default file is not offered
  EXPECT_EQ(fake.OpenFileRequests()[1].initialName, "/home/ann/sounds/horn.wav");
  EXPECT_EQ(store.ReadString("quillo", "HintSound", ""), "/home/ann/sounds/toot.wav");
  EXPECT_EQ(Mode(kSoundHint), 2);
  EXPECT_EQ(fake.Waves(), (std::vector<std::string>{"/home/ann/sounds/horn.wav"}));
}

TEST_F(SoundDialogTest, FileDialogFailureIsReportedAndQuits) {
  store.WriteInt("quillo", "YouWonMode", 2);
  fake.AnswerOpenFile(TOpenFileResult{false, "", 0x3002});
  Run([&](FakeDialog& d) { d.Click(103); });
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Change sound dialog error code #12290", "Error", MB_OK}));
  EXPECT_TRUE(fake.QuitCalled());
  EXPECT_EQ(store.ReadString("quillo", "YouWonSound", "absent"), "absent");
}

TEST(SoundFileNameTest, KeepsThePartAfterTheLastSeparator) {
  EXPECT_EQ(SoundFileName("ahooga.wav"), "ahooga.wav");
  EXPECT_EQ(SoundFileName("a\\b/c\\d.wav"), "d.wav");
  EXPECT_EQ(SoundFileName("folder/"), "");
}

}  // namespace
