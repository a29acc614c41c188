// Favourites and Go To Specific Puzzle.
#include "sources/favorites.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "framework/platform.h"
#include "sources/entered.h"

namespace {

constexpr unsigned kRefusal = MB_OK | MB_ICONEXCLAMATION;
constexpr int kNumberBufferSize = 128;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

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

// The line that goes into the favourites file.
std::string FavoriteLine(const Game& game) {
  const PuzzleText& text = game.text;
  if (game.state.puzzleKind == kCipherEntered) {
    const std::size_t length = strnlen(text.puzzleText, kQuoteBufferSize);
    return std::string(text.plainText, strnlen(text.plainText, length));
  }
  return std::string(text.quoteText, strnlen(text.quoteText, kQuoteBufferSize));
}

// Appends line and a line end; a last line without its line end is ended first. Only a regular
// file (or none) is opened: a FIFO in its place would hang the game.
bool AppendFavorite(const std::string& line) {
  std::error_code ignored;
  const auto status = std::filesystem::status(kFavoritesFileName, ignored);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
  File file(std::fopen(kFavoritesFileName, "a+b"));
  if (!file) return false;
  std::string bytes = line + "\n";
  if (std::fseek(file.get(), -1, SEEK_END) == 0 && std::fgetc(file.get()) != '\n') {
    bytes.insert(0, "\n");
  }
  std::fseek(file.get(), 0, SEEK_END);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
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

bool CheckFavoritesFile(TWindow* owner) {
  std::error_code ignored;
  if (std::filesystem::exists(kFavoritesFileName, ignored)) return true;
  Platform().MessageBox(owner, "You haven't saved any favorites yet!", "Error", kRefusal);
  return false;
}

bool SaveFavorite(const Game& game, TWindow* owner) {
  const GameState& state = game.state;
  if (state.puzzleKind == kQuotePuzzle && IsFavoritesFileName(state.quoteFileName)) {
    Platform().MessageBox(owner, "This puzzle is already in the favorites file!", "Error", kRefusal);
    return false;
  }
  const bool solved = game.IsGameOver() ||
                      (state.puzzleKind == kCipherEntered && game.AllLettersGuessed());
  if (!solved) {
    Platform().MessageBox(owner, "You cannot save a puzzle until you have solved it!", "Error",
                          kRefusal);
    return false;
  }
  if (!AppendFavorite(FavoriteLine(game))) {
    Platform().MessageBox(owner, "The puzzle could not be saved in the favorites file.", "Error",
                          MB_OK | MB_ICONSTOP);
    return false;
  }
  Platform().MessageBox(owner, "The puzzle has been saved in the favorites file", "Save complete",
                        MB_OK | MB_ICONINFORMATION);
  return true;
}

int AskPuzzleNumber(const Game& game, TWindow* owner, int fontHeight) {
  const int count = game.state.puzzleCount;
  if (count <= 0) {
    Platform().MessageBox(owner,
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
    if (!IsAllDigits(buffer)) {
      if (Platform().MessageBox(owner, "Illegal number, try again.", "Error",
                                MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
        return -1;
      }
      continue;
    }
    const long long n = NumberOf(buffer);
    if (n >= 1 && n <= count) return static_cast<int>(n - 1);
    if (Platform().MessageBox(owner, "You must enter a number from 1 to " + std::to_string(count),
                              "Error", MB_OKCANCEL) != IDOK) {
      return -1;
    }
    buffer[0] = '\0';
  }
}
