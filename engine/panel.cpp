// A new puzzle: the letter frequencies and their two orders, the enciphered text, and StartGame.
#include "engine/game.h"

namespace {
template <typename T>
void Swap(T& a, T& b) {
  T t = a;
  a = b;
  b = t;
}
}  // namespace

void Game::CountFrequencies(const char* plain) {
  for (int i = 0; i < kLetterCount; ++i) {
    panel.countByFreq[i] = 0;
    panel.countAlpha[i] = 0;
    panel.unused[i] = static_cast<char>('A' + i);
    panel.letterByFreq[i] = static_cast<char>('A' + i);
    panel.letterAlpha[i] = static_cast<char>('A' + i);
  }
  for (int i = 0; i < kQuoteBufferSize && plain[i] != '\0'; ++i) {
    const int letter = LetterIndex(plain[i]);
    if (letter < 0) continue;
    ++panel.countByFreq[letter];
    ++panel.countAlpha[letter];
  }
  // This exchange sort does not keep ties in alphabetical order, and the hints depend on the
  // order it gives: counts A=1, B=2, C=2 come out B, C, A.
  for (int i = 0; i < kLetterCount - 1; ++i) {
    for (int j = i + 1; j < kLetterCount; ++j) {
      if (panel.countByFreq[j] > panel.countByFreq[i]) {
        Swap(panel.countByFreq[i], panel.countByFreq[j]);
        Swap(panel.letterByFreq[i], panel.letterByFreq[j]);
      }
      if (Encipher(panel.letterAlpha[j]) < Encipher(panel.letterAlpha[i])) {
        Swap(panel.countAlpha[i], panel.countAlpha[j]);
        Swap(panel.letterAlpha[i], panel.letterAlpha[j]);
      }
    }
  }
}

void Game::CopyDisplayToPuzzle() {
  int i = 0;
  for (; i < kQuoteBufferSize - 1 && text.displayText[i] != '\0'; ++i) {
    text.puzzleText[i] = text.displayText[i];
  }
  text.puzzleText[i] = '\0';
}

void Game::EncipherPuzzleText() {
  for (int i = 0; i < kQuoteBufferSize && text.puzzleText[i] != '\0'; ++i) {
    text.puzzleText[i] = Encipher(text.puzzleText[i]);
  }
  hooks_.PuzzleTextChanged();
}

void Game::ClearCounters() {
  panel.erasedCount = 0;
  panel.confirmCount = 0;
  panel.undoCount = 0;
  panel.littleHintCount = 0;
  panel.bigHintCount = 0;
  panel.wordListCount = 0;
}

void Game::StartGame() {
  state.resumed = false;
  ClearCounters();
  GenerateKey();
  // The order is fixed: the frequencies are counted on the plaintext before it is enciphered.
  CopyDisplayToPuzzle();
  CountFrequencies(text.puzzleText);
  EncipherPuzzleText();
  state.selectedPlain = -1;
  state.selectedCipher = -1;
  state.modified = false;
  // Until the panel has been painted once, its first paint starts the clock.
  if (panel.panelShown) {
    StartClock();
    hooks_.RepaintAll();
  }
}

void Game::RestylePuzzleText() {
  CopyDisplayToPuzzle();
  EncipherPuzzleText();
}
