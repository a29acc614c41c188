// The settings store: the cache of sections and entries, the typed accessors, and the file kinds.
#include "classlib/inifile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#include "classlib/fatalcheck.h"
#include "classlib/inifile_text.h"
#include "classlib/newstrdup.h"
#include "classlib/safefile.h"
#include "classlib/services.h"

namespace {

constexpr const char* kSource = "classlib\\IniFile";

// The default handed to a raw read: no value in a file holds these bytes, so getting them back
// means the key is absent.
constexpr char kAbsentSentinel[] = "\x20\x44\x45\xFF\x46\x41\xFE\x55\x4C\x54\x80";
constexpr int kAbsentSentinelLength = 11;
constexpr int kFirstReadBuffer = 256;
constexpr int kLargestReadBuffer = 1 << 26;  // past any value a settings file can hold

// Settings files are a few kilobytes; anything past this is not one the game can use.
constexpr std::size_t kMaxSettingsFileBytes = 16u * 1024 * 1024;

const char* OrEmpty(const char* s) { return s ? s : ""; }

bool SameNameIgnoringCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char ca = static_cast<unsigned char>(*a), cb = static_cast<unsigned char>(*b);
    if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca - 'A' + 'a');
    if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb - 'A' + 'a');
    if (ca != cb) return false;
    if (ca == '\0') return true;
  }
}

