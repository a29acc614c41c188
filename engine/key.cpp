// The cipher key: initial state, key generation, the letter mapping and the letters-used table.
#include <cstring>

#include "engine/game.h"
#include "engine/random.h"

namespace {
bool IsUpper(int ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsLower(int ch) { return ch >= 'a' && ch <= 'z'; }

// Maps a letter through a 26-entry table, keeping its case.
char MapLetter(const std::int8_t* table, int ch) {
  const int byte = ch & 0xFF;
  if (IsUpper(byte)) return static_cast<char>('A' + table[byte - 'A']);
  if (IsLower(byte)) return static_cast<char>('a' + table[byte - 'a']);
  return static_cast<char>(byte);
}

bool HasFixedPoint(const std::int8_t* key) {
  for (int i = 0; i < kLetterCount; ++i) {
    if (key[i] == i) return true;
  }
  return false;
}
}  // namespace

Game::Game(GameHooks& hooks) : hooks_(hooks) {
  std::memset(&state, 0, sizeof state);
  std::memset(&text, 0, sizeof text);
  std::memset(&panel, 0, sizeof panel);
  state.currentPuzzle = -1;
  state.selectedPlain = -1;
  state.selectedCipher = -1;
  for (int i = 0; i < kLetterCount; ++i) {
    state.key[i] = static_cast<std::int8_t>(i);
    state.inverseKey[i] = static_cast<std::int8_t>(i);
    state.guess[i] = ' ';
    panel.unused[i] = static_cast<char>('A' + i);
    panel.letterByFreq[i] = static_cast<char>('A' + i);
    panel.letterAlpha[i] = static_cast<char>('A' + i);
  }
}

void Game::GenerateKey() {
  ClearHistory();
  std::int8_t* key = state.key;
  for (int i = 0; i < kLetterCount; ++i) {
    key[i] = static_cast<std::int8_t>(i);
    state.guess[i] = ' ';
    state.locked[i] = false;
  }
  if (state.puzzleKind == PuzzleKind::kTutorialPuzzle) {
    for (int i = 0; i < kLetterCount; ++i) key[i] = static_cast<std::int8_t>((i + 12) % 26);
  } else if (state.puzzleKind != PuzzleKind::kCipherEntered) {
    // j stays below i, so a pass over the identity makes one cycle of all 26 letters; a pass
    // over an earlier arrangement may not, and then the shuffle goes on from where it is.
    do {
      for (int i = kLetterCount - 1; i >= 1; --i) {
        const int j = Random31() % i;
        std::int8_t t = key[j];
        key[j] = key[i];
        key[i] = t;
      }
    } while (HasFixedPoint(key));
  }
  for (int i = 0; i < kLetterCount; ++i) state.inverseKey[key[i]] = static_cast<std::int8_t>(i);
}

int Game::LetterIndex(int ch) {
  if (IsUpper(ch)) return ch - 'A';
  if (IsLower(ch)) return ch - 'a';
  return -1;
}

char Game::Encipher(int ch) const { return MapLetter(state.key, ch); }

char Game::Decipher(int ch) const { return MapLetter(state.inverseKey, ch); }

char Game::GuessFor(int ch) const {
  const int index = LetterIndex(ch & 0xFF);
  return index < 0 ? static_cast<char>(ch) : state.guess[index];
}

bool Game::AllLettersGuessed() const {
  for (int i = 0; i < kLetterCount; ++i) {
    if (panel.countByFreq[i] > 0 && GuessFor(Encipher(panel.letterByFreq[i])) == ' ') return false;
  }
  return true;
}

bool Game::StateIsSound() const {
  for (int i = 0; i < kLetterCount; ++i) {
    const int c = state.key[i];
    if (c < 0 || c >= kLetterCount || state.inverseKey[c] != i) return false;
    const char g = state.guess[i];
    if (g != ' ' && !IsUpper(g)) return false;
  }
  return true;
}

bool Game::IsLetterUsed(int p) {
  if (p < 0 || p >= kLetterCount) {
    hooks_.ShowMessage("Letter out of range", "IsLetterUsed", MessageIcon::kNone);
    return false;
  }
  return panel.unused[p] == ' ';
}

void Game::MarkLetterUsed(int p) {
  if (p < 0 || p >= kLetterCount) {
    hooks_.ShowMessage("Letter out of range", "MarkLetterUsed", MessageIcon::kNone);
    return;
  }
  panel.unused[p] = ' ';
}

void Game::MarkLetterUnused(int p) {
  if (p < 0 || p >= kLetterCount) {
    hooks_.ShowMessage("Letter out of range", "MarkLetterUnused", MessageIcon::kNone);
    return;
  }
  panel.unused[p] = static_cast<char>('A' + p);
}
