// Word-list requests: the clicked word, the refusals, the list order, and the charge for a list.
#include <cstring>

#include "engine/game.h"
#include "engine/penalties.h"

namespace {
constexpr std::size_t kLongestListedWord = 25;

bool IsSeparator(char ch) { return ch == ' ' || ch == '\t' || ch == '|'; }

bool IsLetterOrDigit(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}
}  // namespace

std::string WordAt(const char* text, int pos) {
  const int length = static_cast<int>(strnlen(text, kQuoteBufferSize));
  if (pos < 0 || pos >= length) return {};
  int start = pos;
  while (start > 0 && !IsSeparator(text[start])) --start;
  int end = pos;
  while (end < length && !IsSeparator(text[end])) ++end;
  // Both trims stay within the token, so a token without letters or digits gives nothing.
  while (start < end && !IsLetterOrDigit(text[start])) ++start;
  while (end > start && !IsLetterOrDigit(text[end - 1])) --end;
  return std::string(text + start, text + end);
}

void Game::RequestWordList(int textPosition) {
  if (IsGameOver()) {
    ReportGameOver();
    return;
  }
  if (hooks_.IsMilitaryStyle()) {
    hooks_.ShowMessage(
        "Sorry, word lists are not available when\nmilitary-cipher style is being used.", "Error",
        MessageIcon::kInformation);
    return;
  }
  std::string word = WordAt(text.puzzleText, textPosition);
  if (word.size() > kLongestListedWord) {
    hooks_.ShowMessage("Sorry, the dictionary doesn't have\nany entries of that length.", "Error",
                       MessageIcon::kInformation);
    return;
  }
  if (word.empty()) {
    hooks_.ShowMessage("Must point to a word to get a word list.", "Error", MessageIcon::kNone);
    return;
  }
  for (char& ch : word) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  const bool alphabetical = hooks_.AlphabeticalWordLists() || state.puzzleKind != PuzzleKind::kQuotePuzzle;
  hooks_.PlaySound(kSoundHint);
  hooks_.OpenWordList(word, alphabetical, "WordListDialog");
}

void Game::ChargeWordList(bool alphabetical) {
  ++panel.wordListCount;
  AddSeconds(hooks_.Penalty(alphabetical ? kWordListAlphaPenalty : kWordListFreqPenalty));
}
