// Fuzz target: a plain quote file through the whole-file reader and the random-line loader.
#include <cstring>

#include "engine/random.h"
#include "fuzz/fuzz_support.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"

namespace {

constexpr const char* kInputName = "input.qot";

void CheckQuotation(std::string_view text) {
  FuzzCheck(!text.empty() && text.size() <= std::size_t{kMaxQuoteLength}, "quotation length");
  FuzzCheck(text.find('\n') == std::string_view::npos, "line end inside a quotation");
  for (unsigned char c : text) FuzzCheck(c < 0x91 || c > 0x94, "curly quote left in a quotation");
}

void ReadWholeFile(std::size_t size) {
  std::vector<PlainQuote> quotes;
  const QuoteFileStatus status = ReadPlainQuoteFile(kInputName, quotes);
  FuzzCheck((status == QuoteFileStatus::Ok) == !quotes.empty(), "status disagrees with quotes");
  FuzzCheck(status != QuoteFileStatus::Empty || size == 0, "non-empty file read as empty");
  std::size_t previousLine = 0;
  for (const PlainQuote& quote : quotes) {
    // A zero byte stays in the text, where a writer refuses it with the line number.
    CheckQuotation(quote.text);
    FuzzCheck(quote.lineNumber > previousLine, "line numbers out of order");
    FuzzCheck(quote.length >= quote.text.size() && quote.length <= size, "line length");
    previousLine = quote.lineNumber;
  }
}

void LoadThroughLoader() {
  char name[256] = {};  // PuzzleFields' file name buffer
  std::strcpy(name, kInputName);
  std::int32_t count = 5;
  std::int32_t current = 3;
  char quoteText[kQuoteBufferSize] = "before";
  char displayText[kQuoteBufferSize] = "before";
  Memory memory;
  PuzzleLoader loader(PuzzleFields{name, count, current, quoteText, displayText}, nullptr, memory);
  loader.LoadPuzzle(-1);
  FuzzCheck(current == -1 && count == 0, "a plain file has no puzzle numbers");
  const bool loaded = name[0] != '\0';
  FuzzCheck(strnlen(quoteText, kQuoteBufferSize) < kQuoteBufferSize, "quotation not terminated");
  FuzzCheck(strnlen(displayText, kQuoteBufferSize) < kQuoteBufferSize, "display not terminated");
  if (loaded && quoteText[0] != '\0') CheckQuotation(quoteText);
  if (!loaded) FuzzCheck(std::strcmp(quoteText, "before") == 0, "failed load changed the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  WriteInput(kInputName, data, size);
  ReadWholeFile(size);
  SeedRandom(static_cast<std::uint32_t>(size));
  LoadThroughLoader();
  RemoveInput(kInputName);
  return 0;
}
