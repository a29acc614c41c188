// The word-list dictionary "wordlist.wl": its in-memory table, the loader and the load-once state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr int kMaxWordLength = 25;              // longest word; also the highest slot index
constexpr int kWordSlotCount = kMaxWordLength + 1;
constexpr std::int32_t kWordListFileFlag = -1;         // first integer of the header
constexpr std::int32_t kWordListSectionFlag = 9999999; // second integer of every section
constexpr std::size_t kWordListHeaderBytes = 12;
// A file past this size is refused before it is read: the full English list is about 2 MB,
// and the cap keeps a hostile file from costing the game hundreds of megabytes.
constexpr std::size_t kMaxWordListBytes = 16u * 1024u * 1024u;

// One dictionary entry. text is NUL-terminated, at most 25 characters.
struct Word {
  std::uint16_t frequency = 0;  // 0: offered only for Bible files and non-quote-file puzzles
  char text[kWordSlotCount] = {};
};

// The words of one length, in file order (the game never sorts them). A view into the
// dictionary's storage, valid while the dictionary is neither reloaded nor cleared.
class WordSlot {
 public:
  WordSlot(const unsigned char* records, std::size_t count, int length)
      : records_(records), count_(count), length_(length) {}

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  int length() const { return length_; }
  std::uint16_t Frequency(std::size_t i) const {
    const unsigned char* r = Record(i);
    return static_cast<std::uint16_t>(r[0] | r[1] << 8);
  }
  // The word's text, NUL-terminated after length() characters (it may hold an earlier NUL).
  const char* Text(std::size_t i) const { return reinterpret_cast<const char*>(Record(i) + 2); }
  Word operator[](std::size_t i) const;

 private:
  const unsigned char* Record(std::size_t i) const {
    return records_ + i * (static_cast<std::size_t>(length_) + 3);
  }

  const unsigned char* records_;
  std::size_t count_;
  int length_;
};

// 26 slots indexed by word length (slot 0 is never filled). A slot is empty (no section of that
// length) or holds the words of its section. The records stay packed as the file has them:
// one read fills the table, with no per-word copying or allocation.
class WordDictionary {
 public:
  // The words of one length; nothing when no section had that length or it is out of range.
  std::optional<WordSlot> Slot(int length) const;
  std::size_t WordCount() const;
  void Clear();

 private:
  struct SlotPlace {
    std::size_t offset = 0;  // of the first record in bytes_
    std::size_t count = 0;
  };
  friend struct WordListParser;

  std::vector<unsigned char> bytes_;  // the whole file; slots point into it
  std::array<std::optional<SlotPlace>, kWordSlotCount> slots_;
};

// Why a read of the dictionary file failed. text is the fault text of the file, or null when the
// file could not be opened or read, in which case systemError holds the errno value.
struct WordListFault {
  const char* text = nullptr;
  int systemError = 0;
};

// Takes a file image into dict (cleared first) without logging. On a fault, returns it; the slots
// filled before the fault stay in dict. Fault texts: "flag != -1", "Missing flag",
// "Missing or invalid count", "Invalid length" (a length outside 1..25), "Premature EOF".
std::optional<WordListFault> ParseWordList(std::vector<unsigned char> bytes, WordDictionary& dict);

// Reads the file at path and parses it as above; also "File too large" (over kMaxWordListBytes).
std::optional<WordListFault> ReadWordList(const std::string& path, WordDictionary& dict);

// The system's text for a fault's open/read failure, or the fault text itself.
std::string FaultText(const WordListFault& fault);

// ReadWordList, then on a fault one line in "errors.txt" through LogError(path, "", text), the
// system's error text for an open failure. Returns true when the whole file was read.
bool LoadWordList(const std::string& path, WordDictionary& dict);

// The file image of a dictionary: header (-1, formatVersion, total word count), then one section
// per non-empty length in increasing length, each with its words in the given order.
// wordsByLength[n] holds the words of length n; words of any other length are not written.
std::vector<unsigned char> EncodeWordList(const std::vector<std::vector<Word>>& wordsByLength,
                                          std::int32_t formatVersion);

// The load-once state of one run: the first request loads the file, every later request gets
// the same answer without reading it again, whether the first load succeeded or not.
class WordListStore {
 public:
  // Sets attempted and loads on the first call; returns the dictionary, or null when not loaded.
  const WordDictionary* EnsureLoaded(const std::string& path);
  bool Attempted() const { return attempted_; }
  bool Loaded() const { return loaded_; }
  // Releases the table at shutdown. attempted stays set, so nothing is loaded again in this run.
  void Free();

 private:
  bool attempted_ = false;
  bool loaded_ = false;
  WordDictionary dictionary_;
};

// The process-wide store that the Possible Words dialog uses.
WordListStore& TheWordListStore();
const WordDictionary* EnsureDictionaryLoaded(const std::string& path);
bool DictionaryAttempted();
bool DictionaryLoaded();
void FreeWordList();
