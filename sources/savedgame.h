// The saved game "quillo.svg": written on exit, offered once at the next start, then deleted.
#pragma once

#include <string>

#include "sources/memory.h"

class Game;
class TWindow;

// The file, a relative name: it lives in the working folder.
inline constexpr const char* kSavedGameFileName = "quillo.svg";

// Each byte of the four text buffers is combined with this mask by XOR, so that the quotation
// does not stand in the file as readable text. Files written with another mask read as broken.
inline constexpr unsigned char kSavedGameMask = 0x5A;

// What ResumeSavedGame did.
enum SavedGameResult {
  kSavedGameResumed = 0,  // the saved game is now the game; the caller sets state.resumed
  kSavedGameNone = 1,     // nothing resumed: start a new game
  kSavedGameBroken = 2,   // the file could not be used: tell the player, then a new game
};

// The file's text for this game, line by line: the kind; for kind 0 the puzzle number and the
// quote file name; 26 key lines (key, inverse key, guess, lock); the clock; 26 panel lines
// (unused, count and letter by frequency, count and letter alphabetically); the six counters;
// 1000 lines of the four masked buffer bytes. Numbers are signed decimal, bytes signed.
std::string SavedGameText(const Game& game);

// Writes the file through a temporary file and a rename, so an old file is replaced whole or
// kept. The tutorial (kind 3) is never saved. When the file cannot be written the player is
// told ("Cannot save the game. ...", caption "Error", stop icon) and false is returned.
bool SaveGame(const Game& game, TWindow* owner);

// Size and modification time of the saved game ("" when there is none): a later save differs.
std::string SavedGameStamp();

// Offers the saved game at start-up. Clears the letter selection first. No file (or one that
// cannot be read): kSavedGameNone, nothing asked. Otherwise asks "Continue the unfinished
// game\nyou saved earlier?" (caption "Quillo!", Yes/No/Cancel, question icon): No keeps the file
// (kSavedGameNone), Cancel deletes it (kSavedGameNone), Yes reads it and deletes it.
//
// The file is read into a scratch copy and taken over only when everything in it is in range:
// a cut, malformed or out-of-range file, or a compressed quote file that cannot be opened (its
// loader message is shown), gives kSavedGameBroken and leaves the game exactly as it was. On
// success: the game's kind, key, guesses, locks, panel, clock, counters and four buffers are
// the saved ones; for kind 0 the quote file (written to QuoteFile), the puzzle count and the
// record of a compressed file are re-opened with its current puzzle; modified = 1, gameOver =
// winAnnounced = 0. The case style is not applied again.
int ResumeSavedGame(Game& game, TWindow* owner, Memory& memory = TheMemory());
