// The menu bar's mnemonics and the six hint-button pictures.
#include <gtest/gtest.h>

#include "resources/resources.h"

namespace {

// Within each popup every item has a mnemonic and no two share one (a clash makes a key dead).
void CheckMnemonics(const TMenuItem& popup) {
  std::set<char> seen;
  for (const TMenuItem& item : popup.children) {
    if (item.separator) continue;
    std::size_t amp = item.text.find('&');
    ASSERT_LT(amp + 1, item.text.size()) << item.text;
    EXPECT_TRUE(seen.insert(static_cast<char>(std::tolower(item.text[amp + 1]))).second)
        << popup.text << ": " << item.text;
    if (!item.children.empty()) CheckMnemonics(item);
  }
}

TEST(MenuBar, MnemonicsAreUniqueAndOnlyHelpIsRightAligned) {
  for (const TMenuItem& popup : MenuBar()) {
    EXPECT_EQ(popup.rightAligned, popup.text == "&Help") << popup.text;
    CheckMnemonics(popup);
  }
}

TEST(HintBitmaps, SixDistinctRaisedButtonsAndNoneOutOfRange) {
  std::set<std::vector<unsigned char>> distinct;
  for (int number = 1; number <= 6; ++number) {
    const TBitmap& picture = HintBitmap(number);
    ASSERT_EQ(picture.pixels.size(), 80u * 20u);
    for (unsigned char index : picture.pixels) ASSERT_LT(index, BitmapPalette().size());
    EXPECT_EQ(picture.pixels.front(), 15);  // light top-left edge
    EXPECT_EQ(picture.pixels.back(), 0);    // dark bottom-right edge
    distinct.insert(picture.pixels);
  }
  EXPECT_EQ(distinct.size(), 6u);
  EXPECT_TRUE(HintBitmap(0).pixels.empty());
  EXPECT_TRUE(HintBitmap(7).pixels.empty());
}

}  // namespace
