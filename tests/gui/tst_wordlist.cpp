// GUI test of the Possible Words dialog rendered by the Qt back end on a small dictionary.
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "classlib/inifile.h"
#include "display/wordpreview.h"
#include "engine/game.h"
#include "engine/random.h"
#include "gui_helpers.h"
#include "qt/qtdialog.h"
#include "resources/dlg_wordlist.h"
#include "wordlist/wordlistdlg.h"

namespace {

// The engine's requests answered with nothing: the dialog alone is under test here.
class QuietHooks : public GameHooks {
 public:
  void Redraw() override {}
  void RepaintAll() override {}
  void RedrawTime() override {}
  void PuzzleTextChanged() override {}
  void StartClockTimer() override {}
  void StopClockTimer() override {}
  bool IsMainWindowMinimised() override { return false; }
  void ShowMainFrame(bool) override {}
  TWindow* MainWindow() override { return nullptr; }
  int DialogFontHeight() override { return -15; }
  bool IsMilitaryStyle() override { return false; }
  int ShowYouWonDialog() override { return kYouWonNo; }
  void MarkPuzzleSolved() override {}
  void NewGame(int, int, bool) override {}
  void Shutdown() override {}
  void OpenWordList(const std::string&, bool, const char*) override {}
};

void WriteDictionary(const std::string& path) {
  std::vector<std::vector<Word>> words(kWordSlotCount);
  for (const char* text : {"did", "dog", "dad"}) {
    Word word;
    word.frequency = 5;
    std::strncpy(word.text, text, kMaxWordLength);
    words[3].push_back(word);
  }
  const std::vector<unsigned char> bytes = EncodeWordList(words, 1);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

class WordListGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void selectingPreviewsAndDoubleClickEntersTheWord() {
    QTemporaryDir folder;
    const std::string dictionary = folder.filePath("wordlist.wl").toStdString();
    WriteDictionary(dictionary);
    PrivateIniFile settings(folder.filePath("quillo.ini").toStdString().c_str());
    SetSettings(&settings);
    QuietHooks hooks;
    Game game(hooks);
    std::strcpy(game.text.displayText, "Dad");
    game.state.puzzleKind = kQuotePuzzle;
    SeedRandom(3);
    game.StartGame();
    std::string word;
    for (char ch : std::string("dad")) word += game.Encipher(ch);

    WordListStore store;
    int repaints = 0;
    WordList dialog(nullptr, game, store, dictionary, word, false, -15, settings,
                    "WordListDialog", [&] { ++repaints; });
    QStringList shown;
    bool previewed = false;
    WhenDialogOpens([&](QDialog* opened) {
      auto* peer = dynamic_cast<QtDialogPeer*>(opened);
      QVERIFY(peer);
      auto* list = qobject_cast<QListWidget*>(peer->Control(kWordListBox));
      QVERIFY(list);
      for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
      const QRect dad = list->visualItemRect(list->item(1));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, dad.center());
      previewed = TheWordPreview().active &&
                  TheWordPreview().letters[Game::LetterIndex(word[1])] == 'a';
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, dad.center());
    });
    QCOMPARE(dialog.Execute(), IDOK);
    SetSettings(nullptr);

    QCOMPARE(shown, (QStringList{"did", "dad"}));  // file order: the list does not sort
    QVERIFY(previewed);
    QVERIFY(!TheWordPreview().active);
    QVERIFY(repaints >= 2);  // the preview, then the close
    QCOMPARE(game.GuessFor(word[0]), 'D');
    QCOMPARE(game.GuessFor(word[1]), 'A');
    QCOMPARE(game.panel.wordListCount, 1);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(WordListGuiTest);

#include "tst_wordlist.moc"
