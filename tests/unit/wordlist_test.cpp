// Possible words: patterns and candidates, the rare-word rule, preview and entry, and the dialog; the
// dictionary loader on hand-made files, each fault with its line in errors.txt, and the log itself.

#include "classlib/errorlog.h"
#include "resources/dlg_wordlist.h"
#include "resources/resources.h"
#include "support/game_fixture.h"
#include "wordlist/wordlistdlg.h"

namespace {

// A puzzle's guesses (by ciphertext letter) and the plaintext letters they use.
struct Board {
  std::string guess = std::string(26, ' ');

  // Guesses are kept in upper case, as the game keeps them.
  void Guess(char cipher, char plain) {
    guess[cipher - 'a'] = static_cast<char>(std::toupper(static_cast<unsigned char>(plain)));
  }
  GuessLookup Guesses() const { return [this](int c) { return guess[c]; }; }
  LetterUsedTest Used() const { return [this](int p) { return guess.find(char('A' + p)) != std::string::npos; }; }
};

using Words = std::vector<std::string>;

// Candidates for a clicked word: repeated and distinct letters, guessed letters fixing their
// place and counting as used, non-letters in the same place, and the rare-word rule (words of
// frequency 0 only for files named like "*Bible.cqt" and for entered and tutorial puzzles).
TEST(WordPatternTest, CandidatesForAClickedWord) {
  WordDictionary dict;
  ASSERT_FALSE(ParseWordList(WordListImage({{"dog", 9}, {"did", 8}, {"ddd", 7}, {"dad", 6}, {"eye", 5}, {"d'd", 4},
                                     {"di", 3}, {"at", 9}, {"to", 8}, {"tt", 7}, {"ta", 6}, {"it", 5}, {"t'", 4},
                                     {"can't", 9}, {"it's", 8}, {"hello", 7}, {"don't", 6}, {"we'll", 5}, {"o'er'", 4},
                                     {"unto", 0}, {"them", 40}, {"thou", 0}}), dict));
  struct Case { const char* clicked; const char* guesses; int kind; const char* path; Words expected; };
  const Words all{"unto", "them", "thou"};
  const char* q = "/q/quotes.cqt";
  const Case cases[] = {
      {"XYX", "", 0, q, {"did", "dad", "eye"}}, {"XYX", "zE", 0, q, {"did", "dad"}},
      {"XY", "xt", 0, q, {"to", "ta"}}, {"ABC'D", "", 0, q, {"can't", "don't"}},
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", "", 0, q, {}},  // no such slot
      {"ABCD", "", 0, q, {"them"}}, {"ABCD", "", 0, "/q/bible.cqt", {"them"}},
      {"ABCD", "", 0, "KingJamesBible.cqt", all}, {"ABCD", "", 1, q, all}, {"ABCD", "", 2, q, all},
      {"ABCD", "", 3, q, all},
  };
  for (const Case& c : cases) {
    Board board;
    for (const char* g = c.guesses; *g; g += 2) board.Guess(g[0], g[1]);  // ciphertext letter, guess
    EXPECT_EQ(ListCandidates(dict, BuildWordPattern(c.clicked, board.Guesses()), c.kind, c.path, board.Used()),
              c.expected) << c.clicked << " " << c.guesses << " " << c.kind << " " << c.path;
  }
  EXPECT_EQ(BuildWordPattern(std::string(40, 'a'), Board().Guesses()).length, 25);
}

TEST(WordPatternTest, PreviewByCiphertextLetterAndEntrySkippingGuessedRepeatsAndNonLetters) {
  Board shown;
  shown.Guess('q', 'D');
  const auto preview = PreviewLetters(BuildWordPattern("Qx'Zx", shown.Guesses()), "DO'NO");
  EXPECT_EQ(std::string(preview.begin(), preview.end()), "                d      o n");

  Board board;
  board.Guess('w', 'A');  // the candidate's a is used already
  const WordPattern p = BuildWordPattern("XYX-W", board.Guesses());
  std::vector<std::pair<char, char>> entered;
  EnterCandidate(p, "dad-a", board.Used(), [&](int cipher, int plain) {
    entered.emplace_back(static_cast<char>('a' + cipher), static_cast<char>('a' + plain));
    board.Guess(static_cast<char>('a' + cipher), static_cast<char>('A' + plain));
  });
  // x->d once (the repeat finds d used by then); y->a skipped (used); '-' skipped; w guessed.
  EXPECT_EQ(entered, (std::vector<std::pair<char, char>>{{'x', 'd'}}));
}

class WordListTest : public GameFixture {
 protected:
  WordListTest() {
    // Three-letter words in the file's (by frequency) order; "pop" is a zero-frequency word.
    const std::vector<unsigned char> bytes = WordListImage({{"sis", 10}, {"did", 10}, {"dog", 10}, {"ddd", 10}, {"pop", 0},
                                                     {"dad", 10}, {"tat", 10}, {"to", 9}, {"at", 8}});
    WriteFile(dictionaryPath, std::string(bytes.begin(), bytes.end()));
  }

