// Matching dictionary words against a partly solved enciphered word.
#include "wordlist/wordpattern.h"

#include <algorithm>

namespace {

bool IsLower(unsigned char c) { return c >= 'a' && c <= 'z'; }

unsigned char ToLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

WordPattern BuildWordPattern(std::string_view clickedWord, const GuessLookup& guessFor) {
  WordPattern p;
  const std::size_t limit = std::min<std::size_t>(clickedWord.size(), kMaxWordLength);
  while (p.length < static_cast<int>(limit) && clickedWord[p.length] != '\0') {
    const int i = p.length++;
    const unsigned char c = ToLower(static_cast<unsigned char>(clickedWord[i]));
    p.cipherWord[i] = static_cast<char>(c);
    if (!IsLower(c)) {
      p.known[i] = true;
      p.pattern[i] = c;
      continue;
    }
    const unsigned char guess = ToLower(static_cast<unsigned char>(guessFor(c - 'a')));
    if (IsLower(guess)) {
      p.known[i] = true;
      p.pattern[i] = guess;
      continue;
    }
    int first = 0;
    while (static_cast<unsigned char>(p.cipherWord[first]) != c) ++first;
    p.pattern[i] = first;
  }
  return p;
}

bool MatchesPattern(const WordPattern& p, const char* text, const LetterUsedTest& isLetterUsed) {
  bool seen[26] = {};
  for (int i = 0; i < p.length; ++i) {
    // A NUL never matches, so a text shorter than the pattern is never read past its end.
    const unsigned char w = static_cast<unsigned char>(text[i]);
    if (p.known[i]) {
      if (w != p.pattern[i]) return false;
      continue;
    }
    if (!IsLower(w) || isLetterUsed(w - 'a')) return false;
    if (p.pattern[i] == i) {
      if (seen[w - 'a']) return false;
      seen[w - 'a'] = true;
    } else if (w != static_cast<unsigned char>(text[p.pattern[i]])) {
      return false;
    }
  }
  return true;
}

bool HidesRareWords(int puzzleKind, std::string_view quoteFilePath) {
  return puzzleKind == 0 && quoteFilePath.find("Bible.cqt") == std::string_view::npos;
}

std::vector<std::string> ListCandidates(const WordDictionary& dict, const WordPattern& pattern,
                                        int puzzleKind, std::string_view quoteFilePath,
                                        const LetterUsedTest& isLetterUsed) {
  std::vector<std::string> candidates;
  const std::optional<WordSlot> slot = dict.Slot(pattern.length);
  if (!slot) return candidates;
  const bool hideRare = HidesRareWords(puzzleKind, quoteFilePath);
  for (std::size_t i = 0; i < slot->size(); ++i) {
    if (hideRare && slot->Frequency(i) == 0) continue;
    const char* text = slot->Text(i);
    if (MatchesPattern(pattern, text, isLetterUsed)) candidates.emplace_back(text);
  }
  return candidates;
}

void SortAlphabetically(std::vector<std::string>& words) { std::sort(words.begin(), words.end()); }

std::array<char, 26> PreviewLetters(const WordPattern& pattern, std::string_view candidate) {
  std::array<char, 26> preview;
  preview.fill(' ');
  const std::size_t count = std::min<std::size_t>(
      {static_cast<std::size_t>(pattern.length), candidate.size(), kWordSlotCount});
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char c = static_cast<unsigned char>(pattern.cipherWord[i]);
    const unsigned char w = ToLower(static_cast<unsigned char>(candidate[i]));
    if (IsLower(c) && IsLower(w)) preview[c - 'a'] = static_cast<char>(w);
  }
  return preview;
}

void EnterCandidate(const WordPattern& pattern, std::string_view candidate,
                    const LetterUsedTest& isLetterUsed, const LetterEntry& enter) {
  const std::size_t count = std::min<std::size_t>(
      {static_cast<std::size_t>(pattern.length), candidate.size(), kWordSlotCount});
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char c = static_cast<unsigned char>(pattern.cipherWord[i]);
    const unsigned char w = ToLower(static_cast<unsigned char>(candidate[i]));
    // A non-letter candidate character would reach IsLetterUsed out of range: skip it too.
    if (!IsLower(c) || !IsLower(w) || isLetterUsed(w - 'a')) continue;
    enter(c - 'a', w - 'a');
  }
}
