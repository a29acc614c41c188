// The board: the keyboard cursor over the ciphertext letters and the Undo/Redo history of moves.
#include <cstring>

#include "engine/game.h"

namespace {
int TextLength(const char* text) { return static_cast<int>(strnlen(text, kQuoteBufferSize)); }
}  // namespace

int Game::CursorPosition() const {
  const int c = state.selectedCipher;
  if (c < 0) return -1;
  const char* puzzle = text.puzzleText;
  const int n = TextLength(puzzle);
  if (cursorPos_ >= 0 && cursorPos_ < n && LetterIndex(puzzle[cursorPos_]) == c) return cursorPos_;
  for (int i = 0; i < n; ++i) {
    if (LetterIndex(puzzle[i]) == c) return i;
  }
  return -1;
}

// Searching from `from` (exclusive) by step, round the text once. Other places of the selected
// letter are passed over: the player wants a letter still to be solved, not the same one again.
int Game::NextBlank(int from, int step) const {
  const char* puzzle = text.puzzleText;
  const int n = TextLength(puzzle);
  for (int k = 1; k <= n; ++k) {
    const int i = ((from + step * k) % n + n) % n;
    const int c = LetterIndex(puzzle[i]);
    if (c >= 0 && c != state.selectedCipher && state.guess[c] == ' ') return i;
  }
  return -1;
}

void Game::MoveCursor(CursorMove move) {
  const char* puzzle = text.puzzleText;
  const int n = TextLength(puzzle);
  // Without a selection the cursor goes on from where it last was.
  int cur = CursorPosition();
  if (cur < 0 && cursorPos_ < n) cur = cursorPos_;
  const auto scan = [&](int i, int step) {
    for (; i >= 0 && i < n; i += step) {
      if (LetterIndex(puzzle[i]) >= 0) return i;
    }
    return -1;
  };
  int target = -1;
  switch (move) {
    case CursorMove::kLeft: target = scan(cur < 0 ? n - 1 : cur - 1, -1); break;
    case CursorMove::kRight: target = scan(cur + 1, 1); break;
    case CursorMove::kHome: target = scan(0, 1); break;
    case CursorMove::kEnd: target = scan(n - 1, -1); break;
    case CursorMove::kNextBlank: target = NextBlank(cur, 1); break;
    case CursorMove::kPreviousBlank: target = NextBlank(cur < 0 ? n : cur, -1); break;
  }
  PlaceCursor(target);
}

void Game::PlaceCursor(int pos) {
  if (IsGameOver()) {
    ReportGameOver();
    return;
  }
  if (pos < 0 || pos >= TextLength(text.puzzleText)) return;
  const int c = LetterIndex(text.puzzleText[pos]);
  if (c < 0) return;
  state.selectedPlain = -1;
  state.selectedCipher = c;
  cursorPos_ = pos;
  hooks_.Redraw();
}

void Game::AdvanceFrom(int pos) {
  const int next = NextBlank(pos, 1);
  if (next < 0) return;
  state.selectedCipher = LetterIndex(text.puzzleText[next]);
  cursorPos_ = next;
}

// A snapshot of the 26 guesses before and after: O(1) per move, whatever the move did inside.
void Game::RecordMove(const std::function<void()>& move) {
  if (moveDepth_ > 0) {
    move();
    return;
  }
  char before[kLetterCount];
  std::memcpy(before, state.guess, sizeof before);
  ++moveDepth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{moveDepth_};
  move();
  bool first = true;
  for (int c = 0; c < kLetterCount; ++c) {
    if (before[c] == state.guess[c]) continue;
    undo_.push_back({static_cast<std::int8_t>(c), before[c], state.guess[c], first});
    first = false;
  }
  if (!first) redo_.clear();
}

bool Game::Undo() { return StepHistory(undo_, redo_, true); }
bool Game::Redo() { return StepHistory(redo_, undo_, false); }

void Game::ClearHistory() {
  undo_.clear();
  redo_.clear();
  cursorPos_ = -1;
}

bool Game::StepHistory(std::vector<LetterChange>& from, std::vector<LetterChange>& to, bool undo) {
  if (IsGameOver()) {
    ReportGameOver();
    return false;
  }
  while (!from.empty()) {
    std::size_t k = from.size() - 1;
    while (k > 0 && !from[k].first) --k;
    const bool applied = ApplyGroup(&from[k], from.size() - k, undo);
    if (applied) to.insert(to.end(), from.begin() + static_cast<std::ptrdiff_t>(k), from.end());
    from.resize(k);
    if (applied) {
      state.selectedPlain = -1;
      hooks_.Redraw();
      return true;
    }
  }
  hooks_.PlaySound(kSoundError);
  return false;
}

// All or nothing: every letter must still hold what the move left (and be unlocked), and the
// result must keep each plaintext letter on at most one ciphertext letter.
bool Game::ApplyGroup(const LetterChange* group, std::size_t n, bool undo) {
  char next[kLetterCount];
  std::memcpy(next, state.guess, sizeof next);
  for (std::size_t i = 0; i < n; ++i) {
    const LetterChange& change = group[i];
    const int c = change.cipher;
    if (c < 0 || c >= kLetterCount || state.locked[c]) return false;
    if (state.guess[c] != (undo ? change.after : change.before)) return false;
    next[c] = undo ? change.before : change.after;
  }
  bool used[kLetterCount] = {};
  for (char guess : next) {
    const int p = LetterIndex(guess);
    if (p < 0) continue;
    if (used[p]) return false;
    used[p] = true;
  }
  std::memcpy(state.guess, next, sizeof next);
  for (int p = 0; p < kLetterCount; ++p) used[p] ? MarkLetterUsed(p) : MarkLetterUnused(p);
  state.modified = true;
  return true;
}
