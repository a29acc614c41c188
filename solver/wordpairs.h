// How strongly neighbouring words attract each other in English, from a table of word and pair
// log probabilities.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class WordPairs {
 public:
  // Reads a table of TAB-parted fields: the line "quillo-pairs 2", then "word LOGSHARE BACKOFF"
  // lines and "first second ASSOCIATION second ASSOCIATION ..." lines. Numbers are integers in
  // hundredths of a nat: LOGSHARE the word's log share of running text (below 0), BACKOFF the
  // association of the word with any follower its line does not list, ASSOCIATION the log of how
  // much likelier the second word is after the first than anywhere. A line that does not parse
  // is skipped whole; a word's first line counts. Returns false, and holds nothing, when the
  // first line is not such a version line.
  bool Parse(std::string_view table);
  bool Empty() const { return words_.empty(); }
  // How much more (or less) often the two words stand side by side than chance would have them,
  // natural log, within [-kMaxRepulsion, kMaxAttraction]: the pair's own figure, else the first
  // word's backoff; 0 when either word is not listed.
  double Association(std::string_view first, std::string_view second) const;

  // The word's share of running text; 0 when it is not listed.
  double Share(std::string_view word) const;

  static constexpr double kMaxAttraction = 6.0;
  static constexpr double kMaxRepulsion = 4.0;

 private:
  struct Word {
    double logShare;
    double backoff;
  };
  // Adds a "first second ASSOCIATION ..." line's pairs, or none when any of them is damaged.
  void AddFollowers(const std::vector<std::string_view>& fields);

  std::unordered_map<std::string, Word> words_;
  std::unordered_map<std::string, double> pairs_;  // "first second"
};

// The table built into the solver (data/wordpairs.txt).
std::string_view ShippedWordPairs();
