// kill_player: the whole game in the current folder, played by a script of real key and mouse
// events, so that kill_test.py can kill it at any moment and look at what the files kept.
//
//   kill_player [--seed N] [--program DIR]   plays a session: guesses, hints, options, word
//                                            lists, wins, a favourite, Exit with a saved game
//   kill_player --start-only [--program DIR] starts the game, answers only the questions the
//                                            files call for, and exits (code 3 on any other)
//
// Every step is announced on standard output ("step guess", "won 17", "message <caption>: ...")
// and flushed before it happens, so a killed run has told what it did.
#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/session.h"
#include "classlib/inifile_text.h"
#include "classlib/safefile.h"
#include "display/cellmetrics.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "qt/qtconvert.h"
#include "qt/qtdialog.h"
#include "qt/qtplatform.h"
#include "qt/qtwindow.h"
#include "resources/commands.h"
#include "resources/resources.h"
#include "sources/savedgame.h"

namespace {

void Say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

// The Qt back end, announcing every message box before it is shown.
class AnnouncingPlatform : public QtPlatform {
 public:
  int MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags) override {
    Say("message " + caption + ": " + OneLine(text));
    return QtPlatform::MessageBox(owner, text, caption, flags);
  }
};

struct RunOptions { unsigned seed = 1; bool startOnly = false; std::string programFolder = QUILLO_BIN_DIR; };

// The options that keep their state in quillo.ini, chosen as their menu items send them.
constexpr int kOptionCommands[] = {
    kCmdExplainErrors,    kCmdHighlightSolution, kCmdFrequencyByCount,  kCmdFrequencyAlphabetical,
    kCmdWordsAlphabetical, kCmdWordsByFrequency, kCmdQuoteLeft,         kCmdQuoteRight,
    kCmdCaseUpper,        kCmdCaseMixed,         kCmdShowFrequencies,   kCmdShowTimeAndScores,
    kCmdHintsTop,         kCmdHintsBottom,       kCmdPrintColor,        kCmdPrintBig,
    kCmdQuickEntry,       kCmdAdvanceAfterGuess, kCmdHighlightSelected,
};
constexpr const char* kHintKeys = "CULB";  // Alt+C Confirm, Alt+U Undo Error, Little, Big hint

// What a start ought to ask, judged from the files before the game reads them.
struct ExpectedQuestions { bool resume = false, welcome = false; };

ExpectedQuestions ExpectedAtStart() {
  ExpectedQuestions expected;
  std::error_code ignored;
  expected.resume = std::filesystem::is_regular_file(kSavedGameFileName, ignored);
  const LoadedFile ini = LoadSmallFile("quillo.ini", 1 << 22);
  std::string tutorial;
  expected.welcome = !FindIniValue(ini.text, "quillo", "Tutorial", tutorial) || std::atoi(tutorial.c_str()) == 0;
  return expected;
}

// Plays the session and answers every modal dialog from a polling timer. Answers are clicked
// from the event loop, never from inside the poll: a button that opens another modal dialog
// would otherwise keep the poll from ever running again.
class Player : public QObject {
 public:
  // Answers dialogs from now on; the session may ask its start-up questions before Play. In check
  // mode (`expected` given) every question is judged against what the files call for.
  Player(unsigned seed, std::optional<ExpectedQuestions> expected) : random_(seed), expected_(expected) {
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    poll_.start();
  }

  // Play mode: a few puzzles solved with side steps, then a guess or two and Exit with a save.
  int Play(App& app) {
    app_ = &app;
    if (!WaitShown()) return Stuck("the game never showed");
    const int puzzles = 2 + Chance(50);
    for (int n = 0; n < puzzles && !app_->ShutdownRequested(); ++n) {
      finalWin_ = n + 1 == puzzles;
      if (!PlayPuzzle()) return Stuck("no win");
    }
    if (app_->ShutdownRequested()) return 0;
    if (app_->TheGame().state.gameOver) Press("new game", Qt::Key_N);
    for (int i = 0; i < 3; ++i) GuessRight();
    Press("exit", Qt::Key_X);
    return app_->ShutdownRequested() ? 0 : Stuck("exit refused");
  }

