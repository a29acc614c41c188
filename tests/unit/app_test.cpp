// The application on the fake: start-up, placement, the working folder, the menu bar and the hint
// buttons' pictures, options, the game's course, its history and Check Entered Puzzle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/quotefilesearch.h"
#include "app/session.h"
#include "classlib/inifile.h"
#include "classlib/safefile.h"
#include "dialogs/placement.h"
#include "dialogs/workfolder.h"
#include "engine/random.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "resources/commands.h"
#include "resources/resources.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

namespace fs = std::filesystem;
const char* const kLoseQuestion = "Do you really want to start a new game\nand lose this one?";

// The real start-up on the fake platform. The program "lives" in <folder>/bin/; the game runs in
// <folder>, whose one-line "quotes.qot" makes every new game the same quotation.
class AppTest : public testing::Test {
 protected:
  static constexpr const char* kQuotation = "Hello, world";

  AppTest() { WriteFile(folder.File("quotes.qot"), std::string(kQuotation) + "\n"); }
  // The session goes while the fake can still take its calls.
  ~AppTest() override { session.reset(); }

  // Writes the settings file the next run starts from, e.g. "HintButtons=0\nWindowX=5\n". A session
  // still open is closed first, and before each start, as closing writes its own settings.
  void WriteSettings(const std::string& lines) {
    session.reset();
    WriteFile(folder.File("quillo.ini"), "[quillo]\n" + lines);
  }
  App& Start(std::vector<std::string> args = {"quotes.qot"}) {
    session.reset();
    session = QuilloSession::Start(folder.File("bin/quillo"), args);
    return session->TheApp();
  }
  App& app() { return session->TheApp(); }
  FakeWindowPeer& FramePeer() { return fake.Peer(app().Frame()); }
  std::string Setting(const char* key) { return Settings().ReadString("quillo", key, "<absent>"); }
  void Choose(int id) { fake.Command(app().Frame(), id); }
  bool Marked(int id) { return FramePeer().IsChecked(id); }
  // Puts the right plaintext letter on the ciphertext letter of plain, as the player types it.
  void Guess(char plain) {
    app().Client().Char('a' + app().TheGame().state.key[plain - 'a']);
    app().Client().Char(plain);
  }
  // The first paint judges the new puzzle (until then it counts as the last one did).
  void Play(const std::string& letters, int seconds) {
    fake.PaintPending();
    for (char c : letters) Guess(c);
    for (int i = 0; i < seconds; ++i) app().TheGame().AddSeconds(1);
  }
  // The win check the quote window runs after a paint; the player stays on the solved puzzle.
  void Win() {
    fake.ScriptDialog(kYouWonTemplateId, [](FakeDialog& d) { d.Click(kYouWonNo); });
    app().TheGame().JudgePuzzle();
    app().TheGame().CheckForWin();
    EXPECT_NE(std::string(app().TheGame().state.guess, 26), std::string(26, ' '));  // No keeps the puzzle
  }
  std::string History() { return ReadFile(folder.File("history.txt")).value_or("<none>"); }
  TRect FrameAfterStart(const std::string& settings) {
    WriteSettings(settings);
    Start();
    return FramePeer().windowRect;
  }

  TempFolder folder{true};
  FakePlatform fake;
  std::unique_ptr<QuilloSession> session;
};

