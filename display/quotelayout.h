// The quotation laid out on the cell grid: line breaking and the letter under a cell.
#pragma once

#include "engine/game.h"
#include "framework/types.h"

inline constexpr int kMaxQuoteLines = 30;

// One line of the puzzle: `length` characters from `start` in the text, one per cell, after
// `indent` blank cells (a right-aligned attribution).
struct QuoteLine {
  int start = 0;
  int length = 0;
  int indent = 0;
};

struct QuoteLayout {
  QuoteLine lines[kMaxQuoteLines];
  int lineCount = 0;  // 0..30; text past the 30th line is not shown

  // Rows the lines take: a guess row, a ciphertext row and a blank row each (row 0 is blank).
  int TextRows() const { return 3 * lineCount; }
};

// The text cells of a quote line in a window clientWidth wide: two margin cells on the left and
// one blank cell on each side of a line are not available; never negative.
int LineColumnsFor(int clientWidth, int cellWidth);

// Breaks text (at most 999 characters are looked at) into lines of at most lineColumns cells.
// Spaces and '|' are skipped at the start of every line and '|' forces a break; a line that
// starts with TAB is the attribution, right-aligned when the rest of the text fits, otherwise
// broken like any other text. Lines break before a space or TAB; a word longer than a line is
// cut. All 30 entries are visited: entries past the end of the text keep their indent and get
// start 0, length 0, and are not counted.
void BreakLines(const char* text, int lineColumns, QuoteLayout& layout);

// The ciphertext letter under cell (column, row) of the window scrolled down by scrollRows: rows
// are counted from the top of the text, the two margin columns skipped, and a guess row answers
// for the ciphertext letter below it. False for blank rows, margins, cells past a line's end and
// non-letters; otherwise hit gets the letter, kind kCipherLetter and its position in text.
bool LetterAtCell(const QuoteLayout& layout, const char* text, int lineColumns, TPoint cell,
                  int scrollRows, LetterHit& hit);

// The letter position on the nearest line above (step -1) or below (step 1) of the line holding
// text position pos that has a letter: the one whose cell lies closest to pos's column, the left
// one on a tie. -1 when pos is on no line or no such line exists.
int LetterAcrossLines(const QuoteLayout& layout, const char* text, int pos, int step);
// The index of the line holding text position pos, -1 for none.
int LineOf(const QuoteLayout& layout, int pos);
