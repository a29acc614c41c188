// The main window's caption, from the pieces that name the current puzzle.
#include "app/caption.h"

#include <cstring>

namespace {
constexpr const char* kTitle = "Quillo!";

std::string BaseName(const char* fileName) {
  const std::string name(fileName, strnlen(fileName, kFileNameSize));
  const std::size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}
}  // namespace

static std::string CaptionWithoutBand(const CaptionParts& parts) {
  const std::string title = kTitle;
  switch (parts.kind) {
    case PuzzleKind::kCipherEntered:
    case PuzzleKind::kPlainEntered:
      return title + " - entered puzzle";
    case PuzzleKind::kTutorialPuzzle:
      return title + " - tutorial";
    case PuzzleKind::kQuotePuzzle:
      break;
  }
  if (parts.puzzleCount > 0 && parts.currentPuzzle >= 0) {
    return title + " - puzzle " + std::to_string(parts.currentPuzzle + 1) + " of " +
           std::to_string(parts.puzzleCount);
  }
  const std::string file = parts.quoteFileName ? BaseName(parts.quoteFileName) : "";
  return file.empty() ? title : title + " - " + file;
}

std::string GameCaption(const CaptionParts& parts) {
  const std::string caption = CaptionWithoutBand(parts);
  return parts.band ? caption + " (" + parts.band + ")" : caption;
}

CaptionParts CaptionPartsOf(const Game& game) {
  return {game.state.puzzleKind, game.state.currentPuzzle, game.state.puzzleCount,
          game.state.quoteFileName};
}