TEST_F(AppTest, StartUpFromTheCommandLineTheSettingOrTheFileDialog) {
  // Without a file anywhere, Open Puzzle File runs and start-up ends there.
  const std::string standard = folder.File("bin/quillo.cqt");
  EXPECT_STREQ(Start({}).TheGame().state.quoteFileName, standard.c_str());  // the name is restored
  ASSERT_EQ(fake.OpenFileRequests().size(), 1u);
  EXPECT_EQ(fake.OpenFileRequests()[0].initialFolder + "|" + fake.OpenFileRequests()[0].initialName,
            folder.File("bin/") + "|" + standard);
  EXPECT_TRUE(app().TheGame().text.quoteText[0] == 0 && fake.QuitCount() == 0);

  App& game = Start({"quotes.qot"});
  EXPECT_EQ(std::string(game.TheGame().state.quoteFileName) + "|" + Setting("QuoteFile"), "quotes.qot|quotes.qot");
  EXPECT_STREQ(game.TheGame().text.quoteText, kQuotation);
  EXPECT_TRUE(fake.Messages().empty() && FramePeer().client == &game.Client());
  EXPECT_TRUE(FramePeer().toolBarVisible && FramePeer().IsTopMenuEnabled(2));

  // An argument is cut to 255 characters (no such file: the player cancels the dialog).
  const std::string longName(300, 'q');
  fake.AnswerOpenFile(TOpenFileResult{});
  EXPECT_EQ(std::string(Start({longName}).TheGame().state.quoteFileName), longName.substr(0, 255));
  EXPECT_EQ(Setting("QuoteFile"), longName.substr(0, 255));

  // The setting names the file; the suffixes are tried in order, .cqt before .qot.
  fs::copy_file(FixturePath("quotes/two.cqt"), folder.File("quotes.cqt"));
  WriteSettings("QuoteFile=quotes\n");
  EXPECT_STREQ(Start({}).TheGame().state.quoteFileName, "quotes.cqt");
  EXPECT_EQ(app().TheGame().state.puzzleCount, 2);

  // An error of the file dialog quits without the save question.
  fake.AnswerOpenFile(TOpenFileResult{false, "", 12290});
  EXPECT_TRUE(Start({"missing"}).ShutdownRequested());
  EXPECT_TRUE(fake.LastMessage() == (MessageBoxRecord{"Open puzzle file dialog error code #12290", "Error", MB_OK}) &&
              fake.QuitCount() == 1);
}

TEST(QuoteFileSearch, TriesEachSuffixOnceAndSkipsNamesThatDoNotFit) {
  std::vector<std::string> tried;
  const auto none = [&](const char* path) { return tried.push_back(path), false; };
  char name[16] = "abc.txt";
  EXPECT_FALSE(FindReadableQuoteFile(name, sizeof name, none));
  char full[16] = "twelve-chars";  // 12 + 4 characters leave no room for the terminator
  EXPECT_FALSE(FindReadableQuoteFile(full, sizeof full, none));
  EXPECT_EQ(tried, (std::vector<std::string>{"abc.txt", "abc.txt.cqt", "abc.txt.qot", "twelve-chars"}));

  TempFolder here;
  fs::create_directory(here.File("dir.cqt"));
  WriteFile(here.File("dir.qot"), "x\n");
  char found[256];
  std::snprintf(found, sizeof found, "%s", here.File("dir").c_str());
  EXPECT_TRUE(FindReadableQuoteFile(found, sizeof found));  // a folder does not count
  EXPECT_EQ(std::string(found), here.File("dir.qot"));
}

TEST_F(AppTest, SavedPlacementStaysOnTheScreen) {
  EXPECT_EQ(FrameAfterStart("WindowX=2147483647\nWindowY=-2147483648\nWindowSizeX=2147483647\nWindowSizeY=7\n"),
            (TRect{192, 0, 1920, 100}));
  // Small sizes are raised, a lone coordinate is ignored (monitors: FitToMonitor below).
  EXPECT_EQ(FrameAfterStart("WindowSizeX=50\nWindowSizeY=101\nWindowX=300\n"), TRect::FromSize(0, 0, 100, 101));
  // Maximised ignores the rest; moves are written.
  EXPECT_TRUE(FrameAfterStart("WindowMaximized=TRUE\nWindowX=40\nWindowY=50\n") == fake.workArea && FramePeer().zoomed);
  FramePeer().Show(TShow::Normal);
  FramePeer().Move(TRect::FromSize(70, 80, 560, 481));
  EXPECT_EQ(Setting("WindowY"), "80");
}

