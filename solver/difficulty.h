// How hard a quotation is as a puzzle, from the solver's effort and the quotation's features.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "solver/solver.h"
#include "sources/ratings.h"

// A random key from a seed in which no letter stands for itself: key[p] is the cipher letter
// (upper case) for plain letter 'A' + p, usable with ApplyKey to encipher.
std::array<char, 26> SeededKey(std::uint64_t seed);

// The part of a quotation before its first TAB.
std::string_view BodyOf(std::string_view quotation);

// Whether two texts hold the same letters in the same places (case ignored) and the same
// other characters.
bool SameLetters(std::string_view a, std::string_view b);

// What solving one quotation showed.
struct PuzzleTrial {
  SolveResult result;
  bool solved = false;  // the best reading's body is the quotation's body
};

// The trials of rate and check: puzzle i (from 0) is enciphered with SeededKey(kTrialSeed + i)
// and solved within kTrialSteps candidate trials.
inline constexpr std::uint64_t kTrialSeed = 20261206;
inline constexpr std::uint64_t kTrialSteps = 50000000;

// Enciphers the quotation with SeededKey(seed) and solves it with a step budget, so the trial
// gives the same answer on every machine.
PuzzleTrial TryPuzzle(const Solver& solver, std::string_view quotation, std::uint64_t seed,
                      std::uint64_t stepBudget);

// Scores from which the bands start; set so the shipped collection falls into rough thirds.
inline constexpr int kMediumFrom = 28;
inline constexpr int kHardFrom = 38;

// The difficulty of a quotation from its trial. Score 0..100; the bands split the shipped
// collection into thirds.
PuzzleRating RatePuzzle(std::string_view quotation, const PuzzleTrial& trial);
