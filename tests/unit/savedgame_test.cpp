// The saved game: exact round trips, the start-up question, and files that are cut or hold
// out-of-range values (broken, deleted, and nothing of them left in the game). Entered, pasted and
// favourite puzzles: entry and correction, the clipboard, Save Favorite, Go To.

#include <unistd.h>

#include "classlib/safefile.h"
#include "display/settingsfile.h"
#include "sources/entered.h"
#include "sources/favorites.h"
#include "sources/quotefile.h"
#include "sources/savedgame.h"
#include "support/game_fixture.h"

namespace {

// Writes the first count lines (all by default) as the saved game.
void WriteLines(const std::vector<std::string>& lines, std::size_t count = SIZE_MAX) {
  std::string text;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\n";
  WriteFile(kSavedGameFileName, text);
}

// The line with its field-th blank-separated number replaced.
std::string WithField(const std::string& line, int field, long value) {
  std::istringstream in(line);
  std::string out, token;
  for (int i = 0; in >> token; ++i) out += (i ? " " : "") + (i == field ? std::to_string(value) : token);
  return out;
}

const MessageBoxRecord kQuestion{"Continue the unfinished game\nyou saved earlier?", "Quillo!",
                                 MB_YESNOCANCEL | MB_ICONQUESTION};

// Line numbers of a kind-0 file.
constexpr std::size_t kKeyLine = 3;      // letter A; 26 lines
constexpr std::size_t kClockLine = 29;
constexpr std::size_t kPanelLine = 30;   // 26 lines
constexpr std::size_t kCounterLine = 56;
constexpr std::size_t kTextLine = 57;    // 1000 lines
constexpr std::size_t kKindZeroLines = 1057;

class SavedGameTest : public GameFixture {
 protected:
  SavedGameTest() {
    std::string error;
    EXPECT_TRUE(WriteCompressedQuoteFile("my quotes.cqt", std::vector<std::string>(100, "Q."), "", error));
  }

  // A game on screen, so that a resume visibly replaces (or keeps) it.
  void PlayOther() {
    std::memset(&game.text, 0, sizeof game.text);
    std::strcpy(game.text.quoteText, "Other");
    StartPuzzle("Other", PuzzleKind::kPlainEntered, 3);
    game.state.quoteFileName[0] = '\0';
    game.state.puzzleCount = 0;
    game.state.currentPuzzle = -1;
  }

  int Resume(int answer) {
    fake.AnswerNext(answer);
    return ResumeSavedGame(game, nullptr, memory);
  }

  bool SavedFileExists() const { return std::filesystem::exists(kSavedGameFileName); }

