// Start-up against the fake: the quote file's name, the search for it, the frame and its placement.
#include <filesystem>

#include "app/quotefilesearch.h"
#include "app_fixture.h"
#include "resources/commands.h"

namespace {

class AppStartupTest : public AppFixture {};

TEST_F(AppStartupTest, CommandLineFileIsStoredAndBuildsTheWholeFrame) {
  App& game = Start({"quotes.qot"});
  EXPECT_STREQ(game.state.quoteFileName, "quotes.qot");
  EXPECT_EQ(Setting("QuoteFile"), "quotes.qot");
  EXPECT_STREQ(game.text.quoteText, kQuotation);
  EXPECT_EQ(game.state.puzzleKind, kQuotePuzzle);
  EXPECT_TRUE(fake.Messages().empty());

  FakeWindowPeer& frame = FramePeer();
  EXPECT_EQ(frame.caption, "Quillo!");
  EXPECT_TRUE(frame.hasMenu);
  EXPECT_TRUE(frame.visible);
  EXPECT_EQ(frame.client, &game.Client());
  const std::vector<TToolItem> bar = frame.toolBar;
  ASSERT_EQ(bar.size(), 8u);
  const int pictures[] = {4, 3, 0, 2, 1, 0, 5, 6};
  const int commands[] = {108, 102, 0, 104, 105, 0, 106, 107};
  for (std::size_t i = 0; i < bar.size(); ++i) {
    EXPECT_EQ(bar[i].bitmap, pictures[i]) << i;
    EXPECT_EQ(bar[i].command, commands[i]) << i;
    EXPECT_EQ(bar[i].gap, pictures[i] == 0 ? 10 : 0) << i;
  }
  EXPECT_TRUE(frame.toolBarVisible);
  EXPECT_EQ(frame.edge, TEdge::Bottom);
  EXPECT_FALSE(frame.vertical);
  for (int id : CommandsAwaitingWork()) EXPECT_FALSE(frame.IsEnabled(id)) << id;
  EXPECT_TRUE(frame.IsEnabled(kCmdOpenPuzzleFile));
  EXPECT_TRUE(frame.IsTopMenuEnabled(2));
}

TEST_F(AppStartupTest, ArgumentIsCutTo255Characters) {
  const std::string longName(300, 'q');
  fake.AnswerOpenFile(TOpenFileResult{});  // no such file: the player cancels the dialog
  App& game = Start({longName});
  EXPECT_EQ(std::string(game.state.quoteFileName), longName.substr(0, 255));
  EXPECT_EQ(Setting("QuoteFile"), longName.substr(0, 255));
}

TEST_F(AppStartupTest, WithoutFileAnywhereOpenPuzzleFileRunsAndStartUpEndsThere) {
  App& game = Start({});
  const std::string standard = folder.File("bin/quillo.cqt");
  EXPECT_STREQ(game.state.quoteFileName, standard.c_str());  // the name is restored
  ASSERT_EQ(fake.OpenFileRequests().size(), 1u);
  const TOpenFileRequest& request = fake.OpenFileRequests()[0];
  EXPECT_EQ(request.title, "Quote File");
  EXPECT_EQ(request.filter,
            "Quote Files (*.cqt)|*.cqt|Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|");
  EXPECT_EQ(request.defaultExtension, "cqt");
  EXPECT_EQ(request.initialFolder, folder.File("bin/"));
  EXPECT_EQ(request.initialName, standard);
  EXPECT_STREQ(game.text.quoteText, "");  // no game was started
  EXPECT_FALSE(fake.QuitCalled());
}

TEST_F(AppStartupTest, SettingNamesTheFileAndTheSuffixesAreTriedInOrder) {
  std::filesystem::copy_file(FixturePath("quotes/two.cqt"), folder.File("quotes.cqt"));
  WriteSettings("QuoteFile=quotes\n");
  App& game = Start({});
  EXPECT_STREQ(game.state.quoteFileName, "quotes.cqt");  // before quotes.qot
  EXPECT_EQ(game.state.puzzleCount, 2);
  EXPECT_GE(game.state.currentPuzzle, 0);
}

TEST_F(AppStartupTest, OpenFileErrorQuitsWithoutTheSaveQuestion) {
  fake.AnswerOpenFile(TOpenFileResult{false, "", 12290});
  App& game = Start({"missing"});
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Open puzzle file dialog error code #12290", "Error", MB_OK}));
  EXPECT_EQ(fake.QuitCount(), 1);
  EXPECT_TRUE(game.ShutdownRequested());
}

TEST(QuoteFileSearch, TriesEachSuffixOnceAndSkipsNamesThatDoNotFit) {
  std::vector<std::string> tried;
  const auto none = [&](const char* path) {
    tried.push_back(path);
    return false;
  };
  char name[16] = "abc.txt";
  EXPECT_FALSE(FindReadableQuoteFile(name, sizeof name, none));
  EXPECT_EQ(tried, (std::vector<std::string>{"abc.txt", "abc.txt.cqt", "abc.txt.qot"}));
  EXPECT_STREQ(name, "abc.txt");

  tried.clear();
  char full[16] = "twelve-chars";  // 12 + 4 characters leave no room for the terminator
  EXPECT_FALSE(FindReadableQuoteFile(full, sizeof full, none));
  EXPECT_EQ(tried, std::vector<std::string>{"twelve-chars"});
  EXPECT_STREQ(full, "twelve-chars");

  TempFolder here;
  std::filesystem::create_directory(here.File("dir.cqt"));
  WriteFile(here.File("dir.qot"), "x\n");
  char found[256];
  std::snprintf(found, sizeof found, "%s", here.File("dir").c_str());
  EXPECT_TRUE(FindReadableQuoteFile(found, sizeof found));  // a folder does not count
  EXPECT_EQ(std::string(found), here.File("dir.qot"));
}

// --- Placement ---

class AppPlacementTest : public AppFixture {
 protected:
  TRect FrameAfterStart(const std::string& settings) {
    WriteSettings(settings);
    Start();
    return FramePeer().windowRect;
  }
};

TEST_F(AppPlacementTest, NoSavedPlacementOpensAtTheWorkAreaWithTheDefaultSize) {
  fake.workArea = {0, 30, 1920, 1040};
  EXPECT_EQ(FrameAfterStart(""), TRect::FromSize(0, 30, 560, 481));
  EXPECT_FALSE(FramePeer().zoomed);
}

TEST_F(AppPlacementTest, SmallSizesAreRaisedAndALoneCoordinateIsIgnored) {
  EXPECT_EQ(FrameAfterStart("WindowSizeX=50\nWindowSizeY=101\nWindowX=300\n"),
            TRect::FromSize(0, 0, 100, 101));
}

TEST_F(AppPlacementTest, AFrameOnAVanishedMonitorComesOntoTheFirst) {
  fake.monitors = {{0, 0, 1920, 1080}};
  EXPECT_EQ(FrameAfterStart("WindowX=2500\nWindowY=200\nWindowSizeX=600\nWindowSizeY=400\n"),
            TRect::FromSize(1320, 200, 600, 400));
}

TEST_F(AppPlacementTest, AFrameLargerThanItsMonitorShrinksToNineTenths) {
  fake.monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
  EXPECT_EQ(FrameAfterStart("WindowX=1920\nWindowY=0\nWindowSizeX=1500\nWindowSizeY=1024\n"),
            (TRect{2048, 0, 3200, 1024}));
}

TEST_F(AppPlacementTest, HostileNumbersStayOnTheScreen) {
  const TRect frame = FrameAfterStart(
      "WindowX=2147483647\nWindowY=-2147483648\nWindowSizeX=2147483647\nWindowSizeY=7\n");
  EXPECT_EQ(frame, (TRect{192, 0, 1920, 100}));
}

TEST_F(AppPlacementTest, MaximisedIgnoresTheRestAndMovesAreWritten) {
  EXPECT_EQ(FrameAfterStart("WindowMaximized=TRUE\nWindowX=40\nWindowY=50\n"), fake.workArea);
  EXPECT_TRUE(FramePeer().zoomed);
  FramePeer().Show(TShow::Normal);
  FramePeer().Move(TRect::FromSize(70, 80, 560, 481));
  EXPECT_EQ(Setting("WindowX"), "70");
  EXPECT_EQ(Setting("WindowY"), "80");
}

}  // namespace
