// The cipher text's side of solving: letters, neighbouring words, a key applied to the text.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// 0..25 for a letter of either case, -1 for anything else.
inline int LetterOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return -1;
}

// Pairs of body words (before any TAB) with nothing but blanks between them, as lower-case
// cipher words without apostrophes at either end.
std::vector<std::pair<std::string, std::string>> AdjacentWords(std::string_view text);

// Deciphers text through key (as in Reading::key), keeping case and non-letters. A letter whose
// key entry is not a letter stays as it is.
std::string ApplyKey(std::string_view text, const std::array<char, 26>& key);
