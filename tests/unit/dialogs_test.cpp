// The dialog life cycle; the game's dialogs on the fake: remembered placement, input and win dialogs,
// About, Online; sounds: what each mode plays, and the Change Sounds dialog.
#include <gtest/gtest.h>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/hintdialog.h"
#include "dialogs/online.h"
#include "dialogs/sounddlg.h"
#include "dialogs/sounds.h"
#include "dialogs/youwon.h"
#include "resources/dlg_about.h"
#include "resources/dlg_sound.h"
#include "resources/resources.h"
#include "support/fake_platform.h"

namespace {

constexpr TRect kFrameRect{100, 100, 660, 581};

class GameDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    frame.Create();
    fake.Peer(frame).windowRect = kFrameRect;
  }

  void SavePlacement(const char* section, int corner, int dx, int dy) {
    for (auto [key, value] : {std::pair{"Corner", corner}, {"DX", dx}, {"DY", dy}}) store.WriteInt(section, key, value);
  }
  std::vector<int> SavedPlacement(const char* section) {
    std::vector<int> saved;
    for (const char* key : {"Corner", "DX", "DY"}) saved.push_back(store.ReadInt(section, key, -1));
    return saved;
  }
  // Runs a message dialog; the script sees it after set-up and may drag it before OK.
  TRect ShowMessage(TWindow* parent, const char* section, const TRect* dragTo = nullptr, int fontHeight = 0) {
    TRect opened;
    fake.ScriptDialog(kHintTemplateId, [&](FakeDialog& d) {
      opened = d.Rect();
      if (dragTo) d.Drag(*dragTo);
      d.Click(IDOK);
    });
    MyHintDialog(parent, "Notice", "Select a ciphertext character now", fontHeight, store, section).Execute();
    return opened;
  }
  // Opens the About box (the fake closes it with its one button) and returns what it showed.
  DialogRecord ShowAbout(TVersionValues values) {
    EXPECT_EQ(AboutDlg(&frame, TProjectRCVersion(std::move(values))).Execute(), IDOK);
    return fake.LastDialog();
  }

  FakePlatform fake;
  MemoryIniFile store;
  RunServices services{store};
  TFrameWindow frame;
  // A message dialog's size: the fake's dialog units are two pixels each way.
  const TSize messageSize{HintTemplate().size.cx * 2, HintTemplate().size.cy * 2};
};

TEST_F(GameDialogTest, OpensBesideTheMainWindowFirstThenWhereItWasLeft) {
  // Nothing saved: right of the main window, and that place is saved by its top-right corner.
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(660, 100, messageSize.cx, messageSize.cy));
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{1, 0, 0}));
  // Without room on the right, below it; without room there either, centred over it.
  EXPECT_EQ(floatplace::FirstPlace({300, 200}, kFrameRect, {0, 0, 900, 1040}), TRect::FromSize(100, 581, 300, 200));
  EXPECT_EQ(floatplace::FirstPlace({300, 200}, kFrameRect, {0, 0, 900, 700}), TRect::FromSize(230, 240, 300, 200));

  // Dragged near the bottom-right corner, it comes back at the same offset from that corner
  // after the main window has moved and grown.
  TRect nearBottomRight = TRect::FromSize(600, 550, messageSize.cx, messageSize.cy);
  ShowMessage(&frame, "Error", &nearBottomRight);
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{3, 600 - 660, 550 - 581}));
  fake.Peer(frame).windowRect = {300, 200, 1000, 800};
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(940, 769, messageSize.cx, messageSize.cy));

  SavePlacement("ErrorMsg", 9, 10, 20);  // a corner number out of range counts as the top-left one
  EXPECT_EQ(ShowMessage(&frame, "ErrorMsg"), TRect::FromSize(310, 220, messageSize.cx, messageSize.cy));

  fake.workArea = {50, 40, 1900, 1000};  // without a parent the work area stands in for the main window
  SavePlacement("GameOver", 0, 10, 20);
  EXPECT_EQ(ShowMessage(nullptr, "GameOver"), TRect::FromSize(60, 60, messageSize.cx, messageSize.cy));

  // Whole-pixel distances: sqrt(2) and 1 both count as 1, so the earlier corner wins a tie.
  EXPECT_EQ(floatplace::NearestCorner({0, 0, 2, 2}, {0, 0, 1, 100}) * 10 + floatplace::NearestCorner({0, -2, 2, 2}, {0, 0, 1, 100}), 1);
}

