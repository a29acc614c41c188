// The solver's hill climbs over a key: filling the letters no dictionary word fixed, and
// polishing a complete key letter by letter. Both take the score to climb as a callable
// scoreKey(key, lettersOf): the score of the words holding any of the cipher letters in the
// mask lettersOf (a key maps cipher letter c to plain letter key[c], -1 when open).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace keyclimb {

constexpr int kPolishRounds = 4;

// Fills the letters of the text that no dictionary word fixed: first by letter frequency, then
// by moves and swaps while the score of the words holding them rises. A letter that could only
// stand for itself stays open.
template <typename ScoreKey>
void CompleteKey(std::array<std::int8_t, 26>& key, std::uint32_t textLetters,
                 const std::array<double, 26>& counts, const ScoreKey& scoreKey) {
  static constexpr char kEnglishOrder[] = "etaoinshrdlcumwfgypbvkjxqz";
  std::vector<int> open;
  std::uint32_t used = 0;
  for (int c = 0; c < 26; ++c) {
    if ((textLetters >> c & 1) && key[c] < 0) open.push_back(c);
    if (key[c] >= 0) used |= 1u << key[c];
  }
  if (open.empty()) return;
  std::stable_sort(open.begin(), open.end(), [&](int a, int b) { return counts[a] > counts[b]; });
  std::uint32_t openMask = 0;
  for (int c : open) {
    openMask |= 1u << c;
    for (const char* e = kEnglishOrder; *e; ++e) {
      const int p = *e - 'a';
      if (p == c || (used >> p & 1)) continue;
      key[c] = static_cast<std::int8_t>(p);
      used |= 1u << p;
      break;
    }
  }
  double current = scoreKey(key, openMask);
  for (int round = 0; round < 6; ++round) {
    bool improved = false;
    for (int c : open) {
      if (key[c] < 0) continue;
      for (int p = 0; p < 26; ++p) {
        if (p == c || p == key[c]) continue;
        int holder = -1;
        for (int d : open) holder = key[d] == p ? d : holder;
        if (holder < 0 && (used >> p & 1)) continue;  // a fixed letter has it
        if (holder >= 0 && key[c] == holder) continue;  // the swap would fix holder on itself
        std::array<std::int8_t, 26> trial = key;
        if (holder >= 0) trial[holder] = key[c];
        trial[c] = static_cast<std::int8_t>(p);
        const double score = scoreKey(trial, openMask);
        if (score <= current + 1e-9) continue;
        if (holder < 0) used = (used & ~(1u << key[c])) | 1u << p;
        key = trial;
        current = score;
        improved = true;
      }
    }
    if (!improved) break;
  }
}

// Hill climb over a complete key: gives a cipher letter of the text another plain letter (taking
// it from the letter holding it, which gets the old one) while the score rises. Never maps a
// letter to itself. True when the key changed.
template <typename ScoreKey>
bool PolishKey(std::array<std::int8_t, 26>& key, std::uint32_t textLetters,
               const ScoreKey& scoreKey) {
  std::array<int, 26> holder;
  holder.fill(-1);
  for (int c = 0; c < 26; ++c) {
    if ((textLetters >> c & 1) && key[c] >= 0) holder[key[c]] = c;
  }
  bool changed = false;
  for (int round = 0; round < kPolishRounds; ++round) {
    bool improved = false;
    for (int c = 0; c < 26; ++c) {
      if (!(textLetters >> c & 1) || key[c] < 0) continue;
      for (int p = 0; p < 26; ++p) {
        const int old = key[c];
        const int d = holder[p];
        if (p == c || p == old || d == old) continue;  // d == old: d would stand for itself
        const std::uint32_t touched = 1u << c | (d >= 0 ? 1u << d : 0u);
        std::array<std::int8_t, 26> trial = key;
        trial[c] = static_cast<std::int8_t>(p);
        if (d >= 0) trial[d] = static_cast<std::int8_t>(old);
        if (scoreKey(trial, touched) <= scoreKey(key, touched) + 1e-9) continue;
        key = trial;
        holder[p] = c;
        holder[old] = d;
        improved = changed = true;
      }
    }
    if (!improved) break;
  }
  return changed;
}

}  // namespace keyclimb
