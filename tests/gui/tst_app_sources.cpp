// GUI tests of the whole game's puzzle sources: the clipboard, the entry dialog, the saved game.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "game_run.h"
#include "qt/qtdialog.h"
#include "resources/resources.h"

namespace {
std::string Text(const char* buffer) { return buffer; }
}  // namespace

class AppSourcesTest : public QObject {
  Q_OBJECT

 private slots:
  // Each menu item reaches its source: a pasted ciphertext greys the hints and is shown as
  // pasted; a pasted plaintext is enciphered and won as usual; Enter Plaintext Puzzle (Alt+T)
  // takes the text typed into its dialog. None asks about the game on screen.
  void pastedAndEnteredPuzzles() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    Game& game = run.app().TheGame();
    QGuiApplication::clipboard()->setText("  Ifmmp,   xpsme \r\n");
    QVERIFY(run.Choose("Paste Encrypted Puzzle"));
    QVERIFY(game.state.puzzleKind == PuzzleKind::kCipherEntered);
    QCOMPARE(Text(game.text.puzzleText), std::string("Ifmmp, xpsme"));
    QMenu* hints = run.Frame()->menuBar()->actions().value(2)->menu();
    QVERIFY(!hints->isEnabled() && !hints->menuAction()->isEnabled());

    WinAnswers answers;
    answers.AnswerNext(kYouWonNo);
    QGuiApplication::clipboard()->setText(GameRun::kQuotation);
    QVERIFY(run.Choose("Paste Plaintext Puzzle"));
    QVERIFY(game.state.puzzleKind == PuzzleKind::kPlainEntered && hints->menuAction()->isEnabled());
    QVERIFY(Text(game.text.puzzleText) != GameRun::kQuotation);
    run.Solve();
    QTRY_COMPARE(answers.seen, 1);

    QStringList seen;
    WhenDialogOpens([&seen](QDialog* dialog) {
      seen << dialog->windowTitle();
      QTest::keyClicks(ControlOf(dialog, kInputEditId), "Birds of a feather");
      QTest::mouseClick(ControlOf<QPushButton>(dialog, IDOK), Qt::LeftButton);
    });
    QTest::keyClick(run.Keys(), Qt::Key_T, Qt::AltModifier);
    QCOMPARE(seen, QStringList{"Plaintext Puzzle"});
    QVERIFY(game.state.puzzleKind == PuzzleKind::kPlainEntered);
    QCOMPARE(Text(game.text.quoteText), std::string("Birds of a feather"));
    QVERIFY(NoModalLeft());
  }

  // Exit saves a touched game on Yes; the next start in the folder offers it, and Yes brings
  // back the same quotation, key, guesses and clock.
  void savedGameIsOfferedAndResumedAtTheNextStart() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    run.Guess('w');
    const std::string key = run.Key(), guesses = run.Guesses();
    auto save = AnswerNextMessageBox(QMessageBox::Yes);
    QTest::keyClick(run.Keys(), Qt::Key_X, Qt::AltModifier);
    QVERIFY(save->seen && run.app().ShutdownRequested() && QFile::exists(run.Path("quillo.svg")));
    QCOMPARE(save->text, QStringLiteral("Would you like to save this game?"));
    const int clock = run.app().TheGame().panel.elapsedSeconds;

    auto offer = AnswerNextMessageBox(QMessageBox::Yes);
    run.Restart();
    QVERIFY(offer->seen);
    QCOMPARE(offer->title + '|' + offer->text, QStringLiteral("Quillo!|Continue the unfinished game\nyou saved earlier?"));
    QCOMPARE(offer->icon, QMessageBox::Question);
    QVERIFY(run.Shown());  // the resumed game is painted and its clock runs
    QTRY_COMPARE(run.app().Client().Quote().Layout().lineCount, 1);
    QCOMPARE(std::tuple(Text(run.app().TheGame().text.quoteText), run.Key(), run.Guesses()),
             std::tuple(std::string(GameRun::kQuotation), key, guesses));
    QVERIFY(run.app().TheGame().panel.elapsedSeconds >= clock && run.app().TheGame().state.modified == 1);
    QVERIFY(!QFile::exists(run.Path("quillo.svg")) && NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppSourcesTest);

#include "tst_app_sources.moc"
