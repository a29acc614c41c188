// Line breaking of the quotation and the hit test of its cells.
#include "display/quotelayout.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr char kTab = '\t';
constexpr char kForcedBreak = '|';
}  // namespace

int LineColumnsFor(int clientWidth, int cellWidth) {
  if (cellWidth <= 0) return 0;
  const int columns = (clientWidth + cellWidth / 2) / cellWidth - 4;
  return columns < 0 ? 0 : columns;
}

void BreakLines(const char* text, int lineColumns, QuoteLayout& layout) {
  const int end = static_cast<int>(strnlen(text, kQuoteBufferSize - 1));
  layout.lineCount = 0;
  int p = 0;
  for (QuoteLine& line : layout.lines) {
    while (p < end && (text[p] == ' ' || text[p] == kForcedBreak)) ++p;
    if (p >= end) {
      line.start = 0;
      line.length = 0;
      continue;
    }
    ++layout.lineCount;
    if (text[p] == kTab) {
      ++p;
      const int rest = end - p;
      if (rest <= lineColumns) {
        line = {p, rest, lineColumns - rest};
        p = end;
        continue;
      }
    }
    // The line runs to the next forced break, else to the attribution's TAB, else to the end.
    int n = end - p;
    if (const void* bar = std::memchr(text + p, kForcedBreak, static_cast<std::size_t>(end - p))) {
      n = static_cast<int>(static_cast<const char*>(bar) - (text + p));
    } else {
      for (int i = end - 1; i >= p; --i) {
        if (text[i] == kTab) {
          n = i - p;
          break;
        }
      }
    }
    if (n > lineColumns) {
      int q = p + lineColumns;
      while (q > p && text[q] != ' ' && text[q] != kTab) --q;
      n = q > p ? q - p : lineColumns;
    }
    line = {p, n, 0};
    p += n;
  }
}

bool LetterAtCell(const QuoteLayout& layout, const char* text, int lineColumns, TPoint cell,
                  int scrollRows, LetterHit& hit) {
  int row = cell.y + scrollRows;
  const int column = cell.x - 2;
  if (row < 0 || row % 3 == 0 || column < 0 || column >= lineColumns) return false;
  if (row % 3 == 1) ++row;
  const int lineIndex = row / 3;
  if (lineIndex >= layout.lineCount) return false;
  const QuoteLine& line = layout.lines[lineIndex];
  const int k = column - line.indent;
  if (k < 0 || k >= line.length) return false;
  const int textPos = line.start + k;
  if (textPos < 0 || textPos >= kQuoteBufferSize) return false;
  const int letter = Game::LetterIndex(text[textPos]);
  if (letter < 0) return false;
  hit.letter = letter;
  hit.letterKind = LetterHit::kCipherLetter;
  hit.textPos = textPos;
  return true;
}

int LineOf(const QuoteLayout& layout, int pos) {
  for (int i = 0; i < layout.lineCount; ++i) {
    const QuoteLine& line = layout.lines[i];
    if (pos >= line.start && pos < line.start + line.length) return i;
  }
  return -1;
}

int LetterAcrossLines(const QuoteLayout& layout, const char* text, int pos, int step) {
  const int from = LineOf(layout, pos);
  if (from < 0) return -1;
  const QuoteLine& here = layout.lines[from];
  const int column = here.indent + pos - here.start;
  for (int i = from + step; i >= 0 && i < layout.lineCount; i += step) {
    const QuoteLine& line = layout.lines[i];
    int best = -1;
    int bestDistance = 0;
    for (int k = 0; k < line.length; ++k) {
      const int at = line.start + k;
      if (at >= kQuoteBufferSize || Game::LetterIndex(text[at]) < 0) continue;
      const int distance = std::abs(line.indent + k - column);
      if (best < 0 || distance < bestDistance) {
        best = at;
        bestDistance = distance;
      }
    }
    if (best >= 0) return best;
  }
  return -1;
}
