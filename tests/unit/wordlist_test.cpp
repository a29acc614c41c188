// Possible words: patterns and candidates, the rare-word rule, preview and entry, and the dialog.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "display/wordpreview.h"
#include "resources/dlg_wordlist.h"
#include "resources/resources.h"
#include "support/game_fixture.h"
#include "wordlist/wordlistdlg.h"
#include "wordlist/wordpattern.h"

namespace {

// A puzzle's guesses (by ciphertext letter) and the plaintext letters they use.
struct Board {
  std::string guess = std::string(26, ' ');

  // Guesses are kept in upper case, as the game keeps them.
  void Guess(char cipher, char plain) {
    guess[cipher - 'a'] = static_cast<char>(std::toupper(static_cast<unsigned char>(plain)));
  }
  GuessLookup Guesses() const {
    return [this](int c) { return guess[c]; };
  }
  LetterUsedTest Used() const {
    return [this](int p) { return guess.find(static_cast<char>('A' + p)) != std::string::npos; };
  }
};

WordDictionary MakeDictionary(std::initializer_list<std::pair<const char*, int>> words) {
  std::vector<std::vector<Word>> byLength(kWordSlotCount);
  for (const auto& [text, frequency] : words) {
    Word w;
    w.frequency = static_cast<std::uint16_t>(frequency);
    std::strcpy(w.text, text);
    byLength[std::strlen(text)].push_back(w);
  }
  WordDictionary dict;
  EXPECT_FALSE(ParseWordList(EncodeWordList(byLength, 1), dict));
  return dict;
}

using Words = std::vector<std::string>;

Words Candidates(const WordDictionary& dict, const char* clicked, const Board& board,
                 int kind = 0, const char* path = "/q/quotes.cqt") {
  const WordPattern p = BuildWordPattern(clicked, board.Guesses());
  return ListCandidates(dict, p, kind, path, board.Used());
}

TEST(WordPatternTest, RepeatedAndDistinctLetters) {
  const WordDictionary dict = MakeDictionary(
      {{"dog", 9}, {"did", 8}, {"ddd", 7}, {"dad", 6}, {"eye", 5}, {"d'd", 4}, {"di", 3}});
  Board board;
  EXPECT_EQ(Candidates(dict, "XYX", board), (Words{"did", "dad", "eye"}));
  board.Guess('z', 'E');  // e is used elsewhere in the puzzle
  EXPECT_EQ(Candidates(dict, "XYX", board), (Words{"did", "dad"}));
}

TEST(WordPatternTest, GuessedLetterFixesPositionAndIsUsed) {
  const WordDictionary dict =
      MakeDictionary({{"at", 9}, {"to", 8}, {"tt", 7}, {"ta", 6}, {"it", 5}, {"t'", 4}});
  Board board;
  board.Guess('x', 't');
  EXPECT_EQ(Candidates(dict, "XY", board), (Words{"to", "ta"}));
}

TEST(WordPatternTest, NonLettersMustStandInTheSamePlace) {
  const WordDictionary dict = MakeDictionary(
      {{"can't", 9}, {"it's", 8}, {"hello", 7}, {"don't", 6}, {"we'll", 5}, {"o'er'", 4}});
  Board board;
  EXPECT_EQ(Candidates(dict, "ABC'D", board), (Words{"can't", "don't"}));
  EXPECT_EQ(Candidates(dict, "ABCDEFGHIJKLMNOPQRSTUVWXY", board), Words{});  // no such slot
  EXPECT_EQ(BuildWordPattern(std::string(40, 'a'), board.Guesses()).length, 25);
}

TEST(WordPatternTest, RareWordsOnlyForBibleFilesAndOtherKinds) {
  const WordDictionary dict = MakeDictionary({{"unto", 0}, {"them", 40}, {"thou", 0}});
  Board board;
  const Words all{"unto", "them", "thou"};
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "/q/quotes.cqt"), Words{"them"});
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "/q/bible.cqt"), Words{"them"});
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "KingJamesBible.cqt"), all);
  for (int kind : {1, 2, 3}) EXPECT_EQ(Candidates(dict, "ABCD", board, kind), all);
}

TEST(WordPatternTest, PreviewByCiphertextLetter) {
  Board board;
  board.Guess('q', 'D');
  const WordPattern p = BuildWordPattern("Qx'Zx", board.Guesses());
  const auto preview = PreviewLetters(p, "DO'NO");
  std::string expected(26, ' ');
  expected['q' - 'a'] = 'd';
  expected['x' - 'a'] = 'o';
  expected['z' - 'a'] = 'n';
  EXPECT_EQ(std::string(preview.begin(), preview.end()), expected);
}

