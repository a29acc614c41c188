// Reading and writing quote files, compressed and plain, without any user interface.
//
// Compressed layout (32-bit little-endian integers, absolute offsets):
//   0: magic 0xFFFFFFFF   4: 8 bytes the reader ignores   12: N, the number of quotations
//   16: N offsets of the encoded quotations   16 + 4N: D, the offset of the description
//   D: L, the description's length counting its terminating zero (at most 1000)   D + 4: the text
// Plain files hold one quotation per line (LF or CR LF); lines with no characters are skipped.
// Inside a quotation the first TAB starts the attribution and "|" forces a line break.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sources/quotecode.h"

// Every outcome of reading a quote file; each failure has one message for the player.
enum class QuoteFileStatus {
  Ok,
  CantOpen,        // the file cannot be opened or read
  Damaged,         // compressed: no magic, a count or offset beyond the file, a stream cut short
  Empty,           // compressed: N is 0; plain: the file has no bytes
  NotText,         // plain: the first 1000 bytes fail the text rule
  EmptyLinesOnly,  // plain: no line holds a character
};

// The player's message for a failure (fixed game text with "\n" line breaks); "" for Ok.
const char* QuoteFileMessage(QuoteFileStatus status);

inline constexpr std::uint32_t kQuoteFileMagic = 0xFFFFFFFFu;
inline constexpr std::uint32_t kQuoteFileVersion = 1;     // written at offset 4; never read
inline constexpr std::size_t kMaxDescriptionSize = 1000;  // L, counting the terminating zero

// One compressed quote file, open for reading. Open checks the header and that the offset table
// and the description offset lie inside the file, so a Damaged count is caught before anything
// sized by it is allocated. Afterwards each ReadQuote touches one offset entry and one quotation.
class CompressedQuoteFile {
 public:
  CompressedQuoteFile() = default;
  explicit CompressedQuoteFile(const std::string& path) { Open(path); }

  // Checks in this order: open (CantOpen), magic (Damaged), N = 0 (Empty), table fits (Damaged).
  QuoteFileStatus Open(const std::string& path);
  QuoteFileStatus Status() const { return status_; }
  // N; 0 unless Status() is Ok.
  std::uint32_t Count() const { return count_; }

  // The description, at most 999 characters, cut at its zero byte, at L - 1 and at the end of the
  // file; "" when the file is neither Ok nor Empty, or D or L lies outside it.
  std::string Description();

  // Decodes quotation `index` (below Count()) into `quote`, at most 999 characters, always
  // zero-terminated. Damaged when the index or its offset lies outside the file or the stream
  // ends before the quotation's end; `quote` then holds what was decoded ("" for a bad offset).
  QuoteFileStatus ReadQuote(std::uint32_t index, char (&quote)[kQuoteBufferSize]);

 private:
  bool ReadU32At(std::uint64_t offset, std::uint32_t& value);

  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::uint64_t size_ = 0;
  std::uint32_t count_ = 0;
  QuoteFileStatus status_ = QuoteFileStatus::CantOpen;
};

// Writes a compressed quote file: magic, version and 0, N, the offsets, D, the description block,
// then each quotation in the quote code, ending in the LF code word and padded to the byte.
// The file is written beside `path` under a temporary name and renamed over it, so a failure
// leaves no partial output. Refuses (false, `error` says which quotation, 1-based) an empty
// quotation, one over 999 characters or one holding a character outside the code; and a
// description over 999 characters.
bool WriteCompressedQuoteFile(const std::string& path, const std::vector<std::string>& quotations,
                              const std::string& description, std::string& error);

// Why a quotation cannot be written ("" when it can): empty, too long, or a character outside
// the code (named with its position, 1-based).
std::string QuotationProblem(const std::string& quotation);

// --- Plain quote files -----------------------------------------------------------------------

inline constexpr std::size_t kTextSampleSize = 1000;

// The text rule: false when any of the first 1000 bytes lies in 0x00-0x08 or 0x80-0xFF, except
// the curly quotes 0x91-0x94.
bool PassesTextRule(const unsigned char* bytes, std::size_t count);

// Checks an open plain file from its start: Empty when it has no bytes, NotText when its first
// 1000 bytes fail the text rule, else Ok. Leaves the stream at the start of the file.
QuoteFileStatus CheckPlainQuoteFile(std::FILE* stream);

// Replaces 0x91 and 0x92 by "'" and 0x93 and 0x94 by '"' in the first length bytes of text.
void ConvertCurlyQuotes(char* text, std::size_t length);
// The same throughout the zero-terminated text.
inline void ConvertCurlyQuotes(char* text) { ConvertCurlyQuotes(text, std::strlen(text)); }

// What ReadQuoteLine found.
enum class QuoteLine {
  Text,       // a line with at least one character
  Empty,      // a line end alone
  EndOfFile,  // the stream was at its end: nothing read
};

// Reads the rest of the current line: characters up to LF (a CR just before LF or the end of the
// file belongs to the line end). Stores at most 999 characters and drops the rest of the line;
// `quote` is always zero-terminated. `length`, when given, receives the line's full length.
// The last line may lack its LF. No curly-quote conversion.
QuoteLine ReadQuoteLine(std::FILE* stream, char (&quote)[kQuoteBufferSize],
                        std::size_t* length = nullptr);

// Reads and drops characters up to and including the next LF; false when the file ended first.
bool SkipQuoteLine(std::FILE* stream);

// One quotation of a plain file, as the game reads it (cut to 999, curly quotes converted).
struct PlainQuote {
  std::string text;            // a zero byte stays in it, so a writer can refuse the line
  std::size_t lineNumber = 0;  // 1-based, counting empty lines
  std::size_t length = 0;      // the line's full length before any cut
};

// Reads every quotation of a plain file: CantOpen, Empty, NotText, EmptyLinesOnly or Ok.
QuoteFileStatus ReadPlainQuoteFile(const std::string& path, std::vector<PlainQuote>& quotes);
