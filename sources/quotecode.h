// The quote code of compressed quote files: the constant decoding tree, DecodeQuote, the encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "engine/quotelimits.h"

// A quotation buffer holds 1000 bytes: at most 999 characters and the terminating zero.

// The code tree: 193 nodes of two bytes, root at node 0. An inner node holds the node numbers of
// its children for bit 0 and bit 1; a leaf holds kQuoteLeaf and then its character. The code is
// complete, so every bit sequence decodes. 97 characters: TAB, LF and 0x20-0x7E; LF ends a
// quotation.
inline constexpr std::size_t kQuoteTreeNodes = 193;
inline constexpr std::uint8_t kQuoteLeaf = 0xFF;
inline constexpr char kQuoteEnd = '\n';
extern const std::uint8_t kQuoteTree[kQuoteTreeNodes][2];

// Decodes one quotation from the stream's current position, most significant bit of each byte
// first, up to the LF code word. Stores at most min(999, capacity - 1) characters and drops the
// rest; the buffer is always zero-terminated (when capacity > 0). Returns true when the LF code
// word was reached, false when the stream ended first. Reads no further than the byte holding LF.
bool DecodeQuote(std::FILE* stream, char* buffer, std::size_t capacity);

// One code word: its `length` bits are the low bits of `bits`, the first one read the highest.
struct QuoteCodeWord {
  std::uint32_t bits = 0;
  std::uint8_t length = 0;  // 0: the character has no code word
};

// The code word of a character, derived once from the tree; length 0 outside the 97 characters.
QuoteCodeWord QuoteCodeWordFor(char c);

// True for the characters a quotation may hold: TAB and 0x20-0x7E (LF only ends a quotation).
bool IsQuoteCharacter(char c);

// Collects code words into bytes, most significant bit first.
class QuoteBitWriter {
 public:
  explicit QuoteBitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void Put(QuoteCodeWord word);
  // Fills the last byte with zero bits; the next code word starts on a fresh byte.
  void PadToByte();

 private:
  std::vector<std::uint8_t>& out_;
  int used_ = 8;  // bits used in the last byte of out_; 8 means a new byte is needed
};

// Appends the code words of every character of `text` and the LF code word, padded to the byte.
// Returns false, appending nothing, when a character is not a quotation character.
bool EncodeQuote(std::string_view text, std::vector<std::uint8_t>& out);
