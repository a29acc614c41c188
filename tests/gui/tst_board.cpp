// A whole puzzle played to the win with the keyboard alone: cursor keys, Tab, Quick Entry,
// Advance After Guess, Undo and Redo, on the real widgets.
#include <QLabel>

#include "game_run.h"
#include "resources/resources.h"

class BoardTest : public QObject {
  Q_OBJECT

 private slots:
  void aPuzzleSolvedFromTheKeyboard() {
    GameRun run("Tutorial=1\nQuickEntry=1\nAdvanceAfterGuess=1\n");
    QVERIFY(run.Shown());
    QCOMPARE(run.Frame()->windowTitle(), QStringLiteral("Quillo! - quotes.qot"));
    Game& game = run.app().TheGame();
    const std::string plain = GameRun::kQuotation;  // "Hello, world": position k holds plain[k]
    const int h = game.state.key['h' - 'a'];
    QWidget* keys = run.Keys();

    QTest::keyClick(keys, Qt::Key_Home);
    QTest::keyClick(keys, Qt::Key_X);  // a wrong guess; the cursor advances to e
    QCOMPARE(game.CursorPosition(), 1);
    QTest::keyClick(keys, Qt::Key_Left);
    QTest::keyClick(keys, Qt::Key_H);  // typed over, no question asked
    QCOMPARE(game.state.guess[h], 'H');
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game.state.guess[h], 'X');
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(game.state.guess[h], 'H');
    QTest::keyClick(keys, Qt::Key_Tab, Qt::ShiftModifier);  // back round to the d at the end
    QCOMPARE(game.CursorPosition(), 11);
    QTest::keyClick(keys, Qt::Key_Tab);
    QCOMPARE(game.CursorPosition(), 1);

    QString summary;
    WhenDialogOpens([&](QDialog* dialog) {
      if (auto* text = ControlOf<QLabel>(dialog, kYouWonText)) summary = text->text();
      dialog->reject();
    });
    for (int typed = 0; typed < 12 && game.CursorPosition() >= 0; ++typed) {
      QTest::keyClick(keys, plain[static_cast<std::size_t>(game.CursorPosition())] | 0x20);
    }
    QTRY_VERIFY(!summary.isEmpty());
    QVERIFY(game.state.gameOver);
    QVERIFY2(summary.contains("Help used: none."), qPrintable(summary));
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(BoardTest);

#include "tst_board.moc"