  TempFolder work{true};
  Memory memory;
  // Puzzle 41 of "my quotes.cqt", written by hand (see the fixture's generator for the game).
  const std::string handMade = ReadFile(FixturePath("savedgame/quillo.svg")).value_or("");
};

// A 1000-byte buffer holding text, zeros after it.
std::string Buffer(std::string text) { return text.resize(kQuoteBufferSize), text; }

TEST_F(SavedGameTest, HandMadeFileResumesFieldByFieldAndIsWrittenBackUnchanged) {
  PlayOther();
  const std::string other = SavedGameText(game);
  WriteFile(kSavedGameFileName, handMade);
  EXPECT_EQ(Resume(IDNO), kSavedGameNone);
  EXPECT_TRUE(SavedFileExists() && SavedGameText(game) == other);
  game.state.selectedCipher = 4;
  ASSERT_EQ(Resume(IDYES), kSavedGameResumed);
  EXPECT_EQ(fake.LastMessage(), kQuestion);
  EXPECT_FALSE(SavedFileExists());

  const GameState& state = game.state;
  EXPECT_EQ(std::tuple(state.puzzleKind, state.currentPuzzle, state.puzzleCount, state.selectedCipher),
            std::tuple(PuzzleKind::kQuotePuzzle, 41, 100, -1));
  EXPECT_EQ(std::tuple(std::string(state.quoteFileName), memory.FileName(), memory.Current(),
                       store.ReadString("quillo", "QuoteFile", "")),
            std::tuple(std::string("my quotes.cqt"), std::string("my quotes.cqm"), 41u, std::string("my quotes.cqt")));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(state.key), 26),
            std::string("\1\2\3\4\5\6\7\10\11\12\13\14\15\16\17\20\21\22\23\24\25\26\27\30\31\0", 26));
  EXPECT_EQ(std::tuple(state.inverseKey[0], state.inverseKey[1], state.inverseKey[25]), std::tuple(25, 0, 24));
  EXPECT_EQ(std::string(state.guess, 26), " A  X" + std::string(21, ' '));
  EXPECT_EQ(std::tuple(state.locked[1], state.locked[4], state.modified, state.gameOver), std::tuple(1, 0, 1, 0));

  const PanelState& panel = game.panel;
  EXPECT_EQ(std::string(panel.unused, 26) + "|" + std::string(panel.letterByFreq, 26) + "|" + std::string(panel.letterAlpha, 26),
            " BCDEFGHIJKLMNOPQRSTUVW YZ|ABDNORGHIJKLMCEPQFSTUVWXYZ|ZABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_EQ(std::tuple(panel.countByFreq[0], panel.countByFreq[5], panel.countByFreq[6]), std::tuple(3, 1, 0));
  EXPECT_EQ(std::tuple(panel.countAlpha[0], panel.countAlpha[1], panel.countAlpha[2]), std::tuple(0, 3, 1));
  EXPECT_EQ(std::tuple(panel.elapsedSeconds, panel.erasedCount, panel.confirmCount, panel.undoCount,
                       panel.littleHintCount, panel.bigHintCount, panel.wordListCount),
            std::tuple(3723, 1, 2, 3, 4, 5, 6));

  std::string quote = Buffer("Ada ran.\tBo\xe9");
  quote[900] = 'Z';  // kept after the terminating zero
  EXPECT_EQ(std::string(game.text.quoteText, kQuoteBufferSize), quote);
  EXPECT_EQ(std::string(game.text.displayText, kQuoteBufferSize), Buffer("ADA RAN.\tBO"));
  EXPECT_EQ(std::string(game.text.puzzleText, kQuoteBufferSize), Buffer("BEB SBO.\tCP"));
  EXPECT_EQ(std::string(game.text.plainText, kQuoteBufferSize), Buffer("AXA  A"));

  EXPECT_EQ(ResumeSavedGame(game, nullptr, memory), kSavedGameNone);  // nothing left to offer
  ASSERT_TRUE(SaveGame(game, nullptr));
  EXPECT_EQ(ReadFile(kSavedGameFileName), handMade);
  PlayOther();
  EXPECT_EQ(Resume(IDCANCEL), kSavedGameNone);
  EXPECT_TRUE(!SavedFileExists() && SavedGameText(game) == other);
  // A saved game that cannot be written is reported; a folder in its place is nothing to offer.
  std::filesystem::create_directory(kSavedGameFileName);
  EXPECT_FALSE(SaveGame(game, nullptr));
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Cannot save the game.  Try removing the file\nquillo.svg in your Quillo! folder "
                              "to fix the problem.\nIs a directory", "Error", MB_OK | MB_ICONSTOP}));
  EXPECT_EQ(ResumeSavedGame(game, nullptr, memory), kSavedGameNone);
}

// The tutorial is never saved; kind 2 has no puzzle-number and file-name lines, and resumes
// without touching the quote file or its record.
TEST_F(SavedGameTest, TutorialIsNotSavedAndEnteredPuzzlesKeepTheQuoteFile) {
  std::strcpy(game.text.quoteText, "Hi");
  StartPuzzle("HI", PuzzleKind::kTutorialPuzzle, 1);
  EXPECT_TRUE(SaveGame(game, nullptr) && !SavedFileExists());

  std::vector<std::string> lines = Lines(handMade);
  lines.erase(lines.begin() + 1, lines.begin() + 3);
  lines[0] = "2";
  WriteLines(lines);
  PlayOther();
  std::strcpy(game.state.quoteFileName, "current.qot");
  EXPECT_EQ(Resume(IDYES), kSavedGameResumed);
  EXPECT_EQ(std::tuple(game.state.puzzleKind, game.state.guess[1], game.panel.elapsedSeconds),
            std::tuple(PuzzleKind::kPlainEntered, 'A', 3723));
  EXPECT_STREQ(game.state.quoteFileName, "current.qot");
  EXPECT_FALSE(memory.HasFile());
  ASSERT_TRUE(SaveGame(game, nullptr));
  EXPECT_EQ(Lines(ReadFile(kSavedGameFileName).value_or("")), lines);
}