TEST(FitToMonitor, KeepsMovesShrinksAndChoosesTheLargestOverlap) {
  const TRect left{0, 0, 1920, 1080}, right{1920, 0, 3200, 1024};
  const TRect a{0, 0, 1000, 800}, b{1000, 0, 2000, 800};
  std::vector<TRect> many(10, TRect{0, 0, 800, 600});  // only the first ten monitors count
  many.push_back({5000, 0, 6000, 800});
  const struct {
    TRect frame;
    std::vector<TRect> monitors;
    TRect expected;
  } cases[] = {
      {{2000, 10, 2560, 491}, {left, right}, {2000, 10, 2560, 491}},
      {{4000, 1200, 4560, 1681}, {left, right}, {1360, 599, 1920, 1080}},  // gone: onto the first
      // Nine tenths around the old centre: dx = -149 takes 74 off each side, dy = -379 takes 189.
      {{1900, -100, 3201, 1200}, {right}, {1974, 89, 3127, 1011}},
      {{1820, 0, 2380, 481}, {left, right}, {1920, 0, 2480, 481}},  // 100 pixels left, 460 right
      {{800, 0, 1200, 300}, {a, b}, {600, 0, 1000, 300}},  // an exact tie: the earlier monitor
      {{800, 0, 1200, 300}, {b, a}, {1000, 0, 1400, 300}},
      {{5100, 0, 5500, 300}, many, {400, 0, 800, 300}},
  };
  for (const auto& c : cases) EXPECT_EQ(FitToMonitor(c.frame, c.monitors), c.expected) << c.frame.left;

  FakePlatform fake;  // without a list the platform is asked, then its work area stands in
  fake.monitors = {left, right};
  EXPECT_EQ(FitToMonitor(TRect{3000, 0, 3400, 300}), (TRect{2800, 0, 3200, 300}));
  fake.monitors.clear();
  fake.workArea = {0, 0, 1280, 984};
  EXPECT_EQ(FitToMonitor(TRect{3000, 0, 3400, 300}), (TRect{880, 0, 1280, 300}));
}

class WorkFolderTest : public ::testing::Test {
 protected:
  WorkFolderTest() {
    fs::create_directories(programFolder);
    fs::create_directories(root.File("home/.config"));
    env.home = root.File("home");
    env.canWrite = [this](const std::string& folder) { return !readOnly.contains(folder); };
  }
  // The folder current after starting from `from`.
  fs::path StartedIn(const fs::path& from, const char* program = nullptr) {
    fs::current_path(from);
    SetWorkingFolder(program ? program : programPath.c_str(), env);
    return fs::current_path();
  }

  TempFolder root{true};  // each test's own moves are undone afterwards
  const std::string programFolder = root.File("opt/quillo");
  const std::string programPath = programFolder + "/quillo";
  std::set<std::string> readOnly{programFolder};
  WorkFolderEnvironment env;
};

TEST_F(WorkFolderTest, OnlyAReadOnlyProgramFolderMovesToDocuments) {
  EXPECT_EQ(StartedIn(programFolder), root.File("home/Documents/quillo"));
  readOnly.insert("/");  // installed in the root folder itself: no name to borrow
  EXPECT_EQ(StartedIn("/", "/quillo"), root.File("home/Documents/Default"));
  EXPECT_EQ(StartedIn(root.Path()), root.Path());  // not started from the program folder
  readOnly.erase(programFolder);
  EXPECT_EQ(StartedIn(programFolder), programFolder);
  readOnly.insert(programFolder);
  // A Documents folder that cannot be made leaves the program folder current.
  fs::remove_all(root.File("home/Documents"));
  WriteFile(root.File("home/Documents"), "a file in the way");
  EXPECT_EQ(StartedIn(programFolder), programFolder);
}

