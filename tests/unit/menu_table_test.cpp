// The menu "MENU_BAR" against the command table, and the six hint-button pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "resources/commands.h"
#include "resources/resources.h"

namespace {

std::string Plain(const std::string& text) {
  std::string plain;
  for (char c : text) {
    if (c != '&') plain += c;
  }
  return plain;
}

struct Row {
  std::string path;
  int id;
  std::string accel;
  bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.path << " " << row.id << " '" << row.accel << "'";
}

void Flatten(const std::vector<TMenuItem>& items, const std::string& path, std::vector<Row>& rows) {
  for (const TMenuItem& item : items) {
    std::string here = path.empty() ? Plain(item.text) : path + " > " + Plain(item.text);
    if (!item.children.empty()) {
      Flatten(item.children, here, rows);
    } else if (!item.separator) {
      rows.push_back({here, item.id, item.accel});
    }
  }
}

// The items that a separator follows, and whether any separator stands first, last or twice.
std::vector<std::string> ItemsBeforeSeparators(const TMenuItem& popup) {
  std::vector<std::string> before;
  const std::vector<TMenuItem>& items = popup.children;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].separator) continue;
    if (i == 0 || i + 1 == items.size() || items[i - 1].separator) {
      before.push_back("misplaced");
    } else {
      before.push_back(Plain(items[i - 1].text));
    }
  }
  return before;
}

TEST(MenuBar, HoldsTheCommandTable) {
  const std::vector<Row> expected{
      {"Game > New Game", 107, "Alt+N"},
      {"Game > Restart This Puzzle", 101, "Alt+R"},
      {"Game > Go To Specific Puzzle", 11862, "Alt+G"},
      {"Game > Save Puzzle in Favorites File", 11860, "Alt+F"},
      {"Game > Pause Game", 11882, "Alt+P"},
      {"Game > Enter Encrypted Puzzle", 112, "Alt+E"},
      {"Game > Enter Plaintext Puzzle", 11842, "Alt+T"},
      {"Game > Correct an Entered Puzzle", 11875, ""},
      {"Game > Open Puzzle File", 111, ""},
      {"Game > Open Favorites File", 11861, ""},
      {"Game > Puzzle Source", 11858, ""},
      {"Game > Print Puzzle", 11849, "F2"},
      {"Game > Print Options > Color", 11854, ""},
      {"Game > Print Options > Maximum size", 11856, ""},
      {"Game > Print Options > Set printer margin", 11878, ""},
      {"Game > Printer Setup", 11850, ""},
      {"Game > Compress Puzzle File", 11880, ""},
      {"Game > Exit", 109, "Alt+X"},
      {"Edit > Copy Puzzle to Clipboard", 11868, ""},
      {"Edit > Copy Plaintext to Clipboard", 11869, ""},
      {"Edit > Paste Encrypted Puzzle", 11871, ""},
      {"Edit > Paste Plaintext Puzzle", 11870, ""},
      {"Hint > Confirm", 108, "Alt+C"},
      {"Hint > Undo Error", 102, "Alt+U"},
      {"Hint > Little hint", 104, "Alt+L"},
      {"Hint > Big hint", 105, "Alt+B"},
      {"Hint > Solve Puzzle", 106, "Alt+S"},
      {"Options > Show > Letter Frequencies", 11851, ""},
      {"Options > Show > Time and Scores", 11852, ""},
      {"Options > Show > Hint Buttons", 11863, ""},
      {"Options > Letters > Upper case only", 11845, ""},
      {"Options > Letters > Lower case only", 11846, ""},
      {"Options > Letters > Upper and lower case", 11847, ""},
      {"Options > Letters > Military cipher", 11859, ""},
      {"Options > Explain Errors", 11843, ""},
      {"Options > Quote Window > On the left", 11848, ""},
      {"Options > Quote Window > On the right", 11853, ""},
      {"Options > Quote Window > Highlight solution", 11883, ""},
      {"Options > Hint Buttons > Show", 11863, ""},
      {"Options > Hint Buttons > On the top", 11864, ""},
      {"Options > Hint Buttons > On the bottom", 11865, ""},
      {"Options > Hint Buttons > On the left", 11866, ""},
      {"Options > Hint Buttons > On the right", 11867, ""},
      {"Options > Letter Frequencies > In order by frequency", 11873, ""},
      {"Options > Letter Frequencies > Alphabetical", 11874, ""},
      {"Options > Word list > Alphabetical", 11879, ""},
      {"Options > Word list > In order by frequency", 11881, ""},
      {"Options > Change Colors", 103, ""},
      {"Options > Change Font", 110, ""},
      {"Options > Change Sounds", 11855, ""},
      {"Options > Change Times", 11844, ""},
      {"Help > Help", 24341, "F1"},
      {"Help > About Quillo!", 24346, ""},
      {"Help > View the Tutorial", 11872, ""},
      {"Help > Online > Update Quillo! > Check the Internet for updates", 11877, ""},
      {"Help > Online > Update Quillo! > Decrypt an update that you've downloaded", 11857, ""},
      {"Help > Online > Quillo! web site", 11876, ""},
  };
  std::vector<Row> rows;
  Flatten(MenuBar(), "", rows);
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(AcceleratorOf(MenuBar(), kCmdPrintPuzzle), "F2");
  EXPECT_EQ(AcceleratorOf(MenuBar(), kCmdHelp), "F1");
}

