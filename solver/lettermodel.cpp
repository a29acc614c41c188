// The letter trigram model: counted from the dictionary's words, smoothed by adding a constant.
#include "solver/lettermodel.h"

#include <cmath>

namespace {

constexpr int kBoundary = 26;
constexpr double kSmoothing = 0.2;  // added to every count: an unseen trigram stays possible

int Symbol(char c) { return c >= 'a' && c <= 'z' ? c - 'a' : -1; }

// Calls visit(a, b, c) for every trigram of the word padded with two boundaries in front and
// one behind.
template <typename Visit>
void ForEachTrigram(std::string_view word, Visit visit) {
  int a = kBoundary;
  int b = kBoundary;
  for (char ch : word) {
    const int c = Symbol(ch);
    if (c < 0) continue;
    visit(a, b, c);
    a = b;
    b = c;
  }
  visit(a, b, kBoundary);
}

}  // namespace

void LetterModel::Add(std::string_view word) {
  ForEachTrigram(word, [this](int a, int b, int c) { counts_[(a * kSymbols + b) * kSymbols + c] += 1; });
}

void LetterModel::Finish() {
  logProb_.assign(counts_.size(), 0.0);
  for (int ab = 0; ab < kSymbols * kSymbols; ++ab) {
    double total = 0;
    for (int c = 0; c < kSymbols; ++c) total += counts_[ab * kSymbols + c] + kSmoothing;
    for (int c = 0; c < kSymbols; ++c) {
      logProb_[ab * kSymbols + c] = std::log((counts_[ab * kSymbols + c] + kSmoothing) / total);
    }
  }
}

double LetterModel::LogProb(std::string_view word) const {
  double sum = 0;
  ForEachTrigram(word, [&](int a, int b, int c) { sum += logProb_[(a * kSymbols + b) * kSymbols + c]; });
  return sum;
}
