// The printed page: where the picture lands on paper, the page's composition, the print commands
// and the printer-margin dialog.
#include <gtest/gtest.h>

#include <memory>

#include "display/printout.h"
#include "support/display_fixture.h"

namespace {

constexpr int kInputTemplate = 4092;
constexpr int kEditId = 4090;
constexpr const char* kFooter = "Quillo! - a cryptogram game for Linux";
const MessageBoxRecord kNoPrinter{"Cannot access printer.", "Error", MB_OK | MB_ICONSTOP};

// Where the picture's edges land on the paper, in inches from each paper edge.
struct Placement {
  double left, top, right, bottom;
};

PageInput InputFor(int width, int height, const FakeDeviceCaps& caps, double margin = 0.5,
                   bool big = false) {
  return {width, height, 96, 96, caps.logPixelsX, caps.logPixelsY, caps.horzRes, caps.vertRes,
          caps.physicalWidth, caps.physicalHeight, caps.physicalOffsetX, caps.physicalOffsetY,
          margin, big};
}

Placement PlacementOf(const PageGeometry& g, const PageInput& in, const FakeDeviceCaps& caps) {
  RecordingDC dc(caps);
  dc.SetIsotropic(g.windowExt, g.viewportExt);
  dc.SetWindowOrg(g.windowOrigin);
  const TPoint a = dc.ToDevice({0, 0}), b = dc.ToDevice({in.width, in.height});
  const double dpi = caps.logPixelsX;
  return {(a.x + caps.physicalOffsetX) / dpi, (a.y + caps.physicalOffsetY) / dpi,
          (caps.physicalWidth - caps.physicalOffsetX - b.x) / dpi,
          (caps.physicalHeight - caps.physicalOffsetY - b.y) / dpi};
}

void ExpectPlacement(const Placement& p, double left, double top, double right, double bottom) {
  EXPECT_NEAR(p.left, left, 0.01);
  EXPECT_NEAR(p.top, top, 0.02);
  EXPECT_NEAR(p.right, right, 0.01);
  EXPECT_NEAR(p.bottom, bottom, 0.02);
}

TEST(PageGeometryTest, ScalesAWindowTooWideForTheMargins) {
  const FakeDeviceCaps letter = FakeDeviceCaps::Printer();
  const PageInput in = InputFor(800, 600, letter);
  const auto g = ComputePageGeometry(in);
  ASSERT_TRUE(g);
  EXPECT_TRUE(g->wide);
  EXPECT_FLOAT_EQ(g->winW, 7.5f);
  EXPECT_FLOAT_EQ(g->winH, 5.625f);
  EXPECT_EQ(g->logical, (TRect{-26, -20, 826, 620}));
  EXPECT_EQ(g->windowExt, (TSize{852, 640}));
  EXPECT_EQ(g->viewportExt, (TSize{4800, 6300}));
  EXPECT_EQ(g->windowOrigin, (TPoint{-26, -260}));
  ExpectPlacement(PlacementOf(*g, in, letter), 0.5, 2.69, 0.5, 2.69);
}

TEST(PageGeometryTest, NaturalSizeWhenItFitsAndMaximumSizeOtherwise) {
  const FakeDeviceCaps letter = FakeDeviceCaps::Printer();
  const PageInput natural = InputFor(400, 300, letter);
  const auto g = ComputePageGeometry(natural);
  ASSERT_TRUE(g);
  EXPECT_FLOAT_EQ(g->winW, 400.0f / 96);
  const double w = 400.0 / 96, h = 300.0 / 96;
  ExpectPlacement(PlacementOf(*g, natural, letter), (8.5 - w) / 2, (11 - h) / 2, (8.5 - w) / 2,
                  (11 - h) / 2);

  const PageInput big = InputFor(400, 300, letter, 0.5, true);
  const auto scaled = ComputePageGeometry(big);
  ASSERT_TRUE(scaled);
  ExpectPlacement(PlacementOf(*scaled, big, letter), 0.5, 2.69, 0.5, 2.69);

  // A tall window fills the height instead, centred across the paper.
  const PageInput tall = InputFor(300, 900, letter, 0.5, true);
  const auto high = ComputePageGeometry(tall);
  ASSERT_TRUE(high);
  EXPECT_FALSE(high->wide);
  EXPECT_FLOAT_EQ(high->winH, 10.0f);
  const double side = (8.5 - 10.0 / 3) / 2;
  ExpectPlacement(PlacementOf(*high, tall, letter), side, 0.5, side, 0.5);
}

TEST(PageGeometryTest, AWiderUnprintableMarginWinsOnBothSides) {
  const FakeDeviceCaps wideEdges = FakeDeviceCaps::Printer(600, 8.5, 11.0, 0.75);
  const PageInput in = InputFor(800, 600, wideEdges);
  const auto g = ComputePageGeometry(in);
  ASSERT_TRUE(g);
  EXPECT_FLOAT_EQ(g->winW, 7.0f);
  ExpectPlacement(PlacementOf(*g, in, wideEdges), 0.75, 2.875, 0.75, 2.875);
}

TEST(PageGeometryTest, HostileInputGivesNoPage) {
  const FakeDeviceCaps letter = FakeDeviceCaps::Printer();
  EXPECT_FALSE(ComputePageGeometry(InputFor(0, 600, letter)));
  FakeDeviceCaps noResolution = letter;
  noResolution.logPixelsX = 0;
  EXPECT_FALSE(ComputePageGeometry(InputFor(800, 600, noResolution)));
  // A margin read unchecked from the settings can leave no area at all.
  EXPECT_FALSE(ComputePageGeometry(InputFor(800, 600, letter, 9.0)));
}

class PrintoutTest : public DisplayFixture {
 protected:
  void Print() { PrintPuzzle(&frame, window, game, 0.5, printer); }
  std::unique_ptr<TPrinter> printer;
};

TEST_F(PrintoutTest, PageHoldsBothPanesFramedWithHeaderAndFooter) {
  StartPuzzle("Hello, world");
  store.WriteInt("quillo", "PrintColor", 1);
  Print();
  ASSERT_EQ(fake.Printer().jobs.size(), 1u);
  EXPECT_EQ(fake.Printer().jobs[0].title, "Quillo! puzzle");
  const RecordingDC& page = fake.Printer().LastPage();
  const TRect client = window.ClientRect();
  const int w = client.Width(), h = client.Height();

  const auto clips = page.OpsOf(DrawKind::ClipRect);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].rect, (TRect{0, 0, w, h}));
  const auto fills = page.Fills();
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0].rect, (TRect{0, 0, w, h}));
  EXPECT_EQ(fills[0].color, TheColors().Get(kColorBackground));

  // Quote left: the panel is drawn with the origin moved so it lands at the right edge.
  const auto origins = page.OpsOf(DrawKind::WindowOrg);
  ASSERT_GE(origins.size(), 3u);
  EXPECT_EQ(origins[1].at.x - origins[0].at.x, Cells().panelWidth - w);
  EXPECT_EQ(origins.back().at, origins[0].at);

  bool rightEdge = false;
  for (const DrawOp& line : page.Lines()) {
    rightEdge |= line.from == TPoint{w, 0} && line.at == TPoint{w, h} && line.origin == origins[0].at;
  }
  EXPECT_TRUE(rightEdge);

  // Footer centred below the frame, source line centred above it, both black on white.
  const auto texts = page.TextOps();
  ASSERT_GE(texts.size(), 2u);
  const DrawOp& footer = texts[texts.size() - 2];
  const DrawOp& header = texts.back();
  EXPECT_EQ(footer.text, kFooter);
  EXPECT_EQ(footer.at, (TPoint{(w - footer.rect.Width()) / 2, h + 2}));
  EXPECT_EQ(footer.font->height, -15);
  EXPECT_STREQ(footer.font->faceName, "Arial");
  EXPECT_EQ(header.text.rfind("A puzzle", 0), 0u) << header.text;
  EXPECT_EQ(header.at, (TPoint{(w - header.rect.Width()) / 2, -header.rect.Height() - 1}));
  EXPECT_EQ(header.fg, MakeColor(0, 0, 0));
  EXPECT_EQ(header.bk, MakeColor(255, 255, 255));
}

