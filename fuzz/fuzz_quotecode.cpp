// Fuzz target: the quote code decoder on any byte stream and buffer size, and its round trip.
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sources/quotecode.h"

namespace {

// Decodes from a stream over the bytes; `consumed` receives how far the decoder read.
bool Decode(const std::uint8_t* data, std::size_t size, char* buffer, std::size_t capacity,
            long& consumed) {
  std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (!stream) FuzzFail("fmemopen");
  const bool ended = DecodeQuote(stream, buffer, capacity);
  consumed = std::ftell(stream);
  std::fclose(stream);
  return ended;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the buffer size; 255 stands for the game's full buffer.
  std::size_t capacity = TakeByte(data, size);
  if (capacity == 255) capacity = kQuoteBufferSize;
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  // Exactly `capacity` bytes, so the address sanitizer sees any write past them.
  std::vector<char> buffer(capacity);
  long consumed = 0;
  const bool ended = Decode(data, size, buffer.data(), capacity, consumed);
  if (capacity == 0) return 0;

  const std::size_t limit = std::min(capacity - 1, std::size_t{kMaxQuoteLength});
  const std::size_t length = strnlen(buffer.data(), capacity);
  FuzzCheck(length <= limit, "decoded text longer than the buffer allows");
  for (std::size_t i = 0; i < length; ++i) {
    FuzzCheck(IsQuoteCharacter(buffer[i]), "decoded a character outside the code");
  }
  FuzzCheck(consumed >= 0 && static_cast<std::size_t>(consumed) <= size, "read past the stream");
  if (!ended || length == limit) return 0;

  // A whole quotation encodes back to the same number of bytes the decoder read, and decodes
  // again to itself.
  std::vector<std::uint8_t> encoded;
  FuzzCheck(EncodeQuote(std::string_view(buffer.data(), length), encoded), "encode refused");
  FuzzCheck(encoded.size() == static_cast<std::size_t>(consumed), "decoder read past the LF byte");
  std::vector<char> again(kQuoteBufferSize);
  long againConsumed = 0;
  FuzzCheck(Decode(encoded.data(), encoded.size(), again.data(), again.size(), againConsumed),
            "re-encoded quotation has no end");
  FuzzCheck(std::strcmp(again.data(), buffer.data()) == 0, "round trip changed the quotation");
  return 0;
}
