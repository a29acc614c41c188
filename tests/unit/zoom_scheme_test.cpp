// Zoom and colour schemes: the steps, the "Zoom" setting and the zoomed panes; the scheme buttons.
#include <gtest/gtest.h>

#include <string>

#include "display/colordlg.h"
#include "display/zoom.h"
#include "resources/resources.h"
#include "support/display_fixture.h"

namespace {

TEST(Zoom, StepsStopAtTheEndsAndHeightsKeepTheirSign) {
  const int steps[][3] = {{100, 110, 90}, {50, 67, 50}, {300, 300, 250}, {115, 125, 110}, {10, 50, 50}};
  for (const auto& s : steps) EXPECT_EQ(std::pair(ZoomInFrom(s[0]), ZoomOutFrom(s[0])), std::pair(s[1], s[2])) << s[0];
  EXPECT_EQ(ZoomedHeight(15, 150), 23);  // 22.5 rounds up
  EXPECT_EQ(ZoomedHeight(-1, 50), -1);   // never 0, which would mean "any height"
}

using ZoomTest = DisplayFixture;

// The fake draws the default font 15 pixels high and 7 wide; damage in the setting is 100%.
TEST_F(ZoomTest, StepsScaleTheCellsReflowTheTextAndAreWrittenAtOnce) {
  for (const char* damaged : {"0", "49", "301", "abc"}) {
    store.WriteString("quillo", "Zoom", damaged);
    TheFont().Load();
    EXPECT_EQ(TheFont().Zoom(), 100) << damaged;
  }
  store.WriteString("quillo", "Zoom", "200");
  StartPuzzle("Now is the time for all good men to come to the aid of the party, said the typist.");
  EXPECT_EQ(PaintQuote().OpsOf(DrawKind::Text).back().font->height, -30);
  EXPECT_EQ(std::pair(Cells().cellHeight, Cells().panelWidth), std::pair(30, 16 * 15));
  const int columnsAtDouble = Cells().lineColumns;
  window.ZoomOut();
  EXPECT_EQ(PaintQuote().OpsOf(DrawKind::Text).back().font->height, -26);  // 175%: 26.25
  window.ActualSize();
  EXPECT_EQ(PaintQuote().OpsOf(DrawKind::Text).back().font->height, -15);
  EXPECT_GT(Cells().lineColumns, columnsAtDouble);
  window.ZoomIn();
  EXPECT_EQ(store.ReadInt("quillo", "Zoom", 0), 110);
  EXPECT_EQ(TheFont().Record().height, -15);  // the chosen font stays as chosen
}

// The numbers are the schemes' colours written out by hand (red in the low byte).
TEST_F(ZoomTest, SchemeButtonsWriteTheColourSettingAsPicksDo) {
  StartPuzzle("Hello, World");
  const std::pair<int, const char*> schemes[] = {
      {kColorSchemeFirstId + 1, "colors=2367520 13816530 5942015 7895295 16757880 5957375\n"},
      {kColorSchemeFirstId + 2, "colors=0 16777215 65280 16777215 65535 16776960\n"},
      {kColorSchemeFirstId, "colors=4294967295 0 128 240 15728640 0\n"},
  };
  for (const auto& [button, saved] : schemes) {
    fake.ScriptDialog(kColorTemplateId, [&](FakeDialog& d) {
      d.Click(button);
      EXPECT_EQ(fake.Peer(quote()).background, TheColors().Get(kColorBackground));  // shown at once
      d.Click(IDOK);
    });
    window.ChangeColors();
    TheColors().Save();
    EXPECT_NE(ReadFile(folder.File("quillo.ini")).value_or("").find(saved), std::string::npos) << saved;
  }
}

}  // namespace
