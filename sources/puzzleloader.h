// PuzzleLoader: picks the next quotation of the current quote file and reads it into the game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sources/memory.h"
#include "sources/ratings.h"

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
  // requested puzzle when 0 <= requestedIndex < N, else a random unsolved one (of the chosen band
  // when the file is rated: see ChosenBand). Any other name is
  // a plain file: a line chosen at random, currentPuzzle -1, puzzleCount 0, no record; a failure
  // there also empties quoteFileName and the QuoteFile setting.
  void LoadPuzzle(int requestedIndex);

  // Opens a compressed quote file and its record (puzzleCount = N); with countOnly stops there.
  // Otherwise reads the puzzle as LoadPuzzle describes and sets currentPuzzle and the record's
  // current puzzle. False (after the message) when the file cannot be opened, is damaged or empty.
  bool ReadCompressedPuzzle(const char* fileName, bool countOnly, int requestedIndex);

  // The ratings of the compressed quote file fileName of count puzzles, read from its ratings
  // file at the first call for that file and kept; null when it has none or it is damaged.
  const std::vector<PuzzleRating>* Ratings(const char* fileName, std::uint32_t count);
  // The band of puzzle currentPuzzle of quoteFileName; nothing for a plain or unrated file.
  std::optional<Band> CurrentBand();

  // Copies name into quoteFileName (at most 255 characters; it may be that very buffer) and
  // writes it to the setting QuoteFile.
  void SetQuoteFile(const char* name);

 private:
  bool LoadPlainPuzzle();
  std::uint32_t PickUnsolvedPuzzle(std::uint32_t count);
  // The first puzzle from start on (going round) of the band, unsolved ones only when asked.
  std::optional<std::uint32_t> FindInBand(std::uint32_t start, std::uint32_t count, Band band,
                                          bool unsolvedOnly);
  // A band with no unsolved puzzle left: asks whether to play any difficulty (Yes sets the
  // Difficulty option to Any and gives nothing) or a solved puzzle of the band again.
  std::optional<std::uint32_t> BandExhausted(std::uint32_t start, std::uint32_t count, Band band);
  // A quotation read successfully: into quoteText, and through the case style into displayText.
  void TakeQuotation(const char (&quote)[1000]);
  void Tell(const char* text, const char* caption, unsigned flags);
  void OpenPuzzleFileDialog();

  PuzzleFields fields_;
  PuzzleLoaderHost* host_;
  Memory& memory_;
  std::string ratingsFile_;  // the quote file the ratings below belong to, "" for none yet
  std::uint32_t ratingsCount_ = 0;
  std::optional<std::vector<PuzzleRating>> ratings_;
};

// Options > Difficulty: the setting Difficulty of section quillo, 0 Any (the default, and any
// unknown value), 1 Easy, 2 Medium, 3 Hard. With a band chosen, a random pick from a rated
// collection takes an unsolved puzzle of that band.
std::optional<Band> ChosenBand();
void ChooseBand(std::optional<Band> band);

// True when the part of the name from its last '.' is ".cqt", ignoring case.
bool IsCompressedQuoteFileName(const char* name);

// The record's file for a compressed quote file: the name after its last '/' or '\' with its
// last three characters replaced by "cqm" (all of them when there are fewer), so it lives in the
// working folder.
std::string MemoryFileNameFor(const char* quoteFileName);
