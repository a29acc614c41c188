// Fuzz target: a compressed quote file through its reader and through the puzzle loader.
#include <cstring>

#include "engine/random.h"
#include "fuzz/fuzz_support.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"

namespace {

constexpr const char* kInputName = "input.cqt";

void CheckQuote(const char (&quote)[kQuoteBufferSize]) {
  FuzzCheck(strnlen(quote, sizeof quote) < sizeof quote, "quotation not terminated");
}

// The first and last quotations and a spread between them: each read is one offset and one
// quotation, so a large count costs no more than a small one.
void ReadSomeQuotes(CompressedQuoteFile& file, std::size_t size) {
  const std::uint32_t count = file.Count();
  FuzzCheck(16 + 4ull * count + 4 <= size, "count accepted beyond the file");
  char quote[kQuoteBufferSize];
  constexpr std::uint32_t kReads = 32;
  for (std::uint32_t i = 0; i <= kReads; ++i) {
    const std::uint32_t index = static_cast<std::uint32_t>(std::uint64_t{count - 1} * i / kReads);
    file.ReadQuote(index, quote);
    CheckQuote(quote);
  }
  FuzzCheck(file.ReadQuote(count, quote) == QuoteFileStatus::Damaged, "read past the count");
  CheckQuote(quote);
}

void LoadThroughLoader(std::uint8_t request) {
  char name[256] = {};  // PuzzleFields' file name buffer
  std::strcpy(name, kInputName);
  std::int32_t count = 0;
  std::int32_t current = 0;
  char quoteText[kQuoteBufferSize] = "before";
  char displayText[kQuoteBufferSize] = "before";
  Memory memory;
  PuzzleLoader loader(PuzzleFields{name, count, current, quoteText, displayText}, nullptr, memory);
  loader.LoadPuzzle(request == 255 ? -1 : request);
  FuzzCheck(current >= -1 && (current == -1 || current < count), "current puzzle out of range");
  CheckQuote(quoteText);
  CheckQuote(displayText);
  if (current < 0) FuzzCheck(std::strcmp(quoteText, "before") == 0, "failed load changed the text");
  memory.Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  // The first byte is the requested puzzle (255: a random unsolved one).
  const std::uint8_t request = TakeByte(data, size);
  WriteInput(kInputName, data, size);
  {
    CompressedQuoteFile file(kInputName);
    FuzzCheck(file.Description().size() < kMaxDescriptionSize, "description too long");
    if (file.Status() == QuoteFileStatus::Ok) {
      ReadSomeQuotes(file, size);
    } else {
      FuzzCheck(file.Count() == 0, "count kept for a refused file");
    }
  }
  SeedRandom(static_cast<std::uint32_t>(size));
  LoadThroughLoader(request);
  RemoveInput(kInputName);
  RemoveInput(MemoryFileNameFor(kInputName).c_str());
  return 0;
}
