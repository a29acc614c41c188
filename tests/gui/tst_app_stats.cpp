// GUI test of the statistics window: opened with Ctrl+I after two games, from its module.
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "game_run.h"

class AppStatsTest : public QObject {
  Q_OBJECT

 private slots:
  // One game solved and one ended with Solve Puzzle: the totals say so, both charts are there.
  void statisticsWindowShowsTheRecordedGames() {
    GameRun run;
    QVERIFY(run.Shown());
    bool won = false;
    WhenDialogOpens([&won](QDialog* dialog) {  // on to the next game
      auto* yes = ControlOf<QAbstractButton>(dialog, kYouWonYes);
      yes ? (won = true, yes->click()) : dialog->reject();
    });
    run.Solve();
    QVERIFY(QTest::qWaitFor([&] { return won; }, 5000));
    QVERIFY(run.WaitForClock());
    run.Guess('h');
    QVERIFY(run.Choose("Solve Puzzle"));
    QStringList seen;
    WhenDialogOpens([&](QDialog* window) {
      for (const char* name : {"gamesPlayed", "solved", "revealed", "abandoned", "solveRate"}) {
        auto* value = window->findChild<QLabel*>(name);
        seen << QString(name) + "=" + (value ? value->text() : "?");
      }
      for (const char* chart : {"timesChart", "helpChart"}) {
        if (window->findChild<QWidget*>(chart)) seen << chart;
      }
      window->reject();
    });
    QTest::keyClick(run.Keys(), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(seen.join(' '), QStringLiteral("gamesPlayed=2 solved=1 revealed=1 abandoned=0 "
                                            "solveRate=50% timesChart helpChart"));
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppStatsTest);
#include "tst_app_stats.moc"
