// PuzzleLoader: picks the next quotation of the current quote file and reads it into the game.
#pragma once

#include <cstdint>
#include <string>

#include "sources/memory.h"

class TWindow;

// The game's fields the loader reads and writes, as GameState and PuzzleText hold them. The
// loader sees only these, so it does not depend on the engine.
struct PuzzleFields {
  char (&quoteFileName)[256];   // the current quote file
  std::int32_t& puzzleCount;    // N of a compressed file, 0 for a plain one
  std::int32_t& currentPuzzle;  // 0-based puzzle number, -1 for none
  char (&quoteText)[1000];      // the quotation as read
  char (&displayText)[1000];    // the quotation in the case style
};

// The fields of a Game (anything with state.* and text.* of those names).
template <class GameLike>
PuzzleFields PuzzleFieldsOf(GameLike& game) {
  return {game.state.quoteFileName, game.state.puzzleCount, game.state.currentPuzzle,
          game.text.quoteText, game.text.displayText};
}

// What the loader needs from the windows around it.
class PuzzleLoaderHost {
 public:
  virtual ~PuzzleLoaderHost() = default;
  // The owner of the loader's message boxes (the puzzle pane); null for none.
  virtual TWindow* MessageOwner() = 0;
  // The Open Puzzle File dialog, where every failed load ends.
  virtual void OpenPuzzleFileDialog() = 0;
};

// Each failure is shown in a stop-icon message box (captioned with the file name; an empty
// compressed file with "", the application's name) and then opens the Open Puzzle File dialog
// when a host is given. A failed load leaves quoteText and displayText as they were.
class PuzzleLoader {
 public:
  explicit PuzzleLoader(PuzzleFields fields, PuzzleLoaderHost* host = nullptr,
                        Memory& memory = TheMemory());

  void SetHost(PuzzleLoaderHost* host) { host_ = host; }

  // Loads a quotation of the file named by quoteFileName into quoteText and displayText (in the
  // case style). A name whose last '.' starts ".cqt" (any case) is a compressed file: the
  // requested puzzle when 0 <= requestedIndex < N, else a random unsolved one. Any other name is
  // a plain file: a line chosen at random, currentPuzzle -1, puzzleCount 0, no record; a failure
  // there also empties quoteFileName and the QuoteFile setting.
  void LoadPuzzle(int requestedIndex);

  // Opens a compressed quote file and its record (puzzleCount = N); with countOnly stops there.
  // Otherwise reads the puzzle as LoadPuzzle describes and sets currentPuzzle and the record's
  // current puzzle. False (after the message) when the file cannot be opened, is damaged or empty.
  bool ReadCompressedPuzzle(const char* fileName, bool countOnly, int requestedIndex);

  // Copies name into quoteFileName (at most 255 characters; it may be that very buffer) and
  // writes it to the setting QuoteFile.
  void SetQuoteFile(const char* name);

 private:
  bool LoadPlainPuzzle();
  std::uint32_t PickUnsolvedPuzzle(std::uint32_t count);
  // A quotation read successfully: into quoteText, and through the case style into displayText.
  void TakeQuotation(const char (&quote)[1000]);
  void Tell(const char* text, const char* caption, unsigned flags);
  void OpenPuzzleFileDialog();

  PuzzleFields fields_;
  PuzzleLoaderHost* host_;
  Memory& memory_;
};

// True when the part of the name from its last '.' is ".cqt", ignoring case.
bool IsCompressedQuoteFileName(const char* name);

// The record's file for a compressed quote file: the name after its last '/' or '\' with its
// last three characters replaced by "cqm" (all of them when there are fewer), so it lives in the
// working folder.
std::string MemoryFileNameFor(const char* quoteFileName);
