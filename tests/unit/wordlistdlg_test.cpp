// The Possible Words dialog on the fake framework with a small dictionary file of its own.
#include "wordlist/wordlistdlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "display/wordpreview.h"
#include "resources/dlg_wordlist.h"
#include "resources/resources.h"
#include "support/game_fixture.h"

namespace {

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
                                      [this] { ++repaints; Paint(); });
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

  void SetQuoteFile(const char* path) {
    std::strncpy(game.state.quoteFileName, path, kFileNameSize - 1);
  }

  TempFolder work{true};  // errors.txt is written in the working folder
  std::string dictionaryPath = folder.File("wordlist.wl");
  WordListStore wordStore;
  int repaints = 0;
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
  EXPECT_EQ(std::string(kDictionaryMissingMessage),
            "The word list dictionary is missing or has been corrupted.\nTry going to the Help "
            "menu and selecting\n\n     Online>Update Quillo!>Check the Internet for updates\n\n"
            "to download a new dictionary.");
  EXPECT_EQ(game.panel.wordListCount, 0);
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_EQ(repaints, 0);

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
  EXPECT_EQ(fake.LastDialog().caption, "Possible Words");
  EXPECT_EQ(fake.LastDialog().Find(kWordListBox)->kind, TControlKind::ListBox);

  // The same setting for a puzzle the player entered: alphabetical, 300 seconds.
  StartPuzzle("Did dad nap", kPlainEntered);
  request = Request(0);
  EXPECT_TRUE(request.alphabetical);
  dialog = Make(request.word, request.alphabetical);
  EXPECT_EQ(game.panel.elapsedSeconds, 300);
  EXPECT_EQ(Run(*dialog, [](FakeDialog& d) { d.Click(IDCANCEL); }),
            (std::vector<std::string>{"dad", "did", "pop", "sis", "tat"}));
  EXPECT_EQ(fake.LastDialog().Find(kWordListBox)->kind, TControlKind::SortedListBox);

  // The penalty is read when the list is made, and charged even when nothing fits.
  SetSetting("WordListAlphaPenalty", 17);
  StartPuzzle("Did dad nap");
  EXPECT_EQ(ListFor("xq'", true), std::vector<std::string>{});
  EXPECT_EQ(game.panel.elapsedSeconds, 17);
}

TEST_F(WordListTest, CandidatesFollowThePatternAndTheRareWordRule) {
  StartPuzzle("Did dad nap");
  const std::string xyx = Enciphered("did");
  // did and dad fit XYX; dog (X != X) and ddd (X == Y) do not; pop has frequency 0.
  EXPECT_EQ(ListFor(xyx, false), (std::vector<std::string>{"sis", "did", "dad", "tat"}));
  SetQuoteFile("/home/player/quotes/bible.cqt");  // the test is case-sensitive
  EXPECT_EQ(ListFor(xyx, false), (std::vector<std::string>{"sis", "did", "dad", "tat"}));
  SetQuoteFile("/home/player/quotes/Bible.cqt");
  EXPECT_EQ(ListFor(xyx, false), (std::vector<std::string>{"sis", "did", "pop", "dad", "tat"}));
  SetQuoteFile("quotes.cqt");
  game.state.puzzleKind = kTutorialPuzzle;
  EXPECT_EQ(ListFor(xyx, false), (std::vector<std::string>{"sis", "did", "pop", "dad", "tat"}));

  // A guess fixes its letter, and a used letter is no candidate elsewhere.
  StartPuzzle("Did dad nap");
  TypeLetters('a', 'a');
  TypeLetters('n', 't');
  EXPECT_EQ(ListFor(Enciphered("nd"), false), std::vector<std::string>{"to"});
  EXPECT_EQ(ListFor(Enciphered("dn"), false), std::vector<std::string>{});  // "at": a is used
  EXPECT_EQ(ListFor(Enciphered("dad"), true), std::vector<std::string>{"dad"});  // "tat": t
}