TEST_F(WorkFolderTest, DocumentsFolderComesFromUserDirs) {
  EXPECT_EQ(DocumentsFolder(WorkFolderEnvironment{}), "/tmp");
  WriteFile(root.File("home/.config/user-dirs.dirs"),
            "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
            "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Papers\\\"/\"\r\n");
  EXPECT_EQ(DocumentsFolder(env), root.File("home/My \"Papers\""));
  env.configHome = root.File("config");
  fs::create_directories(env.configHome);
  WriteFile(root.File("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"" + root.File("papers") + "\"\n");
  EXPECT_EQ(StartedIn(programFolder), root.File("papers/quillo"));
  // Neither relative nor unfinished values count; ~/Documents stands in.
  WriteFile(root.File("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=papers\nXDG_DOCUMENTS_DIR=\"/open\n");
  EXPECT_EQ(DocumentsFolder(env), root.File("home/Documents"));
}

TEST_F(AppTest, OpenPuzzleFileAndAFailedLoadAskOnlyWhileTouched) {
  WriteFile(folder.File("other.qot"), "Other words\n");
  App& game = Start();
  Guess('h');
  fake.AnswerNext(IDNO, kLoseQuestion);
  Choose(kCmdOpenPuzzleFile);
  EXPECT_TRUE(fake.OpenFileRequests().empty());
  game.Client().Char('a' + game.TheGame().state.key['e' - 'a']);  // a selection to be cleared
  fake.AnswerNext(IDYES);
  fake.AnswerOpenFile(folder.File("other.qot"));
  Choose(kCmdOpenPuzzleFile);
  EXPECT_TRUE(Setting("QuoteFile") == folder.File("other.qot") && game.TheGame().state.selectedCipher == -1);
  fake.AnswerOpenFile(TOpenFileResult{});  // a plain cancel changes nothing
  Choose(kCmdOpenPuzzleFile);
  EXPECT_TRUE(std::string(game.TheGame().text.quoteText) == "Other words" && fake.QuitCount() == 0);

  // New Game on a file gone meanwhile: its message, then the file dialog without a second question.
  Guess('o');
  fake.ClearMessages();
  fake.AnswerNext(IDYES);
  WriteFile(folder.File("third.qot"), "Third words\n");
  fs::remove(folder.File("other.qot"));
  fake.AnswerOpenFile(folder.File("third.qot"));
  Choose(kCmdNewGame);
  ASSERT_EQ(fake.Messages().size(), 2u);  // the question, then the failure
  EXPECT_EQ(fake.Messages()[1].text, "Can't open file.\nPlease select a different file.");
  EXPECT_EQ(Setting("QuoteFile") + "|" + game.TheGame().text.quoteText, folder.File("third.qot") + "|Third words");
}

TEST_F(AppTest, OnlyPuzzlesFromTheCompressedFileReachTheRecord) {
  fs::copy_file(FixturePath("quotes/two.cqt"), folder.File("two.cqt"));
  App& game = Start({"two.cqt"});
  const int first = game.TheGame().state.currentPuzzle;
  game.MarkPuzzleSolved();
  game.NewGame(PuzzleKind::kQuotePuzzle, -1, false);
  const int second = game.TheGame().state.currentPuzzle;
  ASSERT_TRUE(TheMemory().IsSolved(first) && second == 1 - first);  // the unsolved one
  std::snprintf(game.TheGame().text.displayText, kQuoteBufferSize, "%s", "Typed in");
  game.NewGame(PuzzleKind::kPlainEntered, 0, true);
  game.MarkPuzzleSolved();
  EXPECT_FALSE(TheMemory().IsSolved(second));
}

void CollectIds(const std::vector<TMenuItem>& items, std::set<int>& ids) {
  for (const TMenuItem& item : items) {
    if (!item.children.empty()) CollectIds(item.children, ids);
    else if (!item.separator) ids.insert(item.id);
  }
}

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

// The menu holds exactly the game's command table, App does the work of every command, every
// item has its mnemonic and only Help sits at the right.
TEST(AppMenu, EveryCommandOfTheTableIsInTheMenuWiredAndReachableByItsLetter) {
  const std::set<int> table = {
      107,   101,   11862, 11860, 11882, 112,   11842, 11875, 111,   11861, 11858, 11849, 11854, 11856,
      11878, 11850, 11880, 109,   11868, 11869, 11871, 11870, 108,   102,   104,   105,   106,   11851,
      11852, 11863, 11845, 11846, 11847, 11859, 11843, 11848, 11853, 11883, 11864, 11865, 11866, 11867,
      11873, 11874, 11879, 11881, 103,   110,   11855, 11844, 24341, 24346, 11872, 11877, 11857, 11876,
      11884, 11885, 11886, 11887, 11888, 11889,
      11890, 11891, 11892, 11893, 11894, 11895, 11896, 11897, 11898, 11899, 11900};
  std::set<int> ids;
  CollectIds(MenuBar(), ids);
  EXPECT_EQ(ids, table);
  for (int id : table) EXPECT_TRUE(App::HandlesCommand(id)) << id;
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
  EXPECT_TRUE(HintBitmap(0).pixels.empty() && HintBitmap(7).pixels.empty());
}

TEST_F(AppTest, MarksAtStartUpFollowTheSettings) {
  WriteSettings(
      "QuoteWindowPosition=right\nQuoteWindowHighlightSolution=1\nCase=military\n"
      "FrequencyOrder=0\nWordlistOrder=0\nExplainErrors=0\nShowLetterFrequencies=0\n"
      "PrintColor=1\nHintLocation=9\nHintButtons=0\nPrintMargin=1.25in\n");
  App& game = Start();
  // "right" in lower case, an out-of-range hint location (the top) and a margin with a unit.
  const std::set<int> marked = {kCmdQuoteRight, kCmdHighlightSolution, kCmdCaseMilitary, kCmdFrequencyAlphabetical,
                                kCmdWordsByFrequency, kCmdShowTimeAndScores, kCmdPrintColor, kCmdHintsTop,
                                kCmdHighlightSelected};  // missing keys: classic, highlight on
  for (int id : {kCmdQuoteLeft, kCmdQuoteRight, kCmdCaseMixed, kCmdCaseMilitary, kCmdFrequencyByCount,
                 kCmdExplainErrors, kCmdShowFrequencies, kCmdShowTimeAndScores, kCmdPrintColor, kCmdHintsTop,
                 kCmdHintsBottom, kCmdShowHintButtons, kCmdQuickEntry, kCmdAdvanceAfterGuess, kCmdHighlightSelected}) {
    EXPECT_EQ(Marked(id), marked.count(id) == 1) << id;
  }
  EXPECT_FALSE(FramePeer().toolBarVisible || game.Opts().WordListAlphabetical());
  EXPECT_DOUBLE_EQ(game.Opts().PrintMargin(), 1.25);
  EXPECT_STREQ(game.TheGame().text.displayText, "HELLO WORLD");
}

TEST_F(AppTest, OptionCommandsStoreTheirSettingAndTakeEffectAtOnce) {
  App& game = Start();
  const char cipherH = static_cast<char>('a' + game.TheGame().state.key['h' - 'a']);
  Guess('h');
  // Letters restyle the text and keep key and guesses.
  Choose(kCmdCaseMilitary);
  EXPECT_EQ(Setting("Case") + "|" + game.TheGame().text.displayText, "Military|HELLO WORLD");
  EXPECT_TRUE(game.TheGame().text.puzzleText[0] == cipherH - 'a' + 'A' &&
              game.TheGame().state.guess[cipherH - 'a'] == 'H');
  Choose(kCmdCaseLower);
  EXPECT_EQ(Setting("Case") + "|" + game.TheGame().text.displayText, "Lower|hello, world");

  fake.Resize(game.Frame(), 600, 400);
  FakeWindowPeer& panel = fake.Peer(game.Client().Freq());
  Choose(kCmdQuoteRight);
  EXPECT_TRUE(Setting("QuoteWindowPosition") == "Right" && panel.windowRect.left == 0);
  Choose(kCmdQuoteLeft);
  EXPECT_TRUE(Setting("QuoteWindowPosition") == "Left" && panel.windowRect.left > 0);
  panel.invalidateCount = 0;
  Choose(kCmdFrequencyByCount);  // already so: nothing at all
  EXPECT_TRUE(Setting("FrequencyOrder") == "<absent>" && panel.invalidateCount == 0);
  Choose(kCmdFrequencyAlphabetical);
  EXPECT_TRUE(Setting("FrequencyOrder") == "0" && !Marked(kCmdFrequencyByCount) && panel.invalidateCount == 1);
  // The word list's order: its setting, its marks, and the order the next list is asked in.
  Choose(kCmdWordsByFrequency);
  EXPECT_TRUE(Setting("WordlistOrder") == "0" && Marked(kCmdWordsByFrequency) && !game.Opts().WordListAlphabetical());
  Choose(kCmdWordsAlphabetical);
  EXPECT_TRUE(Setting("WordlistOrder") == "1" && !Marked(kCmdWordsByFrequency) && game.Opts().WordListAlphabetical());
}

TEST_F(AppTest, HintButtonEdgesShowTheBarFirstAndMoveIt) {
  WriteSettings("HintButtons=0\n");
  Start();
  Choose(kCmdHintsLeft);
  EXPECT_TRUE(FramePeer().toolBarVisible && Marked(kCmdShowHintButtons) && FramePeer().vertical);
  Choose(kCmdHintsTop);
  EXPECT_TRUE(FramePeer().edge == TEdge::Top && FramePeer().toolBarVisible);  // a shown bar stays shown
  Choose(kCmdShowHintButtons);
  app().Exit();
  EXPECT_TRUE(!FramePeer().toolBarVisible && Setting("HintButtons") == "0");
}

TEST_F(AppTest, EnteredCiphertextGreysTheHintsAndAQuoteFileGameRestoresThem) {
  App& game = Start();
  std::snprintf(game.TheGame().text.displayText, kQuoteBufferSize, "%s", "Xyz abc");
  game.NewGame(PuzzleKind::kCipherEntered, 0, true);
  EXPECT_FALSE(FramePeer().IsTopMenuEnabled(2));
  // The bar cannot be shown meanwhile, and the greyed commands do not run.
  Choose(kCmdShowHintButtons);
  EXPECT_TRUE(fake.LastMessage() == (MessageBoxRecord{"No hints are possible with a puzzle\nthat you entered "
                                                      "as ciphertext.", "Sorry!", MB_OK | MB_ICONINFORMATION}) &&
              !FramePeer().toolBarVisible);
  for (int id : {kCmdConfirm, kCmdUndoError, kCmdLittleHint, kCmdBigHint, kCmdSolvePuzzle}) Choose(id);
  const PanelState& panel = game.TheGame().panel;
  EXPECT_EQ(panel.confirmCount + panel.undoCount + panel.littleHintCount + panel.bigHintCount, 0);
  EXPECT_EQ(game.TheGame().state.guess[0], ' ');
  game.NewGame(PuzzleKind::kQuotePuzzle, -1, false);
  EXPECT_TRUE(FramePeer().IsTopMenuEnabled(2) && FramePeer().toolBarVisible && Marked(kCmdShowHintButtons));
  Choose(kCmdConfirm);
  EXPECT_EQ(panel.confirmCount, 1);
  fake.AnswerInput("Birds of a feather");
  Choose(kCmdEnterPlaintext);  // asks nothing about the game on screen
  EXPECT_TRUE(game.TheGame().state.puzzleKind == PuzzleKind::kPlainEntered &&
              std::string(game.TheGame().text.quoteText) == "Birds of a feather");

  // HintButtons remembers the bar as it was before hints were disallowed.
  game.AllowHints(false);
  game.Shutdown();
  EXPECT_EQ(Setting("HintButtons"), "1");
  FramePeer().hasMenu = false;
  game.AllowHints(true);
  game.AllowHints(false);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Cannot disallow hints - no menu!", "Error", MB_OK}));
}

// Games recorded in the history as the running game ends them, and the statistics commands.
const char* const kVersion = "quillo-history 1\n";

// The game lines after the version line: fields 3.. joined by spaces, and each line's id.
std::vector<std::string> Games(const std::string& text, std::vector<std::string>* ids = nullptr) {
  EXPECT_EQ(text.rfind(kVersion, 0), 0u) << text;
  std::vector<std::string> lines = Lines(text.substr(std::string(kVersion).size()));
  for (std::string& line : lines) {
    if (ids) ids->push_back(line.substr(21, 16));  // after the 20-character date and a TAB
    line.erase(0, 38);
    std::replace(line.begin(), line.end(), '\t', ' ');
  }
  return lines;
}

long FailWrite(int, const void*, std::size_t) { errno = ENOSPC; return -1; }

TEST_F(AppTest, HistoryEachWayAGameEndsWritesOneLine) {
  Start();
  Play("helowrd", 5);
  Win();
  Choose(kCmdNewGame);  // no question after a win, and no second line
  Choose(kCmdNewGame);  // nor on an untouched game
  Play("h", 0);
  app().TheGame().AddSeconds(3);  // a penalty counts in the clock
  Choose(kCmdBigHint);
  Choose(kCmdSolvePuzzle);  // the clock before Solve Puzzle ran it out
  Choose(kCmdRestartPuzzle);  // a solved game is not abandoned again
  Choose(kCmdRestartPuzzle);  // nor an untouched one
  Play("h", 2);
  fake.AnswerNext(IDYES);  // lose this one
  Choose(kCmdNewGame);
  Play("h", 1);
  fake.AnswerNext(IDNO);  // exit without saving
  Choose(kCmdExit);
  std::vector<std::string> ids;
  EXPECT_EQ(Games(History(), &ids), (std::vector<std::string>{"solved 0 quotes.qot - 10 7 5 0 0 0 0 0 0",
                                                              "revealed 0 quotes.qot - 10 7 63 0 0 0 0 1 0",  // hint: 60 s
                                                              "abandoned 0 quotes.qot - 10 7 2 0 0 0 0 0 0",
                                                              "abandoned 0 quotes.qot - 10 7 1 0 0 0 0 0 0"}));
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), 4u);
}

