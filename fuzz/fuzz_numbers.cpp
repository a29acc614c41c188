// Fuzz target: the typed numbers, Go To Specific Puzzle's puzzle number and the printer margin,
// and the page the margin gives.
#include <cstdlib>
#include <cstring>
#include <string>

#include "display/printout.h"
#include "fuzz/fuzz_support.h"
#include "sources/favorites.h"

namespace {

// The dialogs' buffers: 128 bytes for the puzzle number, 100 for the margin.
std::string AsTyped(const std::uint8_t* data, std::size_t size, std::size_t buffer) {
  std::string text(reinterpret_cast<const char*>(data), std::min(size, buffer - 1));
  return text.substr(0, text.find('\0'));
}

// The number read the long way: leading zeros dropped, then at most 18 digits fit.
int ExpectedIndex(const std::string& text, int count) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
    return kNotAPuzzleNumber;
  }
  const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
  if (digits.size() > 18) return kPuzzleNumberOutOfRange;
  const unsigned long long n = digits.empty() ? 0 : std::strtoull(digits.c_str(), nullptr, 10);
  return n >= 1 && n <= static_cast<unsigned long long>(count) ? static_cast<int>(n - 1)
                                                               : kPuzzleNumberOutOfRange;
}

void CheckPuzzleNumber(const std::uint8_t* data, std::size_t size, int count) {
  const std::string text = AsTyped(data, size, 128);
  FuzzCheck(ReadPuzzleNumber(text.c_str(), count) == ExpectedIndex(text, count),
            "puzzle number misread");
}

// The margin typed in the dialog, and the same text as the settings file hands it over at
// start-up, each through the page geometry of a letter-size page at 600 dpi.
void CheckMargin(const std::uint8_t* data, std::size_t size, bool printBig) {
  const std::string text = AsTyped(data, size, 100);
  double margin = -1.0;
  if (ReadMargin(text.c_str(), margin)) {
    FuzzCheck(margin >= 0.0 && margin <= 3.0, "margin accepted out of range");
  }
  PageInput in;
  in.width = 800;
  in.height = 500;
  in.printerX = in.printerY = 600;
  in.horzRes = 4900;
  in.vertRes = 6400;
  in.paperWidth = 5100;
  in.paperHeight = 6600;
  in.offsetX = in.offsetY = 100;
  in.printBig = printBig;
  for (double m : {margin, std::strtod(text.c_str(), nullptr)}) {
    in.margin = m;
    if (const std::optional<PageGeometry> page = ComputePageGeometry(in)) {
      FuzzCheck(page->windowExt.cx > 0 && page->windowExt.cy > 0, "empty page mapping");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  const std::uint8_t mode = TakeByte(data, size);
  if (mode < 128) {
    // Four bytes of puzzle count, 1 up to the largest a collection may hold.
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i) raw |= std::uint32_t{TakeByte(data, size)} << (8 * i);
    const int count = 1 + static_cast<int>(raw % 0x7FFFFFFFu);
    CheckPuzzleNumber(data, size, count);
  } else {
    CheckMargin(data, size, mode & 1);
  }
  return 0;
}
