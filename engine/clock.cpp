// The clock: starting, stopping, penalties added, the one-second tick, Pause Game and Change Times.
#include <cstdint>
#include <stdexcept>

#include "dialogs/timedialog.h"
#include "engine/game.h"
#include "framework/types.h"

void Game::StartClock() {
  if (state.resumed == 0) panel.elapsedSeconds = 0;
  ResumeClock();
}

void Game::ResumeClock() {
  hooks_.RedrawTime();
  hooks_.StartClockTimer();
}

void Game::StopClock() { hooks_.StopClockTimer(); }

void Game::AddSeconds(int n) {
  const std::int64_t total = std::int64_t{panel.elapsedSeconds} + n;
  // A total off either end (a negative penalty can make one) shows as the maximum.
  panel.elapsedSeconds =
      total < 0 || total > kMaxClockSeconds ? kMaxClockSeconds : static_cast<std::int32_t>(total);
  hooks_.RedrawTime();
}

void Game::MaxOutClock() {
  StopClock();
  panel.elapsedSeconds = kMaxClockSeconds;
  hooks_.RedrawTime();
}

void Game::TimerTick() {
  if (!paused_ && !hooks_.IsMainWindowMinimised()) AddSeconds(1);
}

void Game::PauseGame() {
  hooks_.ShowMainFrame(false);
  paused_ = true;
  ShowMessage("This game is paused; click OK to continue playing.", "Quillo!",
              MB_OK | MB_ICONEXCLAMATION);
  hooks_.ShowMainFrame(true);
  paused_ = false;
}

void Game::ChangeTimes() {
  try {
    TimeDialog(hooks_.MainWindow()).Execute();
  } catch (const std::exception& e) {
    ShowMessage(e.what(), "ERROR", MB_OK | MB_ICONSTOP);
  }
}