TEST_F(GameDialogTest, PlacementIsClampedToTheWorkAreaAndTheClampedPlaceIsSaved) {
  // Larger than the work area: its left and top edges lie on the work area's.
  fake.workArea = {0, 0, 300, 100};
  SavePlacement("Error", 3, 50, 50);
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(0, 0, messageSize.cx, messageSize.cy));

  // An offset far off the work area is pulled back to its bottom-right; closing without a drag
  // saves that corrected place.
  fake.workArea = {0, 0, 1920, 1040};
  SavePlacement("Error", 3, 5000, 5000);
  TRect opened = ShowMessage(&frame, "Error");
  EXPECT_EQ(opened, TRect::FromSize(1920 - messageSize.cx, 1040 - messageSize.cy, messageSize.cx, messageSize.cy));
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{3, opened.left - 660, opened.top - 581}));
  EXPECT_EQ(ShowMessage(&frame, "Error"), opened);

  // Grown for a large puzzle font after it was placed against the right edge, it is pulled back.
  SavePlacement("HintDialog", 1, 1920 - 660 - messageSize.cx, 0);
  const TRect grown = ShowMessage(&frame, "HintDialog", nullptr, -20);
  EXPECT_TRUE(grown.right == 1920 && grown.Width() > messageSize.cx);

  SavePlacement("Error", 1, INT_MAX, INT_MIN);  // offsets at the ends of the integer range do no harm
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(1920 - messageSize.cx, 0, messageSize.cx, messageSize.cy));
}

TEST_F(GameDialogTest, InputDialogCopiesTheTextOnOkOnly) {
  const auto run = [&](char* buffer, int size, InputValidator valid = nullptr) {
    return MyInputDialog(&frame, "Select A Specific Puzzle", "Enter the puzzle number:", buffer, size, 0,
                         store, "MiscInput", std::move(valid)).Execute();
  };
  char buffer[5] = "12";
  // OK copies what fits: four characters and the terminator.
  fake.ScriptDialog(kInputTemplateId, [](FakeDialog& d) {
    EXPECT_TRUE(d.Text(kInputEditId) == "12" && d.EditLimit(kInputEditId) == 4);
    d.Peer().SetItemText(kInputEditId, "abcdefgh");
    d.Click(IDOK);
  });
  EXPECT_TRUE(run(buffer, sizeof buffer) == IDOK && std::string(buffer) == "abcd");

  // The close box leaves the buffer alone.
  fake.ScriptDialog(kInputTemplateId, [](FakeDialog& d) { d.Type(kInputEditId, "98"); d.CloseBox(); });
  EXPECT_TRUE(run(buffer, sizeof buffer) == IDCANCEL && std::string(buffer) == "abcd");

  // A refused text keeps the dialog open; a buffer without its terminator is read up to its size.
  char unterminated[4] = {'w', 'x', 'y', 'z'};
  fake.ScriptDialog(kInputTemplateId, [](FakeDialog& d) {
    EXPECT_EQ(d.Text(kInputEditId), "wxyz");
    d.Type(kInputEditId, "x");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    d.Type(kInputEditId, "7");
    d.Click(IDOK);
  });
  run(unterminated, sizeof unterminated, [](const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  });
  EXPECT_STREQ(unterminated, "7");
}

TEST_F(GameDialogTest, YouWonDialogAnswersAndKeepsOpenForFavorites) {
  store.WriteInt("quillo", "YouWonMode", 2);
  int favorites = 0;
  fake.ScriptDialog(kYouWonTemplateId, [&](FakeDialog& d) {
    d.Click(kYouWonSaveFavorite);
    EXPECT_FALSE(d.Ended());
    d.Click(kYouWonExit);
  });
  YouWonDialog dialog(&frame, store, "YouWonDialog", [&] { ++favorites; });
  EXPECT_EQ(fake.Sounds(), (std::vector<std::string>{"wave clap.wav"}));  // on construction
  EXPECT_TRUE(dialog.Execute() == kYouWonExit && favorites == 1);

  // The close box counts as No; Save Favorite without a callback does nothing.
  fake.ScriptDialog(kYouWonTemplateId, [](FakeDialog& d) { d.Click(kYouWonSaveFavorite); d.CloseBox(); });
  EXPECT_EQ(YouWonDialog(&frame, store, "YouWonDialog").Execute(), kYouWonNo);
}

