// GUI tests of the whole game: start-up, playing a puzzle to the win, restart, new game, exit,
// pause and the accelerators, on the real widgets.
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

#include "app/app.h"
#include "app/mainframe.h"
#include "classlib/inifile.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "game_run.h"
#include "qt/qtconvert.h"
#include "qt/qtmenu.h"
#include "resources/commands.h"
#include "resources/resources.h"

class AppGameTest : public QObject {
  Q_OBJECT

 private slots:
  void startsOnTheCommandLineFileAndOffersTheTutorial() {
    GameRun run("");
    QCOMPARE(Settings().ReadString("quillo", "QuoteFile", ""), std::string("quotes.qot"));
    QCOMPARE(std::string(run.app().text.quoteText), std::string(GameRun::kQuotation));
    auto offer = AnswerNextMessageBox(QMessageBox::Yes);
    QVERIFY(run.Shown());
    QTRY_VERIFY(offer->seen);
    QCOMPARE(offer->title, QStringLiteral("Welcome to Quillo!"));
    QCOMPARE(Settings().ReadInt("quillo", "Tutorial", 0), 1);
    QVERIFY(run.app().TutorialRequested());
    QCOMPARE(run.Frame()->windowTitle(), QStringLiteral("Quillo!"));
  }

  // At the default frame size every line of the side panel shows, down to the last counter
  // (row 25): fixed faces on Linux are taller than the cell the layout was designed around.
  void theSidePanelFitsTheDefaultWindow() {
    GameRun run;
    QVERIFY(run.Shown());
    QCOMPARE(run.Frame()->frameGeometry().size(), QSize(560, 481));
    QVERIFY(run.app().Client().Freq().ClientRect().Height() >= 26 * Cells().cellHeight);
  }

  void solvingCongratulatesOnceAndYesStartsTheNextGame() {
    GameRun run;
    QVERIFY(run.Shown());
    WinAnswers answers;
    answers.AnswerNext("Yes");
    const std::string key = run.Key();
    run.Solve();
    QTRY_COMPARE(answers.seen, 1);
    QTRY_VERIFY(run.Key() != key);
    QTRY_COMPARE(run.app().state.gameOver, 0);  // recomputed by the new game's first paint
    QCOMPARE(run.app().state.modified, 0);
    QCOMPARE(run.app().state.guess[run.app().state.key['h' - 'a']], ' ');
    QTest::qWait(200);
    QCOMPARE(answers.seen, 1);
    QVERIFY(NoModalLeft());
  }

  void noLeavesTheSolvedPuzzleOnScreen() {
    GameRun run;
    QVERIFY(run.Shown());
    WinAnswers answers;
    answers.AnswerNext("No");
    const std::string key = run.Key();
    run.Solve();
    QTRY_COMPARE(answers.seen, 1);
    QCOMPARE(run.Key(), key);
    QCOMPARE(run.app().state.gameOver, 1);
    run.app().RepaintAll();  // later paints judge again but announce nothing
    QTest::qWait(200);
    QCOMPARE(answers.seen, 1);
    QVERIFY(NoModalLeft());
  }