TEST_F(SavedGameTest, CutOrOutOfRangeFilesAreBrokenAndLeaveTheGameAlone) {
  const std::vector<std::string> lines = Lines(handMade);
  ASSERT_EQ(lines.size(), kKindZeroLines);
  const int blankCipher = 2;   // C: a ciphertext letter without a guess
  const int unusedLetter = 2;  // C: only A and X are guessed
  PlayOther();
  const std::string other = SavedGameText(game);
  auto expectBroken = [&](const std::string& what) {
    EXPECT_EQ(Resume(IDYES), kSavedGameBroken) << what;
    EXPECT_TRUE(!SavedFileExists() && SavedGameText(game) == other && !game.state.quoteFileName[0]) << what;
  };
  for (std::size_t keep = 0; keep < lines.size(); ++keep) {
    WriteLines(lines, keep);
    expectBroken("cut after line " + std::to_string(keep));
  }
  WriteFile(kSavedGameFileName, handMade.substr(0, handMade.rfind(' ')));
  expectBroken("the last line cut to three numbers");
  EXPECT_FALSE(memory.HasFile());

  struct Change { const char* what; std::size_t line; std::string text; };
  const std::string key = lines[kKeyLine];
  const std::string blankKey = lines[kKeyLine + blankCipher];
  const std::vector<Change> changes = {
      {"kind 3", 0, "3"}, {"two numbers on the kind line", 0, "0 0"}, {"not a number", 1, "4a"},
      {"puzzle past the count", 1, "100"}, {"puzzle below -1", 1, "-2"},
      {"quote file name of 256 characters", 2, std::string(256, 'q') + ".cqt"},
      {"missing compressed quote file", 2, "gone.cqt"},
      {"a plain quote file with a puzzle number", 2, "plain.qot"},
      {"key byte 26", kKeyLine, WithField(key, 0, 26)},
      {"inverse that does not match", kKeyLine, WithField(key, 1, 0)},  // A's is 25
      {"lower-case guess", kKeyLine + blankCipher, WithField(blankKey, 2, 'a')},
      {"lock 2", kKeyLine, WithField(key, 3, 2)},
      {"lock without a right guess", kKeyLine + blankCipher, WithField(blankKey, 3, 1)},
      {"byte beyond its range", kKeyLine, WithField(key, 2, 288)},
      {"clock past 99:59:59", kClockLine, "360000"},
      {"used letter not a letter", kPanelLine, WithField(lines[kPanelLine], 0, '@')},
      {"letter marked used without a guess", kPanelLine + unusedLetter,
       WithField(lines[kPanelLine + unusedLetter], 0, ' ')},
      {"frequency letter a digit", kPanelLine, WithField(lines[kPanelLine], 2, '1')},
      {"negative count", kPanelLine, WithField(lines[kPanelLine], 3, -1)},
      {"counter past 999999", kCounterLine, WithField(lines[kCounterLine], 2, 1000000)},
      {"five counters", kCounterLine, "1 2 3 4 5"}, {"text byte beyond its range", kTextLine, "200 0 0 0"},
  };
  WriteFile("plain.qot", "A line.\n");
  for (const Change& change : changes) {
    std::vector<std::string> changed = lines;
    changed[change.line] = change.text;
    WriteLines(changed);
    fake.ClearMessages();
    expectBroken(change.what);
    if (change.text == "gone.cqt") {  // reported by the loader, captioned with its name
      ASSERT_EQ(fake.Messages().size(), 2u);
      EXPECT_EQ(fake.Messages()[1].caption, "gone.cqt");
    }
  }
  // A buffer without its terminating zero: every position of the guess row masked non-zero.
  std::vector<std::string> changed = lines;
  for (std::size_t i = kTextLine; i < changed.size(); ++i) changed[i] = WithField(changed[i], 3, 1);
  WriteLines(changed);
  expectBroken("no terminating zero");

  // Missing only its final line end, the file is read as a stream reads it: it resumes.
  WriteFile(kSavedGameFileName, handMade.substr(0, handMade.size() - 1));
  EXPECT_EQ(Resume(IDYES), kSavedGameResumed);
  EXPECT_EQ(SavedGameText(game), handMade);
}