  // The enciphered form of a plaintext word, as a click on the puzzle hands it over.
  std::string Enciphered(const std::string& plain) const {
    std::string word;
    for (char ch : plain) word += CipherOf(ch);
    return word;
  }

  // The word list the game asks for when the player Alt+clicks the puzzle at textPosition.
  TestHooks::WordListRequest Request(int textPosition) {
    game.RequestWordList(textPosition);
    EXPECT_FALSE(hooks.wordLists.empty());
    return hooks.wordLists.empty() ? TestHooks::WordListRequest{} : hooks.wordLists.back();
  }

  std::unique_ptr<WordList> Make(const std::string& word, bool alphabetical, int fontHeight = -15) {
    return std::make_unique<WordList>(nullptr, game, wordStore, dictionaryPath, word, alphabetical, fontHeight,
                                      store, "WordListDialog", [this] { Paint(); });
  }

  // Runs a dialog with a script (by default: Cancel) and gives back the list as it was shown.
  std::vector<std::string> Run(WordList& dialog, FakePlatform::DialogScript script = [](FakeDialog& d) {
    d.Click(IDCANCEL);
  }) {
    std::vector<std::string> listed;
    fake.ScriptDialog(kWordListTemplateId, [&](FakeDialog& d) {
      listed = d.ListItems(kWordListBox);
      script(d);
    });
    dialog.Execute();
    return listed;
  }

  TempFolder work{true};  // errors.txt is written in the working folder
  std::string dictionaryPath = folder.File("wordlist.wl");
  WordListStore wordStore;
};

TEST_F(WordListTest, MissingDictionaryIsReportedOnEveryRequestAndLoggedOnce) {
  dictionaryPath = folder.File("absent.wl");
  StartPuzzle("Did dad nap");
  for (int request = 0; request < 2; ++request) {
    auto dialog = Make(Enciphered("did"), true);
    EXPECT_FALSE(dialog->HasDictionary());
    EXPECT_EQ(dialog->Execute(), IDCANCEL);  // closes as soon as it is set up, no script runs
  }
  const MessageBoxRecord missing{kDictionaryMissingMessage, "Error", MB_OK | MB_ICONSTOP};
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{missing, missing}));
  EXPECT_EQ(game.panel.elapsedSeconds, 0);  // no list, no penalty

  const std::string log = ReadFile(work.File("errors.txt")).value_or("");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  EXPECT_NE(log.find(dictionaryPath + ": "), std::string::npos) << log;
}

TEST_F(WordListTest, PenaltyAndOrderFollowTheRequest) {
  // By frequency from a quote file: file order, 480 seconds charged before the dialog shows.
  SetSetting("WordlistOrder", 0);
  StartPuzzle("Did dad nap");
  TestHooks::WordListRequest request = Request(0);
  EXPECT_TRUE(request.word == Enciphered("did") && !request.alphabetical);
  auto dialog = Make(request.word, request.alphabetical);
  EXPECT_EQ(std::pair(game.panel.elapsedSeconds, game.panel.wordListCount), std::pair(480, 1));
  EXPECT_EQ(Run(*dialog), (std::vector<std::string>{"sis", "did", "dad", "tat"}));

  // The same setting for a puzzle the player entered: alphabetical, 300 seconds.
  StartPuzzle("Did dad nap", PuzzleKind::kPlainEntered);
  request = Request(0);
  EXPECT_TRUE(request.alphabetical);
  dialog = Make(request.word, request.alphabetical);
  EXPECT_EQ(game.panel.elapsedSeconds, 300);
  EXPECT_EQ(Run(*dialog), (std::vector<std::string>{"dad", "did", "pop", "sis", "tat"}));

  // The penalty is read when the list is made, and charged even when nothing fits.
  SetSetting("WordListAlphaPenalty", 17);
  StartPuzzle("Did dad nap");
  EXPECT_EQ(Run(*Make("xq'", true)), std::vector<std::string>{});
  EXPECT_EQ(game.panel.elapsedSeconds, 17);
}

