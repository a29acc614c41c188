// Check Entered Puzzle: the solver run on a thread of its own behind a progress dialog with
// Cancel, and what it found put into the player's words.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "dialogs/floatdlg.h"
#include "solver/solver.h"

// One solve on a thread of its own, so the game keeps running meanwhile. The solver is built on
// that thread when none is given (its index takes a while), and handed back for the next check.
// Only Done, Searching, Cancel and the destructor may be called before Done answers true. A
// cancel does not stop the building of the index, which the destructor waits for.
class BackgroundSolve {
 public:
  // dictionary must outlive this object; it is read only when solver is null.
  BackgroundSolve(std::shared_ptr<const Solver> solver, const WordDictionary& dictionary,
                  std::string cipher, SolveOptions options);
  ~BackgroundSolve();  // cancels and waits for the thread
  BackgroundSolve(const BackgroundSolve&) = delete;
  BackgroundSolve& operator=(const BackgroundSolve&) = delete;

  bool Done() const { return done_.load(std::memory_order_acquire); }
  // The solver is ready and searching (false while its index is being built).
  bool Searching() const { return searching_.load(std::memory_order_relaxed); }
  // Asks the solver to stop soon; it then returns its best so far.
  void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
  const SolveResult& Result() const { return result_; }
  std::shared_ptr<const Solver> TheSolver() const { return solver_; }
  // Cancels, waits for the thread and gives the solver back (null when none was built).
  std::shared_ptr<const Solver> Finish();

 private:
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{false};
  std::atomic<bool> searching_{false};
  std::shared_ptr<const Solver> solver_;
  SolveResult result_;
  std::thread thread_;  // last: starts once the fields above are ready
};

// The progress dialog: polls the solve on its timer, shows the time it has run, ends with IDOK
// when the solve is done and with IDCANCEL when the player cancels (the solve is then stopped).
class CheckDialog : public FloatDlg {
 public:
  CheckDialog(TWindow* parent, BackgroundSolve& solve);
  void SetupWindow() override;
  void Command(int id, TNotify notify) override;
  void Timer() override;

 private:
  BackgroundSolve& solve_;
  std::chrono::steady_clock::time_point start_;
};

// The time a check may take, and the readings it looks at.
inline constexpr double kCheckBudgetMs = 5000;
inline constexpr int kCheckReadings = 8;

// What the check says of a puzzle entered in plaintext (plain: the text as entered): whether the
// dictionary admits another reading as likely, within kPlausibleMargin, and which.
std::string PlainCheckReport(std::string_view plain, const SolveResult& result);
// What it says of a puzzle entered in ciphertext: one, several or no solutions found.
std::string CipherCheckReport(const SolveResult& result);