TEST_F(AppTest, HistoryAResumedGameContinuesItsOwnEntryAndKeepStatisticsOffWritesNothing) {
  Start();
  Play("he", 4);
  fake.AnswerNext(IDYES, "Would you like to save this game?");
  Choose(kCmdExit);
  fake.AnswerNext(IDYES);  // continue it
  Start();
  fake.AnswerNext(IDCANCEL);  // the tutorial offer of the first paint, which starts the clock
  fake.PaintPending();
  fake.Tick(app().Client().Freq(), FreqWindow::kFirstPaintTimerId);
  Play("lowrd", 3);
  Win();
  std::vector<std::string> ids;
  EXPECT_EQ(Games(History(), &ids), (std::vector<std::string>{"saved 0 quotes.qot - 10 7 4 0 0 0 0 0 0",
                                                              "solved 0 quotes.qot - 10 7 7 0 0 0 0 0 0"}));
  EXPECT_EQ(ids.at(1), ids.at(0));
  const std::string kept = History();
  Choose(kCmdKeepStatistics);  // off
  Choose(kCmdNewGame);
  Play("h", 1);
  fake.AnswerNext(IDYES);
  Choose(kCmdNewGame);
  EXPECT_TRUE(History() == kept && !Marked(kCmdKeepStatistics));
}

