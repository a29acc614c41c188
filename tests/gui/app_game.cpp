// GUI tests of the whole game: start-up, the frame's size, its close box, pause and the
// accelerators, on the real widgets (the rules of the game's course are the unit tests').
#include "classlib/inifile.h"
#include "display/freqwindow.h"
#include "game_run.h"
#include "resources/commands.h"
#include "resources/resources.h"

class AppGameTest : public QObject {
  Q_OBJECT

 private slots:
  void startsOnTheCommandLineFileAndOffersTheTutorial() {
    GameRun run("");
    QCOMPARE(std::string(run.app().TheGame().text.quoteText), std::string(GameRun::kQuotation));
    auto offer = AnswerNextMessageBox(QMessageBox::Yes);
    QVERIFY(run.Shown());
    QTRY_VERIFY(offer->seen);
    QCOMPARE(offer->title + '|' + run.Frame()->windowTitle(), QStringLiteral("Welcome to Quillo!|Quillo! - tutorial"));
    QVERIFY(Settings().ReadInt("quillo", "Tutorial", 0) == 1 && run.app().TutorialRequested());
  }

  // At the default frame size every line of the side panel shows, down to the last counter
  // (row 25): fixed faces on Linux are taller than the cell the layout was designed around.
  // The outer size is saved and restored as one measure: ten restarts in a frame keep it.
  void theSidePanelFitsAndTheFrameSizeSurvivesRestarts() {
    GameRun run;
    QVERIFY(run.Shown() && run.Frame()->frameGeometry().size() == QSize(560, 481));
    QVERIFY(run.app().Client().Freq().ClientRect().Height() >= 26 * Cells().cellHeight);
    run.app().Frame().Peer().Move(TRect::FromSize(30, 20, 660, 531));
    for (int start = 0; start < 10; ++start) {
      run.Restart();
      QVERIFY(run.Shown());
      QVERIFY(run.Frame()->frameGeometry().size() != run.Frame()->size());  // framed
      QTRY_COMPARE(run.Frame()->frameGeometry(), QRect(30, 20, 660, 531));
    }
    QCOMPARE(std::pair(Settings().ReadInt("quillo", "WindowSizeX", 0), Settings().ReadInt("quillo", "WindowSizeY", 0)),
             std::pair(660, 531));
  }

  // The close box asks about a touched game as Exit does; Cancel keeps the window.
  void closeBoxAsksAndCancelKeepsTheWindow() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    auto question = AnswerNextMessageBox(QMessageBox::Cancel);
    QVERIFY(!run.Frame()->close() && question->seen);
    QCOMPARE(question->title + '|' + question->text, QStringLiteral("Quillo!|Would you like to save this game?"));
    QVERIFY(!run.app().ShutdownRequested() && run.Frame()->isVisible());
  }

  // The frame hides while the pause message is up, and the clock runs again after it (that it
  // stands still meanwhile is the engine's rule).
  void pauseHidesTheFrameAndTheClockRunsAgainAfter() {
    GameRun run;
    QVERIFY(run.Shown());
    bool hidden = false;
    WhenDialogOpens([&](QDialog* box) { hidden = !run.Frame()->isVisible(), box->accept(); });
    QTest::keyClick(run.Keys(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(hidden && run.Frame()->isVisible());
    const int resumed = run.app().TheGame().panel.elapsedSeconds;
    QTRY_VERIFY_WITH_TIMEOUT(run.app().TheGame().panel.elapsedSeconds > resumed, 3000);
  }

  // Every key of the game's command table, with the command it must send.
  void everyAcceleratorSendsItsCommand() {
    const struct {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      int command;
    } keys[] = {
        {Qt::Key_N, Qt::AltModifier, 107},   {Qt::Key_R, Qt::AltModifier, 101},
        {Qt::Key_G, Qt::AltModifier, 11862}, {Qt::Key_F, Qt::AltModifier, 11860},
        {Qt::Key_P, Qt::AltModifier, 11882}, {Qt::Key_E, Qt::AltModifier, 112},
        {Qt::Key_T, Qt::AltModifier, 11842}, {Qt::Key_F2, Qt::NoModifier, 11849},
        {Qt::Key_X, Qt::AltModifier, 109},   {Qt::Key_C, Qt::AltModifier, 108},
        {Qt::Key_U, Qt::AltModifier, 102},   {Qt::Key_L, Qt::AltModifier, 104},
        {Qt::Key_B, Qt::AltModifier, 105},   {Qt::Key_S, Qt::AltModifier, 106},
        {Qt::Key_F1, Qt::NoModifier, 24341}, {Qt::Key_Z, Qt::ControlModifier, 11884},
        {Qt::Key_Y, Qt::ControlModifier, 11885},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 11885},
        {Qt::Key_W, Qt::ControlModifier, 11886}, {Qt::Key_I, Qt::ControlModifier, 11898},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 11895},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 11895},
        {Qt::Key_Equal, Qt::ControlModifier, 11895}, {Qt::Key_Minus, Qt::ControlModifier, 11896},
        {Qt::Key_0, Qt::ControlModifier, 11897},
    };
    GameRun run;
    QVERIFY(run.Shown());
    std::vector<int> arrived;
    run.app().SetCommandFilter([&](int id) { return arrived.push_back(id), true; });
    for (const auto& k : keys) {
      arrived.clear();
      QTest::keyClick(run.Keys(), k.key, k.modifiers);
      QCOMPARE(arrived, std::vector<int>{k.command});
    }
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppGameTest);

#include "app_game.moc"
