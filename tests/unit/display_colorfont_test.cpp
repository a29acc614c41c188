// The colour scheme, its dialog and the puzzle font: settings read and written, resolving, choosing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "display/colordlg.h"
#include "support/display_fixture.h"

namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);

class ColorTest : public DisplayFixture {
 protected:
  std::string SavedFile() { return ReadFile(folder.File("quillo.ini")).value_or("<missing>"); }
};

TEST_F(ColorTest, LoadingResolvingAndBrokenValues) {
  Color colors;
  colors.Load();  // no settings: the defaults
  EXPECT_EQ(colors.Stored(kColorBackground), kFollowSystem);
  EXPECT_EQ(colors.Get(kColorBackground), MakeColor(235, 235, 235));
  fake.sysColors[kSysColorButtonFace] = MakeColor(10, 200, 128);
  EXPECT_EQ(colors.Get(kColorBackground), MakeColor(15, 195, 123));
  EXPECT_EQ(colors.Get(kColorTimes), MakeColor(128, 0, 0));
  EXPECT_EQ(colors.Get(kColorPlaintext), MakeColor(0, 0, 240));
  EXPECT_EQ(colors.CustomColors()[15], 16777215u);

  store.WriteString("quillo", "colors", "255 65280");
  store.WriteString("quillo", "custom_colors", "1 2 x 4");
  colors.Load();
  EXPECT_EQ(colors.Get(0), kRed);
  EXPECT_EQ(colors.Get(1), kGreen);
  for (int i = 2; i < kColorElementCount; ++i) EXPECT_EQ(colors.Stored(i), 0u) << i;
  EXPECT_EQ(colors.CustomColors()[1], 2u);
  EXPECT_EQ(colors.CustomColors()[2], 0u);
  EXPECT_EQ(colors.CustomColors()[3], 0u);  // everything after the first bad number is black

  // A system colour reference, an oversized number and a bad index.
  store.WriteString("quillo", "colors", "2147483653 99999999999 0 0 0 0");
  colors.Load();
  EXPECT_EQ(colors.Get(0), MakeColor(255, 255, 255));  // system colour 5, the window
  EXPECT_EQ(colors.Stored(1), 0xFFFFFFFFu);
  EXPECT_EQ(colors.Get(-1), 0u);
  EXPECT_EQ(colors.Get(6), 0u);
  EXPECT_FALSE(colors.Changed());
}

