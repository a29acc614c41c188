// Fuzz target: the saved game offered at start-up, then played on a little as the player would.
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/game.h"
#include "engine/random.h"
#include "fuzz/fuzz_support.h"
#include "sources/quotefile.h"
#include "sources/savedgame.h"

namespace {

// The collection a saved game of kind 0 may name: three quotations.
constexpr const char* kCollectionName = "fuzz.cqt";

void WriteCollectionOnce() {
  static const bool written = [] {
    std::string error;
    return WriteCompressedQuoteFile(kCollectionName, {"One.", "Two\tThe author", "Three, four."},
                                    "Fuzz collection", error);
  }();
  FuzzCheck(written, "cannot write the collection");
}

std::vector<unsigned char> Snapshot(const Game& game) {
  std::vector<unsigned char> bytes(sizeof game.state + sizeof game.text + sizeof game.panel);
  std::memcpy(bytes.data(), &game.state, sizeof game.state);
  std::memcpy(bytes.data() + sizeof game.state, &game.text, sizeof game.text);
  std::memcpy(bytes.data() + sizeof game.state + sizeof game.text, &game.panel, sizeof game.panel);
  return bytes;
}

bool Terminated(const char (&buffer)[kQuoteBufferSize]) {
  return std::memchr(buffer, '\0', sizeof buffer) != nullptr;
}

// What the player does next with a resumed puzzle: the engine must cope with every state the
// reader lets in.
void PlayOn(Game& game) {
  game.JudgePuzzle();
  game.CheckForWin();
  for (int ch : {'e', 't', 'a', 'E', '?'}) game.KeyTyped(ch);
  game.LittleHint();
  game.UndoError();
  game.RestylePuzzleText();
  game.JudgePuzzle();
  game.SolvePuzzle();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  WriteCollectionOnce();
  SeedRandom(7);
  WriteInput(kSavedGameFileName, data, size);
  TestHooks hooks;
  Game game(hooks);
  Memory memory;
  const std::vector<unsigned char> before = Snapshot(game);

  const int result = ResumeSavedGame(game, nullptr, memory);
  FuzzCheck(!std::filesystem::exists(kSavedGameFileName), "the saved game was not deleted");
  if (result != kSavedGameResumed) {
    FuzzCheck(Snapshot(game) == before, "a refused saved game changed the game");
    return 0;
  }
  FuzzCheck(game.StateIsSound(), "resumed an unsound key");
  const PuzzleText& text = game.text;
  FuzzCheck(Terminated(text.quoteText) && Terminated(text.displayText) &&
                Terminated(text.puzzleText) && Terminated(text.plainText),
            "resumed an unterminated buffer");
  FuzzCheck(game.panel.elapsedSeconds >= 0 && game.panel.elapsedSeconds <= kMaxClockSeconds,
            "resumed clock out of range");
  if (game.state.puzzleKind == PuzzleKind::kQuotePuzzle && game.state.currentPuzzle >= 0) {
    FuzzCheck(game.state.currentPuzzle < game.state.puzzleCount, "resumed puzzle out of range");
  }
  PlayOn(game);
  return 0;
}
