// Fuzz target: the word-list dictionary from any file, walked slot by slot and written back.
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "wordlist/dictionary.h"

namespace {

// Every slot's words, by length, as the dialog would see them.
std::vector<std::vector<Word>> WordsOf(const WordDictionary& dict) {
  std::vector<std::vector<Word>> words(kWordSlotCount);
  std::size_t total = 0;
  for (int length = 0; length < kWordSlotCount; ++length) {
    const std::optional<WordSlot> slot = dict.Slot(length);
    if (!slot) continue;
    FuzzCheck(length >= 1 && slot->length() == length, "slot of a wrong length");
    for (std::size_t i = 0; i < slot->size(); ++i) {
      FuzzCheck(std::strlen(slot->Text(i)) <= static_cast<std::size_t>(length), "word too long");
      words[length].push_back((*slot)[i]);
    }
    total += slot->size();
  }
  FuzzCheck(total == dict.WordCount(), "word count");
  return words;
}

bool SameWords(const std::vector<std::vector<Word>>& a, const std::vector<std::vector<Word>>& b) {
  for (int length = 1; length < kWordSlotCount; ++length) {
    if (a[length].size() != b[length].size()) return false;
    for (std::size_t i = 0; i < a[length].size(); ++i) {
      const Word& x = a[length][i];
      const Word& y = b[length][i];
      if (x.frequency != y.frequency || std::memcmp(x.text, y.text, length + 1) != 0) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  WriteInput("wordlist.wl", data, size);
  WordDictionary dict;
  const std::optional<WordListFault> fault = ReadWordList("wordlist.wl", dict);
  FuzzCheck(!fault || fault->text != nullptr, "a readable file reported a system error");
  const std::vector<std::vector<Word>> words = WordsOf(dict);
  if (!fault) {
    // What was read writes back to a file that reads as the same words.
    WordDictionary again;
    FuzzCheck(!ParseWordList(EncodeWordList(words, 1), again), "written dictionary refused");
    FuzzCheck(SameWords(words, WordsOf(again)), "round trip changed the words");
  }
  RemoveInput("wordlist.wl");
  return 0;
}
