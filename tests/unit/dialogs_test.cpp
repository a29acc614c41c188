// The game's dialogs on the fake: remembered placement, input and win dialogs, About, Online.
#include <gtest/gtest.h>

#include <cstring>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/floatdlg.h"
#include "dialogs/hintdialog.h"
#include "dialogs/online.h"
#include "dialogs/youwon.h"
#include "resources/dlg_about.h"
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
    MyHintDialog(parent, "Notice", "Select a ciphertext character now", fontHeight, store, section)
        .Execute();
    return opened;
  }
  // Opens the About box (the fake closes it with its one button) and returns what it showed.
  DialogRecord ShowAbout(TVersionValues values) {
    EXPECT_EQ(AboutDlg(&frame, TProjectRCVersion(std::move(values))).Execute(), IDOK);
    return fake.LastDialog();
  }
  TSize MessageSize() const {
    TRect rect = fake.DefaultDialogRect(HintTemplate());
    return {rect.Width(), rect.Height()};
  }

  FakePlatform fake;
  MemoryIniFile store;
  RunServices services{store};
  TFrameWindow frame;
};

TEST_F(GameDialogTest, OpensBesideTheMainWindowFirstThenWhereItWasLeft) {
  TSize size = MessageSize();
  // Nothing saved: right of the main window, and that place is saved by its top-right corner.
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(660, 100, size.cx, size.cy));
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{1, 0, 0}));
  // Without room on the right, below it; without room there either, centred over it.
  EXPECT_EQ(floatplace::FirstPlace({300, 200}, kFrameRect, {0, 0, 900, 1040}), TRect::FromSize(100, 581, 300, 200));
  EXPECT_EQ(floatplace::FirstPlace({300, 200}, kFrameRect, {0, 0, 900, 700}), TRect::FromSize(230, 240, 300, 200));

  // Dragged near the bottom-right corner, it comes back at the same offset from that corner
  // after the main window has moved and grown.
  TRect nearBottomRight = TRect::FromSize(600, 550, size.cx, size.cy);
  ShowMessage(&frame, "Error", &nearBottomRight);
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{3, 600 - 660, 550 - 581}));
  fake.Peer(frame).windowRect = {300, 200, 1000, 800};
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(940, 769, size.cx, size.cy));

  // A corner number out of range counts as the top-left one.
  SavePlacement("ErrorMsg", 9, 10, 20);
  EXPECT_EQ(ShowMessage(&frame, "ErrorMsg"), TRect::FromSize(310, 220, size.cx, size.cy));

  // Without a parent the work area stands in for the main window.
  fake.workArea = {50, 40, 1900, 1000};
  SavePlacement("GameOver", 0, 10, 20);
  EXPECT_EQ(ShowMessage(nullptr, "GameOver"), TRect::FromSize(60, 60, size.cx, size.cy));

  // Whole-pixel distances: sqrt(2) and 1 both count as 1, so the earlier corner wins a tie.
  EXPECT_EQ(floatplace::NearestCorner({0, 0, 2, 2}, {0, 0, 1, 100}) * 10 + floatplace::NearestCorner({0, -2, 2, 2}, {0, 0, 1, 100}), 1);
}

TEST_F(GameDialogTest, PlacementIsClampedToTheWorkAreaAndTheClampedPlaceIsSaved) {
  TSize size = MessageSize();
  // Larger than the work area: its left and top edges lie on the work area's.
  fake.workArea = {0, 0, 300, 100};
  SavePlacement("Error", 3, 50, 50);
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(0, 0, size.cx, size.cy));

  // An offset far off the work area is pulled back to its bottom-right; closing without a drag
  // saves that corrected place.
  fake.workArea = {0, 0, 1920, 1040};
  SavePlacement("Error", 3, 5000, 5000);
  TRect opened = ShowMessage(&frame, "Error");
  EXPECT_EQ(opened, TRect::FromSize(1920 - size.cx, 1040 - size.cy, size.cx, size.cy));
  EXPECT_EQ(SavedPlacement("Error"), (std::vector<int>{3, opened.left - 660, opened.top - 581}));
  EXPECT_EQ(ShowMessage(&frame, "Error"), opened);

  // Grown for a large puzzle font after it was placed against the right edge, it is pulled back.
  SavePlacement("HintDialog", 1, 1920 - 660 - size.cx, 0);
  const TRect grown = ShowMessage(&frame, "HintDialog", nullptr, -20);
  EXPECT_TRUE(grown.right == 1920 && grown.Width() > size.cx);

  // Offsets at the ends of the integer range do no harm.
  SavePlacement("Error", 1, INT_MAX, INT_MIN);
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(1920 - size.cx, 0, size.cx, size.cy));
}

TEST_F(GameDialogTest, InputDialogCopiesTheTextOnOkOnly) {
  const auto run = [&](char* buffer, int size, InputValidator valid = nullptr) {
    return MyInputDialog(&frame, "Select A Specific Puzzle", "Enter the puzzle number:", buffer, size, 0,
                         store, "MiscInput", std::move(valid))
        .Execute();
  };
  char buffer[5] = "12";
  // OK copies what fits: four characters and the terminator.
  fake.ScriptDialog(kInputTemplateId, [](FakeDialog& d) {
    EXPECT_TRUE(d.Text(kInputEditId) == "12" && d.EditLimit(kInputEditId) == 4);
    d.Peer().SetItemText(kInputEditId, "abcdefgh");
    d.Click(IDOK);
  });
  EXPECT_EQ(run(buffer, sizeof buffer), IDOK);
  EXPECT_STREQ(buffer, "abcd");

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
      {values(nullptr), false, "Version"},
      {TVersionValues{}, false, "Version"},
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

}  // namespace