TEST_F(WordListTest, SelectionPreviewsTheWordUntilTheDialogCloses) {
  StartPuzzle("Did dad nap");
  auto dialog = Make(Enciphered("did"), false);
  std::array<char, 26> expected;
  expected.fill(' ');
  expected[CipherIndexOf('d')] = 's';
  expected[CipherIndexOf('i')] = 'i';
  bool shownDuringSelection = false;
  int repaintsAfterSelection = 0;
  Run(*dialog, [&](FakeDialog& d) {
    d.Select(kWordListBox, 0);  // "sis"
    shownDuringSelection = TheWordPreview().active && TheWordPreview().letters == expected;
    repaintsAfterSelection = repaints;
    d.Select(kWordListBox, -1);
    EXPECT_FALSE(TheWordPreview().active);
    d.Select(kWordListBox, 0);
    d.Click(IDCANCEL);
  });
  EXPECT_TRUE(shownDuringSelection);
  EXPECT_EQ(repaintsAfterSelection, 1);
  EXPECT_FALSE(TheWordPreview().active);
  EXPECT_EQ(repaints, 4);  // two selections, the cleared selection, the close
  EXPECT_EQ(fake.LastDialog().result, IDCANCEL);
  EXPECT_EQ(Guesses(), std::string(26, ' '));
  EXPECT_TRUE(Placed("WordListDialog"));
}

TEST_F(WordListTest, OkNeedsASelection) {
  StartPuzzle("Did dad nap");
  auto dialog = Make(Enciphered("did"), true);
  bool stayedOpen = false;
  Run(*dialog, [&](FakeDialog& d) {
    d.Click(IDOK);
    stayedOpen = !d.Ended();
    d.Click(IDCANCEL);
  });
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Please select a word from the list first,\nor just double-click a word.",
                              "Error", MB_OK | MB_ICONINFORMATION}));
  EXPECT_EQ(fake.Messages().size(), 1u);
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
  EXPECT_EQ(game.state.selectedCipher, -1);
  EXPECT_EQ(game.state.selectedPlain, -1);
  EXPECT_FALSE(TheWordPreview().active);

  // OK on the selected word of a one-word puzzle solves it: the repaint finds the win.
  StartPuzzle("Dad");
  dialog = Make(Enciphered("dad"), true);
  Run(*dialog, [](FakeDialog& d) {
    d.Select(kWordListBox, 0);
    d.Click(IDOK);
  });
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);
}

TEST_F(WordListTest, ListFontAndSizeFollowThePuzzleFont) {
  StartPuzzle("Did dad nap");
  struct Case {
    int fontHeight;
    int usedHeight;
  };
  for (const Case& c : {Case{-10, -15}, Case{15, -15}, Case{-20, -20}, Case{23, 23}}) {
    auto dialog = Make(Enciphered("did"), true, c.fontHeight);
    TRect grown;
    TRect ok;
    Run(*dialog, [&](FakeDialog& d) {
      grown = d.Rect();
      ok = d.ItemRect(IDOK);
      d.Click(IDCANCEL);
    });
    const DialogRecord record = fake.LastDialog();
    const FakeControl* list = record.Find(kWordListBox);
    ASSERT_TRUE(list && list->font);
    EXPECT_STREQ(list->font->faceName, "Arial");
    EXPECT_EQ(list->font->height, c.usedHeight);
    EXPECT_EQ(list->font->weight, 400);
    // The fake's fonts: average width |h| / 2, height |h|; its dialog units are 2 pixels.
    const int h = c.usedHeight < 0 ? -c.usedHeight : c.usedHeight;
    const int dx = 25 * (h / 2) + 60 - 155;
    const int dy = 10 * h + 4 - 145;
    EXPECT_EQ(list->rect, (TRect{12, 12, 167 + dx, 157 + dy})) << c.fontHeight;
    EXPECT_EQ(ok, (TRect{28, 192, 104, 220}).Offset(dx / 2, dy));
    const TRect before = fake.DefaultDialogRect(WordListTemplate());
    EXPECT_EQ(grown.Width(), before.Width() + 2 * (dx / 2));
    EXPECT_EQ(grown.Height(), before.Height() + dy);
  }
}

}  // namespace
