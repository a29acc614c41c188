// Judging the puzzle after every paint, and announcing the win once.
#include "engine/game.h"

void Game::SetGameOver(bool flag) {
  if (flag) {
    state.gameOver = state.puzzleKind == PuzzleKind::kCipherEntered ? 0 : 1;
  } else {
    state.gameOver = false;
    state.winAnnounced = false;
  }
}

bool Game::TakeWinAnnouncement() {
  if (!state.gameOver || state.winAnnounced) return false;
  state.winAnnounced = true;
  return true;
}

void Game::JudgePuzzle() {
  const char* puzzle = text.puzzleText;
  char* plain = text.plainText;
  SetGameOver(true);
  bool anyLetter = false;
  int i = 0;
  for (; i < kQuoteBufferSize - 1 && puzzle[i] != '\0'; ++i) {
    const char c = puzzle[i];
    anyLetter = anyLetter || LetterIndex(c) >= 0;
    char g = GuessFor(c);
    if (g == ' ') {
      if (c != ' ') SetGameOver(false);
    } else {
      if (c >= 'a' && c <= 'z' && g >= 'A' && g <= 'Z') g = static_cast<char>(g - 'A' + 'a');
      // Non-letters give themselves both ways, so punctuation never spoils the result.
      if (g != Decipher(c)) SetGameOver(false);
    }
    plain[i] = g;
  }
  plain[i] = '\0';
  // Nothing to solve (an empty board after a failed load, a line of blanks): never a win.
  if (!anyLetter) SetGameOver(false);
}

void Game::CheckForWin() {
  if (state.puzzleKind == PuzzleKind::kCipherEntered) {
    if (AllLettersGuessed()) {
      StopClock();
      cipherClockStopped_ = true;
    } else if (cipherClockStopped_) {
      ResumeClock();
      cipherClockStopped_ = false;
    }
    return;
  }
  if (!TakeWinAnnouncement()) return;
  const PuzzleKind kind = state.puzzleKind;
  StopClock();
  hooks_.MarkPuzzleSolved(false, panel.elapsedSeconds);
  switch (hooks_.ShowYouWonDialog()) {
    case WinChoice::kNextGame:
      hooks_.NewGame(kind == PuzzleKind::kTutorialPuzzle ? PuzzleKind::kQuotePuzzle : kind, -1, false);
      break;
    case WinChoice::kExit:
      hooks_.Shutdown();
      break;
    case WinChoice::kStay:
      break;
  }
}
