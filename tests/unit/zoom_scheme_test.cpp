// Zoom and colour schemes: the zoom steps and setting, the zoomed panes, the scheme buttons.
#include <gtest/gtest.h>

#include <string>

#include "display/colordlg.h"
#include "display/zoom.h"
#include "resources/resources.h"
#include "support/display_fixture.h"

namespace {

TEST(Zoom, StepsStopAtTheEndsAndHeightsScaleWithTheirSign) {
  const struct {
    int from, in, out;
  } steps[] = {{100, 110, 90}, {90, 100, 80}, {50, 67, 50}, {300, 300, 250}, {115, 125, 110}, {10, 50, 50}};
  for (const auto& s : steps) {
    EXPECT_EQ(ZoomInFrom(s.from), s.in) << s.from;
    EXPECT_EQ(ZoomOutFrom(s.from), s.out) << s.from;
  }
  EXPECT_EQ(ZoomedHeight(-15, 200), -30);
  EXPECT_EQ(ZoomedHeight(15, 150), 23);  // 22.5 rounds up
  EXPECT_EQ(ZoomedHeight(-1, 50), -1);   // never 0, which would mean "any height"
  EXPECT_EQ(ZoomedHeight(0, 200), 0);
}

class ZoomTest : public DisplayFixture {
 protected:
  int TextHeight() {
    const RecordingDC dc = PaintQuote();
    return dc.TextOps().empty() || !dc.TextOps().back().font ? 0 : dc.TextOps().back().font->height;
  }
};

TEST_F(ZoomTest, DamagedSettingReadsAsActualSize) {
  for (const char* value : {"0", "-100", "49", "301", "abc"}) {
    store.WriteString("quillo", "Zoom", value);
    TheFont().Load();
    EXPECT_EQ(TheFont().Zoom(), 100) << value;
  }
  store.WriteString("quillo", "Zoom", "175");
  TheFont().Load();
  EXPECT_EQ(TheFont().Zoom(), 175);
}

// The default font is 15 pixels high, 7 wide on the fake; at 200% the cells double and the
// quote lines hold fewer columns; each step is written at once, Actual Size goes back.
TEST_F(ZoomTest, StepsScaleCellsAndTextReflowAndAreRemembered) {
  store.WriteString("quillo", "Zoom", "200");
  StartPuzzle("Now is the time for all good men to come to the aid of the party, said the typist.");
  EXPECT_EQ(TextHeight(), -30);
  EXPECT_EQ(Cells().cellHeight, 30);
  EXPECT_EQ(Cells().panelWidth, 16 * 15);
  const int columnsAtDouble = Cells().lineColumns;

  window.ZoomOut();
  EXPECT_EQ(store.ReadInt("quillo", "Zoom", 0), 175);
  EXPECT_EQ(TextHeight(), -26);  // 26.25
  window.ActualSize();
  EXPECT_EQ(store.ReadInt("quillo", "Zoom", 0), 100);
  EXPECT_EQ(TextHeight(), -15);
  EXPECT_EQ(Cells().cellHeight, 15);
  EXPECT_GT(Cells().lineColumns, columnsAtDouble);
  window.ZoomIn();
  window.ZoomIn();
  EXPECT_EQ(store.ReadInt("quillo", "Zoom", 0), 125);
  EXPECT_EQ(TextHeight(), -19);  // 18.75
  EXPECT_EQ(TheFont().Record().height, -15);  // the chosen font is kept as chosen
}

// The numbers are the scheme's colours written out by hand (red in the low byte).
TEST_F(ZoomTest, SchemeButtonsWriteTheColourSettingAsPicksDoAndCancelPutsItBack) {
  StartPuzzle("Hello, World");
  const struct {
    int button;
    TColor background;
    const char* saved;
  } schemes[] = {
      {kColorSchemeFirstId + 1, 2367520, "colors=2367520 13816530 5942015 7895295 16757880 5957375\n"},
      {kColorSchemeFirstId + 2, 0, "colors=0 16777215 65280 16777215 65535 16776960\n"},
      {kColorSchemeFirstId, 0xFFFFFFFF, "colors=4294967295 0 128 240 15728640 0\n"},
  };
  for (const auto& s : schemes) {
    fake.ScriptDialog(kColorTemplateId, [&](FakeDialog& d) {
      d.Click(s.button);
      EXPECT_EQ(TheColors().Stored(kColorBackground), s.background);
      EXPECT_EQ(fake.Peer(quote()).background, TheColors().Get(kColorBackground));  // shown at once
      d.Click(IDOK);
    });
    window.ChangeColors();
    TheColors().Save();
    const std::string file = ReadFile(folder.File("quillo.ini")).value_or("");
    EXPECT_NE(file.find(s.saved), std::string::npos) << file;
  }
  fake.ScriptDialog(kColorTemplateId, [&](FakeDialog& d) {
    d.Click(kColorSchemeFirstId + 1);
    d.Click(IDCANCEL);
  });
  window.ChangeColors();
  EXPECT_EQ(TheColors().Stored(kColorBackground), kFollowSystem);
}

}  // namespace
