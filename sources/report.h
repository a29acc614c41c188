// The texts that tell where the current puzzle came from: the Puzzle Source report and the
// source line of the printed page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "sources/memory.h"

class TWindow;

// The game's fields the texts are made of.
struct PuzzleSource {
  int puzzleKind;              // 0 quote file, 1 entered ciphertext, 2 entered plaintext, 3 tutorial
  const char* quoteFileName;   // zero-terminated
  std::int32_t currentPuzzle;  // 0-based, -1 for none
  const char* band = nullptr;  // "Easy", "Medium", "Hard" for a rated puzzle; null for none
};

// The fields of a Game (anything with state.puzzleKind, quoteFileName and currentPuzzle).
template <class GameLike>
PuzzleSource PuzzleSourceOf(const GameLike& game) {
  return {static_cast<int>(game.state.puzzleKind), game.state.quoteFileName,
          game.state.currentPuzzle};
}

// n in decimal with a comma between groups of three digits: 7, 999, 1,000, 12,345.
std::string GroupedNumber(std::uint64_t n);

// The name part of a file name (after its last '/' or '\') up to its first '.'.
std::string QuoteFileTitle(const char* fileName);

// The report, at most 999 characters. Kinds 1 and 2: one sentence naming the kind of entry.
// Kinds 0 and 3: "Puzzle file: <title>", then " (ordinary quote file)." when the record holds
// no bits; otherwise " (compressed quote file).", a blank line, the collection's description
// and a blank line when the file can be opened, and "<solved> puzzle(s) out of <N> have been
// completed." (N from the file, else the record's bit count). Any other kind: "".
std::string PuzzleSourceReport(const PuzzleSource& source, const Memory& memory = TheMemory());

// The Puzzle Source command: the report in a message box, caption "Puzzle Source",
// information icon.
void ShowPuzzleSource(const PuzzleSource& source, TWindow* owner,
                      const Memory& memory = TheMemory());

// The printed page's source line into buffer (size bytes, always zero-terminated when size > 0):
// kinds 1 and 2 as the report; kinds 0 and 3 "Puzzle #<n>" (n = currentPuzzle + 1, grouped) or
// "A puzzle" for no number, then " from file <title>"; any other kind "".
void PuzzleSourceLine(const PuzzleSource& source, char* buffer, std::size_t size);
