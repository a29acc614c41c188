// The game's dialogs against the fake: remembered placement, message and input dialogs, the win dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "classlib/inifile.h"
#include "dialogs/floatdlg.h"
#include "dialogs/hintdialog.h"
#include "dialogs/youwon.h"
#include "support/fake_platform.h"
#include "resources/resources.h"

namespace {

constexpr TRect kFrameRect{100, 100, 660, 581};

// A store without a file that lists what each flush wrote.
class RecordingStore : public MemoryIniFile {
 public:
  void WriteRaw(const char* section, const char* key, const char* value) override {
    written.push_back(std::string(section) + "/" + key + "=" + value);
  }
  std::vector<std::string> SortedWrites() const {
    std::vector<std::string> sorted = written;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }
  std::vector<std::string> written;
};

class GameDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    frame.Create();
    fake.Peer(frame).windowRect = kFrameRect;
    SetSettings(&store);
  }
  void TearDown() override { SetSettings(nullptr); }

  void SavePlacement(const char* section, int corner, int dx, int dy) {
    store.WriteInt(section, "Corner", corner);
    store.WriteInt(section, "DX", dx);
    store.WriteInt(section, "DY", dy);
  }
  std::vector<int> SavedPlacement(const char* section) {
    return {store.ReadInt(section, "Corner", -1), store.ReadInt(section, "DX", -1),
            store.ReadInt(section, "DY", -1)};
  }
  // Runs a message dialog; the script sees it after set-up and may drag it before OK.
  TRect ShowMessage(TWindow* parent, const char* section, const TRect* dragTo = nullptr) {
    TRect opened;
    fake.ScriptDialog(4093, [&](FakeDialog& d) {
      opened = d.Rect();
      if (dragTo) d.Drag(*dragTo);
      d.Click(IDOK);
    });
    MyHintDialog(parent, "Notice", "Select a ciphertext character now", 0, store, section)
        .Execute();
    return opened;
  }
  TSize MessageSize() const {
    TRect rect = fake.DefaultDialogRect(HintTemplate());
    return {rect.Width(), rect.Height()};
  }

  FakePlatform fake;
  RecordingStore store;
  TFrameWindow frame;
};

TEST_F(GameDialogTest, OpensAtMainWindowCornerAndRemembersOnClose) {
  TSize size = MessageSize();
  // Nothing saved: the top-left corner of the main window, and that place is flushed at once.
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(100, 100, size.cx, size.cy));
  EXPECT_EQ(store.SortedWrites(),
            (std::vector<std::string>{"Error/Corner=0", "Error/DX=0", "Error/DY=0"}));

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
}

TEST_F(GameDialogTest, CentreHalfwayBetweenCornersKeepsTheEarlierCorner) {
  TSize size = MessageSize();
  // Centre at (380, 100): 280 pixels from both top corners.
  TRect halfway = TRect::FromSize(380 - size.cx / 2, 100 - size.cy / 2, size.cx, size.cy);
  ShowMessage(&frame, "HintDialog", &halfway);
  EXPECT_EQ(SavedPlacement("HintDialog"),
            (std::vector<int>{0, halfway.left - 100, halfway.top - 100}));

  // Whole-pixel distances: sqrt(2) and 1 both count as 1, so the top-left corner still wins.
  EXPECT_EQ(floatplace::NearestCorner({0, 0, 2, 2}, {0, 0, 1, 100}), 0);
  EXPECT_EQ(floatplace::NearestCorner({0, -2, 2, 2}, {0, 0, 1, 100}), 1);
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

  // Offsets at the ends of the integer range do no harm.
  SavePlacement("Error", 1, INT_MAX, INT_MIN);
  EXPECT_EQ(ShowMessage(&frame, "Error"), TRect::FromSize(1920 - size.cx, 0, size.cx, size.cy));
}

// The message dialog's rectangles at the end, for comparing sizes.
struct MessageLayout {
  TRect dialog;
  TRect text;
  TRect ok;
  std::optional<TLogFont> font;
};

