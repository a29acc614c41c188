// The settings store: caching and flush rules, the INI reader and writer on real files, and files
// that are hostile or not files at all. Colours and their schemes, the puzzle font, zoom and printing:
// settings read and written, the dialogs, the zoomed panes, the printed page.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <random>

#include "display/printout.h"
#include "display/zoom.h"
#include "resources/resources.h"
#include "support/display_fixture.h"

namespace fs = std::filesystem;

namespace {

// A store over an in-memory map that records every raw operation.
class RecordingIniFile : public IniFile {
 public:
  std::map<std::string, std::string> values;  // "section/key" -> value
  std::vector<std::string> writes;            // "section/key=value"
  int rawReads = 0;

  void WriteRaw(const char* section, const char* key, const char* value) override {
    writes.push_back(std::string(section) + "/" + key + "=" + value);
    values[std::string(section) + "/" + key] = value;
  }
  int ReadRaw(const char* section, const char* key, const char* def, char* buffer, int size) override {
    ++rawReads;
    auto found = values.find(std::string(section) + "/" + key);
    const std::string value = found == values.end() ? def : found->second;
    const std::size_t count = value.copy(buffer, static_cast<std::size_t>(size - 1));
    buffer[count] = '\0';
    return static_cast<int>(count);
  }
};

TEST(IniFileTest, ReadsOncePerKeyAndFlushesOnlyWhatChanged) {
  RecordingIniFile store;
  store.values = {{"quillo/ExplainErrors", "1"}, {"quillo/Long", std::string(300, 'q')}};

  EXPECT_EQ(store.ReadInt("quillo", "ExplainErrors", 7) + store.ReadInt("QUILLO", "explainerrors", 7), 2);
  EXPECT_EQ(store.ReadString("quillo", "Missing", "dflt") + store.ReadString("quillo", "Missing", "other"), "dfltother");
  EXPECT_EQ(store.rawReads, 2);  // the absent key is cached as absent too
  EXPECT_EQ(store.ReadString("quillo", "Long", ""), std::string(300, 'q'));
  EXPECT_EQ(store.rawReads, 4);  // 256 bytes were too few, 512 held it

  store.WriteString("quillo", "ExplainErrors", "1");  // the value it already holds
  store.Flush(false);
  EXPECT_TRUE(store.writes.empty());

  store.WriteInt("quillo", "ConfirmPenalty", -15);
  store.WriteInt("YouWon", "Corner", 2);
  store.WriteString("quillo", "ExplainErrors", "0");
  EXPECT_EQ(store.ReadInt("quillo", "ConfirmPenalty", 0), -15);  // from the cache
  EXPECT_EQ(store.rawReads, 4);
  store.Flush(false);
  EXPECT_EQ(store.writes, (std::vector<std::string>{"quillo/ExplainErrors=0",
                                                    "quillo/ConfirmPenalty=-15", "YouWon/Corner=2"}));

  store.writes.clear();
  store.Flush(true);  // every entry holding a value, the absent key not
  EXPECT_EQ(store.writes.size(), 4u);

  store.writes.clear();
  store.SetReadOnly(true);
  store.WriteString("quillo", "Case", "Upper");
  store.Flush(true);
  EXPECT_TRUE(store.writes.empty());
}

TEST(IniFileTest, ReadIntAndReadStringFollowTheirRules) {
  MemoryIniFile store;
  const std::map<std::string, int> expected = {
      {"12abc", 12}, {"abc", 99},  {"-7", -7},          {"- 7", 99},
      {"0x10", 0},   {"+5", 99},          {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},   {"00000000000000000000042", 0}};  // only 19 characters count
  for (const auto& [text, number] : expected) {
    store.WriteString("quillo", "Value", text.c_str());
    EXPECT_EQ(store.ReadInt("quillo", "Value", 99), number) << '"' << text << '"';
  }

  store.WriteString("quillo", "Font", "123456789012345");
  char buffer[10];
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(store.ReadString("quillo", "Font", "", buffer, sizeof buffer), 9);
  EXPECT_STREQ(buffer, "123456789");
  EXPECT_EQ(store.ReadString("quillo", "Absent", "Default value", buffer, sizeof buffer), 9);
  EXPECT_STREQ(buffer, "Default v");
  EXPECT_EQ(store.ReadString("quillo", "Font", "", buffer, 0), 0);
}

TEST(IniFileTest, KeepsAnotherProgramsFileAndAddsKeysInTheirPlace) {
  TempFolder folder;
  WriteFile(folder.File("quillo.ini"),
            "; settings written by hand\r\norphan=before any section\r\n\r\n"
            "[QUILLO]\r\nQuoteFile = /home/pat/My Quotes.qot  \r\nEmpty=\r\n"
            "# a comment=with equals\r\nCase=Upper\r\ncase=Lower\r\n\r\n"
            "[Other]\r\nKeep=me\r\n[quillo]\r\nLate=second section\r\n[YouWon]\r\nCorner=3");
  {
    PrivateIniFile store(folder.File("quillo.ini").c_str());
    // Values trimmed, the first of two spellings wins, comments and a second section are not read.
    for (const auto& [key, value] : std::map<const char*, const char*>{
             {"QuoteFile", "/home/pat/My Quotes.qot"}, {"Empty", ""}, {"Missing", "dflt"}, {"Case", "Upper"},
             {"# a comment", "dflt"}, {"Late", "dflt"}}) {
      EXPECT_EQ(store.ReadString("quillo", key, "dflt"), value) << key;
    }
    EXPECT_EQ(store.ReadString("", "orphan", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInt("YouWon", "Corner", 0), 3);

    store.WriteString("quillo", "QuoteFile", "/q/new.qot");
    store.WriteInt("YouWon", "DX", -4);
    store.WriteInt("quillo", "Tutorial", 1);
    store.WriteString("Colors", "colors", "1 2");
  }  // the store flushes as it goes
  EXPECT_EQ(ReadFile(folder.File("quillo.ini")).value_or(""),
            "; settings written by hand\r\norphan=before any section\r\n\r\n"
            "[QUILLO]\r\nQuoteFile = /q/new.qot\r\nEmpty=\r\n"
            "# a comment=with equals\r\nCase=Upper\r\ncase=Lower\r\nTutorial=1\r\n\r\n"
            "[Other]\r\nKeep=me\r\n[quillo]\r\nLate=second section\r\n[YouWon]\r\nCorner=3\r\n"
            "DX=-4\r\n\r\n[Colors]\r\ncolors=1 2\r\n");
}

TEST(IniFileTest, WritesANewFileWholeAndSafely) {
  TempFolder folder;
  const std::string path = folder.File("quillo.ini");
  {
    PrivateIniFile store(path.c_str());
    store.WriteString("quillo", "Empty", "");
    store.WriteString("quillo", "QuoteFile", "x.qot\n[evil]\r\nHintButtons=0");
    store.Flush(false);
    EXPECT_EQ(ReadFile(folder.File("quillo.ini")).value_or(""),
              "[quillo]\nEmpty=\nQuoteFile=x.qot [evil]  HintButtons=0\n");
  }
  PrivateIniFile reread(path.c_str());
  EXPECT_EQ(reread.ReadString("quillo", "Empty", "dflt") + std::to_string(reread.ReadInt("evil", "HintButtons", 1)), "1");

  // A linked settings file stays linked and keeps its permissions; no temporary file is left,
  // and one a killed writer left behind goes, while a living writer's stays.
  TempFolder elsewhere;
  fs::rename(path, elsewhere.File("real.ini"));
  ::chmod((elsewhere.File("real.ini")).c_str(), 0640);
  fs::create_symlink(elsewhere.File("real.ini"), path);
  WriteFile(elsewhere.File("real.ini.tmp-3"), "[quillo]\nHalf");  // nobody holds it
  const std::string living = "real.ini.tmp-0";  // a writer holds its lock
  WriteFile(elsewhere.File(living), "");
  const int held = ::open(elsewhere.File(living).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  reread.WriteInt("quillo", "HintButtons", 0);
  reread.Flush(false);
  ::close(held);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_NE(ReadFile(elsewhere.File("real.ini")).value_or("").find("HintButtons=0\n"), std::string::npos);
  EXPECT_EQ(fs::status(elsewhere.File("real.ini")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(!fs::exists(elsewhere.File("real.ini.tmp-3")) && fs::exists(elsewhere.File(living)));
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.Path()), fs::directory_iterator()), 2);
}

TEST(IniFileTest, SurvivesHostileFilesWithoutLosingThem) {
  TempFolder folder;
  const std::string path = folder.File("quillo.ini");
  auto writeAndFlush = [&] { PrivateIniFile(path.c_str()).WriteInt("quillo", "Tutorial", 1); };
  auto read = [&](const char* key) { return PrivateIniFile(path.c_str()).ReadString("quillo", key, "dflt"); };
  auto tutorial = [&] { return PrivateIniFile(path.c_str()).ReadInt("quillo", "Tutorial", 5); };

  constexpr char kWithNuls[] = "[quillo]\nA=12\0junk\nB\0=x\n\0\0\0\nC=ok\n";
  WriteFile(path, std::string(kWithNuls, sizeof kWithNuls - 1));
  EXPECT_EQ(read("A") + read("B") + read("C"), "12dfltok");

  // A line past 65,536 characters is read whole, and writing its key rewrites that one line.
  const std::string longValue(70000, 'x');
  WriteFile(path, "[quillo]\nA=1\nX=" + longValue + "\nB=2\n");
  EXPECT_EQ(read("B") + read("X"), "2" + longValue);
  PrivateIniFile(path.c_str()).WriteString("quillo", "X", "short");
  EXPECT_EQ(ReadFile(path).value_or(""), "[quillo]\nA=1\nX=short\nB=2\n");

  std::mt19937 random(20240611);
  std::string junk(64 * 1024, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  WriteFile(path, junk);
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_TRUE(ReadFile(path).value_or("").substr(0, junk.size()) == junk && tutorial() == 1);

  // Not a usable text file: reads give defaults, and the write leaves it alone.
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_TRUE(fs::is_directory(path));

  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  // A plain open of a FIFO waits for a writer; the store must never wait.
  auto touching = std::async(std::launch::async, [&] {
    PrivateIniFile store(path.c_str());
    const int tutorial = store.ReadInt("quillo", "Tutorial", 5);
    store.WriteInt("quillo", "Tutorial", 1);
    store.Flush(false);
    return tutorial;
  });
  while (touching.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
    ADD_FAILURE() << "a FIFO as the settings file blocks the store";
    ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));  // let it go
  }
  EXPECT_TRUE(touching.get() == 5 && fs::status(path).type() == fs::file_type::fifo);

  fs::remove(path);
  WriteFile(path, "[quillo]\nTutorial=0\n");
  fs::resize_file(path, 17 * 1024 * 1024);  // far past any settings file
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_EQ(fs::file_size(path), 17u * 1024 * 1024);

  if (::geteuid() != 0) {  // permissions do not stop root
    WriteFile(path, "[quillo]\nTutorial=0\n");
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(tutorial(), 5);
    writeAndFlush();
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadFile(path).value_or(""), "[quillo]\nTutorial=0\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(IniFileDeathTest, AStoreWithoutAFileNameIsFatal) {
  EXPECT_DEATH(PrivateIniFile(nullptr), "name != NULL.*classlib.IniFile");
}

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);

class SettingsTest : public DisplayFixture {
 protected:
  std::string SavedFile() { return ReadFile(folder.File("quillo.ini")).value_or("<missing>"); }
  void Print() { PrintPuzzle(&frame, window, game, 0.5, printer); }
  std::unique_ptr<TPrinter> printer;
};

TEST_F(SettingsTest, ColorsLoadResolveAndSurviveBrokenValues) {
  Color colors;
  colors.Load();  // no settings: the defaults
  EXPECT_EQ(colors.Get(kColorBackground), MakeColor(235, 235, 235));
  fake.sysColors[kSysColorButtonFace] = MakeColor(10, 200, 128);
  EXPECT_EQ(colors.Get(kColorBackground), MakeColor(15, 195, 123));

  // Entries from the first bad number on keep their defaults; a scheme that would draw any text
  // in its background colour is the default scheme. A system colour reference, an oversized number.
  using Scheme = std::array<TColor, kColorElementCount>;
  const Scheme kDefaults = {kFollowSystem, 0, 128, 240, 15728640, 0};
  const std::pair<const char*, Scheme> cases[] = {
      {"abc", kDefaults},
      {"255 65280 7 x 9", {255, 65280, 7, 240, 15728640, 0}},
      {"1 2", {1, 2, 128, 240, 15728640, 0}},
      {"0 0 128 240 15728640 0", kDefaults},          // black on black
      {"2147483653 99999999999 0 0 0 0", kDefaults},  // white on the window's white
      {"2147483653 0 0 0 0 0", {2147483653u, 0, 0, 0, 0, 0}},
  };
  store.WriteString("quillo", "custom_colors", "1 2 x 4");
  for (const auto& [value, stored] : cases) {
    store.WriteString("quillo", "colors", value);
    colors.Load();
    for (int i = 0; i < kColorElementCount; ++i) EXPECT_EQ(colors.Stored(i), stored[i]) << value;
  }
  EXPECT_EQ(colors.Get(0), MakeColor(255, 255, 255));  // system colour 5, the window
  EXPECT_EQ(std::tuple(colors.CustomColors()[1], colors.CustomColors()[3], colors.Get(-1), colors.Get(6)),
            std::tuple(2u, 65535u, 0u, 0u));
}

TEST_F(SettingsTest, ColorsSavedOnlyWhenChangedWithTheFollowSystemValueKept) {
  Color colors;
  colors.Load();
  colors.Save();
  EXPECT_FALSE(std::filesystem::exists(folder.File("quillo.ini")));
  colors.Set(kColorBackground, kRed);
  colors.Set(kColorHeadings, 0x8000000Fu);  // saved as the button face it stands for
  colors.Reset(kColorBackground);
  colors.Save();
  EXPECT_NE(SavedFile().find("colors=4294967295 15790320 128 240 15728640 0\n"), std::string::npos) << SavedFile();
}

TEST_F(SettingsTest, ColorDialogChangesShowAtOnceOkKeepsThemAndCancelPutsThemBack) {
  StartPuzzle("Hello, World");
  fake.AnswerChooseColor({kRed});
  fake.ScriptDialog(kColorTemplateId, [&](FakeDialog& d) {
    EXPECT_EQ(d.Draw(kColorSampleId).OpsOf(DrawKind::Fill).at(0).color, MakeColor(235, 235, 235));
    EXPECT_EQ(d.ListItems(kColorListId), (std::vector<std::string>{"Background", "Headings", "Times", "Ciphertext",
                                                                   "Plaintext", "Selected character"}));
    d.Click(kColorChangeId);
    EXPECT_EQ(fake.Peer(quote()).background, kRed);  // the panes follow at once
    EXPECT_EQ(d.Draw(kColorSampleId).OpsOf(DrawKind::Fill).at(0).color, kRed);
    d.Select(kColorListId, 3);
    d.Click(IDOK);
  });
  window.ChangeColors();
  EXPECT_EQ(fake.ChooseColorRequests(), (std::vector<TColor>{MakeColor(235, 235, 235)}));
  EXPECT_TRUE(TheColors().Stored(kColorBackground) == kRed && fake.Peer(freq()).background == kRed);

  // Cancel puts everything back.
  TheColors().Set(kColorTimes, kGreen);
  Color before;
  before.Copy(TheColors());
  fake.AnswerChooseColor({kRed});
  fake.ScriptDialog(kColorTemplateId, [&](FakeDialog& d) {
    d.Select(kColorListId, 3);
    d.Click(kColorChangeId);
    d.Select(kColorListId, 2);
    d.Click(kColorDefaultId);
    EXPECT_EQ(TheColors().Stored(kColorTimes), 128u);
    d.Click(IDCANCEL);
  });
  window.ChangeColors();
  for (int i = 0; i < kColorElementCount; ++i) EXPECT_EQ(TheColors().Stored(i), before.Stored(i)) << i;
  EXPECT_EQ(fake.Peer(quote()).background, kRed);
  // A dialog that cannot be made is reported.
  fake.FailNextDialogs();
  window.ChangeColors();
  EXPECT_EQ(fake.LastMessage().caption, "ERROR");
}

TEST_F(SettingsTest, FontRecordsRoundTripAndLoadSelectAndSaveThem) {
  TLogFont record;
  ASSERT_TRUE(ParseFontSetting("-20 0 0 0 700 1 0 0 238 3 2 1 49 Courier New Bold", record));
  EXPECT_EQ(std::tuple(record.height, record.weight, record.italic, record.charSet, record.outPrecision,
                       record.clipPrecision, record.quality, record.pitchAndFamily, std::string(record.faceName)),
            std::tuple(-20, 700, 1, 238, 3, 2, 1, 49, std::string("Courier New Bold")));
  EXPECT_EQ(FormatFontSetting(record), "-20 0 0 0 700 1 0 0 238 3 2 1 49 Courier New Bold");
  // Byte fields keep their low byte; white space before the face is skipped; long faces are cut.
  ASSERT_TRUE(ParseFontSetting("12 0 0 0 400 0 0 0 494 0 0 0 1   Mono Face That Is Far Too Long For A Record", record));
  EXPECT_EQ(record.charSet, 238);
  EXPECT_STREQ(record.faceName, "Mono Face That Is Far Too Long ");
  for (const char* broken : {"", "-15 0 0 0 400 0 0 0 0 3 2 1 49", "-15 0 0 0 400 0 0 0 0 3 2 1 x Face",
                             "-15 0 0 0 400 0 0 0 0 3 2 1 49 \n"}) {
    EXPECT_FALSE(ParseFontSetting(broken, record)) << broken;
  }
  EXPECT_STREQ(record.faceName, "Mono Face That Is Far Too Long ");  // a refused value leaves the record

  Font font;
  font.Load();  // the default
  EXPECT_EQ(std::string(font.Record().faceName) + std::to_string(font.AuxiliaryHeight()), "Lucida Console-15");
  font.Save();
  EXPECT_EQ(store.ReadString("quillo", "Font", "absent"), "absent");

  store.WriteString("quillo", "Font", "-40 0 0 0 400 0 0 0 0 3 2 1 49 Big");
  font.Load();
  EXPECT_EQ(font.AuxiliaryHeight(), -23);
  // Heights from 6 to 96 points at the screen's resolution are kept; others give the default.
  const std::tuple<int, const char*, const char*> heights[] = {
      {96, "-100000", "Lucida Console"}, {96, "3000", "Lucida Console"}, {96, "-7", "Lucida Console"},
      {96, "-8", "Tiny"}, {96, "128", "Tiny"}, {192, "-8", "Lucida Console"}};
  for (const auto& [pixelsPerInch, height, face] : heights) {
    fake.screenPixelsPerInch = {pixelsPerInch, pixelsPerInch};
    store.WriteString("quillo", "Font", (std::string(height) + " 0 0 0 400 0 0 0 0 3 2 1 49 Tiny").c_str());
    font.Load();
    EXPECT_STREQ(font.Record().faceName, face) << height << " at " << pixelsPerInch;
  }

  store.WriteString("quillo", "Font", "");  // an unreadable value leaves the stock fixed font
  font.Load();
  RecordingDC dc;
  font.Select(dc);
  EXPECT_FALSE(font.HasFont() || dc.OpsOf(DrawKind::SelectFont).back().font.has_value());
}

TEST_F(SettingsTest, FontChoosingLaysTheDisplayOutAgainAndRefusesProportionalFonts) {
  StartPuzzle("Hello, World");
  TLogFont big;
  ParseFontSetting("-30 0 0 0 400 0 0 0 0 3 2 1 49 Big Mono", big);
  fake.AnswerChooseFont({TChooseResult::Ok, big, ""});
  window.ChangeFont();
  EXPECT_EQ(fake.Peer(freq()).windowRect, (TRect{320, 0, 560, 481}));
  fake.PaintPending();
  EXPECT_EQ(Cells().lineColumns, 17);
  TheFont().Save();
  EXPECT_EQ(store.ReadString("quillo", "Font", ""), "-30 0 0 0 400 0 0 0 0 3 2 1 49 Big Mono");

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
  EXPECT_FALSE(TheFont().Choose(&window) || TheFont().Changed());
}

// A letter page at 600 dpi with an unprintable quarter inch all round, in device pixels.
struct Paper {
  int logPixelsX = 600, logPixelsY = 600, horzRes = 4800, vertRes = 6300;
  int physicalWidth = 5100, physicalHeight = 6600, physicalOffsetX = 150, physicalOffsetY = 150;
};

PageInput InputFor(int width, int height, const Paper& caps, double margin = 0.5, bool big = false) {
  return {width, height, 96, 96, caps.logPixelsX, caps.logPixelsY, caps.horzRes, caps.vertRes,
          caps.physicalWidth, caps.physicalHeight, caps.physicalOffsetX, caps.physicalOffsetY, margin, big};
}

// Where the picture's edges land on the paper: inches from the left, top, right and bottom edges.
std::array<double, 4> PlacementOf(const PageGeometry& g, const PageInput& in, const Paper& caps) {
  RecordingDC dc;
  dc.SetIsotropic(g.windowExt, g.viewportExt);
  dc.SetWindowOrg(g.windowOrigin);
  const TPoint a = dc.ToDevice({0, 0}), b = dc.ToDevice({in.width, in.height});
  const double dpi = caps.logPixelsX;
  return {(a.x + caps.physicalOffsetX) / dpi, (a.y + caps.physicalOffsetY) / dpi,
          (caps.physicalWidth - caps.physicalOffsetX - b.x) / dpi,
          (caps.physicalHeight - caps.physicalOffsetY - b.y) / dpi};
}

TEST(PageGeometryTest, TheWorkedExampleNaturalAndMaximumSizesAndHostileInput) {
  const Paper letter;
  const auto g = ComputePageGeometry(InputFor(800, 600, letter));  // too wide for the margins: scaled
  ASSERT_TRUE(g);
  EXPECT_EQ(std::tuple(g->wide, g->winW, g->winH), std::tuple(true, 7.5f, 5.625f));
  EXPECT_EQ(std::tuple(g->logical, g->windowExt, g->viewportExt, g->windowOrigin),
            std::tuple(TRect{-26, -20, 826, 620}, TSize{852, 640}, TSize{4800, 6300}, TPoint{-26, -260}));

  const double w = 400.0 / 96, h = 300.0 / 96, side = (8.5 - 10.0 / 3) / 2;
  const struct { PageInput in; std::array<double, 4> placement; } cases[] = {
      {InputFor(800, 600, letter), {0.5, 2.69, 0.5, 2.69}},
      {InputFor(400, 300, letter), {(8.5 - w) / 2, (11 - h) / 2, (8.5 - w) / 2, (11 - h) / 2}},  // fits
      {InputFor(400, 300, letter, 0.5, true), {0.5, 2.69, 0.5, 2.69}},  // maximum size
      {InputFor(300, 900, letter, 0.5, true), {side, 0.5, side, 0.5}},  // tall: fills the height
  };
  for (const auto& c : cases) {
    const auto page = ComputePageGeometry(c.in);
    ASSERT_TRUE(page) << c.in.width;
    const std::array<double, 4> got = PlacementOf(*page, c.in, letter);
    for (int edge = 0; edge < 4; ++edge) {
      EXPECT_NEAR(got[edge], c.placement[edge], edge % 2 ? 0.02 : 0.01) << c.in.width << " " << edge;
    }
  }

  EXPECT_FALSE(ComputePageGeometry(InputFor(0, 600, letter)));
  EXPECT_FALSE(ComputePageGeometry(InputFor(800, 600, Paper{.logPixelsX = 0})));
  EXPECT_FALSE(ComputePageGeometry(InputFor(800, 600, letter, 9.0)));  // a margin that leaves no area
}

TEST_F(SettingsTest, PrinterIsMadeOnceAndFailuresAreReported) {
  StartPuzzle("Hello, world");
  fake.Printer().available = false;
  Print();
  EXPECT_TRUE(fake.LastMessage() == (MessageBoxRecord{"Cannot access printer.", "Error", MB_OK | MB_ICONSTOP}) &&
              fake.Printer().printCount == 0);

  fake.Printer().available = true;
  PrinterSetup(&frame, printer);
  fake.Printer().printResult = TPrintResult::Failed;
  Print();
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Unknown printing error", "Error", MB_OK | MB_ICONSTOP}));
  fake.Printer().printResult = TPrintResult::Cancelled;
  Print();
  EXPECT_EQ(fake.Messages().size(), 2u);  // a cancelled job is no error
  EXPECT_EQ(std::pair(fake.Printer().createCount, fake.Printer().setupCount), std::pair(1, 1));
}

TEST_F(SettingsTest, MarginDialogAcceptsOnlyANumberUpToThreeInches) {
  double margin = 0.5;
  for (const char* typed : {"3.5", "abc", "1.25 "}) fake.AnswerInput(typed);
  EXPECT_TRUE(AskPrintMargin(&frame, 15, margin));
  const MessageBoxRecord refused{"Error: the printer margin must be between\n0.0 and 3.0 inches.  Please try again.",
                                 "Error", MB_OK};
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{refused, refused}));
  EXPECT_TRUE(margin == 1.25 && store.ReadString("quillo", "PrintMargin", "") == "1.25 ");

  fake.AnswerInput("2", IDCANCEL, "1.25");
  EXPECT_FALSE(AskPrintMargin(&frame, 15, margin));
  EXPECT_TRUE(margin == 1.25 && store.ReadString("quillo", "PrintMargin", "") == "1.25 ");
}

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
  EXPECT_EQ(Repaint(quote()).OpsOf(DrawKind::Text).back().font->height, -30);
  EXPECT_EQ(std::pair(Cells().cellHeight, Cells().panelWidth), std::pair(30, 16 * 15));
  const int columnsAtDouble = Cells().lineColumns;
  window.ZoomOut();
  EXPECT_EQ(Repaint(quote()).OpsOf(DrawKind::Text).back().font->height, -26);  // 175%: 26.25
  window.ActualSize();
  EXPECT_EQ(Repaint(quote()).OpsOf(DrawKind::Text).back().font->height, -15);
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