  void restartGivesAFreshKeyAndZeroesClockAndCounters() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    run.app().panel.elapsedSeconds = 75;
    run.app().panel.confirmCount = 2;
    run.app().panel.erasedCount = 1;
    const std::string key = run.Key();
    QTest::keyClick(run.Keys(), Qt::Key_R, Qt::AltModifier);
    QVERIFY(NoModalLeft());
    QVERIFY(run.Key() != key);
    QCOMPARE(run.app().panel.elapsedSeconds, 0);
    QCOMPARE(run.app().panel.confirmCount + run.app().panel.erasedCount, 0);
    QCOMPARE(run.app().state.modified, 0);
    for (char guess : run.app().state.guess) QCOMPARE(guess, ' ');
  }

  void newGameAsksOnlyWhileAnUnsolvedTouchedGameIsOnScreen() {
    GameRun run;
    QVERIFY(run.Shown());
    std::string key = run.Key();
    QTest::keyClick(run.Keys(), Qt::Key_N, Qt::AltModifier);  // untouched: no question
    QVERIFY(NoModalLeft());
    QVERIFY(run.Key() != key);

    run.Guess('h');
    key = run.Key();
    auto question = AnswerNextMessageBox(QMessageBox::No);
    QTest::keyClick(run.Keys(), Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(question->seen);
    QCOMPARE(question->title, QStringLiteral("Confirm New Game"));
    QCOMPARE(question->text, QStringLiteral("Do you really want to start a new game\nand lose this one?"));
    QCOMPARE(question->icon, QMessageBox::Question);
    QCOMPARE(run.Key(), key);  // No keeps the game

    QTest::keyClick(run.Keys(), Qt::Key_S, Qt::AltModifier);  // solved for you: no question
    QTest::keyClick(run.Keys(), Qt::Key_N, Qt::AltModifier);
    QVERIFY(NoModalLeft());
    QVERIFY(run.Key() != key);
  }

  void exitAsksOnlyForAnUnsolvedTouchedGame() {
    {
      GameRun run;
      QVERIFY(run.Shown());
      QTest::keyClick(run.Keys(), Qt::Key_X, Qt::AltModifier);
      QVERIFY(NoModalLeft());
      QVERIFY(run.app().ShutdownRequested());
    }
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    auto question = AnswerNextMessageBox(QMessageBox::Cancel);
    QTest::keyClick(run.Keys(), Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(question->seen);
    QCOMPARE(question->title, QStringLiteral("Quillo!"));
    QCOMPARE(question->text, QStringLiteral("Would you like to save this game?"));
    QVERIFY(!run.app().ShutdownRequested());
    QVERIFY(run.Frame()->isVisible());
    // The close box asks the same; Cancel keeps the window.
    auto again = AnswerNextMessageBox(QMessageBox::Cancel);
    QVERIFY(!run.Frame()->close());
    QVERIFY(again->seen);
    QVERIFY(run.Frame()->isVisible());
    QVERIFY(!run.app().ShutdownRequested());
  }

  void pauseHidesTheBoardAndStopsTheClock() {
    GameRun run;
    QVERIFY(run.Shown());
    bool hidden = false;
    int during = -1;
    int after = -1;
    WhenDialogOpens([&](QDialog* box) {
      hidden = !run.Frame()->isVisible();
      during = run.app().panel.elapsedSeconds;
      QTimer::singleShot(2300, box, [&, box] {
        after = run.app().panel.elapsedSeconds;
        box->accept();
      });
    });
    QTest::keyClick(run.Keys(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(hidden);
    QCOMPARE(after, during);
    QVERIFY(run.Frame()->isVisible());
    const int resumed = run.app().panel.elapsedSeconds;
    QTRY_VERIFY_WITH_TIMEOUT(run.app().panel.elapsedSeconds > resumed, 3000);
  }

  void everyAcceleratorOfTheMenuSendsItsCommand() {
    GameRun run;
    QVERIFY(run.Shown());
    std::vector<int> arrived;
    run.app().SetCommandFilter([&](int id) {
      arrived.push_back(id);
      return true;
    });
    const std::set<int> greyed(CommandsAwaitingWork().begin(), CommandsAwaitingWork().end());
    int accelerators = 0;
    std::function<void(const std::vector<TMenuItem>&)> press = [&](const std::vector<TMenuItem>& items) {
      for (const TMenuItem& item : items) {
        if (!item.children.empty()) {
          press(item.children);
          continue;
        }
        if (item.accel.empty()) continue;
        ++accelerators;
        arrived.clear();
        const QKeyCombination key = ParseAccelerator(item.accel);
        QTest::keyClick(run.Keys(), key.key(), key.keyboardModifiers());
        const std::vector<int> expected = greyed.count(item.id) ? std::vector<int>{} : std::vector<int>{item.id};
        QCOMPARE(arrived, expected);
      }
    };
    press(MenuBar());
    QCOMPARE(accelerators, 15);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppGameTest);

#include "app_game.moc"
