// The clock: starting, stopping, penalties added, the one-second tick, and Pause Game.
#include <cstdint>

#include "engine/game.h"

void Game::StartClock() {
  // Callers start the clock just after the panel has been painted or just before it is, so it
  // shows this time already: only setting it back to zero needs a redraw. (At start-up a redraw
  // here would paint the whole panel a second time.)
  if (!state.resumed && panel.elapsedSeconds != 0) {
    panel.elapsedSeconds = 0;
    hooks_.RedrawTime();
  }
  hooks_.StartClockTimer();
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
  hooks_.ShowMessage("This game is paused; click OK to continue playing.", "Quillo!",
                     MessageIcon::kExclamation);
  hooks_.ShowMainFrame(true);
  paused_ = false;
}