TEST_F(AppTest, HistoryAFailedAppendLeavesTheFileAsItWasAndSaysWhy) {
  const std::string before = std::string(kVersion) +
      "2026-01-30T10:00:00Z\t3f9a0c1d22e4b870\tsolved\t0\tquillo.cqt\t5\t50\t18\t300\t0\t1\t0\t0\t0\t0\n";
  WriteFile(folder.File("history.txt"), before);
  Start();
  Play("h", 1);
  fake.AnswerNext(IDYES);
  SetFileWriteCall(FailWrite);
  Choose(kCmdNewGame);
  SetFileWriteCall(nullptr);
  EXPECT_EQ(History(), before);
  EXPECT_EQ(fake.LastMessage().text, "This game could not be added to your statistics\n"
                                      "in the file history.txt.\nNo space left on device");
}

TEST_F(AppTest, HistoryStatisticsWindowResetAndExport) {
  Start();
  Play("helowrd", 65);
  Win();
  Choose(kCmdStatistics);
  ASSERT_EQ(fake.StatisticsShown().size(), 1u);
  const TStatisticsView& view = fake.StatisticsShown()[0];
  std::string totals;
  for (const TStatsTotal& t : view.totals) totals += t.key + "=" + t.value + " ";
  EXPECT_EQ(totals, "gamesPlayed=1 solved=1 revealed=0 abandoned=0 solveRate=100% "
                    "currentStreak=1 day longestStreak=1 day totalTime=1:05 ");

  fake.AnswerOpenFile(folder.File("out.csv"));
  view.exportCsv();
  EXPECT_NE(ReadFile(folder.File("out.csv")).value_or("").find(",solved,quotation,quotes.qot,,10,7,65,0,0,0,0,0,0"),
            std::string::npos);

  const std::string kept = History();
  fake.AnswerNext(IDNO);
  Choose(kCmdResetStatistics);
  EXPECT_EQ(History(), kept);
  fake.AnswerNext(IDYES);
  Choose(kCmdResetStatistics);
  EXPECT_EQ(History(), kVersion);
  EXPECT_EQ(ReadFile(folder.File("history.txt.bak")), kept);
  Choose(kCmdExit);  // a solved game is not offered for saving
  EXPECT_TRUE(app().ShutdownRequested());
}