  // Check mode: start, let the first paint offer what it offers, then Exit (saving).
  int CheckStart(App& app) {
    app_ = &app;
    if (!WaitShown()) return Stuck("the game never showed");
    QTest::qWait(300);
    Press("exit", Qt::Key_X);
    if (!app_->ShutdownRequested()) return Stuck("exit refused");
    return unexpected_ ? 3 : 0;
  }

 private:
  int Chance(int percent) { return static_cast<int>(random_() % 100) < percent ? 1 : 0; }
  int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }

  int Stuck(const char* why) { return Say(std::string("stuck ") + why), 2; }

  QMainWindow* Frame() { return qobject_cast<QMainWindow*>(WidgetOf(&app_->Frame())); }
  QWidget* Keys() { return WidgetOf(&app_->Client())->focusProxy(); }
  QWidget* PuzzleCanvas() { return dynamic_cast<QtPeer&>(app_->Client().Quote().Peer()).ClientWidget(); }

  // The panel's first paint starts the clock; it must come after the saved-game question too.
  bool WaitShown() {
    return QTest::qWaitForWindowExposed(Frame()) &&
           QTest::qWaitFor([this] { return app_->TheGame().panel.panelShown; }, 10000);
  }

  void Pause() { QTest::qWait(15 + Pick(50)); }

  void Press(const char* step, Qt::Key key) {
    Say(std::string("step ") + step);
    QTest::keyClick(Keys(), key, Qt::AltModifier);
    Pause();
  }

  // --- Guesses: the ciphertext letter, then the plaintext letter ---

  std::vector<int> PlainLettersOfQuote() {
    const std::string quote = app_->TheGame().text.quoteText;
    std::vector<int> letters;
    for (int p = 0; p < kLetterCount; ++p) {
      if (quote.find_first_of({static_cast<char>('a' + p), static_cast<char>('A' + p)}) != std::string::npos) letters.push_back(p);
    }
    return letters;
  }

  bool IsRight(int plain) const { return app_->TheGame().state.guess[app_->TheGame().state.key[plain]] == 'A' + plain; }

  void Type(int cipher, int plain) {
    // Escape first: with Advance After Guess on, the last guess left a letter selected.
    QTest::keyClick(Keys(), Qt::Key_Escape);
    QTest::keyClick(Keys(), static_cast<char>('a' + cipher));
    QTest::keyClick(Keys(), static_cast<char>('a' + plain));
    Pause();
  }

  void GuessRight() {
    std::vector<int> open = PlainLettersOfQuote();
    std::erase_if(open, [this](int p) { return IsRight(p); });
    if (open.size() < 2) return;  // leave the win to the solving
    const int plain = open[Pick(static_cast<int>(open.size()))];
    Say("step guess");
    Type(app_->TheGame().state.key[plain], plain);
  }

  // Shift+letter erases any guess that is wrong, then every missing letter is typed.
  void Solve() {
    Say("step solve");
    for (int c = 0; c < kLetterCount; ++c) {
      const char guess = app_->TheGame().state.guess[c];
      if (guess != ' ' && guess != 'A' + app_->TheGame().state.inverseKey[c]) {
        QTest::keyClick(Keys(), static_cast<char>('A' + c), Qt::ShiftModifier);
      }
    }
    const int winsBefore = wins_;
    for (int p : PlainLettersOfQuote()) {
      if (wins_ != winsBefore || app_->ShutdownRequested()) return;
      if (!IsRight(p)) Type(app_->TheGame().state.key[p], p);
    }
  }

  // --- Side steps ---

  void Hint() {
    const char key = kHintKeys[Pick(4)];
    Press((std::string("hint ") + key).c_str(), static_cast<Qt::Key>(Qt::Key_A + (key - 'A')));
  }

  // As the menu item would: the command reaches the game through the frame.
  void ToggleOption() {
    const int id = kOptionCommands[Pick(std::size(kOptionCommands))];
    Say("step option " + std::to_string(id));
    app_->Frame().Command(id);
    Pause();
  }

  // Ctrl+click on the first letter of the puzzle asks for the words that fit its word.
  void AskWordList() {
    const QuoteLayout& layout = app_->Client().Quote().Layout();
    if (layout.lineCount == 0) return;
    const QuoteLine& line = layout.lines[0];
    for (int k = 0; k < line.length; ++k) {
      const char c = static_cast<char>(app_->TheGame().text.puzzleText[line.start + k] | 0x20);
      if (c < 'a' || c > 'z') continue;
      const CellMetrics& cells = Cells();
      const QPoint centre((line.indent + 2 + k) * cells.cellWidth + cells.cellWidth / 2,
                          2 * cells.cellHeight + cells.cellHeight / 2);
      Say("step word list");
      QTest::mouseClick(PuzzleCanvas(), Qt::LeftButton, Qt::ControlModifier, centre);
      Pause();
      return;
    }
  }

  void SideStep() {
    const int step = Pick(10);
    if (step < 4) return GuessRight();
    if (step < 7) return Hint();
    if (step < 9) return ToggleOption();
    AskWordList();
  }

  bool PlayPuzzle() {
    const int winsBefore = wins_;
    const int steps = 3 + Pick(6);
    for (int i = 0; i < steps && wins_ == winsBefore && !app_->ShutdownRequested(); ++i) SideStep();
    for (int attempt = 0; attempt < 3 && wins_ == winsBefore && !app_->ShutdownRequested(); ++attempt) {
      Solve();
      if (QTest::qWaitFor([&] { return wins_ != winsBefore; }, 1000)) break;
    }
    return wins_ != winsBefore || app_->ShutdownRequested();
  }

  // --- Modal dialogs ---

  void Poll() {
    if (clickPending_) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      if (box == lastBox_) return;
      lastBox_ = box;
      QAbstractButton* answer = box->button(AnswerFor(*box));
      Say("answer " + (answer ? answer->text().remove('&').toStdString() : std::string("none")));
      ClickLater(box, answer);
    } else if (dialog->windowTitle() == "Congratulations!") {
      AnswerYouWon(dialog);
    } else if (dialog != lastDialog_) {
      // Possible Words and anything else: closed with Cancel (the placement is still written).
      lastDialog_ = dialog;
      Say("dialog " + dialog->windowTitle().toStdString());
      if (expected_) unexpected_ = true;
      ClickLater(dialog, nullptr);
    }
  }

  // Clicks button, or rejects dialog when there is no such button.
  void ClickLater(QDialog* dialog, QAbstractButton* button) {
    clickPending_ = true;
    QTimer::singleShot(0, this, [this, dialog = QPointer<QDialog>(dialog), button = QPointer<QAbstractButton>(button)] {
      clickPending_ = false;
      if (button) {
        button->click();
      } else if (dialog) {
        dialog->reject();
      }
    });
  }

  // A template dialog's button by its id (its object name).
  static QAbstractButton* Button(QDialog* dialog, int id) {
    return dialog->findChild<QAbstractButton*>(ControlName(id));
  }

  // The win is on disk before the dialog shows, so it is announced first; a favourite may be
  // saved (its message box comes in between), then the next game, No or Exit.
  void AnswerYouWon(QDialog* dialog) {
    if (dialog != youWon_) {
      youWon_ = dialog;
      youWonStage_ = 0;
      ++wins_;
      Say("won " + std::to_string(app_->TheGame().state.currentPuzzle));
      if (Chance(35)) {
        Say("step favourite");
        ClickLater(dialog, Button(dialog, kYouWonSaveFavorite));
        return;
      }
    }
    if (youWonStage_ > 0) return;
    youWonStage_ = 1;
    int answer = kYouWonYes;
    if (finalWin_) answer = Chance(20) ? kYouWonExit : Chance(20) ? kYouWonNo : kYouWonYes;
    Say(std::string("step won ") + (answer == kYouWonYes ? "Yes" : answer == kYouWonNo ? "No" : "Exit"));
    ClickLater(dialog, Button(dialog, answer));
  }

  QMessageBox::StandardButton AnswerFor(const QMessageBox& box) {
    const QString title = box.windowTitle();
    const QString text = box.text();
    if (text.startsWith("Continue the unfinished game")) {
      if (expected_) return Expect(expected_->resume, QMessageBox::Yes);
      return Chance(70) ? QMessageBox::Yes : Chance(50) ? QMessageBox::No : QMessageBox::Cancel;
    }
    if (title == "Welcome to Quillo!") {
      return expected_ ? Expect(expected_->welcome, QMessageBox::Cancel) : QMessageBox::Cancel;
    }
    if (text.startsWith("Would you like to save this game?")) return QMessageBox::Yes;
    if (text.startsWith("Do you really want to start a new game")) return QMessageBox::Yes;
    if (expected_) Expect(false, QMessageBox::Ok);
    // Hint refusals, missing word lists, "Save complete": whatever the box offers first.
    if (QPushButton* preferred = box.defaultButton()) return box.standardButton(preferred);
    return QMessageBox::Ok;
  }

  QMessageBox::StandardButton Expect(bool expected, QMessageBox::StandardButton answer) {
    if (!expected) unexpected_ = true, Say("unexpected message");
    return answer;
  }

  App* app_ = nullptr;
  std::mt19937 random_;
  QTimer poll_;
  bool clickPending_ = false;
  QPointer<QMessageBox> lastBox_;
  QPointer<QDialog> lastDialog_;
  QPointer<QDialog> youWon_;
  int youWonStage_ = 0;
  int wins_ = 0;
  bool finalWin_ = false;
  std::optional<ExpectedQuestions> expected_;  // check mode only
  bool unexpected_ = false;
};

