// Fuzz target: the solved-puzzle record read from any memory file, marked, and written back.
#include <cstdio>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sources/memory.h"

namespace {

constexpr const char* kRecordName = "input.cqm";

// Puzzle n's bit as the file lays it out: 32-bit little-endian words, bit 0 the top bit.
bool BitInFile(const std::vector<std::uint8_t>& bytes, std::uint32_t n) {
  const std::size_t at = 4 * std::size_t{n / 32} + 3 - (n % 32) / 8;
  return at < bytes.size() && ((bytes[at] >> (7 - n % 8)) & 1) != 0;
}

std::vector<std::uint8_t> ReadRecordFile() {
  std::vector<std::uint8_t> bytes;
  std::FILE* f = std::fopen(kRecordName, "rb");
  if (!f) return bytes;
  for (int c; (c = std::getc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
  std::fclose(f);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietPlatform& platform = FuzzSetUp();
  // Twelve bits of puzzle count (a record of up to 512 bytes, so files run both shorter and
  // longer than it) and two bytes of the puzzle to mark, then the file.
  const std::uint32_t count = TakeByte(data, size) | (TakeByte(data, size) & 0x0F) << 8;
  const std::uint32_t marked = TakeByte(data, size) | TakeByte(data, size) << 8;
  const std::vector<std::uint8_t> file(data, data + size);
  WriteInput(kRecordName, data, size);

  Memory memory;
  memory.OpenMemory(count, kRecordName);
  std::uint32_t expected = 0;
  for (std::uint32_t n = 0; n < count; ++n) {
    const bool bit = BitInFile(file, n);
    FuzzCheck(memory.IsSolved(n) == bit, "bit read differs from the file");
    expected += bit ? 1 : 0;
  }
  FuzzCheck(memory.SolvedCount(count) == expected, "solved count");
  FuzzCheck(memory.SolvedCount(count + 100) == expected, "solved count past the end");

  if (count > 0) {
    // Marking one puzzle writes the record at once: the read words with that bit set.
    memory.SetCurrent(marked % count);
    memory.MarkSolved();
    const std::vector<std::uint8_t> saved = ReadRecordFile();
    FuzzCheck(saved.size() == 4 * std::size_t{memory.WordCount()}, "record size");
    for (std::uint32_t n = 0; n < count; ++n) {
      FuzzCheck(BitInFile(saved, n) == (BitInFile(file, n) || n == marked % count),
                "written record differs");
    }
  }
  memory.Close();
  FuzzCheck(platform.messageCount == 0 && platform.quitCount == 0, "record reported a fault");
  RemoveInput(kRecordName);
  return 0;
}
