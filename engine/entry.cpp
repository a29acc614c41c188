// Letter entry: selecting, assigning and erasing letters by keyboard and mouse, and the refusals.
#include "engine/game.h"

namespace {
std::string WithLetter(const char* before, char letter, const char* after) {
  return std::string(before) + letter + after;
}
}  // namespace

void Game::ReportLocked(int c) {
  hooks_.ShowMessage(WithLetter("The answer for ciphertext ", static_cast<char>('A' + c),
                                " was given to you as a hint\nor you have already confirmed it "
                                "to be correct."),
                     "Error", MessageIcon::kExclamation);
}

// The cursor can rest on a letter with a guess, and Quick Entry turns two classic refusals
// (typing over a guess, typing a letter used elsewhere) into moves; a lock always refuses.
bool Game::MayAssign(int c, int p) {
  if (state.locked[c]) {
    ReportLocked(c);
    return false;
  }
  const bool quick = hooks_.QuickEntry();
  if (state.guess[c] != ' ' && !quick) {
    Refuse(WithLetter("You've already guessed ", state.guess[c], " for that character."));
    return false;
  }
  if (!IsLetterUsed(p)) return true;
  const char letter = static_cast<char>('A' + p);
  bool lockedElsewhere = false;
  for (int c2 = 0; c2 < kLetterCount; ++c2) {
    if (state.guess[c2] == letter && state.locked[c2]) lockedElsewhere = true;
  }
  if (quick && !lockedElsewhere) return true;
  Refuse(WithLetter("The plaintext character ", letter, " is already taken."));
  return false;
}

void Game::Refuse(const std::string& message, const char* section) {
  if (ExplainError()) hooks_.ShowHint("Error", message, section);
}

bool Game::CheckIndex(int i, int n) {
  if (i >= 0 && i < n) return true;
  hooks_.ShowMessage("Subscript error, please contact Brindlewood", "Error", MessageIcon::kStop);
  hooks_.Shutdown();
  return false;
}

void Game::ReportGameOver() {
  hooks_.PlaySound(kSoundError);
  hooks_.ShowHint("Wake Up!", "The game is over!", "GameOver");
}

bool Game::ExplainError() {
  hooks_.PlaySound(kSoundError);
  return hooks_.ExplainErrors();
}

bool Game::SelectLetter(int index, int which) {
  if (!CheckIndex(index, kLetterCount)) return false;
  if (IsGameOver()) {
    ReportGameOver();
    return false;
  }
  const std::int32_t slot = which == kSelectPlain ? state.selectedPlain : state.selectedCipher;
  if (slot != -1) {
    Refuse(state.selectedPlain == -1 ? "Select a plaintext character now"
                                     : "Select a ciphertext character now");
    return false;
  }
  if (which == kSelectPlain && state.selectedCipher != -1) {
    if (!MayAssign(state.selectedCipher, index)) return false;
  } else if (which == kSelectPlain && IsLetterUsed(index)) {
    Refuse(WithLetter("The plaintext character ", static_cast<char>('A' + index),
                      " is already taken."));
    return false;
  }
  // Quick Entry lets a guessed letter be selected, to be typed over.
  if (which == kSelectCipher && state.guess[index] != ' ' &&
      (state.locked[index] || !hooks_.QuickEntry())) {
    Refuse(WithLetter("You've already guessed ", state.guess[index], " for that character."));
    return false;
  }
  if (!CheckIndex(which, 2)) return false;
  (which == kSelectPlain ? state.selectedPlain : state.selectedCipher) = index;
  if (state.selectedPlain == -1 || state.selectedCipher == -1) return true;
  AssignLetter(state.selectedCipher, state.selectedPlain, false);
  state.selectedPlain = -1;
  state.selectedCipher = -1;
  return true;
}

bool Game::ClearSelection() {
  if (state.selectedPlain == -1 && state.selectedCipher == -1) return false;
  state.selectedPlain = -1;
  state.selectedCipher = -1;
  hooks_.Redraw();
  return true;
}

void Game::AssignLetter(int c, int p, bool byHint) {
  if (!CheckIndex(c, kLetterCount) || !CheckIndex(p, kLetterCount)) return;
  const char letter = static_cast<char>('A' + p);
  if (IsLetterUsed(p)) {
    for (int c2 = 0; c2 < kLetterCount; ++c2) {
      if (state.guess[c2] == letter) {
        ClearGuess(c2);
        break;
      }
    }
  }
  // A hint may land on a letter that carries a wrong guess; the letter that guess named is
  // free again, or the unused-letters table would lose it for the rest of the game.
  const char replaced = state.guess[c];
  if (replaced != ' ' && replaced != letter) MarkLetterUnused(LetterIndex(replaced));
  MarkLetterUsed(p);
  state.guess[c] = letter;
  if (byHint) state.locked[c] = true;
  state.modified = true;
}

bool Game::ClearGuess(int c) {
  if (IsGameOver()) {
    ReportGameOver();
    return false;
  }
  if (!CheckIndex(c, kLetterCount)) return false;
  const char letter = static_cast<char>('A' + c);
  if (state.guess[c] == ' ') {
    Refuse(WithLetter("There is no plaintext character for ", letter, "."));
    return false;
  }
  if (state.locked[c]) {
    ReportLocked(c);
    return false;
  }
  MarkLetterUnused(LetterIndex(state.guess[c]));
  state.guess[c] = ' ';
  return true;
}

void Game::KeyTyped(int ch) {
  RecordMove([&] { TypeKey(ch); });
}

void Game::TypeKey(int ch) {
  if (ch == 8 || ch == 27) {
    ClearSelection();
  } else if (ch >= 'A' && ch <= 'Z') {
    if (ClearGuess(ch - 'A')) {
      ++panel.erasedCount;
      if (!ClearSelection()) hooks_.Redraw();
    }
  } else if (ch >= 'a' && ch <= 'z') {
    const int which = state.selectedCipher != -1 ? kSelectPlain : kSelectCipher;
    const int pos = CursorPosition();
    if (!SelectLetter(ch - 'a', which)) return;
    if (which == kSelectCipher) cursorPos_ = CursorPosition();
    if (which == kSelectPlain && hooks_.AdvanceAfterGuess()) AdvanceFrom(pos);
    hooks_.Redraw();
  } else if (ch == '\t') {
    MoveCursor(CursorMove::kNextBlank);
  } else {
    Refuse("Enter either a letter or a backspace.", "ErrorMsg");
  }
}

void Game::LeftClick(const LetterHit& hit, bool askWordList) {
  RecordMove([&] { Click(hit, askWordList); });
}

void Game::Click(const LetterHit& hit, bool askWordList) {
  if (askWordList) {
    if (hit.textPos >= 0) {
      RequestWordList(hit.textPos);
    } else {
      hooks_.ShowMessage("Must point to a word to get a word list.", "Error", MessageIcon::kNone);
    }
    return;
  }
  if (hit.letter < 0) return;
  const int which = hit.letterKind == LetterHit::kPlainLetter ? kSelectPlain : kSelectCipher;
  if (which == kSelectCipher && state.selectedCipher == -1) cursorPos_ = hit.textPos;
  if (SelectLetter(hit.letter, which)) hooks_.Redraw();
}

void Game::RightClick(const LetterHit& hit) {
  RecordMove([&] {
    if (!ClearSelection()) EraseAt(hit);
  });
}

void Game::EraseAt(const LetterHit& hit) {
  if (hit.letter < 0 || hit.letterKind != LetterHit::kCipherLetter) return;
  if (ClearGuess(hit.letter)) {
    ++panel.erasedCount;
    hooks_.Redraw();
  }
}