TEST_F(GameDialogTest, MessageDialogGrowsOnlyForLargeFonts) {
  auto show = [&](int fontHeight) {
    MessageLayout layout;
    fake.ScriptDialog(4093, [&](FakeDialog& d) {
      layout = {d.Rect(), d.ItemRect(kMessageTextId), d.ItemRect(IDOK), d.Control(kMessageTextId).font};
      EXPECT_EQ(d.Caption(), "Sorry!");
      EXPECT_EQ(d.Text(kMessageTextId), "The game is over!");
      d.Click(IDOK);
    });
    MyHintDialog(&frame, "Sorry!", "The game is over!", fontHeight, store, "GameOver").Execute();
    return layout;
  };
  MessageLayout plain = show(0);
  for (int height : {13, -13}) {
    MessageLayout same = show(height);
    EXPECT_EQ(same.dialog, plain.dialog) << height;
    EXPECT_EQ(same.text, plain.text) << height;
    EXPECT_FALSE(same.font.has_value()) << height;
  }

  // Height 23 (the fake's Arial: 11 pixels a character): 44 characters wide, the button moves
  // half the growth right, the dialog grows by twice that half.
  MessageLayout wide = show(-23);
  ASSERT_TRUE(wide.font.has_value());
  EXPECT_STREQ(wide.font->faceName, "Arial");
  EXPECT_EQ(wide.font->height, -23);
  EXPECT_EQ(wide.font->weight, 400);
  int dx = 44 * 11 - plain.text.Width();
  ASSERT_GT(dx, 0);
  EXPECT_EQ(wide.text, (TRect{plain.text.left, plain.text.top, plain.text.right + dx, plain.text.bottom}));
  EXPECT_EQ(wide.ok, plain.ok.Offset(dx / 2, 0));
  EXPECT_EQ(wide.dialog.Width(), plain.dialog.Width() + 2 * (dx / 2));
  EXPECT_EQ(wide.dialog.Height(), plain.dialog.Height());

  // A font taller than the text area grows it downwards too, and the button with it.
  MessageLayout tall = show(-60);
  int dy = 60 - plain.text.Height();
  ASSERT_GT(dy, 0);
  EXPECT_EQ(tall.text.Height(), 60);
  EXPECT_EQ(tall.ok.top, plain.ok.top + dy);
  EXPECT_EQ(tall.dialog.Height(), plain.dialog.Height() + dy);
}

