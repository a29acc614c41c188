// BitVector: the bit array under the solved-puzzle record.
#include "sources/bitvector.h"

#include <cstdio>
#include <new>

#include "framework/platform.h"

namespace {

// The bit's mask within its word: bit 0 is the word's most significant bit.
std::uint32_t MaskOf(std::uint32_t n) { return 0x80000000u >> (n % 32); }

// An internal fault: reported on stderr, then the program ends as Exit ends it.
void Fail(std::uint32_t n, const char* what) {
  std::fprintf(stderr, "BitVector( %lu ): %s\n", static_cast<unsigned long>(n), what);
  SystemService().Quit();
}

}  // namespace

BitVector::~BitVector() { delete[] words_; }

void BitVector::Resize(std::uint32_t n) {
  delete[] words_;
  words_ = nullptr;
  bitCount_ = 0;
  wordCount_ = 0;
  if (n == 0) return;
  // In 64 bits: n + 31 overflows 32 bits for the largest counts.
  const auto count = static_cast<std::uint32_t>((std::uint64_t{n} + 31) / 32);
  words_ = new (std::nothrow) std::uint32_t[count];
  if (!words_) {
    Fail(n, "out of memory");
    return;
  }
  bitCount_ = n;
  wordCount_ = count;
}

void BitVector::Fill(std::uint32_t value) {
  for (std::uint32_t i = 0; i < wordCount_; ++i) words_[i] = value;
}

bool BitVector::InRange(std::uint32_t n) const {
  if (n < bitCount_) return true;
  Fail(n, "bit number out of range");
  return false;
}

void BitVector::SetBit(std::uint32_t n) {
  if (InRange(n)) words_[n / 32] |= MaskOf(n);
}

void BitVector::ClearBit(std::uint32_t n) {
  if (InRange(n)) words_[n / 32] &= ~MaskOf(n);
}

bool BitVector::TestBit(std::uint32_t n) const {
  return InRange(n) && (words_[n / 32] & MaskOf(n)) != 0;
}
