// Favourites and Go To Specific Puzzle.
#include "sources/favorites.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "classlib/safefile.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "sources/entered.h"
#include "sources/quotecode.h"

namespace {

constexpr unsigned kRefusal = MB_OK | MB_ICONEXCLAMATION;
constexpr int kNumberBufferSize = 128;

// The puzzle's text as it goes into the favourites file.
std::string FavoriteText(const Game& game) {
  const PuzzleText& text = game.text;
  if (game.state.puzzleKind == PuzzleKind::kCipherEntered) {
    const std::size_t length = strnlen(text.puzzleText, kQuoteBufferSize);
    return std::string(text.plainText, strnlen(text.plainText, length));
  }
  return std::string(text.quoteText, strnlen(text.quoteText, kQuoteBufferSize));
}

// Only characters of the quote code go in: a byte such as 0xE9 read from late in a plain file
// would make the whole favourites file fail the text rule for good. Sets `dropped` when some
// were left out.
std::string ReadableLine(const std::string& text, bool& dropped) {
  std::string line;
  for (char c : text) {
    if (IsQuoteCharacter(c)) line += c;
  }
  dropped = line.size() != text.size();
  return line;
}

bool HasLetter(const std::string& line) {
  for (char c : line) {
    if (Game::LetterIndex(c) >= 0) return true;
  }
  return false;
}

bool IsAllDigits(const char* text) {
  if (*text == '\0') return false;
  for (; *text; ++text) {
    if (*text < '0' || *text > '9') return false;
  }
  return true;
}

// The number, saturated far above any puzzle count.
long long NumberOf(const char* digits) {
  long long n = 0;
  for (; *digits; ++digits) n = n > 1000000000000LL ? n : n * 10 + (*digits - '0');
  return n;
}

}  // namespace

bool IsFavoritesFileName(const char* fileName) {
  std::string_view name(fileName);
  const std::size_t separator = name.find_last_of("/\\");
  if (separator != std::string_view::npos) name.remove_prefix(separator + 1);
  const std::string_view favorites(kFavoritesFileName);
  if (name.size() != favorites.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = (name[i] >= 'A' && name[i] <= 'Z') ? static_cast<char>(name[i] + 32) : name[i];
    if (c != favorites[i]) return false;
  }
  return true;
}

bool CheckFavoritesFile(TWindow* owner) {
  std::error_code ignored;
  if (std::filesystem::exists(kFavoritesFileName, ignored)) return true;
  DialogService().MessageBox(owner, "You haven't saved any favorites yet!", "Error", kRefusal);
  return false;
}

bool SaveFavorite(const Game& game, TWindow* owner) {
  const GameState& state = game.state;
  if (state.puzzleKind == PuzzleKind::kQuotePuzzle && IsFavoritesFileName(state.quoteFileName)) {
    DialogService().MessageBox(owner, "This puzzle is already in the favorites file!", "Error", kRefusal);
    return false;
  }
  bool dropped = false;
  const std::string line = ReadableLine(FavoriteText(game), dropped);
  const bool solved = game.IsGameOver() ||
                      (state.puzzleKind == PuzzleKind::kCipherEntered && game.AllLettersGuessed());
  // A puzzle without a letter was never solved, whatever the flags say.
  if (!solved || !HasLetter(line)) {
    DialogService().MessageBox(owner, "You cannot save a puzzle until you have solved it!", "Error",
                          kRefusal);
    return false;
  }
  // A failed append leaves the file as it was, so no part of a line becomes a quotation.
  if (!AppendLine(kFavoritesFileName, line)) {
    DialogService().MessageBox(owner,
                          WithReason("The puzzle could not be saved in the favorites file.", errno),
                          "Error", MB_OK | MB_ICONSTOP);
    return false;
  }
  std::string done = "The puzzle has been saved in the favorites file";
  if (dropped) done += kFavoriteCharactersDropped;
  DialogService().MessageBox(owner, done, "Save complete", MB_OK | MB_ICONINFORMATION);
  return true;
}

int ReadPuzzleNumber(const char* text, int count) {
  if (!IsAllDigits(text)) return kNotAPuzzleNumber;
  const long long n = NumberOf(text);
  return n >= 1 && n <= count ? static_cast<int>(n - 1) : kPuzzleNumberOutOfRange;
}

int AskPuzzleNumber(const Game& game, TWindow* owner, int fontHeight) {
  const int count = game.state.puzzleCount;
  if (count <= 0) {
    DialogService().MessageBox(owner,
                          "Sorry, you can only select specific puzzles\nfrom compressed quote files.",
                          "Error", kRefusal);
    return -1;
  }
  char buffer[kNumberBufferSize] = "";
  for (;;) {
    if (RunInputDialog(owner, "Select A Specific Puzzle", "Enter the puzzle number:", buffer,
                       sizeof buffer, fontHeight, "MiscInput") != IDOK) {
      return -1;
    }
    const int index = ReadPuzzleNumber(buffer, count);
    if (index >= 0) return index;
    if (index == kNotAPuzzleNumber) {
      if (DialogService().MessageBox(owner, "Illegal number, try again.", "Error",
                                MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
        return -1;
      }
      continue;
    }
    if (DialogService().MessageBox(owner, "You must enter a number from 1 to " + std::to_string(count),
                              "Error", MB_OKCANCEL) != IDOK) {
      return -1;
    }
    buffer[0] = '\0';
  }
}
