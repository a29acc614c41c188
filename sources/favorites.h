// The favourites file and the choice of a numbered puzzle: Open Favorites File's check, Save
// Puzzle in Favorites File, and Go To Specific Puzzle's number.
#pragma once

class Game;
class TWindow;

// The favourites file, a plain quote file in the working folder that only ever grows.
inline constexpr const char* kFavoritesFileName = "favorite.qot";

// True when the name after its last '/' or '\' is favorite.qot, ignoring case.
bool IsFavoritesFileName(const char* fileName);

// Open Favorites File's first step: true when the file exists; otherwise "You haven't saved any
// favorites yet!" (caption "Error", exclamation icon) and false.
bool CheckFavoritesFile(TWindow* owner);

// Added to the completion message when characters outside the quote code were left out.
inline constexpr const char* kFavoriteCharactersDropped =
    "\n(without the characters a quote file cannot hold)";

// Save Puzzle in Favorites File. Refused when the puzzle came from a file named favorite.qot
// (any case, any folder), or is neither solved nor (entered ciphertext) fully guessed, or has no
// letter. Appends one line, never truncating: for entered ciphertext the player's decipherment
// (plainText cut to the puzzle's length), otherwise quoteText as loaded; either way only its
// characters of the quote code, so the file always stays readable. A file whose last line lacks
// its line end gets one first, so no saved quotation is ever joined to another. The line goes in
// with one write, and a missing file is created holding it, so a killed game leaves the file
// with the whole line or as it was. Tells the player the outcome; true when the line was written.
bool SaveFavorite(const Game& game, TWindow* owner);

// Go To Specific Puzzle's question, after the caller's new-game confirmation. Refused for a
// plain quote file (puzzleCount 0). Asks "Enter the puzzle number:" (title "Select A Specific
// Puzzle", placement key "MiscInput") until the player gives a number from 1 to puzzleCount
// (leading zeros allowed) or cancels: text that is not all digits gives "Illegal number, try
// again." and asks again with the same text; a number out of range gives "You must enter a
// number from 1 to <count>" and asks again with an empty text; Cancel there ends. Returns the
// chosen 0-based puzzle index, or -1.
int AskPuzzleNumber(const Game& game, TWindow* owner, int fontHeight);

// The typed text of Go To Specific Puzzle against the puzzle count: the 0-based index, or one of
// these when the text is not all digits or its number lies outside 1..count.
inline constexpr int kNotAPuzzleNumber = -1;
inline constexpr int kPuzzleNumberOutOfRange = -2;
int ReadPuzzleNumber(const char* text, int count);