// A disk that fills up during the write: each call gets at most the bytes left, then ENOSPC.
std::size_t bytesLeft = 0;
long FillingDisk(int fd, const void* data, std::size_t size) {
  if (bytesLeft == 0) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t n = std::min(size, bytesLeft);
  bytesLeft -= n;
  return static_cast<long>(::write(fd, data, n));
}

// Favourites, saved game, record, settings and log stay byte for byte as they were when the disk
// fills part-way through a write, and the player is told why: the record and the settings once
// per run, the commands the player gave each time. A new log or favourites file is not left empty.
TEST_F(SavedGameTest, AFullDiskLeavesEveryFileAsItWasAndSaysWhy) {
  WriteFile(kSavedGameFileName, handMade);
  ASSERT_EQ(Resume(IDYES), kSavedGameResumed);
  game.state.gameOver = true;
  const std::string settings = folder.File("quillo.ini");
  const std::vector<std::pair<std::string, std::string>> files = {
      {kFavoritesFileName, "Old line"}, {kSavedGameFileName, "old game\n"},
      {"my quotes.cqm", std::string("\x80\0\0\0", 4)}, {"errors.txt", "old log\n"},
      {settings, "[quillo]\nHintButtons=1\n"}};
  for (const auto& [name, bytes] : files) WriteFile(name, bytes);
  memory.OpenMemory(100, "my quotes.cqm");
  memory.SetCurrent(41);
  store.OnWriteFailure(SettingsLossReporter(settings));
  int setting = 1;  // the file holds 1: each write is a change
  const std::string why = "\nNo space left on device";
  const struct {
    std::function<void()> write;
    MessageBoxRecord told;
    bool everyTime;
  } cases[] = {
      {[&] { SaveFavorite(game, nullptr); },
       {"The puzzle could not be saved in the favorites file." + why, "Error", MB_OK | MB_ICONSTOP}, true},
      {[&] { SaveGame(game, nullptr); },
       {"Cannot save the game.  Try removing the file\nquillo.svg in your Quillo! folder to fix the "
        "problem." + why, "Error", MB_OK | MB_ICONSTOP}, true},
      {[&] { memory.MarkSolved(); },
       {"Cannot write memory file, memory lost." + why, "my quotes.cqm", MB_OK | MB_ICONSTOP}, false},
      {[&] {
         store.WriteInt("quillo", "HintButtons", ++setting);
         store.Flush(false);
       },
       {"Your settings cannot be saved in the folder\n" + folder.Path().string() + why, "Error",
        MB_OK | MB_ICONEXCLAMATION}, false},
  };
  for (const std::size_t room : {3, 0}) {
    for (const auto& c : cases) {
      fake.ClearMessages();
      bytesLeft = room;
      SetFileWriteCall(FillingDisk);
      c.write();
      SetFileWriteCall(nullptr);
      const bool first = room != 0;
      EXPECT_EQ(fake.Messages(), (first || c.everyTime ? std::vector<MessageBoxRecord>{c.told}
                                                       : std::vector<MessageBoxRecord>{})) << c.told.text;
      for (const auto& [name, bytes] : files) EXPECT_EQ(ReadFile(name), bytes) << name;
    }
  }
  std::filesystem::remove("errors.txt");
  std::filesystem::remove(kFavoritesFileName);
  bytesLeft = 0;
  SetFileWriteCall(FillingDisk);
  cases[0].write();
  cases[2].write();  // logs
  SetFileWriteCall(nullptr);
  EXPECT_FALSE(std::filesystem::exists("errors.txt") || std::filesystem::exists(kFavoritesFileName));
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
  }
}

MessageBoxRecord Refused(const char* text) { return {text, "Error", MB_OK | MB_ICONEXCLAMATION}; }

class EnteredTest : public GameFixture {
 protected:
  EnteredTest() {
    store.WriteString("quillo", "Case", "Upper");
    std::strcpy(game.text.quoteText, "old");
    std::strcpy(game.text.displayText, "OLD");
  }

  std::string Favorites() const { return ReadFile(kFavoritesFileName).value_or("<none>"); }

  TempFolder work{true};  // the favourites file is written in the working folder
};

