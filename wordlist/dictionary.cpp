// Loads "wordlist.wl" into the 26 length slots, logging the first fault of the file.
#include "wordlist/dictionary.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "classlib/errorlog.h"
#include "classlib/services.h"

Word WordSlot::operator[](std::size_t i) const {
  Word word;
  word.frequency = Frequency(i);
  std::memcpy(word.text, Text(i), static_cast<std::size_t>(length_) + 1);
  return word;
}

std::optional<WordSlot> WordDictionary::Slot(int length) const {
  if (length < 0 || length >= kWordSlotCount || !slots_[length]) return std::nullopt;
  return WordSlot(bytes_.data() + slots_[length]->offset, slots_[length]->count, length);
}

std::size_t WordDictionary::WordCount() const {
  std::size_t total = 0;
  for (const auto& slot : slots_) total += slot ? slot->count : 0;
  return total;
}

void WordDictionary::Clear() {
  for (auto& slot : slots_) slot.reset();
  bytes_.clear();
  bytes_.shrink_to_fit();
}

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

enum class ReadOutcome { Ok, SystemError, TooLarge };

// Reads the whole file in one go, so that parsing never goes back to the stream. On a system
// error, systemError takes errno before the file is closed.
ReadOutcome ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes,
                          int& systemError) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    systemError = errno;
    return ReadOutcome::SystemError;
  }
  // A regular file's size refuses a huge one at once and sizes the buffer for a single read;
  // the reads still decide, since the file may change under us.
  std::size_t capacity = 1 << 16;
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxWordListBytes) return ReadOutcome::TooLarge;
    if (!error) capacity = static_cast<std::size_t>(size) + 1;  // + 1 to see the end at once
  }
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      bytes.resize(std::min(std::max(capacity, 2 * filled), kMaxWordListBytes + 1));
    }
    const std::size_t got = std::fread(bytes.data() + filled, 1, bytes.size() - filled,
                                       file.get());
    filled += got;
    if (filled > kMaxWordListBytes) return ReadOutcome::TooLarge;
    if (got == 0) break;
  }
  if (std::ferror(file.get())) {  // e.g. a folder
    systemError = errno;
    return ReadOutcome::SystemError;
  }
  bytes.resize(filled);
  return ReadOutcome::Ok;
}

WordListFault FileFault(const char* text) { return WordListFault{text, 0}; }

}  // namespace

// Walks the file image as a binary stream would be read: a read past the end fails, and so does
// every read after it. Records are not copied: a slot remembers where its records start.
struct WordListParser {
  WordDictionary& dict;
  std::size_t pos = 0;
  bool failed = false;

  std::size_t Remaining() const { return dict.bytes_.size() - pos; }

  bool ReadInt32(std::int32_t& value) {
    if (failed || Remaining() < 4) {
      failed = true;
      pos = dict.bytes_.size();
      return false;
    }
    const unsigned char* p = &dict.bytes_[pos];
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) |
                                      static_cast<std::uint32_t>(p[1]) << 8 |
                                      static_cast<std::uint32_t>(p[2]) << 16 |
                                      static_cast<std::uint32_t>(p[3]) << 24);
    pos += 4;
    return true;
  }

  static std::optional<WordListFault> Run(std::vector<unsigned char> bytes, WordDictionary& dict) {
    dict.Clear();
    dict.bytes_ = std::move(bytes);
    return WordListParser{dict}.Parse();
  }

  std::optional<WordListFault> Parse() {
    std::int32_t flag = 0;
    if (!ReadInt32(flag) || flag != kWordListFileFlag) return FileFault("flag != -1");
    std::int32_t unused = 0;
    ReadInt32(unused);
    ReadInt32(unused);
    // A length that cannot be read is the normal end of the file.
    std::int32_t length = 0;
    while (ReadInt32(length)) {
      if (auto fault = ReadSection(length)) return fault;
    }
    return std::nullopt;
  }

  // One section whose length has been read.
  std::optional<WordListFault> ReadSection(std::int32_t length) {
    std::int32_t flag = 0;
    if (!ReadInt32(flag) || flag != kWordListSectionFlag) return FileFault("Missing flag");
    std::int32_t count = 0;
    if (!ReadInt32(count) || count < 0) return FileFault("Missing or invalid count");
    // The length indexes the slots and sizes the text: anything else is a damaged file.
    if (length < 1 || length > kMaxWordLength) return FileFault("Invalid length");

    const std::size_t recordSize = static_cast<std::size_t>(length) + 3;
    const std::size_t whole = std::min(static_cast<std::size_t>(count), Remaining() / recordSize);
    // A later section of the same length replaces the earlier one.
    dict.slots_[length] = WordDictionary::SlotPlace{pos, whole};
    // The file's terminators are not trusted: every text ends where its record ends.
    for (std::size_t i = 1; i <= whole; ++i) dict.bytes_[pos + i * recordSize - 1] = 0;
    pos += whole * recordSize;
    if (whole < static_cast<std::size_t>(count)) {
      failed = true;
      return FileFault("Premature EOF");
    }
    return std::nullopt;
  }
};

