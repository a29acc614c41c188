// GameRecorder: what the game on screen was, and its one line in the history when it ends.
#include "app/gamerecord.h"

#include <cerrno>
#include <cctype>
#include <ctime>

#include "classlib/inifile.h"
#include "classlib/safefile.h"
#include "engine/game.h"
#include "framework/platform.h"

namespace {

int Letters(const char* text, int& distinct) {
  bool seen[kLetterCount] = {};
  int letters = 0;
  distinct = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    const int index = Game::LetterIndex(static_cast<unsigned char>(*p));
    if (index < 0) continue;
    ++letters;
    if (!seen[index]) seen[index] = true, ++distinct;
  }
  return letters;
}

bool FromQuoteFile(PuzzleKind kind) {
  return kind == PuzzleKind::kQuotePuzzle || kind == PuzzleKind::kTutorialPuzzle;
}

}  // namespace

bool KeepStatistics() { return Settings().ReadInt("quillo", "KeepStatistics", 1) != 0; }

void GameRecorder::Continue(const Game& game, std::uint64_t id) {
  const GameState& state = game.state;
  started_ = GameRecord{};
  started_.id = id != 0 ? id : NewGameId();
  started_.kind = static_cast<int>(state.puzzleKind);
  if (FromQuoteFile(state.puzzleKind)) {
    started_.quoteFile = state.quoteFileName;
    started_.puzzle = state.currentPuzzle >= 0 ? state.currentPuzzle + 1 : 0;
  }
  started_.letters = Letters(game.text.displayText, started_.distinct);
  open_ = true;
}

void GameRecorder::Finish(const Game& game, Outcome outcome, int seconds, TWindow* owner) {
  if (open_) Append(game, outcome, seconds, owner);
}

void GameRecorder::Leave(const Game& game, TWindow* owner) {
  if (!open_) return;
  if (game.state.puzzleKind == PuzzleKind::kCipherEntered && game.IsCipherClockStopped()) {
    Append(game, Outcome::Solved, game.panel.elapsedSeconds, owner);
  } else if (game.state.modified && !game.state.gameOver) {
    Append(game, Outcome::Abandoned, game.panel.elapsedSeconds, owner);
  }
  open_ = false;
}

std::uint64_t GameRecorder::Saved(const Game& game, TWindow* owner) {
  if (!open_) return 0;
  return Append(game, Outcome::Saved, game.panel.elapsedSeconds, owner) ? started_.id : 0;
}

bool GameRecorder::Append(const Game& game, Outcome outcome, int seconds, TWindow* owner) {
  open_ = false;
  if (!KeepStatistics()) return false;
  GameRecord record = started_;
  record.ended = static_cast<std::int64_t>(std::time(nullptr));
  record.outcome = outcome;
  record.seconds = seconds;
  const PanelState& panel = game.panel;
  record.help = {panel.erasedCount,     panel.confirmCount, panel.undoCount,
                 panel.littleHintCount, panel.bigHintCount, panel.wordListCount};
  if (AppendHistory(path_, record)) return true;
  const int error = errno;
  const char* text = error == EPROTO
                         ? "This game is not in your statistics: the file history.txt\n"
                           "was written by a newer version of Quillo!."
                         : "This game could not be added to your statistics\n"
                           "in the file history.txt.";
  DialogService().MessageBox(owner, error == EPROTO ? text : WithReason(text, error), "Error",
                             MB_OK | MB_ICONEXCLAMATION);
  return false;
}