TEST_F(WordListTest, SelectionPreviewsTheWordAndOkNeedsOne) {
  StartPuzzle("Did dad nap");
  auto dialog = Make(Enciphered("did"), false);
  std::array<char, 26> expected;
  expected.fill(' ');
  expected[Game::LetterIndex(CipherOf('d'))] = 's', expected[Game::LetterIndex(CipherOf('i'))] = 'i';
  bool shownDuringSelection = false;
  Run(*dialog, [&](FakeDialog& d) {
    d.Select(kWordListBox, 0);  // "sis"
    shownDuringSelection = TheWordPreview().active && TheWordPreview().letters == expected;
    d.Select(kWordListBox, -1);
    EXPECT_FALSE(TheWordPreview().active);
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    d.Click(IDCANCEL);
  });
  EXPECT_TRUE(shownDuringSelection && !TheWordPreview().active);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Please select a word from the list first,\nor just double-click a word.",
                              "Error", MB_OK | MB_ICONINFORMATION}));
  EXPECT_EQ(Guesses(), std::string(26, ' '));
}

TEST_F(WordListTest, ChosenWordIsEnteredAsThePlayerWouldEnterIt) {
  // a is guessed already; d is entered once, its repeat and the a are skipped without a refusal.
  SetSetting("ExplainErrors", 1);
  StartPuzzle("Did dad nap");
  TypeLetters('a', 'a');
  auto dialog = Make(Enciphered("dad"), true);
  ClearShown();
  EXPECT_EQ(Run(*dialog, [](FakeDialog& d) { d.DoubleClick(kWordListBox, 0); }),
            (std::vector<std::string>{"dad", "tat"}));
  EXPECT_EQ(fake.LastDialog().result, IDOK);
  std::string expected(26, ' ');
  expected[Game::LetterIndex(CipherOf('a'))] = 'A', expected[Game::LetterIndex(CipherOf('d'))] = 'D';
  EXPECT_EQ(std::pair(Guesses(), Shown()), std::pair(expected, std::vector<std::string>{"dialog Possible Words"}));

  // OK on the selected word of a one-word puzzle solves it: the repaint finds the win.
  StartPuzzle("Dad");
  dialog = Make(Enciphered("dad"), true);
  Run(*dialog, [](FakeDialog& d) {
    d.Select(kWordListBox, 0);
    d.Click(IDOK);
  });
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);
}

namespace fs = std::filesystem;
using std::string;

// File images are built little-endian, as the game reads them.
string Int(std::int32_t v) {
  string bytes;
  for (int s = 0; s < 32; s += 8) bytes += static_cast<char>(static_cast<std::uint32_t>(v) >> s);
  return bytes;
}
const string kHeader = Int(-1) + Int(1) + Int(0);
string Section(std::int32_t length, std::int32_t count) { return Int(length) + Int(kWordListSectionFlag) + Int(count); }
string Record(std::uint16_t frequency, const string& text) {
  return string{static_cast<char>(frequency & 0xFF), static_cast<char>(frequency >> 8)} + text + '\0';
}

// Each test runs in its own empty working folder, where errors.txt is written.
class DictionaryTest : public ::testing::Test {
 protected:
  bool Load(const string& bytes) {
    WriteFile("w.wl", bytes);
    return LoadWordList("w.wl", dict);
  }
  // The lines of errors.txt with the 24-character time stamp cut off.
  static std::vector<string> LogLines() {
    std::vector<string> lines = Lines(ReadFile("errors.txt").value_or(""));
    for (string& line : lines) line.erase(0, line.size() > 24 ? 24 : 0);
    return lines;
  }

  TempFolder folder_{true};
  WordDictionary dict;
};

