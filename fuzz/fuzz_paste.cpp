// Fuzz target: clipboard text cleaned into a pasted puzzle, shown in each letter case style.
#include <cstring>
#include <string>

#include "engine/game.h"
#include "fuzz/fuzz_support.h"
#include "sources/casestyle.h"
#include "sources/entered.h"

namespace {

bool IsPrintable(char c) { return c >= 0x20 && c <= 0x7E; }

// The cleaning's promises: short enough for the buffer, printable but for one TAB, no blank at
// either end or twice in a row.
void CheckCleaned(const std::string& text) {
  FuzzCheck(text.size() <= std::size_t{kMaxQuoteLength}, "cleaned text too long");
  int tabs = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    tabs += text[i] == '\t';
    FuzzCheck(IsPrintable(text[i]) || text[i] == '\t', "unprintable character kept");
    FuzzCheck(text[i] != ' ' || i == 0 || text[i - 1] != ' ', "blanks not joined");
  }
  FuzzCheck(tabs <= 1, "more than one TAB kept");
  if (text.empty()) return;
  FuzzCheck(text.front() != ' ' && text.front() != '\t', "leading blank kept");
  FuzzCheck(text.back() != ' ', "trailing blank kept");
}

// A puzzle of kind `kind` on quoteText as it stands, played on a little.
void PlayPuzzle(Game& game, PuzzleKind kind) {
  game.state.puzzleKind = kind;
  ApplyCaseStyle(game.text.quoteText, game.text.displayText);
  game.StartGame();
  game.JudgePuzzle();
  for (int ch : {int{'e'}, int{'T'}, 0xE9, int{'\t'}, int{' '}}) game.KeyTyped(ch);
  game.LittleHint();
  game.BigHint();
  game.Confirm();
  game.UndoError();
  game.SolvePuzzle();
  game.JudgePuzzle();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietPlatform& platform = FuzzSetUp();
  const std::uint8_t styleByte = TakeByte(data, size);
  const std::string clipboard(reinterpret_cast<const char*>(data), size);
  const std::string cleaned = CleanClipboardText(clipboard);
  CheckCleaned(cleaned);

  static const CaseStyle kStyles[] = {kCaseUpper, kCaseLower, kCaseDefault, kCaseMilitary};
  SetCaseStyle(kStyles[styleByte % 4]);
  platform.clipboard = clipboard;
  TestHooks hooks;
  Game game(hooks);
  // The entry dialog takes any bytes the player types (up to 999, up to a zero) uncleaned.
  std::strncpy(game.text.quoteText, clipboard.c_str(), kQuoteBufferSize - 1);
  PlayPuzzle(game, styleByte & 4 ? PuzzleKind::kCipherEntered : PuzzleKind::kPlainEntered);

  const bool pasted = PasteFromClipboard(game, nullptr);
  FuzzCheck(pasted == !cleaned.empty(), "paste disagrees with the cleaned text");
  FuzzCheck(pasted || platform.lastMessage == "Nothing in the clipboard!",
            "an empty paste was not reported");
  if (!pasted) return 0;
  FuzzCheck(cleaned == game.text.quoteText, "pasted text differs from the cleaned text");
  FuzzCheck(std::memchr(game.text.displayText, '\0', kQuoteBufferSize) != nullptr,
            "display text not terminated");
  PlayPuzzle(game, styleByte & 8 ? PuzzleKind::kCipherEntered : PuzzleKind::kPlainEntered);
  return 0;
}
