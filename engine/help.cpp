// The help commands: Confirm, Undo Error, Little hint, Big hint and Solve Puzzle, with their costs.
#include <cstring>

#include "engine/game.h"
#include "engine/penalties.h"

const char* ArticleFor(char letter) {
  return std::strchr("AEFHILMNORSX", letter) != nullptr && letter != '\0' ? "an" : "a";
}

bool Game::BeginHelpCommand() {
  if (IsGameOver()) {
    ReportGameOver();
    return false;
  }
  hooks_.PlaySound(kSoundHint);
  return true;
}

bool Game::GuessIsWrong(int c) const {
  const char g = state.guess[c];
  return g != ' ' && g != Decipher('A' + c);
}

void Game::Confirm() {
  if (!BeginHelpCommand()) return;
  ++panel.confirmCount;
  AddSeconds(hooks_.Penalty(kConfirmPenalty));
  ClearSelection();
  bool somethingWrong = false;
  for (int c = 0; c < kLetterCount; ++c) {
    if (state.guess[c] == ' ') continue;
    if (GuessIsWrong(c)) {
      somethingWrong = true;
    } else {
      state.locked[c] = true;
    }
  }
  hooks_.ShowHint("Confirm", somethingWrong ? "Something is wrong..." : "Everything is correct so far.",
           "ConfirmDialog");
  hooks_.Redraw();
}

void Game::UndoError() {
  if (!BeginHelpCommand()) return;
  ++panel.undoCount;
  AddSeconds(hooks_.Penalty(kUndoPenalty));
  ClearSelection();
  for (int c = 0; c < kLetterCount; ++c) {
    if (!GuessIsWrong(c)) continue;
    const char g = state.guess[c];
    std::string message = "Ciphertext ";
    message += static_cast<char>('A' + c);
    message += std::string(" is not ") + ArticleFor(g) + " " + g;
    hooks_.ShowHint("Undo Error", message, "UndoDialog");
    ClearGuess(c);
    hooks_.Redraw();
    return;
  }
  hooks_.ShowHint("Undo Error", "Everything is correct so far.", "UndoDialog");
  hooks_.Redraw();
}

void Game::RevealLetter(char plain, char cipher, const char* title) {
  std::string message = "Ciphertext character ";
  message += cipher;
  message += std::string(" is really ") + ArticleFor(plain) + " " + plain;
  hooks_.ShowHint(title, message, "HintDialog");
  AssignLetter(LetterIndex(cipher), LetterIndex(plain), true);
  AddSeconds(hooks_.Penalty(title[0] == 'B' ? kBigHintPenalty : kLittleHintPenalty));
  ClearSelection();
  hooks_.Redraw();
}

bool Game::HintFromFrequencyRow(int row, const char* title) {
  if (panel.countByFreq[row] == 0) return false;
  const char plain = panel.letterByFreq[row];
  const char cipher = Encipher(plain);
  // A letter carrying any guess, even a wrong one, is never chosen.
  if (GuessFor(cipher) != ' ') return false;
  RevealLetter(plain, cipher, title);
  return true;
}

void Game::LittleHint() {
  if (!BeginHelpCommand()) return;
  ++panel.littleHintCount;
  ClearSelection();
  for (int row = kLetterCount - 1; row >= 0; --row) {
    if (HintFromFrequencyRow(row, "Little Hint")) return;
  }
  hooks_.ShowMessage("Sorry, no more hints!", "Little Hint", MessageIcon::kExclamation);
}

void Game::BigHint() {
  if (!BeginHelpCommand()) return;
  ++panel.bigHintCount;
  if (state.selectedPlain >= 0) {
    const char plain = static_cast<char>('A' + state.selectedPlain);
    RevealLetter(plain, Encipher(plain), "Big Hint");
  } else if (state.selectedCipher >= 0) {
    const char cipher = static_cast<char>('A' + state.selectedCipher);
    RevealLetter(Decipher(cipher), cipher, "Big Hint");
  } else {
    for (int row = 0; row < kLetterCount; ++row) {
      if (HintFromFrequencyRow(row, "Big Hint")) return;
    }
    hooks_.ShowMessage("Sorry, no more hints!", "Big Hint", MessageIcon::kExclamation);
  }
}

void Game::SolvePuzzle() {
  if (!BeginHelpCommand()) return;
  ClearSelection();
  for (int c = 0; c < kLetterCount; ++c) {
    state.guess[c] = Decipher('A' + c);
    MarkLetterUsed(LetterIndex(state.guess[c]));
  }
  state.gameOver = true;
  state.winAnnounced = true;
  const int earned = panel.elapsedSeconds;
  MaxOutClock();
  hooks_.Redraw();
  hooks_.MarkPuzzleSolved(true, earned);
}
