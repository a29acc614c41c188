// GUI test of Options > Difficulty: greyed for an unrated file, a Hard puzzle from the shipped
// collection once chosen, its band in the caption.
#include <QFile>
#include <QMenu>
#include <QTest>

#include "game_run.h"

class AppDifficultyTest : public QObject {
  Q_OBJECT

 private slots:
  void hardThenNewGameShowsTheBand() {
    GameRun run;  // a plain quote file: no ratings
    QVERIFY(run.Shown());
    QVERIFY(!run.Choose("Hard", "Difficulty"));
    QAction* missing = run.Choose("Hard - ratings missing", "Difficulty");  // greyed: no effect
    QVERIFY(missing && !missing->isEnabled());

    QVERIFY(run.Choose("View the Tutorial"));  // the shipped collection, which is rated
    QAction* hard = run.Choose("Hard", "Difficulty");
    QVERIFY(hard && hard->isEnabled() && hard->isChecked());
    QVERIFY(run.Choose("New Game"));
    QFile ratings(QUILLO_BIN_DIR "/quillo.cqr");
    QVERIFY(ratings.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ratings.readAll().split('\n');
    const int puzzle = run.app().TheGame().state.currentPuzzle;
    QVERIFY(puzzle >= 0 && puzzle + 1 < lines.size());
    QVERIFY(lines[puzzle + 1].startsWith("H "));
    QVERIFY(run.Frame()->windowTitle().endsWith(" (Hard)"));
  }
};

QUILLO_GUI_TEST(AppDifficultyTest);

#include "tst_app_difficulty.moc"
