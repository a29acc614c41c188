// The matching core of Possible Words: the pattern of a clicked word, candidates, preview, entry.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/dictionary.h"

// The player's guess for a ciphertext letter index 0..25: a letter of either case, or a blank
// (any non-letter) for none. The game passes its GuessFor.
using GuessLookup = std::function<char(int cipherIndex)>;
// Whether plaintext letter index 0..25 is used anywhere in the puzzle (the game's IsLetterUsed).
using LetterUsedTest = std::function<bool(int plainIndex)>;
// Selects ciphertext letter cipherIndex, then enters plaintext letter plainIndex, as a player does.
using LetterEntry = std::function<void(int cipherIndex, int plainIndex)>;

// What a candidate must look like, per position of the clicked word.
struct WordPattern {
  int length = 0;                        // 1..25, characters of the clicked word
  char cipherWord[kWordSlotCount] = {};  // the clicked word, lower-cased, NUL-terminated
  // known[i]: pattern[i] is the character the candidate must have at i (a non-letter of the
  // word, or the guess for its letter). Otherwise pattern[i] is the first position holding the
  // same ciphertext letter as i (i itself for a first occurrence).
  std::array<int, kWordSlotCount> pattern = {};
  std::array<bool, kWordSlotCount> known = {};
};

// Builds the pattern of a clicked word; characters past the 25th are ignored.
WordPattern BuildWordPattern(std::string_view clickedWord, const GuessLookup& guessFor);

// Whether a dictionary word fits the pattern: same non-letters and guessed letters in place,
// equal letters where the ciphertext repeats, different letters where it differs, and no
// letter the player has already used. Reads only the first pattern.length characters of text.
bool MatchesPattern(const WordPattern& pattern, const char* text,
                    const LetterUsedTest& isLetterUsed);

// Whether a zero-frequency word is held back: for quotations (kind 0) from any file whose path
// does not contain "Bible.cqt" (case-sensitive).
bool HidesRareWords(int puzzleKind, std::string_view quoteFilePath);

// The candidates for a pattern, in file order (the "by frequency" order).
std::vector<std::string> ListCandidates(const WordDictionary& dict, const WordPattern& pattern,
                                        int puzzleKind, std::string_view quoteFilePath,
                                        const LetterUsedTest& isLetterUsed);

// The alphabetical order of the list (byte order of the lower-case words).
void SortAlphabetically(std::vector<std::string>& words);

// The preview table for a selected candidate: indexed by ciphertext letter, the candidate's
// lower-case letter for every letter of the clicked word, a blank elsewhere. Only the first 26
// characters of the candidate are looked at.
std::array<char, 26> PreviewLetters(const WordPattern& pattern, std::string_view candidate);

// Enters a chosen candidate left to right: for each position whose clicked character is a letter
// and whose candidate character is a letter not used at that moment, calls enter(cipher, plain).
// isLetterUsed is asked afresh at every position, so it must see the entries made earlier in the
// loop (pass the game's live test): repeats of a letter entered earlier, and positions already
// guessed, are then skipped.
void EnterCandidate(const WordPattern& pattern, std::string_view candidate,
                    const LetterUsedTest& isLetterUsed, const LetterEntry& enter);
