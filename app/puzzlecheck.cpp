// Check Entered Puzzle: the background solve, its progress dialog and the reports.
#include "app/puzzlecheck.h"

#include <cstdio>

#include "app/app.h"
#include "app/programpath.h"
#include "classlib/inifile.h"
#include "framework/platform.h"
#include "resources/resources.h"
#include "solver/difficulty.h"
#include "wordlist/dictionary.h"

BackgroundSolve::BackgroundSolve(std::shared_ptr<const Solver> solver,
                                 const WordDictionary& dictionary, std::string cipher,
                                 SolveOptions options)
    : solver_(std::move(solver)) {
  options.cancel = &cancel_;
  thread_ = std::thread([this, &dictionary, cipher = std::move(cipher), options] {
    if (!solver_) solver_ = std::make_shared<const Solver>(dictionary);
    searching_.store(true, std::memory_order_relaxed);
    result_ = solver_->Solve(cipher, options);
    done_.store(true, std::memory_order_release);
  });
}

BackgroundSolve::~BackgroundSolve() { Finish(); }

std::shared_ptr<const Solver> BackgroundSolve::Finish() {
  Cancel();
  if (thread_.joinable()) thread_.join();
  return solver_;
}

CheckDialog::CheckDialog(TWindow* parent, BackgroundSolve& solve)
    : FloatDlg(parent, CheckTemplate(), Settings(), "CheckDialog"), solve_(solve) {}

void CheckDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  start_ = std::chrono::steady_clock::now();
  Peer().SetItemText(kCheckProgressId, "Starting");
  Peer().SetTimer(100);
}

void CheckDialog::Command(int id, TNotify notify) {
  if (id == IDCANCEL) solve_.Cancel();
  FloatDlg::Command(id, notify);
}

void CheckDialog::Timer() {
  if (solve_.Done()) {
    Peer().SetTimer(0);
    End(IDOK);
    return;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char text[64];
  std::snprintf(text, sizeof text, "%.1f of at most %.0f seconds", seconds, kCheckBudgetMs / 1000);
  Peer().SetItemText(kCheckProgressId, text);
  Peer().SetItemText(kCheckTextId, solve_.Searching() ? "Looking for solutions..."
                                                      : "Reading the dictionary (first check only)...");
}

namespace {

constexpr const char* kCheckCaption = "Check Entered Puzzle";

std::string TimeNote(const SolveResult& result) {
  return result.outOfBudget ? "\n\n(The search ran out of time; a longer one might find more.)" : "";
}

}  // namespace

std::string PlainCheckReport(std::string_view plain, const SolveResult& result) {
  if (result.readings.empty()) return "The puzzle has no letters to check.";
  const double best = result.readings.front().score;
  for (const Reading& reading : result.readings) {
    if (reading.score < best - kPlausibleMargin) break;
    if (!SameLetters(reading.plaintext, plain)) {
      return "The dictionary admits other solutions. One of them:\n\n" + reading.plaintext +
             TimeNote(result);
    }
  }
  return "The dictionary admits no other solution: the puzzle has one answer." +
         TimeNote(result);
}

std::string CipherCheckReport(const SolveResult& result) {
  const char* found = result.solutions == 0   ? "No solution found."
                      : result.solutions == 1 ? "One solution found."
                                              : "Several solutions found.";
  return found + TimeNote(result);
}

// --- The command ---

void App::CheckEnteredPuzzle() {
  const PuzzleKind kind = game_.state.puzzleKind;
  if (kind != PuzzleKind::kCipherEntered && kind != PuzzleKind::kPlainEntered) return;
  const WordDictionary* dictionary = EnsureDictionaryLoaded(WordListPath());
  if (!dictionary) {
    DialogService().MessageBox(MainWindow(),
                               "The dictionary (wordlist.wl) cannot be read,\n"
                               "so the puzzle cannot be checked.",
                               kCheckCaption, MB_OK | MB_ICONSTOP);
    return;
  }
  // The quotation as read, not as shown: the military style drops the word breaks.
  std::string cipher;
  for (const char* c = game_.text.quoteText; *c; ++c) cipher += game_.Encipher(*c);
  SolveOptions options;
  options.budgetMs = kCheckBudgetMs;
  options.top = kCheckReadings;
  // A cancelled check was left to finish building the index on its own: take its solver.
  if (cancelledCheck_) {
    if (!solver_) solver_ = cancelledCheck_->Finish();
    cancelledCheck_.reset();
  }
  auto solve = std::make_unique<BackgroundSolve>(solver_, *dictionary, cipher, options);
  int answer = IDCANCEL;
  try {
    answer = CheckDialog(MainWindow(), *solve).Execute();
  } catch (const std::exception& e) {
    hooks_.ShowMessage(e.what(), "ERROR", MessageIcon::kStop);
  }
  if (answer != IDOK) {
    // Stopping now would wait for an index being built; the next check or the end takes it.
    cancelledCheck_ = std::move(solve);
    return;
  }
  solver_ = solve->TheSolver();
  const SolveResult& result = solve->Result();
  if (kind == PuzzleKind::kPlainEntered) {
    DialogService().MessageBox(MainWindow(), PlainCheckReport(game_.text.quoteText, result),
                               kCheckCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::string report = CipherCheckReport(result);
  if (result.readings.empty()) {
    DialogService().MessageBox(MainWindow(), report, kCheckCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  // Showing the answer spoils the puzzle: only on a Yes to a question of its own.
  const std::string question = report + "\n\nShow the best solution found? It gives the puzzle away.";
  if (DialogService().MessageBox(MainWindow(), question, kCheckCaption,
                                 MB_YESNO | MB_ICONQUESTION) == IDYES) {
    DialogService().MessageBox(MainWindow(), result.readings.front().plaintext, "Best Solution",
                               MB_OK | MB_ICONINFORMATION);
  }
}
