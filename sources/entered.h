// Puzzles the player types or pastes in, their correction, and copies to the clipboard.
#pragma once

#include <string>
#include <string_view>

class Game;
class TWindow;

// Runs MyInputDialog on buffer (bufferSize bytes, kept as the text on OK) with the placement
// key `section`. Returns IDOK or IDCANCEL; when the dialog cannot be run, its error's text is
// shown (caption "ERROR", no icon) and the answer is IDCANCEL.
int RunInputDialog(TWindow* owner, const char* caption, const char* prompt, char* buffer,
                   int bufferSize, int fontHeight, const char* section);

// The entry dialog for a new puzzle: "Plaintext Puzzle" / "Enter quote or phrase:" or
// "Ciphertext Puzzle" / "Enter encrypted quote or phrase:", starting empty, at most 999
// characters, placement key "EnterPuzzle". An empty text confirmed shows the dialog again.
// True when the player confirmed a text: it is then quoteText, and displayText in the case
// style. Cancel (or a dialog that cannot run) returns false and leaves the texts alone.
bool EnterPuzzle(Game& game, bool plaintext, TWindow* owner, int fontHeight);

// Correct an Entered Puzzle: refused unless the puzzle kind is 1 or 2 ("Sorry, you can only
// fix a puzzle that you entered.", caption "Error", exclamation icon). Otherwise the entry
// dialog "Your Puzzle" / "Correct the puzzle:" on the current quoteText. True when the player
// confirmed a corrected text (now in quoteText and displayText); the caller then starts the game
// again on it.
bool CorrectPuzzle(Game& game, TWindow* owner, int fontHeight);

// The clipboard's text as a quotation: at most its first 999 characters (up to a zero byte);
// every TAB but the last and every character outside 0x20-0x7E become blanks; leading blanks
// and TABs go, runs of blanks shrink to one, trailing blanks go.
std::string CleanClipboardText(std::string_view clipboard);

// Paste Encrypted / Plaintext Puzzle: the cleaned clipboard text into quoteText and, in the
// case style, displayText. False without a message when the clipboard cannot be opened; false
// after "Nothing in the clipboard!" (caption "Error", exclamation icon) when it holds no text
// or nothing is left after cleaning. The caller then starts the game of its kind.
bool PasteFromClipboard(Game& game, TWindow* owner);

// Copy Puzzle (puzzle = true: puzzleText) or Copy Plaintext (plainText) to the clipboard,
// followed by CR LF.
void CopyToClipboard(const Game& game, bool puzzle);
