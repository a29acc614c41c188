// Difficulty: a trial solve under a fixed key and step budget, and a score from what it showed.
#include "solver/difficulty.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint64_t SplitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Features of the body that make a puzzle easier or harder for a person.
struct BodyFeatures {
  int letters = 0;
  int distinct = 0;
  int shortWords = 0;   // words of one or two letters: strong cues
  int apostrophes = 0;  // "don't", "it's": cues too
};

BodyFeatures FeaturesOf(std::string_view body) {
  BodyFeatures f;
  std::uint32_t seen = 0;
  int run = 0;
  for (std::size_t i = 0; i <= body.size(); ++i) {
    const char c = i < body.size() ? body[i] : ' ';
    if (IsLetter(c)) {
      ++f.letters;
      ++run;
      seen |= 1u << ((c | 0x20) - 'a');
      continue;
    }
    if (c == '\'' && run > 0 && i + 1 < body.size() && IsLetter(body[i + 1])) {
      ++f.apostrophes;
      continue;
    }
    if (run > 0 && run <= 2) ++f.shortWords;
    run = 0;
  }
  f.distinct = std::popcount(seen);
  return f;
}

}  // namespace

std::array<char, 26> SeededKey(std::uint64_t seed) {
  // Sattolo's shuffle: j is always below i, so the key is one cycle through all 26 letters and
  // no letter stands for itself (the game's own rule).
  std::array<char, 26> key;
  for (int i = 0; i < 26; ++i) key[i] = static_cast<char>('A' + i);
  std::uint64_t state = seed;
  for (int i = 25; i > 0; --i) {
    const int j = static_cast<int>(SplitMix(state) % static_cast<std::uint64_t>(i));
    std::swap(key[i], key[j]);
  }
  return key;
}

std::string_view BodyOf(std::string_view quotation) {
  return quotation.substr(0, quotation.find('\t'));
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = IsLetter(a[i]) ? static_cast<char>(a[i] | 0x20) : a[i];
    const char y = IsLetter(b[i]) ? static_cast<char>(b[i] | 0x20) : b[i];
    if (x != y) return false;
  }
  return true;
}

PuzzleTrial TryPuzzle(const Solver& solver, std::string_view quotation, std::uint64_t seed,
                      std::uint64_t stepBudget) {
  PuzzleTrial trial;
  SolveOptions options;
  options.budgetMs = 0;
  options.stepBudget = stepBudget;
  trial.result = solver.Solve(ApplyKey(quotation, SeededKey(seed)), options);
  trial.solved = !trial.result.readings.empty() &&
                 SameLetters(BodyOf(trial.result.readings.front().plaintext), BodyOf(quotation));
  return trial;
}

PuzzleRating RatePuzzle(std::string_view quotation, const PuzzleTrial& trial) {
  const BodyFeatures f = FeaturesOf(BodyOf(quotation));
  const SolveResult& r = trial.result;
  const double words = std::max(1, r.words);
  // Short quotations give few repeats to work from; many distinct letters give more to find;
  // cue words and contractions give footholds; unknown and rare words and a hard search (many
  // steps, a doubtful best reading) make it harder. A quotation the solver misreads is hard.
  double raw = -35.0 + 30.0 * std::sqrt(40.0 / std::max(f.letters, 10)) + 1.2 * f.distinct -
               2.0 * std::min(f.shortWords, 6) - 2.0 * std::min(f.apostrophes, 3) +
               40.0 * r.unknownWords / words + 25.0 * r.rareWords / words +
               4.0 * std::log10(static_cast<double>(r.steps) + 1.0) + 15.0 * (1.0 - r.confidence);
  if (!trial.solved) raw += 25;
  PuzzleRating rating;
  rating.score = std::clamp(static_cast<int>(std::lround(raw)), 0, kMaxRatingScore);
  rating.band = rating.score < kMediumFrom ? Band::Easy
                : rating.score < kHardFrom ? Band::Medium
                                           : Band::Hard;
  return rating;
}