bool ParseOptions(int argc, char** argv, RunOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--start-only") {
      options.startOnly = true;
    } else if (arg == "--seed" && i + 1 < argc) {
      options.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--program" && i + 1 < argc) {
      options.programFolder = argv[++i];
    } else {
      std::fprintf(stderr, "usage: kill_player [--seed N] [--start-only] [--program DIR]\n");
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  RunOptions options;
  if (!ParseOptions(argc, argv, options)) return 64;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The questions are judged before the game reads (and changes) the files.
  const ExpectedQuestions expected = ExpectedAtStart();

  // From here on as the game's own main, with the player answering and playing.
  QApplication application(argc, argv);
  QApplication::setApplicationName("quillo");
  QApplication::setApplicationDisplayName("Quillo!");
  QApplication::setQuitOnLastWindowClosed(false);
  Player player(options.seed, options.startOnly ? std::optional(expected) : std::nullopt);
  AnnouncingPlatform platform;
  SetPlatform(&platform);
  int status = 0;
  {
    Say(options.startOnly ? "step start-only" : "step start " + std::to_string(options.seed));
    std::unique_ptr<QuilloSession> session = QuilloSession::Start(options.programFolder + "/quillo", {});
    if (!platform.QuitRequested()) {
      QTimer::singleShot(0, [&] {
        App& app = session->TheApp();
        status = options.startOnly ? player.CheckStart(app) : player.Play(app);
        // A finished script has quit through Exit; a stuck one ends the loop itself.
        if (status != 0 || !platform.QuitRequested()) QApplication::exit(status);
      });
      QApplication::exec();
    }
  }
  SetPlatform(nullptr);
  Say("done " + std::to_string(status));
  return status;
}