TEST(WordPatternTest, EntrySkipsGuessedRepeatsAndNonLetters) {
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

Word MakeWord(const char* text, std::uint16_t frequency) {
  Word word;
  word.frequency = frequency;
  std::strncpy(word.text, text, kMaxWordLength);
  return word;
}

// Three-letter words in the file's (by frequency) order; "pop" is a zero-frequency word.
std::vector<unsigned char> SmallDictionary() {
  std::vector<std::vector<Word>> words(kWordSlotCount);
  for (const char* text : {"sis", "did", "dog", "ddd", "pop", "dad", "tat"}) {
    words[3].push_back(MakeWord(text, std::strcmp(text, "pop") == 0 ? 0 : 10));
  }
  words[2] = {MakeWord("to", 9), MakeWord("at", 8)};
  return EncodeWordList(words, 1);
}

class WordListTest : public GameFixture {
 protected:
  WordListTest() {
    const std::vector<unsigned char> bytes = SmallDictionary();
    WriteFile(dictionaryPath, std::string(bytes.begin(), bytes.end()));
    TheWordPreview() = WordPreview{};
  }
  ~WordListTest() override { TheWordPreview() = WordPreview{}; }

  // The enciphered form of a plaintext word, as a click on the puzzle hands it over.
  std::string Enciphered(const std::string& plain) const {
    std::string word;
    for (char ch : plain) word += CipherOf(ch);
    return word;
  }

  // The word list the game asks for when the player Alt+clicks the puzzle at textPosition.
  RecordingHooks::WordListRequest Request(int textPosition) {
    game.RequestWordList(textPosition);
    EXPECT_FALSE(hooks.wordLists.empty());
    return hooks.wordLists.empty() ? RecordingHooks::WordListRequest{} : hooks.wordLists.back();
  }

  std::unique_ptr<WordList> Make(const std::string& word, bool alphabetical, int fontHeight = -15) {
    return std::make_unique<WordList>(nullptr, game, wordStore, dictionaryPath, word,
                                      alphabetical, fontHeight, store, "WordListDialog",
                                      [this] { Paint(); });
  }

  // Runs a dialog with a script and gives back the list as it was shown.
  std::vector<std::string> Run(WordList& dialog, FakePlatform::DialogScript script) {
    std::vector<std::string> listed;
    fake.ScriptDialog(10, [&](FakeDialog& d) {
      listed = d.ListItems(kWordListBox);
      script(d);
    });
    dialog.Execute();
    return listed;
  }

  std::vector<std::string> ListFor(const std::string& word, bool alphabetical) {
    auto dialog = Make(word, alphabetical);
    return Run(*dialog, [](FakeDialog& d) { d.Click(IDCANCEL); });
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
  ASSERT_EQ(fake.Messages().size(), 2u);
  EXPECT_EQ(fake.Messages()[0], missing);
  EXPECT_EQ(fake.Messages()[1], missing);
  EXPECT_EQ(game.panel.elapsedSeconds, 0);

  std::ifstream log(work.File("errors.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(dictionaryPath + ": "), std::string::npos);
}

TEST_F(WordListTest, PenaltyAndOrderFollowTheRequest) {
  // By frequency from a quote file: file order, 480 seconds charged before the dialog shows.
  SetSetting("WordlistOrder", 0);
  StartPuzzle("Did dad nap");
  RecordingHooks::WordListRequest request = Request(0);
  EXPECT_EQ(request.word, Enciphered("did"));
  EXPECT_FALSE(request.alphabetical);
  auto dialog = Make(request.word, request.alphabetical);
  EXPECT_EQ(game.panel.elapsedSeconds, 480);
  EXPECT_EQ(game.panel.wordListCount, 1);
  EXPECT_EQ(Run(*dialog, [](FakeDialog& d) { d.Click(IDCANCEL); }),
            (std::vector<std::string>{"sis", "did", "dad", "tat"}));

  // The same setting for a puzzle the player entered: alphabetical, 300 seconds.
  StartPuzzle("Did dad nap", kPlainEntered);
  request = Request(0);
  EXPECT_TRUE(request.alphabetical);
  dialog = Make(request.word, request.alphabetical);
  EXPECT_EQ(game.panel.elapsedSeconds, 300);
  EXPECT_EQ(Run(*dialog, [](FakeDialog& d) { d.Click(IDCANCEL); }),
            (std::vector<std::string>{"dad", "did", "pop", "sis", "tat"}));

  // The penalty is read when the list is made, and charged even when nothing fits.
  SetSetting("WordListAlphaPenalty", 17);
  StartPuzzle("Did dad nap");
  EXPECT_EQ(ListFor("xq'", true), std::vector<std::string>{});
  EXPECT_EQ(game.panel.elapsedSeconds, 17);
}

TEST_F(WordListTest, SelectionPreviewsTheWordAndOkNeedsOne) {
  StartPuzzle("Did dad nap");
  auto dialog = Make(Enciphered("did"), false);
  std::array<char, 26> expected;
  expected.fill(' ');
  expected[CipherIndexOf('d')] = 's';
  expected[CipherIndexOf('i')] = 'i';
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
  EXPECT_TRUE(shownDuringSelection);
  EXPECT_FALSE(TheWordPreview().active);
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
  const std::vector<std::string> listed = Run(*dialog, [](FakeDialog& d) {
    d.DoubleClick(kWordListBox, 0);
  });
  EXPECT_EQ(listed, (std::vector<std::string>{"dad", "tat"}));
  EXPECT_EQ(fake.LastDialog().result, IDOK);
  std::string expected(26, ' ');
  expected[CipherIndexOf('a')] = 'A';
  expected[CipherIndexOf('d')] = 'D';
  EXPECT_EQ(Guesses(), expected);
  EXPECT_EQ(Shown(), std::vector<std::string>{"dialog Possible Words"});

  // OK on the selected word of a one-word puzzle solves it: the repaint finds the win.
  StartPuzzle("Dad");
  dialog = Make(Enciphered("dad"), true);
  Run(*dialog, [](FakeDialog& d) {
    d.Select(kWordListBox, 0);
    d.Click(IDOK);
  });
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);
}

}  // namespace