TEST_F(PrintoutTest, PrinterIsMadeOnceAndFailuresAreReported) {
  StartPuzzle("Hello, world");
  fake.Printer().available = false;
  Print();
  EXPECT_EQ(fake.LastMessage(), kNoPrinter);
  PrinterSetup(&frame, printer);
  EXPECT_EQ(fake.Messages().size(), 2u);
  EXPECT_EQ(fake.Printer().setupCount, 0);
  EXPECT_TRUE(fake.Printer().jobs.empty());

  fake.Printer().available = true;
  PrinterSetup(&frame, printer);
  fake.Printer().printResult = TPrintResult::Failed;
  Print();
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Unknown printing error", "Error", MB_OK | MB_ICONSTOP}));
  fake.Printer().printResult = TPrintResult::Cancelled;
  Print();
  EXPECT_EQ(fake.Messages().size(), 3u);
  EXPECT_EQ(fake.Printer().createCount, 1);
  EXPECT_EQ(fake.Printer().setupCount, 1);
}

TEST_F(PrintoutTest, MarginDialogAcceptsOnlyANumberUpToThreeInches) {
  double margin = 0.5;
  for (const char* typed : {"3.5", "abc", "1.25 "}) {
    fake.ScriptDialog(kInputTemplate, [typed](FakeDialog& d) {
      d.Type(kEditId, typed);
      d.Click(IDOK);
    });
  }
  EXPECT_TRUE(AskPrintMargin(&frame, 15, margin));
  EXPECT_EQ(fake.Dialogs().size(), 3u);
  EXPECT_EQ(fake.Dialogs()[0].caption, "Printer Margins");
  EXPECT_EQ(fake.Messages().size(), 2u);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Error: the printer margin must be between\n0.0 and 3.0 inches.  "
                              "Please try again.",
                              "Error", MB_OK}));
  EXPECT_DOUBLE_EQ(margin, 1.25);
  EXPECT_EQ(store.ReadString("quillo", "PrintMargin", ""), "1.25 ");

  fake.ScriptDialog(kInputTemplate, [](FakeDialog& d) {
    EXPECT_EQ(d.Text(kEditId), "1.25");
    d.Type(kEditId, "2");
    d.Click(IDCANCEL);
  });
  EXPECT_FALSE(AskPrintMargin(&frame, 15, margin));
  EXPECT_DOUBLE_EQ(margin, 1.25);
  EXPECT_EQ(store.ReadString("quillo", "PrintMargin", ""), "1.25 ");
}

}  // namespace