// The game on the fake with a dictionary of ten words: "committee" is alone in its pattern, and
// "cat", "sat", "mat", "hat" share theirs.
class CheckEnteredTest : public AppTest {
 protected:
  CheckEnteredTest() {
    const std::vector<unsigned char> image = WordListImage(
        {{"the", 60000}, {"tie", 30000}, {"cat", 30000}, {"sat", 30000}, {"mat", 20000},
         {"hat", 30000}, {"met", 30000}, {"on", 50000}, {"no", 40000}, {"committee", 20000}});
    std::filesystem::create_directories(folder.File("bin"));
    WriteFile(folder.File("bin/wordlist.wl"), std::string(image.begin(), image.end()));
    Start();
    SeedRandom(7);  // the pasted puzzles' keys: the search's path depends on them
  }

  // Pastes text as a puzzle (a paste command), then checks it; the progress dialog waits for the
  // solve, or is cancelled at once. The message boxes shown by the check.
  std::vector<std::string> Check(const std::string& text, int pasteCommand, bool cancel = false) {
    fake.SetClipboard(text);
    Choose(pasteCommand);
    EXPECT_TRUE(fake.Peer(app().Frame()).IsEnabled(kCmdCheckEntered));
    fake.ClearMessages();
    fake.ScriptDialog(kCheckTemplateId, [cancel](FakeDialog& dialog) {
      if (cancel) return dialog.Click(IDCANCEL);
      for (int i = 0; i < 5000 && dialog.Tick(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    });
    Choose(kCmdCheckEntered);
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : fake.Messages()) texts.push_back(box.text);
    return texts;
  }
};

const char* const kSpoilQuestion = "\n\nShow the best solution found? It gives the puzzle away.";

TEST_F(CheckEnteredTest, EncryptedPuzzlesOneSeveralOrNoneAndTheSpoilerOnlyOnYes) {
  EXPECT_FALSE(fake.Peer(app().Frame()).IsEnabled(kCmdCheckEntered));  // a collection's puzzle
  fake.AnswerNext(IDYES);
  EXPECT_EQ(Check("Wkh frpplwwhh phw.", kCmdPasteEncrypted),
            (std::vector<std::string>{std::string("One solution found.") + kSpoilQuestion, "The committee met."}));
  for (auto [text, found] : {std::pair{"Wkh fdw vdw.", "Several solutions found."},
                             {"Xqzj bvvk gpyq.", "No solution found."}}) {
    fake.AnswerNext(IDNO);
    EXPECT_EQ(Check(text, kCmdPasteEncrypted), std::vector<std::string>{std::string(found) + kSpoilQuestion});
  }
}

TEST_F(CheckEnteredTest, PlaintextPuzzlesSayWhetherAnotherReadingFitsAndCancelSaysNothing) {
  EXPECT_EQ(Check("The committee met.", kCmdPastePlaintext), (std::vector<std::string>{
                "The dictionary admits no other solution: the puzzle has one answer."}));
  // Two other different words ending in "at" fit as well ("cat hat" from the file, "fat cat" from
  // the word pairs the solver carries): "The xat yat." is shown.
  const std::vector<std::string> shown = Check("The mat sat.", kCmdPastePlaintext);
  const std::string lead = "The dictionary admits other solutions. One of them:\n\nThe ";
  ASSERT_TRUE(shown.size() == 1 && shown[0].starts_with(lead)) << shown[0];
  const std::string other = shown[0].substr(lead.size());
  EXPECT_TRUE(other.size() == 8 && other.substr(1, 3) == "at " && other.substr(5) == "at." &&
              std::islower(other[0]) && std::islower(other[4]) && other[0] != other[4] &&
              other != "mat sat.") << other;
  EXPECT_TRUE(Check("The cat sat.", kCmdPastePlaintext, true).empty());
}

}  // namespace