TEST_F(ColorTest, SavedOnlyWhenChangedWithTheFollowSystemValueKept) {
  Color colors;
  colors.Load();
  colors.Save();
  EXPECT_FALSE(std::filesystem::exists(folder.File("quillo.ini")));
  colors.Set(kColorBackground, kRed);
  colors.Set(kColorHeadings, 0x8000000Fu);  // saved as the button face it stands for
  colors.Reset(kColorBackground);
  colors.Save();
  EXPECT_NE(SavedFile().find("colors=4294967295 15790320 128 240 15728640 0\n"), std::string::npos)
      << SavedFile();
  EXPECT_NE(SavedFile().find("custom_colors=255 65280 16711680 "), std::string::npos);
  const auto perms = std::filesystem::status(folder.File("quillo.ini")).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

class ColorDialogTest : public DisplayFixture {
 protected:
  void SetUp() override {
    StartPuzzle("Hello, World");
    TheColors().Load();
  }
  void Run() { window.ChangeColors(); }
};

TEST_F(ColorDialogTest, ChangesShowAtOnceAndOkKeepsThem) {
  fake.AnswerChooseColor({kRed, {}});
  fake.ScriptDialog(11, [&](FakeDialog& d) {
    EXPECT_EQ(d.Caption(), "Quillo! Color Selection");
    EXPECT_EQ(d.ListItems(kColorListId),
              (std::vector<std::string>{"Background", "Headings", "Times", "Ciphertext",
                                        "Plaintext", "Selected character"}));
    EXPECT_EQ(d.Control(kColorListId).items[4].data, 4);
    EXPECT_EQ(d.Selected(kColorListId), 0);
    EXPECT_EQ(d.Text(kColorDescriptionId), "The background for the window.");
    EXPECT_EQ(d.Draw(kColorSampleId).Fills().at(0).color, MakeColor(235, 235, 235));
    d.Click(kColorChangeId);
    EXPECT_EQ(fake.Peer(quote()).background, kRed);  // the panes follow at once
    EXPECT_EQ(d.Draw(kColorSampleId).Fills().at(0).color, kRed);
    d.Select(kColorListId, 3);
    EXPECT_EQ(d.Text(kColorDescriptionId), "The characters in the puzzle.");
    d.Click(IDOK);
  });
  Run();
  EXPECT_EQ(fake.ChooseColorRequests(), (std::vector<TColor>{MakeColor(235, 235, 235)}));
  EXPECT_EQ(TheColors().Stored(kColorBackground), kRed);
  EXPECT_EQ(fake.Peer(freq()).background, kRed);
  EXPECT_TRUE(fake.Peer(quote()).paintPending);
  EXPECT_EQ(ColorDialog::RememberedSelection(), 3);

  // The next opening starts on the element last selected; a cancelled picker keeps the colour
  // shown, the follow-the-system background becoming the colour it stood for.
  fake.AnswerChooseColor({std::nullopt, {}});
  fake.ScriptDialog(11, [&](FakeDialog& d) {
    EXPECT_EQ(d.Selected(kColorListId), 3);
    d.Select(kColorListId, 0);
    d.Click(kColorDefaultId);
    EXPECT_EQ(TheColors().Stored(kColorBackground), kFollowSystem);
    d.Click(kColorChangeId);
    d.Click(IDOK);
  });
  Run();
  EXPECT_EQ(TheColors().Stored(kColorBackground), MakeColor(235, 235, 235));
}

TEST_F(ColorDialogTest, CancelPutsEverythingBack) {
  TheColors().Set(kColorTimes, kGreen);
  Color before;
  before.Copy(TheColors());
  fake.AnswerChooseColor({kRed, {}});
  fake.ScriptDialog(11, [&](FakeDialog& d) {
    d.Select(kColorListId, 3);
    d.Click(kColorChangeId);
    d.Select(kColorListId, 2);
    d.Click(kColorDefaultId);
    EXPECT_EQ(TheColors().Stored(kColorTimes), 128u);
    d.Click(IDCANCEL);
  });
  Run();
  for (int i = 0; i < kColorElementCount; ++i) EXPECT_EQ(TheColors().Stored(i), before.Stored(i)) << i;
  EXPECT_EQ(fake.Peer(quote()).background, MakeColor(235, 235, 235));
  // A dialog that cannot be made is reported.
  fake.FailNextDialogs();
  Run();
  EXPECT_EQ(fake.LastMessage().caption, "ERROR");
}

TEST(FontSettingTest, RecordsRoundTripWithSpacesInTheFaceAndHighCharacterSets) {
  TLogFont record;
  ASSERT_TRUE(ParseFontSetting("-20 0 0 0 700 1 0 0 238 3 2 1 49 Courier New Bold", record));
  EXPECT_EQ(record.height, -20);
  EXPECT_EQ(record.weight, 700);
  EXPECT_EQ(record.italic, 1);
  EXPECT_EQ(record.charSet, 238);
  EXPECT_EQ(record.pitchAndFamily, 49);
  EXPECT_STREQ(record.faceName, "Courier New Bold");
  EXPECT_EQ(FormatFontSetting(record), "-20 0 0 0 700 1 0 0 238 3 2 1 49 Courier New Bold");
  // Byte fields keep their low byte; white space before the face is skipped; long faces are cut.
  ASSERT_TRUE(ParseFontSetting("12 0 0 0 400 0 0 0 494 0 0 0 1   Mono Face That Is Far Too Long For A Record", record));
  EXPECT_EQ(record.charSet, 238);
  EXPECT_STREQ(record.faceName, "Mono Face That Is Far Too Long ");
  const TLogFont kept = record;
  for (const char* broken : {"", "-15 0 0 0 400 0 0 0 0 3 2 1 49", "-15 0 0 0 400 0 0 0 0 3 2 1 x Face",
                             "-15 0 0 0 400 0 0 0 0 3 2 1 49 \n"}) {
    EXPECT_FALSE(ParseFontSetting(broken, record)) << broken;
  }
  EXPECT_STREQ(record.faceName, kept.faceName);
}

class FontTest : public DisplayFixture {};

TEST_F(FontTest, LoadSelectAuxiliaryHeightAndSave) {
  Font font;
  font.Load();  // the default
  EXPECT_STREQ(font.Record().faceName, "Lucida Console");
  EXPECT_EQ(font.AuxiliaryHeight(), -15);
  RecordingDC dc;
  font.Select(dc);
  EXPECT_TRUE(font.HasFont());
  EXPECT_FALSE(font.Changed());
  ASSERT_TRUE(dc.OpsOf(DrawKind::SelectFont).back().font.has_value());
  font.Save();
  EXPECT_EQ(store.ReadString("quillo", "Font", "absent"), "absent");

  store.WriteString("quillo", "Font", "-40 0 0 0 400 0 0 0 0 3 2 1 49 Big");
  font.Load();
  EXPECT_EQ(font.AuxiliaryHeight(), -23);
  store.WriteString("quillo", "Font", "12 0 0 0 400 0 0 0 0 3 2 1 49 Small");
  font.Load();
  EXPECT_EQ(font.AuxiliaryHeight(), 12);

  // An unreadable value leaves the stock fixed font.
  store.WriteString("quillo", "Font", "");
  font.Load();
  font.Select(dc);
  EXPECT_FALSE(font.HasFont());
  EXPECT_FALSE(dc.OpsOf(DrawKind::SelectFont).back().font.has_value());
}

TEST_F(FontTest, ChoosingLaysTheDisplayOutAgainAndRefusesProportionalFonts) {
  StartPuzzle("Hello, World");
  TLogFont big;
  ParseFontSetting("-30 0 0 0 400 0 0 0 0 3 2 1 49 Big Mono", big);
  fake.AnswerChooseFont({TChooseResult::Ok, big, ""});
  window.ChangeFont();
  EXPECT_EQ(Cells().cellWidth, 15);
  EXPECT_EQ(Cells().cellHeight, 30);
  EXPECT_EQ(fake.Peer(freq()).windowRect, (TRect{320, 0, 560, 481}));
  fake.PaintPending();
  EXPECT_EQ(Cells().lineColumns, 17);
  TheFont().Save();
  EXPECT_EQ(store.ReadString("quillo", "Font", ""), "-30 0 0 0 400 0 0 0 0 3 2 1 49 Big Mono");

  // The same font again still counts as a change.
  fake.AnswerChooseFont({TChooseResult::Ok, big, ""});
  window.ChangeFont();
  EXPECT_TRUE(TheFont().Changed());

  TLogFont proportional = big;
  proportional.pitchAndFamily = 2 | kFamilySwiss;
  fake.AnswerChooseFont({TChooseResult::Ok, proportional, ""});
  window.ChangeFont();
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"The selected font is not a fixed-width font.\nUsing default font instead.",
                              "Error", MB_OK}));
  EXPECT_EQ(Cells().cellWidth, 8);  // the stock fixed font
  TheFont().Save();
  EXPECT_EQ(store.ReadString("quillo", "Font", "absent"), "");

  fake.AnswerChooseFont({TChooseResult::Failed, {}, "The font list is not available."});
  fake.AnswerChooseFont({TChooseResult::Cancelled, {}, ""});
  EXPECT_FALSE(TheFont().Choose(&window));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The font list is not available.", "ERROR", MB_OK | MB_ICONSTOP}));
  EXPECT_FALSE(TheFont().Choose(&window));
  EXPECT_FALSE(TheFont().Changed());
}

}  // namespace