TEST_F(EnteredTest, EntryDialogAsksAgainForAnEmptyTextAndTakesTheConfirmedOne) {
  fake.AnswerInput("");
  fake.AnswerInput("Hello there\tMe");
  EXPECT_TRUE(EnterPuzzle(game, true, nullptr, -15));
  EXPECT_TRUE(fake.Dialogs().size() == 2 && std::string(game.text.displayText) == "HELLO THERE\tME");

  fake.AnswerInput("Xyz", IDCANCEL, "");  // the ciphertext dialog starts empty; Cancel keeps the texts
  EXPECT_FALSE(EnterPuzzle(game, false, nullptr, -15));
  EXPECT_STREQ(game.text.quoteText, "Hello there\tMe");

  fake.FailNextDialogs(1);  // a dialog that cannot be created: its error, captioned "ERROR", no icon
  EXPECT_FALSE(EnterPuzzle(game, true, nullptr, -15));
  EXPECT_TRUE(fake.LastMessage().caption == "ERROR" && fake.LastMessage().flags == unsigned{MB_OK});
}

TEST_F(EnteredTest, OnlyAnEnteredPuzzleCanBeCorrected) {
  game.state.puzzleKind = PuzzleKind::kQuotePuzzle;
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15) || !fake.Dialogs().empty());
  EXPECT_EQ(fake.LastMessage(), Refused("Sorry, you can only fix a puzzle that you entered."));

  game.state.puzzleKind = PuzzleKind::kCipherEntered;
  fake.AnswerInput("olde", IDOK, "old");
  EXPECT_TRUE(CorrectPuzzle(game, nullptr, -15));
  EXPECT_EQ(std::string(game.text.quoteText) + game.text.displayText, "oldeOLDE");

  fake.AnswerInput("other", IDCANCEL);
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15) || std::string(game.text.quoteText) != "olde");
}

TEST_F(EnteredTest, ClipboardPasteIsCleanedIntoOneQuotationAndCopiesEndInALineEnd) {
  EXPECT_EQ(CleanClipboardText("\t\x01" "Caf\xE9\x7F ok"), "Caf ok");
  EXPECT_EQ(CleanClipboardText(std::string("Cut\0here", 8)), "Cut");
  EXPECT_EQ(CleanClipboardText(std::string(1200, 'a')).size(), 999u);
  // Characters past the 999th never count, even as the last TAB.
  EXPECT_EQ(CleanClipboardText(std::string(998, 'a') + "b\tc"), std::string(998, 'a') + "b");

  fake.SetClipboard("  Hello,\r\n  world!\tAnon\tYmous  ");
  EXPECT_TRUE(PasteFromClipboard(game, nullptr));
  EXPECT_EQ(std::string(game.text.quoteText) + "|" + game.text.displayText, "Hello, world! Anon\tYmous|HELLO, WORLD! ANON\tYMOUS");

  for (const char* nothing : {"", "\r\n\r\n", "   "}) {
    fake.SetClipboard(nothing);
    EXPECT_FALSE(PasteFromClipboard(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), Refused("Nothing in the clipboard!"));
  }
  EXPECT_STREQ(game.text.quoteText, "Hello, world! Anon\tYmous");

  // Copies end in a line end; a clipboard that cannot be opened pastes nothing and says nothing.
  std::strcpy(game.text.puzzleText, "AB C");
  std::strcpy(game.text.plainText, "xy z");
  CopyToClipboard(game, true);
  const std::string puzzle = fake.Clipboard();
  CopyToClipboard(game, false);
  EXPECT_EQ(puzzle + fake.Clipboard(), "AB C\r\nxy z\r\n");
  fake.ClearMessages();
  fake.SetClipboard("Text");
  fake.SetClipboardAvailable(false);
  EXPECT_FALSE(PasteFromClipboard(game, nullptr) || !fake.Messages().empty());
}

const MessageBoxRecord kUnsolved = Refused("You cannot save a puzzle until you have solved it!");

