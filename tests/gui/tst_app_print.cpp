// GUI tests of the whole game's Print Puzzle (to a PDF file), the help window and the tutorial.
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "game_run.h"
#include "qt/qthelp.h"
#include "qt/qtplatform.h"

namespace {
QtPlatform& Backend() { return dynamic_cast<QtPlatform&>(Platform()); }

// The text of a PDF file as pdftotext reads it (UTF-8), one page, with ligatures such as "fi"
// split back into their letters; empty when it cannot be read.
QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-enc", "UTF-8", "-layout", path, "-"});
  if (!pdftotext.waitForFinished(10000) || pdftotext.exitCode() != 0) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}
}  // namespace

class AppPrintTest : public QObject {
  Q_OBJECT

 private slots:
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
    const QString text = PdfText(pdf);
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
};

QUILLO_GUI_TEST(AppPrintTest);

#include "tst_app_print.moc"
