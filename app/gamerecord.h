// GameRecorder: the game on screen's line in the history file, appended once when the game ends.
#pragma once

#include <cstdint>
#include <string>

#include "stats/history.h"

class Game;
class TWindow;

inline constexpr const char* kHistoryFileName = "history.txt";

// Knows the game on screen by its id and the facts fixed at its start (kind, quote file, puzzle
// number, letters). Each game gets at most one line: its end (solved, revealed, abandoned, or
// left in the saved game) appends it and later calls for the same game do nothing. Nothing is
// written while the setting KeepStatistics (section quillo, default 1) is 0. A failed append
// leaves the file as it was and tells the player why, in a box owned by `owner`.
class GameRecorder {
 public:
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const { return path_; }

  // A game begins with a new id.
  void Begin(const Game& game) { Continue(game, 0); }
  // The resumed saved game goes on as game `id` (0: a new id, its saved line stays apart).
  void Continue(const Game& game, std::uint64_t id);
  // The engine ended the game: solved or revealed, with the clock the player earned.
  void Finish(const Game& game, Outcome outcome, int seconds, TWindow* owner);
  // The game on screen is dropped. A touched game still open is abandoned; a ciphertext puzzle
  // with every letter guessed (the game cannot know the answer) counts as solved.
  void Leave(const Game& game, TWindow* owner);
  // The game went into the saved game: its "saved" line. The game's id, 0 when nothing was
  // written.
  std::uint64_t Saved(const Game& game, TWindow* owner);

 private:
  bool Append(const Game& game, Outcome outcome, int seconds, TWindow* owner);

  std::string path_ = kHistoryFileName;
  GameRecord started_;
  bool open_ = false;  // a game is on screen and has no line yet
};

// The setting's value now.
bool KeepStatistics();