TEST_F(EnteredTest, FavoriteOnlySolvedPuzzlesAreAppended) {
  EXPECT_FALSE(CheckFavoritesFile(nullptr));
  EXPECT_EQ(fake.LastMessage(), Refused("You haven't saved any favorites yet!"));

  std::strcpy(game.text.quoteText, "Hello, world\tAnon");
  StartPuzzle("HELLO, WORLD\tANON", PuzzleKind::kQuotePuzzle, 5);
  std::strcpy(game.state.quoteFileName, "quotes.cqt");
  EXPECT_FALSE(SaveFavorite(game, nullptr) || std::filesystem::exists(kFavoritesFileName));
  EXPECT_EQ(fake.LastMessage(), kUnsolved);

  game.state.gameOver = true;
  EXPECT_TRUE(SaveFavorite(game, nullptr) && CheckFavoritesFile(nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The puzzle has been saved in the favorites file",
                                                  "Save complete", MB_OK | MB_ICONINFORMATION}));
  // The same quotation again from the compressed file is a second copy; the line as loaded.
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Hello, world\tAnon\nHello, world\tAnon\n");

  // A file whose last line lacks its line end keeps that line whole.
  WriteFile(kFavoritesFileName, "Old line");
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Old line\nHello, world\tAnon\n");

  // A puzzle read from the favourites file, in any folder and any case, is there already; an
  // entered puzzle is never "from" it.
  for (const char* name : {"favorite.qot", "/some/where/FAVORITE.QOT", "dir\\Favorite.Qot"}) {
    std::strcpy(game.state.quoteFileName, name);
    EXPECT_FALSE(SaveFavorite(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), Refused("This puzzle is already in the favorites file!"));
  }
  game.state.puzzleKind = PuzzleKind::kPlainEntered;
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Old line\nHello, world\tAnon\nHello, world\tAnon\n");

  // Only what a quote file can hold goes in, and the player is told; nothing without a letter.
  std::strcpy(game.text.quoteText, "Caf\xE9 au lait\x01.\tAnon");
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage().text,
            "The puzzle has been saved in the favorites file\n(without the characters a quote file cannot hold)");
  for (const char* nothing : {"", "   ", "\xE9 1, 2."}) {
    std::strcpy(game.text.quoteText, nothing);
    EXPECT_FALSE(SaveFavorite(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), kUnsolved);
  }
  EXPECT_EQ(Favorites(), "Old line\nHello, world\tAnon\nHello, world\tAnon\nCaf au lait.\tAnon\n");
  std::strcpy(game.text.quoteText, "Hello, world\tAnon");

  // A favourites file that cannot be written is reported, not announced as saved.
  std::filesystem::remove(kFavoritesFileName);
  std::filesystem::create_directory(kFavoritesFileName);
  EXPECT_FALSE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The puzzle could not be saved in the favorites file.\n"
                                                  "Is a directory", "Error", MB_OK | MB_ICONSTOP}));
}

TEST_F(EnteredTest, FavoriteEnteredCiphertextSavesThePlayersDecipherment) {
  std::strcpy(game.text.quoteText, "XYZ ABC");
  StartPuzzle("XYZ ABC", PuzzleKind::kCipherEntered, 1);
  for (const char* pair : {"xt", "yh", "ze", "ac", "ba"}) TypeLetters(pair[0], pair[1]);
  Paint();
  EXPECT_FALSE(SaveFavorite(game, nullptr) || fake.LastMessage() != kUnsolved);
  TypeLetters('c', 'r');
  Paint();
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "THE CAR\n");
}

TEST_F(EnteredTest, GoToAsksUntilANumberInRange) {
  EXPECT_TRUE(AskPuzzleNumber(game, nullptr, -15) == -1 && fake.Dialogs().empty());
  EXPECT_EQ(fake.LastMessage(), Refused("Sorry, you can only select specific puzzles\nfrom compressed quote files."));

  game.state.puzzleCount = 12;
  fake.ClearMessages();
  // The text is kept after an illegal number and emptied after one out of range.
  for (auto [typed, shown] : {std::pair{"12a", ""}, {"0", "12a"}, {"13", ""}, {"", ""}}) {
    fake.AnswerInput(typed, IDOK, shown);
    fake.AnswerNext(IDOK);
  }
  fake.AnswerInput("007", IDOK, "");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), 6);
  const MessageBoxRecord illegal{"Illegal number, try again.", "Error", MB_OKCANCEL | MB_ICONEXCLAMATION};
  const MessageBoxRecord outOfRange{"You must enter a number from 1 to 12", "Error", MB_OKCANCEL};
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{illegal, outOfRange, outOfRange, illegal}));

  // Cancel at either message, or at the dialog, ends the command.
  fake.AnswerInput("99999999999999999999999", IDOK, "");
  fake.AnswerNext(IDCANCEL, "You must enter a number from 1 to 12");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  fake.AnswerInput("", IDCANCEL);
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  fake.AnswerInput("12", IDOK, "");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), 11);
}

}  // namespace
