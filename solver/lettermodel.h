// A letter trigram model of English words, for scoring words the dictionary does not hold.
#pragma once

#include <string_view>
#include <vector>

class LetterModel {
 public:
  // Counts the trigrams of one word (lower-case letters; other characters are skipped), with
  // word boundaries at both ends. Call Finish once all words are in.
  void Add(std::string_view word);
  // Turns the counts into smoothed log probabilities.
  void Finish();
  // Natural log of the word's probability under the model, end of word included. Characters
  // other than a-z are skipped. Valid after Finish.
  double LogProb(std::string_view word) const;

 private:
  static constexpr int kSymbols = 27;  // a-z and the word boundary
  std::vector<double> counts_ = std::vector<double>(kSymbols * kSymbols * kSymbols, 0.0);
  std::vector<double> logProb_;
};
