// Compressed and plain quote files: the checked reader, the all-or-nothing writer, the line reader.
#include "sources/quotefile.h"

#include <cstdio>

namespace {

constexpr std::uint64_t kHeaderSize = 16;  // magic, 8 ignored bytes, N

std::uint32_t U32From(const unsigned char* b) {
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void PutU32At(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

const char* QuoteFileMessage(QuoteFileStatus status) {
  switch (status) {
    case QuoteFileStatus::Ok:
      return "";
    case QuoteFileStatus::CantOpen:
      return "Can't open file.\nPlease select a different file.";
    case QuoteFileStatus::Damaged:
      return "Quote file is damaged!  Please select a different one.";
    case QuoteFileStatus::Empty:
      return "Quote file is empty!\nPlease select a different file.";
    case QuoteFileStatus::NotText:
      return "Sorry, this does not seem to be a text file.\nPlease select a different file.";
    case QuoteFileStatus::EmptyLinesOnly:
      return "This file contains nothing but empty lines.\nPlease select a different file.";
  }
  return "";
}

// --- CompressedQuoteFile ---------------------------------------------------------------------

QuoteFileStatus CompressedQuoteFile::Open(const std::string& path) {
  file_.reset(std::fopen(path.c_str(), "rb"));
  size_ = 0;
  count_ = 0;
  status_ = QuoteFileStatus::CantOpen;
  if (!file_) return status_;
  unsigned char header[kHeaderSize];
  const std::size_t got = std::fread(header, 1, sizeof header, file_.get());
  if (std::ferror(file_.get())) return status_;  // e.g. a folder: opens, but cannot be read
  status_ = QuoteFileStatus::Damaged;
  if (got < 4 || U32From(header) != kQuoteFileMagic || got < kHeaderSize) return status_;
  if (std::fseek(file_.get(), 0, SEEK_END) != 0) return status_;
  const long end = std::ftell(file_.get());
  if (end < 0) return status_;
  size_ = static_cast<std::uint64_t>(end);
  const std::uint32_t count = U32From(header + 12);
  if (count == 0) return status_ = QuoteFileStatus::Empty;
  // The offset table and the description offset after it must lie inside the file.
  if (kHeaderSize + 4ull * count + 4 > size_) return status_;
  count_ = count;
  return status_ = QuoteFileStatus::Ok;
}

bool CompressedQuoteFile::ReadU32At(std::uint64_t offset, std::uint32_t& value) {
  unsigned char bytes[4];
  if (offset + 4 > size_ || std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0 ||
      std::fread(bytes, 1, 4, file_.get()) != 4) {
    return false;
  }
  value = U32From(bytes);
  return true;
}

std::string CompressedQuoteFile::Description() {
  std::uint32_t at = 0;
  std::uint32_t length = 0;
  const bool readable = status_ == QuoteFileStatus::Ok || status_ == QuoteFileStatus::Empty;
  if (!readable || !ReadU32At(kHeaderSize + 4ull * count_, at) || !ReadU32At(at, length)) {
    return "";
  }
  // L counts the terminating zero, so the text is at most L - 1 characters even without it.
  const std::size_t block = length < kMaxDescriptionSize ? length : kMaxDescriptionSize;
  const std::size_t limit = block == 0 ? 0 : block - 1;
  const std::uint64_t inFile = size_ - (at + 4ull);
  char text[kMaxDescriptionSize];
  const std::size_t got = std::fread(text, 1, limit < inFile ? limit : inFile, file_.get());
  std::size_t n = 0;
  while (n < got && text[n] != '\0') ++n;
  return std::string(text, n);
}

QuoteFileStatus CompressedQuoteFile::ReadQuote(std::uint32_t index,
                                               char (&quote)[kQuoteBufferSize]) {
  quote[0] = '\0';
  std::uint32_t offset = 0;
  if (status_ != QuoteFileStatus::Ok || index >= count_ ||
      !ReadU32At(kHeaderSize + 4ull * index, offset) || offset >= size_ ||
      std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) {
    return QuoteFileStatus::Damaged;
  }
  return DecodeQuote(file_.get(), quote, kQuoteBufferSize) ? QuoteFileStatus::Ok
                                                           : QuoteFileStatus::Damaged;
}

// --- Writer ----------------------------------------------------------------------------------

std::string QuotationProblem(const std::string& quotation) {
  if (quotation.empty()) return "the quotation is empty";
  if (quotation.size() > kMaxQuoteLength) {
    return "the quotation has " + std::to_string(quotation.size()) + " characters, more than " +
           std::to_string(kMaxQuoteLength);
  }
  for (std::size_t i = 0; i < quotation.size(); ++i) {
    if (IsQuoteCharacter(quotation[i])) continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(quotation[i]));
    return "character " + std::to_string(i + 1) + " (" + hex +
           ") cannot be written in a quote file";
  }
  return "";
}

namespace {

// The whole file in memory; small, since each quotation takes well under 1000 bytes.
bool BuildCompressedQuoteFile(const std::vector<std::string>& quotations,
                              const std::string& description, std::vector<std::uint8_t>& out,
                              std::string& error) {
  if (description.size() >= kMaxDescriptionSize || description.find('\0') != std::string::npos) {
    error = "the description must be at most " + std::to_string(kMaxDescriptionSize - 1) +
            " characters without zero bytes";
    return false;
  }
  const std::uint64_t count = quotations.size();
  AppendU32(out, kQuoteFileMagic);
  AppendU32(out, kQuoteFileVersion);
  AppendU32(out, 0);
  AppendU32(out, static_cast<std::uint32_t>(count));
  out.resize(kHeaderSize + 4 * count + 4);
  PutU32At(out, kHeaderSize + 4 * count, static_cast<std::uint32_t>(out.size()));
  AppendU32(out, static_cast<std::uint32_t>(description.size() + 1));
  out.insert(out.end(), description.begin(), description.end());
  out.push_back(0);
  for (std::size_t i = 0; i < quotations.size(); ++i) {
    const std::string problem = QuotationProblem(quotations[i]);
    if (!problem.empty()) {
      error = "quotation " + std::to_string(i + 1) + ": " + problem;
      return false;
    }
    if (out.size() > 0xFFFFFFFFu) {
      error = "the collection is too large for a quote file";
      return false;
    }
    PutU32At(out, kHeaderSize + 4 * i, static_cast<std::uint32_t>(out.size()));
    EncodeQuote(quotations[i], out);
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  return written && closed;
}

}  // namespace

bool WriteCompressedQuoteFile(const std::string& path, const std::vector<std::string>& quotations,
                              const std::string& description, std::string& error) {
  if (quotations.size() > 0x3FFFFFF0u) {
    error = "too many quotations for a quote file";
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (!BuildCompressedQuoteFile(quotations, description, bytes, error)) return false;
  const std::string temporary = path + ".tmp";
  if (!WriteWholeFile(temporary, bytes) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    error = "cannot write " + path;
    return false;
  }
  return true;
}

// --- Plain quote files -----------------------------------------------------------------------

bool PassesTextRule(const unsigned char* bytes, std::size_t count) {
  if (count > kTextSampleSize) count = kTextSampleSize;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char b = bytes[i];
    if (b <= 0x08 || (b >= 0x80 && (b < 0x91 || b > 0x94))) return false;
  }
  return true;
}

QuoteFileStatus CheckPlainQuoteFile(std::FILE* stream) {
  unsigned char sample[kTextSampleSize];
  std::rewind(stream);
  const std::size_t got = std::fread(sample, 1, sizeof sample, stream);
  if (std::ferror(stream)) return QuoteFileStatus::CantOpen;
  std::rewind(stream);
  if (got == 0) return QuoteFileStatus::Empty;
  return PassesTextRule(sample, got) ? QuoteFileStatus::Ok : QuoteFileStatus::NotText;
}

void ConvertCurlyQuotes(char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0x91 || c == 0x92) text[i] = '\'';
    if (c == 0x93 || c == 0x94) text[i] = '"';
  }
}

QuoteLine ReadQuoteLine(std::FILE* stream, char (&quote)[kQuoteBufferSize], std::size_t* length) {
  std::size_t total = 0;
  std::size_t stored = 0;
  bool sawLineEnd = false;
  for (int c; (c = std::getc(stream)) != EOF;) {
    if (c == '\n') {
      sawLineEnd = true;
      break;
    }
    if (c == '\r') {
      const int next = std::getc(stream);
      if (next == '\n' || next == EOF) {
        sawLineEnd = true;
        break;
      }
      std::ungetc(next, stream);
    }
    if (stored < kMaxQuoteLength) quote[stored++] = static_cast<char>(c);
    ++total;
  }
  quote[stored] = '\0';
  if (length) *length = total;
  if (total > 0) return QuoteLine::Text;
  return sawLineEnd ? QuoteLine::Empty : QuoteLine::EndOfFile;
}

bool SkipQuoteLine(std::FILE* stream) {
  for (int c; (c = std::getc(stream)) != EOF;) {
    if (c == '\n') return true;
  }
  return false;
}

QuoteFileStatus ReadPlainQuoteFile(const std::string& path, std::vector<PlainQuote>& quotes) {
  quotes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return QuoteFileStatus::CantOpen;
  QuoteFileStatus status = CheckPlainQuoteFile(f);
  char line[kQuoteBufferSize];
  std::size_t lineNumber = 0;
  std::size_t length = 0;
  for (QuoteLine kind; status == QuoteFileStatus::Ok &&
                       (kind = ReadQuoteLine(f, line, &length)) != QuoteLine::EndOfFile;) {
    ++lineNumber;
    if (kind == QuoteLine::Empty) continue;
    const std::size_t stored = length < kMaxQuoteLength ? length : kMaxQuoteLength;
    ConvertCurlyQuotes(line, stored);
    quotes.push_back(PlainQuote{std::string(line, stored), lineNumber, length});
  }
  if (status == QuoteFileStatus::Ok && std::ferror(f)) status = QuoteFileStatus::CantOpen;
  std::fclose(f);
  if (status == QuoteFileStatus::Ok && quotes.empty()) status = QuoteFileStatus::EmptyLinesOnly;
  return status;
}
