// The Puzzle Source report and the printed page's source line.
#include "sources/report.h"

#include <cstring>

#include "framework/platform.h"
#include "sources/quotefile.h"

namespace {

constexpr std::size_t kReportSize = 1000;  // the report's buffer, terminator included

const char* EnteredSentence(int kind) {
  switch (kind) {
    case 1: return "This is a puzzle you entered in ciphertext.";
    case 2: return "This is a puzzle you entered in plaintext.";
    default: return nullptr;
  }
}

bool IsFromQuoteFile(int kind) { return kind == 0 || kind == 3; }

// The solved count and the collection's size, with the description when the file opens.
std::string CompressedFileLines(const char* fileName, const Memory& memory) {
  std::string text;
  std::uint64_t count = memory.BitCount();
  CompressedQuoteFile file(fileName);
  if (file.Status() == QuoteFileStatus::Ok || file.Status() == QuoteFileStatus::Empty) {
    text += file.Description() + "\n\n";
    count = file.Count();
  }
  const std::uint32_t limit = count > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(count);
  const std::uint32_t solved = memory.SolvedCount(limit);
  text += std::to_string(solved) + (solved == 1 ? " puzzle" : " puzzles") + " out of " +
          GroupedNumber(count) + " have been completed.";
  return text;
}

}  // namespace

std::string GroupedNumber(std::uint64_t n) {
  std::string digits = std::to_string(n);
  for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
  return digits;
}

std::string QuoteFileTitle(const char* fileName) {
  std::string name(fileName);
  const std::size_t separator = name.find_last_of("/\\");
  if (separator != std::string::npos) name.erase(0, separator + 1);
  return name.substr(0, name.find('.'));
}

std::string PuzzleSourceReport(const PuzzleSource& source, const Memory& memory) {
  if (const char* sentence = EnteredSentence(source.puzzleKind)) return sentence;
  if (!IsFromQuoteFile(source.puzzleKind)) return "";
  std::string report = "Puzzle file: " + QuoteFileTitle(source.quoteFileName);
  if (memory.BitCount() == 0) {
    report += " (ordinary quote file).";
  } else {
    report += " (compressed quote file).\n\n" + CompressedFileLines(source.quoteFileName, memory);
  }
  if (source.band) report += "\n\nDifficulty: " + std::string(source.band) + ".";
  if (report.size() > kReportSize - 1) report.resize(kReportSize - 1);
  return report;
}

void ShowPuzzleSource(const PuzzleSource& source, TWindow* owner, const Memory& memory) {
  DialogService().MessageBox(owner, PuzzleSourceReport(source, memory), "Puzzle Source",
                        MB_OK | MB_ICONINFORMATION);
}

void PuzzleSourceLine(const PuzzleSource& source, char* buffer, std::size_t size) {
  if (size == 0) return;
  std::string line;
  if (const char* sentence = EnteredSentence(source.puzzleKind)) {
    line = sentence;
  } else if (IsFromQuoteFile(source.puzzleKind)) {
    line = source.currentPuzzle < 0
               ? std::string("A puzzle")
               : "Puzzle #" + GroupedNumber(static_cast<std::uint64_t>(source.currentPuzzle) + 1);
    line += " from file " + QuoteFileTitle(source.quoteFileName);
  }
  const std::size_t length = line.copy(buffer, size - 1);
  buffer[length] = '\0';
}