std::optional<WordListFault> ParseWordList(std::vector<unsigned char> bytes, WordDictionary& dict) {
  return WordListParser::Run(std::move(bytes), dict);
}

std::optional<WordListFault> ReadWordList(const std::string& path, WordDictionary& dict) {
  dict.Clear();
  std::vector<unsigned char> bytes;
  int systemError = 0;
  switch (ReadWholeFile(path, bytes, systemError)) {
    case ReadOutcome::SystemError:
      return WordListFault{nullptr, systemError};
    case ReadOutcome::TooLarge:
      return FileFault("File too large");
    case ReadOutcome::Ok:
      break;
  }
  return ParseWordList(std::move(bytes), dict);
}

namespace {

void PutInt32(std::vector<unsigned char>& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(u >> shift));
}

}  // namespace

std::vector<unsigned char> EncodeWordList(const std::vector<std::vector<Word>>& wordsByLength,
                                          std::int32_t formatVersion) {
  std::size_t total = 0;
  const int lengths = std::min<int>(static_cast<int>(wordsByLength.size()) - 1, kMaxWordLength);
  for (int length = 1; length <= lengths; ++length) total += wordsByLength[length].size();
  std::vector<unsigned char> out;
  PutInt32(out, kWordListFileFlag);
  PutInt32(out, formatVersion);
  PutInt32(out, static_cast<std::int32_t>(std::min<std::size_t>(total, INT32_MAX)));
  for (int length = 1; length <= lengths; ++length) {
    const std::vector<Word>& section = wordsByLength[length];
    if (section.empty()) continue;
    PutInt32(out, length);
    PutInt32(out, kWordListSectionFlag);
    PutInt32(out, static_cast<std::int32_t>(std::min<std::size_t>(section.size(), INT32_MAX)));
    for (const Word& word : section) {
      out.push_back(static_cast<unsigned char>(word.frequency & 0xFF));
      out.push_back(static_cast<unsigned char>(word.frequency >> 8));
      out.insert(out.end(), word.text, word.text + length);
      out.push_back(0);
    }
  }
  return out;
}

std::string FaultText(const WordListFault& fault) {
  return fault.text ? fault.text : std::strerror(fault.systemError);
}

bool LoadWordList(const std::string& path, WordDictionary& dict) {
  auto fault = ReadWordList(path, dict);
  if (!fault) return true;
  if (!fault->text) errno = fault->systemError;  // LogError takes the system's text from errno
  LogError(path.c_str(), "", fault->text);
  return false;
}

const WordDictionary* WordListStore::EnsureLoaded(const std::string& path) {
  if (!attempted_) {
    attempted_ = true;
    loaded_ = LoadWordList(path, dictionary_);
    if (!loaded_) dictionary_.Clear();  // a partial table is never used
  }
  return loaded_ ? &dictionary_ : nullptr;
}

void WordListStore::Free() {
  dictionary_.Clear();
  loaded_ = false;
}

WordListStore& TheWordListStore() { return *RequiredServices("TheWordListStore").wordLists; }

const WordDictionary* EnsureDictionaryLoaded(const std::string& path) {
  return TheWordListStore().EnsureLoaded(path);
}

bool DictionaryAttempted() { return TheWordListStore().Attempted(); }

bool DictionaryLoaded() { return TheWordListStore().Loaded(); }

void FreeWordList() { TheWordListStore().Free(); }
