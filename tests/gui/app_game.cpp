// GUI tests of the whole game on the real widgets (the rules of the game's course are the unit
// tests'): start-up, the frame's size, its close box, pause and the accelerators; a puzzle solved
// from the keyboard; Print Puzzle (to a PDF file), the help window and the tutorial; the
// statistics window; Options > Difficulty; a long puzzle painted and clicked on the real panes.
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>

#include "classlib/inifile.h"
#include "display/color.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "game_run.h"
#include "qt/qtfontchooser.h"
#include "qt/qthelp.h"
#include "qt/qtplatform.h"

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
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; int command; } keys[] = {
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

  // A whole puzzle played to the win with the keyboard alone: cursor keys, Tab, Quick Entry,
  // Advance After Guess, Undo and Redo.
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

  // F2 prints the puzzle without asking: the source line above, the ciphertext with the
  // player's guess above it, and the line naming the program below.
  void printPuzzleWritesTheSourceAndThePuzzle() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    const QString pdf = run.Path("puzzle.pdf");
    Backend().SetPrintToFile(pdf.toStdString());
    QTest::keyClick(run.Keys(), Qt::Key_F2);
    Backend().SetPrintToFile("");
    QVERIFY(NoModalLeft());
    QProcess pdftotext;  // the page as pdftotext reads it, with ligatures such as "fi" split back into letters
    pdftotext.start("pdftotext", {"-enc", "UTF-8", "-layout", pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(10000) && pdftotext.exitCode() == 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    const QStringList lines = text.split('\n');
    QCOMPARE(lines.value(0).trimmed(), QStringLiteral("A puzzle from file quotes"));
    QVERIFY(lines.contains(QRegularExpression("^\\s*Quillo! - a cryptogram game for Linux$")));
    const QString cipher = QString::fromLatin1(run.app().TheGame().text.puzzleText);
    const qsizetype row = lines.indexOf(QRegularExpression("^" + QRegularExpression::escape(cipher) + "\\b.*"));
    QVERIFY2(row > 0, qPrintable(cipher + " in " + text));
    // Above it the guess row: the player's H over the first letter, the comma over the comma.
    QCOMPARE(lines[row - 1].left(cipher.size()).trimmed(), QStringLiteral("H    ,"));
    QVERIFY(text.contains("ABCDEFG IJKLM"));  // the panel's unused letters, without H
  }

  // F1 shows the help's table of contents; View the Tutorial shows topic 1000 beside puzzle
  // 0 of the shipped collection under the tutorial's fixed key, a shift by 12.
  void helpAndTheTutorial() {
    GameRun run;
    QVERIFY(run.Shown());
    QTest::keyClick(run.Keys(), Qt::Key_F1);
    QtHelpWindow* help = Backend().HelpWindow();
    QVERIFY(help && help->isVisible());
    const QDir programFolder(QUILLO_BIN_DIR);
    QCOMPARE(help->CurrentPage(), programFolder.absoluteFilePath("help/index.html"));

    QVERIFY(run.Choose("View the Tutorial"));
    QCOMPARE(help->CurrentPage(), programFolder.absoluteFilePath("help/topic1000.html"));
    const GameState& state = run.app().TheGame().state;
    QVERIFY(state.puzzleKind == PuzzleKind::kTutorialPuzzle && state.currentPuzzle == 0 && state.key[0] == 12);
    QCOMPARE(QString(state.quoteFileName), programFolder.absoluteFilePath("quillo.cqt"));
    QVERIFY(std::string(run.app().TheGame().text.quoteText).starts_with("Early to bed and early to rise"));
    QVERIFY(NoModalLeft());
  }

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
    QVERIFY(QTest::qWaitFor([&] { return won; }, 5000) && run.WaitForClock());
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

  // Options > Difficulty: greyed for an unrated file, a Hard puzzle from the shipped collection
  // once chosen, its band in the caption.
  void hardThenNewGameShowsTheBand() {
    GameRun run;  // a plain quote file: no ratings
    QVERIFY(run.Shown() && !run.Choose("Hard", "Difficulty"));
    QAction* missing = run.Choose("Hard - ratings missing", "Difficulty");  // greyed: no effect
    QVERIFY(missing && !missing->isEnabled());

    QVERIFY(run.Choose("View the Tutorial"));  // the shipped collection, which is rated
    QAction* hard = run.Choose("Hard", "Difficulty");
    QVERIFY(hard && hard->isEnabled() && hard->isChecked() && run.Choose("New Game"));
    QFile ratings(QUILLO_BIN_DIR "/quillo.cqr");
    QVERIFY(ratings.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ratings.readAll().split('\n');
    const int puzzle = run.app().TheGame().state.currentPuzzle;
    QVERIFY(puzzle >= 0 && puzzle + 1 < lines.size() && lines[puzzle + 1].startsWith("H "));
    QVERIFY(run.Frame()->windowTitle().endsWith(" (Hard)"));
  }
};

QUILLO_GUI_TEST(AppGameTest);

namespace {
constexpr const char* kQuotation =
    "The quick brown fox jumps over the lazy dog, and then naps in the warm afternoon sun "
    "while the hens look on.\tA farmyard saying";

// Dark pixels inside one cell of a canvas image.
int DarkPixelsInCell(const QImage& image, int column, int row) {
  const CellMetrics& cells = Cells();
  const QImage cell = image.copy(column * cells.cellWidth, row * cells.cellHeight, cells.cellWidth, cells.cellHeight);
  int dark = 0;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) dark += qGray(cell.pixel(x, y)) < 128;
  }
  return dark;
}
}  // namespace

class DisplayTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameRun> run_;

  QuilloWindow& Window() { return run_->app().Client(); }
  QImage Grab(TWindow& window) { return WidgetOf(&window)->focusProxy()->grab().toImage(); }
  void MoveFrame(int width, int height) { run_->app().Frame().Peer().Move(TRect::FromSize(40, 40, width, height)); }

 private slots:
  void initTestCase() {
    run_ = std::make_unique<GameRun>("Tutorial=1\n", kQuotation);
    MoveFrame(640, 420);
    QVERIFY(run_->Shown());
  }
  void cleanupTestCase() { run_.reset(); }

  void paintsTheCellsInThePanes() {
    QVERIFY(Cells().cellWidth > 4 && Cells().cellHeight > 8);
    QCOMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    const QuoteLayout& layout = Window().Quote().Layout();
    QTRY_VERIFY(layout.lineCount >= 2);
    const QImage quote = Grab(Window().Quote());
    const int first = layout.lines[0].indent + 2;
    // The first ciphertext letter, no guess above it yet, nothing in the margin.
    QVERIFY(DarkPixelsInCell(quote, first, 2) > 0);
    QCOMPARE(DarkPixelsInCell(quote, first, 1) + DarkPixelsInCell(quote, 0, 2), 0);
    const QuoteLine& last = layout.lines[layout.lineCount - 1];  // the attribution, right-aligned
    QCOMPARE(last.indent + last.length, Cells().lineColumns);
    QCOMPARE(quote.pixel(1, 1), ToQColor(TheColors().Get(kColorBackground)).rgb());  // the scheme's
    QVERIFY(DarkPixelsInCell(Grab(Window().Freq()), 1, 0) > 0);  // "Unused Letters"
  }

  // The frame keeps a minimum: twelve puzzle columns beside the panel, down to its clock (row 19).
  void theScrollBarShowsExactlyWhileTheTextIsTallerAndTheFrameHasAMinimum() {
    auto* bar = WidgetOf(&Window().Quote())->findChild<QScrollBar*>();
    QVERIFY(bar && bar->isHidden());
    MoveFrame(300, 140);
    QTRY_VERIFY(Window().Quote().ScrollRange() > 0 && bar->isVisible());
    QVERIFY(Window().Quote().ClientRect().Width() + bar->width() >= 12 * Cells().cellWidth);
    QVERIFY(Window().Freq().ClientRect().Height() >= 20 * Cells().cellHeight);
    bar->setValue(bar->maximum());
    QTRY_COMPARE(Window().Quote().ScrollPosition(), bar->maximum());
    MoveFrame(640, 420);
    QTRY_VERIFY(Window().Quote().ScrollRange() == 0 && bar->isHidden());
  }

  // A large fixed face lays the display out again and grows the window to show the whole panel
  // (the unit tests refuse a proportional one; the platform test marks it so).
  void aLargeFontLaysTheDisplayOutAgain() {
    const int narrow = Cells().cellWidth;
    WhenDialogOpens([](QDialog* shown) {  // Change Font's chooser
      QFont font("DejaVu Sans Mono");
      font.setPixelSize(28);
      dynamic_cast<QtFontChooser*>(shown)->setCurrentFont(font);
      shown->accept();
    });
    auto message = AnswerNextMessageBox(QMessageBox::Ok);  // the refusal a proportional face would get
    QVERIFY(run_->Choose("Change Font") && !message->seen);
    ForgetDialogAnswers();  // the message answer nobody used
    QVERIFY(TheFont().HasFont() && Cells().cellWidth > narrow);
    QTRY_COMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(Window().Quote().Layout().lineCount > 3);
    QTRY_VERIFY(Window().Freq().ClientRect().Height() >= 26 * Cells().cellHeight);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(DisplayTest);

#include "app_game.moc"
