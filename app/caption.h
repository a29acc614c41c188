// The main window's caption: which puzzle is on the board.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game.h"

// What the caption is made of; everything the caption says goes through GameCaption, so a new
// piece (a suffix) is added there and here.
struct CaptionParts {
  PuzzleKind kind = PuzzleKind::kQuotePuzzle;
  std::int32_t currentPuzzle = -1;  // 0-based, -1 for none
  std::int32_t puzzleCount = 0;     // puzzles in a compressed quote file, 0 for a plain one
  const char* quoteFileName = "";   // zero-terminated (read to at most kFileNameSize bytes)
  const char* band = nullptr;       // the puzzle's difficulty band ("Hard"), null for none
};

// "Quillo! - puzzle 1462 of 2300" for a numbered puzzle of a compressed file, else "Quillo! -
// <file name>" (without its folder) for a quote file, "Quillo! - entered puzzle" for typed or
// pasted ones, "Quillo! - tutorial" for the tutorial, and "Quillo!" without a file name; a band
// follows in brackets ("Quillo! - puzzle 1462 of 2300 (Hard)").
std::string GameCaption(const CaptionParts& parts);

// The parts of a game's current puzzle.
CaptionParts CaptionPartsOf(const Game& game);
