// Neighbouring words of a cipher text and a key applied to it.
#include "solver/ciphertext.h"

std::vector<std::pair<std::string, std::string>> AdjacentWords(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::string previous;
  std::string token;
  bool blanksOnly = true;  // since the previous word
  auto flush = [&] {
    const std::size_t first = token.find_first_not_of('\'');
    if (first != std::string::npos) {
      const std::string word = token.substr(first, token.find_last_not_of('\'') - first + 1);
      if (!previous.empty() && blanksOnly) pairs.emplace_back(previous, word);
      previous = word;
      blanksOnly = true;
    }
    token.clear();
  };
  for (char c : text.substr(0, text.find('\t'))) {
    if (LetterOf(c) >= 0 || c == '\'') {
      token += static_cast<char>(LetterOf(c) >= 0 ? c | 0x20 : c);
      continue;
    }
    flush();
    if (c != ' ') blanksOnly = false;
  }
  flush();
  return pairs;
}

std::string ApplyKey(std::string_view text, const std::array<char, 26>& key) {
  std::string out(text);
  for (char& c : out) {
    const int letter = LetterOf(c);
    if (letter < 0 || LetterOf(key[letter]) < 0) continue;
    const char plain = static_cast<char>('a' + LetterOf(key[letter]));
    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(plain - 'a' + 'A') : plain;
  }
  return out;
}
