// The cryptogram solver: recovers a simple-substitution key from an enciphered quotation.
//
// Method. The text is cut into words (runs of letters and inner apostrophes; the attribution
// after the TAB counts too). Each distinct cipher word has a letter pattern ("that" -> abca), and
// the dictionary is indexed by pattern, each bucket in falling frequency. A beam search takes the
// words one at a time, the most constraining first (few candidates, letters already fixed), and
// extends every partial key of the beam by each candidate that agrees with it, never maps a
// letter to itself and never gives two cipher letters one plain letter; a word may also be left
// "unknown" at a penalty (names, words the dictionary lacks), a smaller one for the words of the
// attribution and for words the body capitalises inside a sentence. A reading scores the sum of its
// words' log probabilities: dictionary words from their frequency, unknown words from a letter
// trigram model trained on the dictionary's words at load time. Letters that only unknown words
// hold are then filled in by a small hill climb on that trigram model, and the readings are
// scored again in full: known words now mostly by their share of ordinary English, names the
// word-pair table knows ("Africa") by theirs rather than by their letters, and each pair
// of neighbouring words by how much more (or less) often it stands together than chance would
// have it ("a thing" over "a think"), from the word-pair table built in (data/wordpairs.txt).
// Candidates are tried in falling frequency, so a parent stops as soon as
// its next candidate cannot beat the weakest member of the next beam. When the best reading
// leaves many letters outside dictionary words, the search runs once more with a wider beam.
//
// Everything is in a fixed order, so the answer depends only on the input and the options; only
// the wall-clock budget can cut a search short, and the result then says so. A step budget gives
// a cut-off that is the same on every machine.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "solver/ciphertext.h"  // ApplyKey, for the solver's users
#include "solver/lettermodel.h"
#include "solver/wordpairs.h"
#include "wordlist/dictionary.h"

struct SolveOptions {
  double budgetMs = 300;       // wall-clock budget per quotation; 0 or less: none
  std::uint64_t stepBudget = 0;  // budget in search steps (candidate trials); 0: none
  int beamWidth = 512;         // partial keys kept per word
  int top = 1;                 // readings returned, best first
  // Polled with the budgets: once it reads true the search ends as if out of budget (another
  // thread may set it; it must outlive the Solve call).
  const std::atomic<bool>* cancel = nullptr;
};

// One reading of the quotation.
struct Reading {
  std::string plaintext;  // the quotation deciphered, case and punctuation kept
  // key[c]: the plain letter (upper case) for cipher letter 'A' + c; '-' when c is not in the text
  std::array<char, 26> key{};
  double score = 0;  // log probability (natural log), higher is better
};

struct SolveResult {
  std::vector<Reading> readings;  // best first, at most SolveOptions::top; empty without letters
  double confidence = 0;  // the best reading's share of the probability of all readings found
  // Distinct plausible readings found: within kPlausibleMargin of the best and with at least
  // three quarters of their letters in dictionary words. 0 means none found.
  int solutions = 0;
  bool outOfBudget = false;  // a budget ran out; the readings are the best found so far
  std::uint64_t steps = 0;   // candidate trials: the search effort
  // Of the best reading's words (each distinct cipher word counted once):
  int words = 0;
  int unknownWords = 0;  // not in the dictionary
  int rareWords = 0;     // in the dictionary with frequency 0
};

// A second reading counts as a rival solution when it is at most this much less likely
// (natural log; e^3 is about 20 times).
inline constexpr double kPlausibleMargin = 3.0;

class Solver {
 public:
  // Indexes the dictionary's words by pattern and trains the letter model on them, and reads the
  // word-pair table (see WordPairs; an empty or unreadable one scores by the dictionary alone).
  // The solver keeps its own copies; dict and pairTable may go away afterwards.
  explicit Solver(const WordDictionary& dict, std::string_view pairTable = ShippedWordPairs());
  ~Solver();
  Solver(const Solver&) = delete;
  Solver& operator=(const Solver&) = delete;

  // Solves one enciphered quotation (at most 999 characters are looked at).
  SolveResult Solve(std::string_view cipher, const SolveOptions& options = {}) const;

 private:
  struct Index;
  std::unique_ptr<Index> index_;
  LetterModel letters_;
  WordPairs pairs_;
};