// Copies at most size - 1 characters of text and a terminating zero; returns the count copied.
int CopyTruncated(const char* text, std::size_t length, char* buffer, int size) {
  if (!buffer || size < 1) return 0;
  const std::size_t count = std::min(length, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text, count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

// The decimal number at the start of text, or def when text does not start with a digit or
// with '-' and a digit. Saturates rather than overflowing.
int ParseLeadingInt(const char* text, int def) {
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const bool negative = text[0] == '-' && isDigit(text[1]);
  const char* p = negative ? text + 1 : text;
  if (!isDigit(*p)) return def;
  constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
  std::int64_t magnitude = 0;
  for (; isDigit(*p); ++p) magnitude = std::min(kLimit, magnitude * 10 + (*p - '0'));
  if (negative) return static_cast<int>(-magnitude);
  return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

}  // namespace

struct IniFile::Entry {
  char* key = nullptr;
  char* value = nullptr;  // null for a key known to be absent
  std::size_t length = 0;
  unsigned char present = 0;  // the value is valid: read from the file or set by the program
  unsigned char dirty = 0;    // set by the program and not yet written
  Entry* next = nullptr;

  ~Entry() {
    delete[] key;
    delete[] value;
  }
};

struct IniFile::Section {
  IniFile* owner = nullptr;
  char* name = nullptr;
  Entry* entries = nullptr;  // newest first
  Section* next = nullptr;

  ~Section() {
    while (entries) {
      Entry* entry = entries;
      entries = entry->next;
      delete entry;
    }
    delete[] name;
  }
};

IniFile::~IniFile() { ReleaseCache(); }

void IniFile::ReleaseCache() {
  while (sections) {
    Section* section = sections;
    sections = section->next;
    delete section;
  }
}

IniFile::Section* IniFile::FindSection(const char* name) {
  name = OrEmpty(name);
  for (Section* section = sections; section; section = section->next) {
    if (SameNameIgnoringCase(section->name, name)) return section;
  }
  Section* current = new (std::nothrow) Section;
  FatalCheck(current != nullptr, "current != NULL", kSource);
  current->owner = this;
  current->name = newstrdup(name);
  current->next = sections;
  sections = current;
  return current;
}

IniFile::Entry* IniFile::AddEntry(Section& section, const char* key, const char* value,
                                  bool present, bool dirty) {
  Entry* current = new (std::nothrow) Entry;
  FatalCheck(current != nullptr, "!alloc || current != NULL", kSource);
  current->key = newstrdup(key);
  current->value = newstrdup(value);
  current->length = value ? std::strlen(value) : 0;
  current->present = present;
  current->dirty = dirty;
  current->next = section.entries;
  section.entries = current;
  return current;
}

IniFile::Entry* IniFile::FindEntry(Section& section, const char* key, bool load) {
  key = OrEmpty(key);
  for (Entry* entry = section.entries; entry; entry = entry->next) {
    if (SameNameIgnoringCase(entry->key, key)) return entry;
  }
  if (!load) return nullptr;
  std::string value;
  if (ReadWholeRawValue(section.name, key, value)) {
    return AddEntry(section, key, value.c_str(), true, false);
  }
  return AddEntry(section, key, nullptr, false, false);
}

// Reads with a growing buffer until the value fits; false when the key is absent.
bool IniFile::ReadWholeRawValue(const char* section, const char* key, std::string& value) {
  for (int size = kFirstReadBuffer;; size *= 2) {
    char* buffer = new (std::nothrow) char[size];
    FatalCheck(buffer != nullptr, "buffer != NULL", kSource);
    const int count = std::clamp(ReadRaw(section, key, kAbsentSentinel, buffer, size), 0, size - 1);
    const bool absent =
        count == kAbsentSentinelLength && std::memcmp(buffer, kAbsentSentinel, count) == 0;
    const bool whole = count < size - 1 || size >= kLargestReadBuffer;
    if (!absent && whole) value.assign(buffer, static_cast<std::size_t>(count));
    delete[] buffer;
    if (absent) return false;
    if (whole) return true;
  }
}

int IniFile::ReadInt(const char* section, const char* key, int def) {
  char text[20];
  ReadString(section, key, "", text, sizeof text);
  return ParseLeadingInt(text, def);
}

int IniFile::ReadString(const char* section, const char* key, const char* def, char* buffer,
                        int size) {
  if (!buffer || size < 1) return 0;
  const Entry* entry = FindEntry(*FindSection(section), key, true);
  if (entry->present && entry->value) {
    return CopyTruncated(entry->value, entry->length, buffer, size);
  }
  def = OrEmpty(def);
  return CopyTruncated(def, std::strlen(def), buffer, size);
}

std::string IniFile::ReadString(const char* section, const char* key, const char* def) {
  const Entry* entry = FindEntry(*FindSection(section), key, true);
  const std::size_t length =
      (entry->present && entry->value) ? entry->length : std::strlen(OrEmpty(def));
  const int size = static_cast<int>(std::min<std::size_t>(length + 1, INT_MAX));
  std::vector<char> buffer(static_cast<std::size_t>(size));
  const int count = ReadString(section, key, def, buffer.data(), size);
  return std::string(buffer.data(), static_cast<std::size_t>(count));
}

void IniFile::WriteInt(const char* section, const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  WriteString(section, key, text);
}

void IniFile::WriteString(const char* section, const char* key, const char* value) {
  value = OrEmpty(value);
  Section& owner = *FindSection(section);
  Entry* entry = FindEntry(owner, key, false);
  if (!entry) {
    AddEntry(owner, OrEmpty(key), value, true, true);
    return;
  }
  entry->present = 1;
  if (entry->value && std::strcmp(entry->value, value) == 0) return;
  char* copy = newstrdup(value);
  delete[] entry->value;
  entry->value = copy;
  entry->length = std::strlen(copy);
  entry->dirty = 1;
}

void IniFile::Flush(bool allEntries) {
  if (readOnly) return;
  std::vector<Entry*> flushed;
  std::vector<RawWrite> writes;
  for (Section* section = sections; section; section = section->next) {
    for (Entry* entry = section->entries; entry; entry = entry->next) {
      // An absent key has nothing to write.
      if (!entry->value || !(entry->dirty || allEntries)) continue;
      flushed.push_back(entry);
      writes.push_back({section->name, entry->key, entry->value});
    }
  }
  if (writes.empty()) return;
  // Oldest first, so that new keys reach the file in the order the program first set them.
  std::reverse(writes.begin(), writes.end());
  WriteRawBatch(writes);
  for (Entry* entry : flushed) {
    entry->present = 1;
    entry->dirty = 0;
  }
}

void IniFile::WriteRawBatch(const std::vector<RawWrite>& writes) {
  for (const RawWrite& write : writes) WriteRaw(write.section, write.key, write.value);
}

PrivateIniFile::PrivateIniFile(const char* name) : fileName(nullptr) {
  FatalCheck(name != nullptr, "name != NULL", kSource);
  fileName = newstrdup(name);
}

PrivateIniFile::~PrivateIniFile() {
  Flush(false);
  delete[] fileName;
}

int PrivateIniFile::ReadRaw(const char* section, const char* key, const char* def, char* buffer,
                            int size) {
  def = OrEmpty(def);
  if (section && key) {
    const LoadedFile file = LoadSmallFile(fileName, kMaxSettingsFileBytes);
    std::string value;
    if (file.state == FileState::Text && FindIniValue(file.text, section, key, value)) {
      return CopyTruncated(value.c_str(), value.size(), buffer, size);
    }
  }
  return CopyTruncated(def, std::strlen(def), buffer, size);
}

void PrivateIniFile::WriteRaw(const char* section, const char* key, const char* value) {
  WriteRawBatch({{section, key, value}});
}

void PrivateIniFile::WriteRawBatch(const std::vector<RawWrite>& writes) {
  std::vector<IniAssignment> changes;
  for (const RawWrite& write : writes) {
    if (write.section && write.key && write.value) {
      changes.push_back({write.section, write.key, write.value});
    }
  }
  if (changes.empty()) return;
  // A file that cannot be read as text may still be the player's: never write over it.
  const LoadedFile file = LoadSmallFile(fileName, kMaxSettingsFileBytes);
  if (file.state == FileState::Unusable) return;
  const std::string text = ApplyIniAssignments(file.text, changes);
  if (file.state == FileState::Text && text == file.text) return;
  if (!ReplaceFileContents(fileName, text) && onWriteFailure) onWriteFailure(errno);
}

void MemoryIniFile::WriteRaw(const char*, const char*, const char*) {}

int MemoryIniFile::ReadRaw(const char*, const char*, const char* def, char* buffer, int size) {
  def = OrEmpty(def);
  return CopyTruncated(def, std::strlen(def), buffer, size);
}

IniFile& Settings() {
  static MemoryIniFile noFile;
  Services* services = InstalledServices();
  return services && services->settings ? *services->settings : noFile;
}
