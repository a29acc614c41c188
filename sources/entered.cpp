// Entered and pasted puzzles: the entry dialog, the cleaning of clipboard text, clipboard copies.
#include "sources/entered.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "classlib/inifile.h"
#include "dialogs/hintdialog.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "sources/casestyle.h"

namespace {

constexpr const char* kEntrySection = "EnterPuzzle";
constexpr const char* kNothingToPaste = "Nothing in the clipboard!";

bool IsPrintable(char c) { return c >= 0x20 && c <= 0x7E; }

// The text goes into quoteText, and through the case style into displayText.
void TakeQuotation(Game& game, std::string_view quotation) {
  const std::size_t length = std::min(quotation.size(), std::size_t{kQuoteBufferSize - 1});
  quotation.copy(game.text.quoteText, length);
  game.text.quoteText[length] = '\0';
  ApplyCaseStyle(game.text.quoteText, game.text.displayText);
}

// Shows the entry dialog on `start` until the player confirms a non-empty text or cancels.
bool RunEntryDialog(Game& game, const char* caption, const char* prompt, const char* start,
                    TWindow* owner, int fontHeight) {
  char buffer[kQuoteBufferSize];
  std::strncpy(buffer, start, sizeof buffer - 1);
  buffer[sizeof buffer - 1] = '\0';
  do {
    if (RunInputDialog(owner, caption, prompt, buffer, sizeof buffer, fontHeight,
                       kEntrySection) != IDOK) {
      return false;
    }
  } while (buffer[0] == '\0');
  TakeQuotation(game, buffer);
  return true;
}

}  // namespace

int RunInputDialog(TWindow* owner, const char* caption, const char* prompt, char* buffer,
                   int bufferSize, int fontHeight, const char* section) {
  try {
    MyInputDialog dialog(owner, caption, prompt, buffer, bufferSize, fontHeight, Settings(),
                         section);
    return dialog.Execute() == IDOK ? IDOK : IDCANCEL;
  } catch (const std::runtime_error& error) {
    DialogService().MessageBox(owner, error.what(), "ERROR", MB_OK);
    return IDCANCEL;
  }
}

bool EnterPuzzle(Game& game, bool plaintext, TWindow* owner, int fontHeight) {
  return plaintext
             ? RunEntryDialog(game, "Plaintext Puzzle", "Enter quote or phrase:", "", owner,
                              fontHeight)
             : RunEntryDialog(game, "Ciphertext Puzzle", "Enter encrypted quote or phrase:", "",
                              owner, fontHeight);
}

bool CorrectPuzzle(Game& game, TWindow* owner, int fontHeight) {
  const PuzzleKind kind = game.state.puzzleKind;
  if (kind != PuzzleKind::kCipherEntered && kind != PuzzleKind::kPlainEntered) {
    DialogService().MessageBox(owner, "Sorry, you can only fix a puzzle that you entered.", "Error",
                          MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return RunEntryDialog(game, "Your Puzzle", "Correct the puzzle:", game.text.quoteText, owner,
                        fontHeight);
}

std::string CleanClipboardText(std::string_view clipboard) {
  std::string text(clipboard.substr(0, clipboard.find('\0')).substr(0, kQuoteBufferSize - 1));
  // Only the last TAB separates quotation and attribution.
  const std::size_t lastTab = text.rfind('\t');
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] == '\t' && i != lastTab) || (text[i] != '\t' && !IsPrintable(text[i]))) {
      text[i] = ' ';
    }
  }
  std::string clean;
  for (char c : text) {
    if (clean.empty() && (c == ' ' || c == '\t')) continue;
    if (c == ' ' && clean.back() == ' ') continue;
    clean += c;
  }
  while (!clean.empty() && clean.back() == ' ') clean.pop_back();
  return clean;
}

bool PasteFromClipboard(Game& game, TWindow* owner) {
  const std::optional<std::string> clipboard = ClipboardService().ClipboardText();
  if (!clipboard) return false;
  const std::string quotation = CleanClipboardText(*clipboard);
  if (quotation.empty()) {
    DialogService().MessageBox(owner, kNothingToPaste, "Error", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  TakeQuotation(game, quotation);
  return true;
}

void CopyToClipboard(const Game& game, bool puzzle) {
  const char* text = puzzle ? game.text.puzzleText : game.text.plainText;
  ClipboardService().SetClipboardText(std::string(text, strnlen(text, kQuoteBufferSize)) + "\r\n");
}
