// BitVector: a fixed-size array of bits, bit 0 being the most significant bit of word 0.
#pragma once

#include <cstdint>

// The words are owned; bits past the bit count in the last word carry no meaning. A bit number
// at or past the bit count, and a failed allocation, are internal faults: the vector writes
// "BitVector( n ): ..." to stderr and ends the program through SystemService().Quit(), which returns
// to the caller (the loop stops after the current command), so every operation still returns.
class BitVector {
 public:
  BitVector() = default;
  ~BitVector();
  BitVector(const BitVector&) = delete;
  BitVector& operator=(const BitVector&) = delete;

  // Releases the words; for n > 0 allocates (n + 31) / 32 new words, not cleared. On allocation
  // failure the vector stays empty.
  void Resize(std::uint32_t n);
  // Stores value in every word (0 clears every bit).
  void Fill(std::uint32_t value);

  // Out of range: the fault above, no bit touched, TestBit answers false.
  void SetBit(std::uint32_t n);
  void ClearBit(std::uint32_t n);
  bool TestBit(std::uint32_t n) const;

  std::uint32_t BitCount() const { return bitCount_; }
  std::uint32_t WordCount() const { return wordCount_; }

 protected:
  std::uint32_t* Words() { return words_; }
  const std::uint32_t* Words() const { return words_; }

 private:
  bool InRange(std::uint32_t n) const;

  std::uint32_t* words_ = nullptr;
  std::uint32_t bitCount_ = 0;
  std::uint32_t wordCount_ = 0;
};
