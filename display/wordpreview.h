// WordPreview: the candidate word the Possible Words dialog is showing on the puzzle, if any.
#pragma once

#include <array>

#include "engine/game.h"

// While active, letters[c] is the plaintext letter the candidate puts on ciphertext letter c
// (either case), or a blank or zero byte for none. The puzzle's guess rows show these letters
// wherever the player has no guess of their own.
struct WordPreview {
  bool active = false;
  std::array<char, kLetterCount> letters{};

  void Show(const std::array<char, kLetterCount>& table) {
    letters = table;
    active = true;
  }
  void Hide() { active = false; }
};

// The process-wide preview.
WordPreview& TheWordPreview();

// Merges a preview into a guess row: where plain (aligned with puzzle) holds a non-blank
// character it is kept; elsewhere a ciphertext letter with a preview letter gets that letter in
// the ciphertext's case, and anything else a blank. out receives as many characters as puzzle
// has (at most size - 1) and a terminating zero.
void MergePreview(const char* puzzle, const char* plain, const WordPreview& preview, char* out,
                  int size);