TEST_F(GameDialogTest, InputDialogCopiesTheTextOnOkOnly) {
  char buffer[5] = "12";
  // OK copies what fits: four characters and the terminator.
  fake.ScriptDialog(4092, [](FakeDialog& d) {
    EXPECT_EQ(d.Caption(), "Select A Specific Puzzle");
    EXPECT_EQ(d.Text(kInputPromptId), "Enter the puzzle number:");
    EXPECT_EQ(d.Text(kInputEditId), "12");
    EXPECT_EQ(d.EditLimit(kInputEditId), 4);
    d.Peer().SetItemText(kInputEditId, "abcdefgh");
    d.Click(IDOK);
  });
  EXPECT_EQ(MyInputDialog(&frame, "Select A Specific Puzzle", "Enter the puzzle number:", buffer,
                          sizeof buffer, 0, store, "MiscInput")
                .Execute(),
            IDOK);
  EXPECT_STREQ(buffer, "abcd");

  // Cancel and the close box leave the buffer alone.
  fake.ScriptDialog(4092, [](FakeDialog& d) { d.Type(kInputEditId, "99"); d.Click(IDCANCEL); });
  fake.ScriptDialog(4092, [](FakeDialog& d) { d.Type(kInputEditId, "98"); d.CloseBox(); });
  for (int run = 0; run < 2; ++run) {
    EXPECT_EQ(MyInputDialog(&frame, "Printer Margins", "Enter printer margin in inches:", buffer,
                            sizeof buffer, 0, store, "MiscInput")
                  .Execute(),
              IDCANCEL);
    EXPECT_STREQ(buffer, "abcd");
  }
  EXPECT_EQ(SavedPlacement("MiscInput"), (std::vector<int>{0, 0, 0}));

  // A refused text keeps the dialog open; a buffer without a terminator is read only up to its size.
  char unterminated[4] = {'w', 'x', 'y', 'z'};
  fake.ScriptDialog(4092, [](FakeDialog& d) {
    EXPECT_EQ(d.Text(kInputEditId), "wxyz");
    d.Type(kInputEditId, "x");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    d.Type(kInputEditId, "7");
    d.Click(IDOK);
  });
  InputValidator digitsOnly = [](const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  MyInputDialog(&frame, "Select A Specific Puzzle", "Enter the puzzle number:", unterminated,
                sizeof unterminated, 0, store, "MiscInput", digitsOnly)
      .Execute();
  EXPECT_STREQ(unterminated, "7");
}

TEST_F(GameDialogTest, InputDialogGrowsOnlyForLargeFonts) {
  struct Layout {
    TRect dialog, prompt, edit, ok, cancel;
  };
  auto show = [&](int fontHeight) {
    Layout layout;
    fake.ScriptDialog(4092, [&](FakeDialog& d) {
      layout = {d.Rect(), d.ItemRect(kInputPromptId), d.ItemRect(kInputEditId), d.ItemRect(IDOK),
                d.ItemRect(IDCANCEL)};
      EXPECT_EQ(d.Control(kInputEditId).font.has_value(), fontHeight > 13);
      d.Click(IDCANCEL);
    });
    char buffer[1000] = "";
    MyInputDialog(&frame, "Plaintext Puzzle", "Enter quote or phrase:", buffer, sizeof buffer,
                  fontHeight, store, "EnterPuzzle")
        .Execute();
    return layout;
  };
  Layout plain = show(0);
  Layout same = show(13);
  EXPECT_EQ(same.dialog, plain.dialog);
  EXPECT_EQ(same.edit, plain.edit);

  // One line of the 23-pixel font in prompt and edit; what lies below moves down by the growth.
  Layout big = show(23);
  int promptGrowth = std::max(0, 23 - plain.prompt.Height());
  int editGrowth = std::max(0, 23 - plain.edit.Height());
  ASSERT_GT(promptGrowth + editGrowth, 0);
  EXPECT_EQ(big.prompt.Height(), plain.prompt.Height() + promptGrowth);
  EXPECT_EQ(big.edit.top, plain.edit.top + promptGrowth);
  EXPECT_EQ(big.edit.Height(), plain.edit.Height() + editGrowth);
  EXPECT_EQ(big.ok, plain.ok.Offset(0, promptGrowth + editGrowth));
  EXPECT_EQ(big.cancel, plain.cancel.Offset(0, promptGrowth + editGrowth));
  EXPECT_EQ(big.dialog.Width(), plain.dialog.Width());
  EXPECT_EQ(big.dialog.Height(), plain.dialog.Height() + promptGrowth + editGrowth);
}

TEST_F(GameDialogTest, YouWonDialogAnswersAndKeepsOpenForFavorites) {
  store.WriteInt("quillo", "YouWonMode", 2);
  int favorites = 0;
  fake.ScriptDialog(2, [&](FakeDialog& d) {
    EXPECT_EQ(d.Caption(), "Congratulations!");
    d.Click(kYouWonSaveFavorite);
    EXPECT_FALSE(d.Ended());
    d.Click(kYouWonExit);
  });
  {
    YouWonDialog dialog(&frame, store, "YouWonDialog", [&] { ++favorites; });
    EXPECT_EQ(fake.Waves(), (std::vector<std::string>{"clap.wav"}));  // on construction
    EXPECT_EQ(dialog.Execute(), kYouWonExit);
  }
  EXPECT_EQ(favorites, 1);

  // The close box counts as No; Save Favorite without a callback does nothing.
  fake.ScriptDialog(2, [](FakeDialog& d) { d.Click(kYouWonSaveFavorite); d.CloseBox(); });
  EXPECT_EQ(YouWonDialog(&frame, store, "YouWonDialog").Execute(), kYouWonNo);
  fake.ScriptDialog(2, [](FakeDialog& d) { d.Click(kYouWonYes); });
  EXPECT_EQ(YouWonDialog(&frame, store, "YouWonDialog").Execute(), kYouWonYes);
  EXPECT_EQ(fake.Waves().size(), 3u);
}

}  // namespace