TEST(MenuBar, SeparatorsMnemonicsAndTheRightAlignedHelp) {
  const std::vector<TMenuItem>& bar = MenuBar();
  ASSERT_EQ(bar.size(), 5u);
  std::vector<std::string> titles;
  for (const TMenuItem& popup : bar) {
    titles.push_back(popup.text);
    EXPECT_EQ(popup.rightAligned, popup.text == "&Help") << popup.text;
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"&Game", "&Edit", "&Hint", "&Options", "&Help"}));

  EXPECT_EQ(ItemsBeforeSeparators(bar[0]),
            (std::vector<std::string>{"Save Puzzle in Favorites File", "Pause Game",
                                      "Correct an Entered Puzzle", "Puzzle Source",
                                      "Printer Setup", "Compress Puzzle File"}));
  EXPECT_TRUE(ItemsBeforeSeparators(bar[1]).empty());
  EXPECT_TRUE(ItemsBeforeSeparators(bar[2]).empty());
  EXPECT_EQ(ItemsBeforeSeparators(bar[3]),
            (std::vector<std::string>{"Letters", "Explain Errors", "Quote Window", "Hint Buttons",
                                      "Letter Frequencies", "Word list"}));
  EXPECT_EQ(ItemsBeforeSeparators(bar[4]),
            (std::vector<std::string>{"About Quillo!", "View the Tutorial"}));

  // Within each popup no two items share a mnemonic, and every item has one.
  auto checkMnemonics = [](const TMenuItem& popup, auto& self) -> void {
    std::set<char> seen;
    for (const TMenuItem& item : popup.children) {
      if (item.separator) continue;
      std::size_t amp = item.text.find('&');
      ASSERT_NE(amp, std::string::npos) << item.text;
      ASSERT_LT(amp + 1, item.text.size()) << item.text;
      EXPECT_TRUE(seen.insert(static_cast<char>(std::tolower(item.text[amp + 1]))).second)
          << popup.text << ": " << item.text;
      if (!item.children.empty()) {
        EXPECT_TRUE(ItemsBeforeSeparators(item).empty()) << item.text;
        self(item, self);
      }
    }
  };
  for (const TMenuItem& popup : bar) checkMnemonics(popup, checkMnemonics);
}

TEST(HintBitmaps, SixCentredLabelsOnRaisedGreyButtons) {
  const std::vector<unsigned>& palette = BitmapPalette();
  ASSERT_EQ(palette.size(), 16u);
  EXPECT_EQ(palette[0], MakeColor(0, 0, 0));
  EXPECT_EQ(palette[7], MakeColor(192, 192, 192));
  EXPECT_EQ(palette[8], MakeColor(128, 128, 128));
  EXPECT_EQ(palette[15], MakeColor(255, 255, 255));

  std::set<std::vector<unsigned char>> distinct;
  for (int number = 1; number <= 6; ++number) {
    const TBitmap& picture = HintBitmap(number);
    ASSERT_EQ(picture.width, 80);
    ASSERT_EQ(picture.height, 20);
    ASSERT_EQ(picture.pixels.size(), 1600u);
    auto at = [&](int x, int y) { return picture.pixels[static_cast<std::size_t>(y) * 80 + x]; };
    for (unsigned char index : picture.pixels) ASSERT_LT(index, 16);
    EXPECT_EQ(at(0, 0), 15);    // light top-left edge
    EXPECT_EQ(at(79, 19), 0);   // dark bottom-right edge
    EXPECT_EQ(at(2, 10), 7);    // light grey face

    // The black label, inside the border and centred across the face.
    int left = 80, right = -1, top = 20, bottom = -1;
    for (int y = 2; y < 18; ++y) {
      for (int x = 2; x < 78; ++x) {
        if (at(x, y) != 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    ASSERT_GE(right, left) << number;
    EXPECT_LE(std::abs(left - (79 - right)), 1) << number;
    EXPECT_GE(right - left, 30) << number;
    EXPECT_GE(top, 4) << number;
    EXPECT_LE(bottom, 15) << number;
    distinct.insert(picture.pixels);
  }
  EXPECT_EQ(distinct.size(), 6u);
  EXPECT_TRUE(HintBitmap(0).pixels.empty());
  EXPECT_TRUE(HintBitmap(7).pixels.empty());
}

}  // namespace
