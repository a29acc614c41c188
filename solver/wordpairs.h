// How strongly neighbouring words attract each other in English prose, from a table of counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class WordPairs {
 public:
  // Reads a table of TAB-parted fields: the line "quillo-pairs 1 TOTAL" (TOTAL: the words
  // counted), then "word COUNT" lines and "first second COUNT second COUNT ..." lines (how often
  // each second word follows the first). Counts are positive. A line that does not parse is skipped whole. Returns false,
  // and holds nothing, when the first line is not such a version line.
  bool Parse(std::string_view table);
  bool Empty() const { return words_.empty(); }
  // The natural log of how much more often the two words stand side by side than chance would
  // have them, kept within [-kMaxRepulsion, kMaxAttraction]; 0 when either word is not listed.
  double Association(std::string_view first, std::string_view second) const;

  // The word's share of the words counted; 0 when it is not listed.
  double Share(std::string_view word) const;

  static constexpr double kMaxAttraction = 6.0;
  static constexpr double kMaxRepulsion = 4.0;

 private:
  // Adds a "first second COUNT ..." line's pairs, or none when any of them is damaged.
  void AddFollowers(const std::vector<std::string_view>& fields);

  double total_ = 0;
  std::unordered_map<std::string, std::uint32_t> words_;
  std::unordered_map<std::string, std::uint32_t> pairs_;  // "first second"
};

// The table built into the solver (data/wordpairs.txt).
std::string_view ShippedWordPairs();