TEST_F(DictionaryTest, SectionsLoadInFileOrderAndALaterOneReplaces) {
  EXPECT_TRUE(Load(kHeader));  // only the header: an empty table, nothing logged
  for (int length = -1; length <= kWordSlotCount; ++length) EXPECT_FALSE(dict.Slot(length));
  // A partial length at the end is the normal end of the file.
  ASSERT_TRUE(Load(kHeader + Section(3, 2) + Record(0x1234, "the") + Record(0, "and") + Section(1, 0) +
                   Section(2, 1) + Record(7, "of") + Section(3, 1) + Record(65535, "dad") + "\x01\x02"));
  ASSERT_TRUE(dict.Slot(1).value().empty() && dict.Slot(3)->size() == 1);
  EXPECT_EQ(std::string((*dict.Slot(3))[0].text) + std::to_string((*dict.Slot(3))[0].frequency), "dad65535");
  ASSERT_TRUE(Load(kHeader + Section(3, 2) + Record(0x1234, "the") + Record(0, "and")));
  ASSERT_EQ(dict.Slot(3).value().size(), 2u);
  EXPECT_TRUE((*dict.Slot(3))[0].frequency == 0x1234 && !dict.Slot(2));  // a new load starts from an empty table
  // 25 letters and a 'q' where the NUL belongs: the word is cut, not trusted.
  ASSERT_TRUE(Load(kHeader + Section(25, 1) + string("\x05\x00", 2) + string(26, 'q')));
  EXPECT_EQ(std::strlen((*dict.Slot(25))[0].text), 25u);
  EXPECT_FALSE(fs::exists("errors.txt"));
}

TEST_F(DictionaryTest, EachFaultFailsWithOneLogLine) {
  const string flag = Int(kWordListSectionFlag);
  const std::pair<string, const char*> cases[] = {
      {Int(0) + Int(0) + Int(0), "flag != -1"}, {"\xff\xff", "flag != -1"},
      {kHeader + Int(3) + Int(9999998) + Int(0), "Missing flag"}, {kHeader + Int(3), "Missing flag"},
      {kHeader + Int(3) + flag + Int(-1), "Missing or invalid count"},
      {kHeader + Int(3) + flag, "Missing or invalid count"},
      {kHeader + Section(3, 2) + Record(1, "dog") + "\x01", "Premature EOF"},
      {kHeader + Section(3, 0x7FFFFFFF) + Record(1, "dog"), "Premature EOF"},
      {kHeader + Section(0, 1) + Record(1, ""), "Invalid length"}, {kHeader + Section(26, 0), "Invalid length"},
      {kHeader + Section(-4, 0), "Invalid length"}, {"", "File too large"},  // made oversized below
  };
  for (const auto& [bytes, fault] : cases) {
    SCOPED_TRACE(fault);
    fs::remove("errors.txt");
    WriteFile("w.wl", bytes);
    if (bytes.empty()) fs::resize_file("w.wl", kMaxWordListBytes + 1);
    EXPECT_FALSE(LoadWordList("w.wl", dict));
    EXPECT_EQ(LogLines(), std::vector<string>{string(":  w.wl: ") + fault});
  }
}

TEST_F(DictionaryTest, MissingFileLogsSystemTextOnceAndIsNotRetried) {
  WordListStore store;
  EXPECT_FALSE(store.Attempted() || store.EnsureLoaded("nowhere.wl"));
  WriteFile("nowhere.wl", kHeader);  // appearing later changes nothing in this run
  EXPECT_EQ(store.EnsureLoaded("nowhere.wl"), nullptr);
  EXPECT_EQ(LogLines(), std::vector<string>{string(":  nowhere.wl: ") + std::strerror(ENOENT)});
  WordListStore good;
  const WordDictionary* loaded = good.EnsureLoaded("nowhere.wl");
  EXPECT_TRUE(loaded && good.EnsureLoaded("gone.wl") == loaded);
  good.Free();
  EXPECT_TRUE(good.Attempted() && !good.EnsureLoaded("nowhere.wl"));
}

// One line per fault: asctime's 24 characters, then the source and the fault (the system's
// text for errno when no fault text is given).
TEST_F(DictionaryTest, ErrorLogAppendsOneStampedLinePerFault) {
  WriteFile("errors.txt", "an earlier line of more than 24 characters\n");
  const std::time_t now = std::time(nullptr);
  const string stamp = string(std::asctime(std::localtime(&now))).substr(0, 10);  // day and date
  LogError("/usr/share/quillo/wordlist.wl", "", "Premature EOF");
  errno = ENOENT;
  LogError("quotes.cqm", "Cannot open memory", nullptr);
  LogError("quotes.cqm", nullptr, "flag != -1");
  EXPECT_EQ(LogLines(), (std::vector<string>{"than 24 characters", ":  /usr/share/quillo/wordlist.wl: Premature EOF",
                                             ": Cannot open memory quotes.cqm: No such file or directory",
                                             ": quotes.cqm: flag != -1"}));
  EXPECT_EQ(ReadFile("errors.txt").value_or("").substr(43, 10), stamp);  // after the earlier line
}

}  // namespace
