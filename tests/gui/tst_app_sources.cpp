// GUI tests of the whole game's puzzle sources: the clipboard, the entry dialog, the saved game.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cctype>

#include "game_run.h"
#include "qt/qtdialog.h"
#include "resources/resources.h"

namespace {
// The puzzle text a game shows for its quotation: letter p becomes letter key[p] in the same
// case; anything else stays.
std::string Enciphered(const Game& game, const std::string& plain) {
  std::string shown;
  for (char ch : plain) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const char base = std::isupper(c) ? 'A' : 'a';
    shown += std::isalpha(c) ? static_cast<char>(base + game.state.key[ch - base]) : ch;
  }
  return shown;
}

std::string Text(const char* buffer) { return buffer; }

QMenu* HintMenu(GameRun& run) { return run.Frame()->menuBar()->actions().value(2)->menu(); }

// Answers the next entry dialog by typing text into its edit and pressing OK; records the
// caption and the prompt.
void AnswerEntry(const QString& text, QStringList& seen) {
  WhenDialogOpens([text, &seen](QDialog* dialog) {
    auto* prompt = ControlOf<QLabel>(dialog, kInputPromptId);
    if (!prompt) return dialog->reject();
    seen << dialog->windowTitle() << prompt->text();
    QTest::keyClicks(ControlOf(dialog, kInputEditId), text);
    QTest::mouseClick(ControlOf<QPushButton>(dialog, IDOK), Qt::LeftButton);
  });
}
}  // namespace

class AppSourcesTest : public QObject {
  Q_OBJECT

 private slots:
  // A pasted ciphertext has no known answer: a guess on every letter stops the clock and wins
  // nothing. A pasted plaintext is enciphered and won as usual. Neither asks about the game
  // on screen; an empty clipboard changes nothing.
  void pastedPuzzlesFromTheClipboard() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    auto nothing = AnswerNextMessageBox(QMessageBox::Ok);
    QGuiApplication::clipboard()->clear();
    QVERIFY(run.Choose("Paste Encrypted Puzzle"));
    QVERIFY(nothing->seen);
    QCOMPARE(nothing->title, QStringLiteral("Error"));
    QCOMPARE(nothing->text, QStringLiteral("Nothing in the clipboard!"));
    QCOMPARE(nothing->icon, QMessageBox::Warning);
    QCOMPARE(Text(run.app().TheGame().text.quoteText), std::string(GameRun::kQuotation));

    WinAnswers answers;
    answers.AnswerNext(kYouWonNo);
    QGuiApplication::clipboard()->setText("  Ifmmp,   xpsme \r\n");
    QVERIFY(run.Choose("Paste Encrypted Puzzle"));
    QVERIFY(run.app().TheGame().state.puzzleKind == PuzzleKind::kCipherEntered);
    QCOMPARE(Text(run.app().TheGame().text.quoteText), std::string("Ifmmp, xpsme"));
    QCOMPARE(Text(run.app().TheGame().text.puzzleText), std::string("Ifmmp, xpsme"));
    QMenu* hints = HintMenu(run);
    QVERIFY(!hints->isEnabled() && !hints->menuAction()->isEnabled());
    for (const char* pair : {"ih", "fe", "ml", "po", "xw", "sr", "ed"}) {
      QTest::keyClick(run.Keys(), pair[0]);
      QTest::keyClick(run.Keys(), pair[1]);
    }
    QCOMPARE(run.app().TheGame().state.guess['m' - 'a'], 'L');
    QTRY_VERIFY(run.app().TheGame().IsCipherClockStopped());
    QCOMPARE(run.app().TheGame().state.gameOver, 0);

    QGuiApplication::clipboard()->setText(GameRun::kQuotation);
    QVERIFY(run.Choose("Paste Plaintext Puzzle"));
    QVERIFY(run.app().TheGame().state.puzzleKind == PuzzleKind::kPlainEntered);
    QVERIFY(hints->isEnabled() && hints->menuAction()->isEnabled());
    QCOMPARE(Text(run.app().TheGame().text.puzzleText), Enciphered(run.app().TheGame(), GameRun::kQuotation));
    QVERIFY(Text(run.app().TheGame().text.puzzleText) != GameRun::kQuotation);
    QCOMPARE(answers.seen, 0);
    run.Solve();
    QTRY_COMPARE(answers.seen, 1);
    QCOMPARE(run.app().TheGame().state.gameOver, 1);
    QVERIFY(NoModalLeft());
  }

  // Enter Plaintext Puzzle shows its entry dialog again on an empty text; the typed text is
  // the quotation, shown enciphered.
  void enteredPlaintextIsShownEnciphered() {
    GameRun run;
    QVERIFY(run.Shown());
    QStringList seen;
    AnswerEntry("", seen);
    AnswerEntry("Birds of a feather", seen);
    QTest::keyClick(run.Keys(), Qt::Key_T, Qt::AltModifier);
    QCOMPARE(seen, (QStringList{"Plaintext Puzzle", "Enter quote or phrase:", "Plaintext Puzzle",
                                "Enter quote or phrase:"}));
    QVERIFY(run.app().TheGame().state.puzzleKind == PuzzleKind::kPlainEntered);
    QCOMPARE(Text(run.app().TheGame().text.quoteText), std::string("Birds of a feather"));
    QCOMPARE(Text(run.app().TheGame().text.puzzleText), Enciphered(run.app().TheGame(), "Birds of a feather"));
    QTRY_COMPARE(run.app().Client().Quote().Layout().lines[0].length, 18);
    QVERIFY(NoModalLeft());
  }

  // Exit saves a touched game on Yes; the next start in the folder offers it, and Yes brings
  // back the same quotation, key, guesses and clock.
  void savedGameIsOfferedAndResumedAtTheNextStart() {
    GameRun run;
    QVERIFY(run.Shown());
    run.Guess('h');
    run.Guess('w');
    const std::string key = run.Key();
    const std::string guesses = run.Guesses();
    auto save = AnswerNextMessageBox(QMessageBox::Yes);
    QTest::keyClick(run.Keys(), Qt::Key_X, Qt::AltModifier);
    QVERIFY(save->seen);
    QCOMPARE(save->text, QStringLiteral("Would you like to save this game?"));
    QVERIFY(run.app().ShutdownRequested());
    QVERIFY(QFile::exists(run.Path("quillo.svg")));
    const int clock = run.app().TheGame().panel.elapsedSeconds;

    auto offer = AnswerNextMessageBox(QMessageBox::Yes);
    run.Restart();
    QVERIFY(offer->seen);
    QCOMPARE(offer->title, QStringLiteral("Quillo!"));
    QCOMPARE(offer->text, QStringLiteral("Continue the unfinished game\nyou saved earlier?"));
    QCOMPARE(offer->icon, QMessageBox::Question);
    QVERIFY(run.Shown());  // the resumed game is painted and its clock runs
    QTRY_COMPARE(run.app().Client().Quote().Layout().lineCount, 1);
    QCOMPARE(Text(run.app().TheGame().text.quoteText), std::string(GameRun::kQuotation));
    QCOMPARE(run.Key(), key);
    QCOMPARE(run.Guesses(), guesses);
    QVERIFY(run.app().TheGame().panel.elapsedSeconds >= clock);
    QCOMPARE(run.app().TheGame().state.modified, 1);
    QVERIFY(!QFile::exists(run.Path("quillo.svg")));
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(AppSourcesTest);

#include "tst_app_sources.moc"