TEST_F(GameDialogTest, AboutShowsTheVersionLineAndKeepsTheTemplateTextsForMissingValues) {
  const auto values = [](const char* distribution, bool numbers = true) {
    TVersionValues v;
    v.fileVersion = "2.4.1";
    v.legalCopyright = "Quillo! - a cryptogram game for Linux";
    if (distribution) v.distributionType = distribution;
    if (numbers) v.fixedVersion = TVersionValues::Numbers{2, 4, 1, 17};
    return v;
  };
  const struct { TVersionValues values; bool shift; const char* version; } cases[] = {
      {values("Linux package"), false, "Version 2.4.1 Linux package"},
      {values("Release"), false, "Version 2.4.1"},  // a type beginning with R adds nothing
      {values("retail"), false, "Version 2.4.1 retail"},
      {values("Linux package"), true, "Version 2.4 (Maint 1, Build 17) Linux package"},
      {values("Beta", false), true, "Version 2.4.1 Beta"},  // shift without the numbers
      {values(nullptr), false, "Version"}, {TVersionValues{}, false, "Version"},
  };
  for (const auto& c : cases) {
    fake.keysDown[TKey::Shift] = c.shift;
    EXPECT_EQ(ShowAbout(c.values).Text(kAboutVersionId), c.version);
  }
  EXPECT_EQ(fake.LastDialog().Text(kAboutLegalId), "A cryptogram game");
  TVersionValues longLine = values("x");  // an overlong value is cut to the statics' 255 characters
  longLine.legalCopyright = std::string(300, 'q');
  EXPECT_EQ(ShowAbout(longLine).Text(kAboutLegalId), std::string(255, 'q'));
}

TEST_F(GameDialogTest, OnlineCommandsEachShowOneOfflineNotice) {
  for (auto show : {ShowCheckForUpdates, ShowDecryptUpdate, ShowWebSite}) show(&frame);
  ASSERT_EQ(fake.Transcript().size(), 3u);  // no dialogs, sounds or help pages besides
  for (const MessageBoxRecord& box : fake.Messages()) EXPECT_NE(box.text.find("package tools"), std::string::npos);
}

const TDialogTemplate kOkCancel{50, "Input", {200, 100}, "MS Sans Serif", 8,
                                {{TControlKind::Edit, 10, "", {5, 5, 100, 17}},
                                 {TControlKind::DefaultButton, IDOK, "OK", {5, 80, 50, 94}},
                                 {TControlKind::Button, IDCANCEL, "Cancel", {60, 80, 110, 94}}}};

// Counts the dialog's life-cycle calls and refuses OK while `refuse` is set.
class CountingDialog : public TDialog {
 public:
  explicit CountingDialog(const TDialogTemplate& t = kOkCancel) : TDialog(nullptr, t) {}
  bool CanClose() override { ++canCloseCalls; return !refuse; }
  void CloseWindow(int result) override { closes.push_back(result); }

  bool refuse = false;
  int canCloseCalls = 0;
  std::vector<int> closes;
};

TEST(FrameworkDialog, OkAsksCanCloseCancelEndsAtOnceAndASecondEndIsIgnored) {
  FakePlatform fake;
  CountingDialog dialog;
  dialog.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) {
    d.Click(IDOK);  // refused: stays open
    EXPECT_FALSE(d.Ended());
    dialog.refuse = false;
    d.Click(IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_TRUE(dialog.canCloseCalls == 2 && dialog.closes == std::vector<int>{IDOK});

  // A second End (a handler after the dialog ended) must not run CloseWindow again: it saves
  // the placement and would do so with a stale rectangle.
  CountingDialog cancelled;
  cancelled.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) { d.Click(IDCANCEL); cancelled.End(IDOK); });
  EXPECT_EQ(cancelled.Execute(), IDCANCEL);
  EXPECT_TRUE(cancelled.canCloseCalls == 0 && cancelled.closes == std::vector<int>{IDCANCEL});
}

// The sounds' settings and the Change Sounds dialog, over the same frame.
class SoundDialogTest : public GameDialogTest {
 protected:
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
  shown({"none -- Sound: ahooga.wav", "none -- Sound: clap.wav", "none -- Sound: tada.wav", "none -- Sound: uhoh.wav"});
  for (int event = 0; event < kSoundEventCount; ++event) EXPECT_EQ(Mode(event), 0);

  for (auto [key, value] : {std::pair{"HintMode", "1"}, {"YouWonMode", "2"}, {"StartingOverMode", "-3"},
                            {"ErrorMode", "7"}, {"YouWonSound", "/home/ann/sounds/cheer.wav"},
                            {"ErrorSound", "C:\\Sounds/old\\buzz.wav"}}) {
    store.WriteString("quillo", key, value);
  }
  PlayEventSound(kSoundError);  // mode 7 plays nothing
  shown({"beep L- Sound: ahooga.wav", "wave LN Sound: cheer.wav", "none -- Sound: tada.wav", "none -- Sound: buzz.wav"});
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
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Change sound dialog error code #12290", "Error", MB_OK}));
  EXPECT_TRUE(fake.QuitCount() == 1 && store.ReadString("quillo", "YouWonSound", "absent") == "absent");
}

}  // namespace
