// GUI tests of the whole game's word list: Alt or Ctrl+click on a puzzle word, preview, entry.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cctype>

#include "display/wordpreview.h"
#include "game_run.h"
#include "qt/qtdialog.h"
#include "resources/dlg_wordlist.h"

namespace {
// What the Possible Words dialog showed, and the preview while its one word was selected.
struct WordListSeen {
  QString caption;
  QStringList words;
  char previewOnL = 0;  // the preview's letter on the ciphertext of 'l', lower case
  QRect placed;         // its outer rectangle as it opened
};

// Selects the first word with a click, records, then ends with a double click or Cancel.
void AnswerWordList(WordListSeen& seen, int cipherL, bool doubleClick) {
  WhenDialogOpens([&seen, cipherL, doubleClick](QDialog* dialog) {
    seen.caption = dialog->windowTitle();
    seen.placed = dialog->frameGeometry();
    auto* list = ControlOf<QListWidget>(dialog, kWordListBox);
    if (!list || list->count() == 0) return dialog->reject();
    for (int i = 0; i < list->count(); ++i) seen.words << list->item(i)->text();
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    if (TheWordPreview().active) {
      seen.previewOnL = static_cast<char>(std::tolower(TheWordPreview().letters[cipherL]));
    }
    if (doubleClick) {
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    } else {
      QTest::mouseClick(ControlOf<QPushButton>(dialog, IDCANCEL), Qt::LeftButton);
    }
  });
}

// The ciphertext cell of the first line's character at position, past the two margin cells.
QPoint OnLetter(GameRun& run, int position) {
  return CellCentre(2 + run.app().Client().Quote().Layout().lines[0].indent + position, 2);
}
}  // namespace

class AppWordListTest : public QObject {
  Q_OBJECT

 private slots:
  // With H, E and O known, "Hello" fits one word; Cancel leaves the game as it was, a double
  // click enters the missing L. Each list costs its penalty.
  void altAndCtrlClickListTheWordPreviewAndEnter() {
    GameRun run;
    QVERIFY(run.Shown());
    for (char plain : std::string("heo")) run.Guess(plain);
    const std::string guesses = run.Guesses();
    const int cipherL = run.app().TheGame().state.key['l' - 'a'];
    const int clock = run.app().TheGame().panel.elapsedSeconds;

    WordListSeen cancelled;
    AnswerWordList(cancelled, cipherL, false);
    QTest::mouseClick(run.Puzzle(), Qt::LeftButton, Qt::AltModifier, OnLetter(run, 0));
    QCOMPARE(cancelled.caption, QStringLiteral("Possible Words"));
    // Never placed before: beside the main window, right of it, not over the puzzle.
    const QRect frame = run.Frame()->frameGeometry();
    QCOMPARE(cancelled.placed.topLeft(), QPoint(frame.right() + 1, frame.top()));
    QCOMPARE(cancelled.words, QStringList{"hello"});
    QCOMPARE(cancelled.previewOnL, 'l');
    QVERIFY(!TheWordPreview().active);
    QCOMPARE(run.Guesses(), guesses);
    QCOMPARE(run.app().TheGame().panel.wordListCount, 1);
    QVERIFY(run.app().TheGame().panel.elapsedSeconds >= clock + 300);

    WordListSeen entered;
    AnswerWordList(entered, cipherL, true);
    QTest::mouseClick(run.Puzzle(), Qt::LeftButton, Qt::ControlModifier, OnLetter(run, 0));
    QCOMPARE(entered.words, QStringList{"hello"});
    QCOMPARE(entered.placed, cancelled.placed);  // where it was left
    QVERIFY(!TheWordPreview().active);
    QCOMPARE(run.app().TheGame().state.guess[cipherL], 'L');
    QCOMPARE(run.app().TheGame().panel.wordListCount, 2);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppWordListTest);

#include "tst_app_wordlist.moc"
