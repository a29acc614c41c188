// Game: the model of one game (key, guesses, selection, texts, panel values, clock) and its rules.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/gamehooks.h"
#include "engine/quotelimits.h"

inline constexpr int kLetterCount = 26;
inline constexpr int kFileNameSize = 256;
inline constexpr int kMaxClockSeconds = 359999;  // 99:59:59

// The numbers are those the saved game stores.
enum class PuzzleKind : std::int32_t {
  kQuotePuzzle = 0,     // a quotation from the current quote file
  kCipherEntered = 1,   // entered or pasted as ciphertext: identity key, answer unknown
  kPlainEntered = 2,    // entered or pasted as plaintext
  kTutorialPuzzle = 3,  // the tutorial: key shifted by 12
};

// The `which` of SelectLetter.
enum SelectWhich { kSelectPlain = 0, kSelectCipher = 1 };

// One game's state; the saved game keeps the key, guesses, locks and puzzle source. Letters are
// indices 0..25.
struct GameState {
  char quoteFileName[kFileNameSize];  // current quote file
  std::int32_t puzzleCount;           // puzzles in the compressed quote file, 0 for a plain one
  std::int32_t currentPuzzle;         // number of the current puzzle, -1 for none
  std::int8_t key[kLetterCount];         // key[p]: ciphertext index of plaintext index p
  std::int8_t inverseKey[kLetterCount];  // inverseKey[c]: plaintext index of ciphertext index c
  char guess[kLetterCount];              // by ciphertext index: 'A'..'Z', or ' ' for none
  bool locked[kLetterCount];             // by ciphertext index: given by a hint or confirmed
  std::int32_t selectedPlain;            // selected plaintext index, -1 for none
  std::int32_t selectedCipher;           // selected ciphertext index, -1 for none
  bool modified;                         // a letter was assigned since the game began
  bool gameOver;                         // every letter is right, or the puzzle was solved for you
  bool winAnnounced;                     // the win needs no (further) announcement
  bool resumed;                          // resumed from the saved game: the clock keeps its time
  bool hintsDisallowed;                  // the Hint menu is greyed (ciphertext entered)
  bool hintBarWasVisible;                // the hint buttons' visibility when hints were disallowed
  PuzzleKind puzzleKind;
};

// The quotation buffers, in this order, each zero-terminated (at most 999 characters).
struct PuzzleText {
  char quoteText[kQuoteBufferSize];    // as read from the source
  char displayText[kQuoteBufferSize];  // after the letter case style
  char puzzleText[kQuoteBufferSize];   // enciphered, as shown
  char plainText[kQuoteBufferSize];    // the guess row, aligned with puzzleText (built by judging)
};

// The side panel's model: letters-used table, frequency tables, the clock and the counters.
struct PanelState {
  char unused[kLetterCount];        // 'A' + i while plaintext letter i is unused, ' ' once used
  int countByFreq[kLetterCount];    // counts, most frequent first
  char letterByFreq[kLetterCount];  // plaintext letters in that order
  int countAlpha[kLetterCount];     // counts in the order of the ciphertext letters
  char letterAlpha[kLetterCount];   // plaintext letters in that order
  std::int32_t elapsedSeconds;      // the clock, 0..kMaxClockSeconds
  std::int32_t erasedCount;
  std::int32_t confirmCount;
  std::int32_t undoCount;
  std::int32_t littleHintCount;
  std::int32_t bigHintCount;
  std::int32_t wordListCount;
  bool panelShown;  // the panel has been painted once; no clock runs before that
};

// What lies under a mouse click, as the windows' hit tests (PointToLetter) report it.
struct LetterHit {
  enum Kind { kCipherLetter = 0, kPlainLetter = 1 };
  int letter = -1;               // 0..25, -1 when no letter was hit
  int letterKind = kCipherLetter;
  int textPos = -1;              // position in the puzzle text; -1 outside it and in the panel
};

// The game engine. The public fields are the model the windows draw and the saved game stores;
// the operations keep its invariants: key and inverseKey are inverse permutations, a plaintext
// letter is marked used exactly while some ciphertext letter carries it, and a lock sits only
// on a right guess. Everything runs on the user-interface thread; a modal message or dialog
// may run inside any operation.
class Game {
 public:
  explicit Game(GameHooks& hooks);
  virtual ~Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameState state;
  PuzzleText text;
  PanelState panel;

  // --- Key and mapping (key.cpp) ---
  // Builds key and inverseKey for state.puzzleKind; blanks every guess and clears every lock.
  void GenerateKey();
  // 0..25 for a letter of either case, -1 for anything else.
  static int LetterIndex(int ch);
  // Letters through the key (inverse key), keeping their case; anything else unchanged. Only the
  // low 8 bits of ch count.
  char Encipher(int ch) const;
  char Decipher(int ch) const;
  // The guess on a ciphertext letter (upper case or ' '); a non-letter gives itself.
  char GuessFor(int ch) const;
  // Every letter occurring in the puzzle has a guess on its ciphertext letter.
  bool AllLettersGuessed() const;
  // The state holds a usable key, guesses and locks (a check for restored games).
  bool StateIsSound() const;

  // The letters-used table; an index outside 0..25 gives "Letter out of range" and changes
  // nothing (IsLetterUsed then answers false).
  bool IsLetterUsed(int p);
  void MarkLetterUsed(int p);
  void MarkLetterUnused(int p);

  // --- Letter entry (entry.cpp) ---
  // False (after the subscript message and a shutdown) when i lies outside 0..n-1.
  bool CheckIndex(int i, int n);
  bool IsGameOver() const { return state.gameOver; }
  // Error sound and "The game is over!".
  void ReportGameOver();
  // Error sound; true when the ExplainErrors option asks for the explanation.
  bool ExplainError();
  // Selects a plaintext (kSelectPlain) or ciphertext (kSelectCipher) letter, pairing it with
  // the other selection when there is one. True when something happened; the caller redraws.
  bool SelectLetter(int index, int which);
  // Drops any selection and redraws; false when there was none.
  bool ClearSelection();
  // Puts plaintext p on ciphertext c, taking p off any other letter first; byHint locks it.
  void AssignLetter(int c, int p, bool byHint);
  // Erases the guess on ciphertext c; the caller redraws. False when refused.
  bool ClearGuess(int c);
  // A typed character: backspace/escape, Shift+letter (erase), letter (select, or with a
  // ciphertext letter selected its guess), Tab (next letter without a guess), else refused.
  // Each of these three is one player's move for Undo.
  void KeyTyped(int ch);
  // Clicks on the puzzle or the panel; a left click with askWordList (Alt or Ctrl held) asks
  // for the word list of the word under it.
  void LeftClick(const LetterHit& hit, bool askWordList);
  void RightClick(const LetterHit& hit);

  // --- The board: cursor and undo history (board.cpp) ---
  // The cursor steps through the ciphertext letters of puzzleText in reading order; Up and Down
  // need the layout and come as PlaceCursor from the window.
  enum class CursorMove { kLeft, kRight, kHome, kEnd, kNextBlank, kPreviousBlank };
  // The text position of the selected ciphertext letter (where the cursor last put it, else its
  // first occurrence); -1 without a selected ciphertext letter.
  int CursorPosition() const;
  // Without a selection the moves go on from the cursor's last place. Left/Right stop at the
  // ends; the blank moves (Tab, Shift+Tab) wrap round, pass over the selected letter's other
  // places, and do nothing when every letter has a guess. The cursor may rest on a letter with
  // a guess (typing over it then needs Quick Entry). A pending plaintext selection is dropped.
  void MoveCursor(CursorMove move);
  // Selects the ciphertext letter at text position pos (ignored when none is there). Cursor
  // moves are refused once the game is over.
  void PlaceCursor(int pos);
  // Runs move as one player's move: the guesses it changes become one Undo step and the Redo
  // steps are dropped. Nested calls join the outer move. Help commands are not run through it.
  void RecordMove(const std::function<void()>& move);
  // Undo and Redo step through the player's moves. A step is skipped (and forgotten) when a help
  // command has since locked or changed one of its letters, or taken a letter it would put back:
  // help is never undone. False when no step could be taken; refused once the game is over.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  void ClearHistory();

  // --- Judging (judge.cpp) ---
  // true: solved unless the kind is PuzzleKind::kCipherEntered; false: not solved, and re-arms the win.
  void SetGameOver(bool flag);
  // True exactly once per win (gameOver set, not yet announced); marks it announced.
  bool TakeWinAnnouncement();
  // Rebuilds plainText from puzzleText and the guesses, and judges whether the puzzle is solved;
  // a puzzle without a letter never is.
  void JudgePuzzle();
  // After a judging pass: announces a win, or for ciphertext puzzles stops and restarts the clock.
  void CheckForWin();

  // --- Help commands (help.cpp, wordrequest.cpp) ---
  void Confirm();
  void UndoError();
  void LittleHint();
  void BigHint();
  void SolvePuzzle();
  // The word of the puzzle text around textPosition goes to the Possible Words dialog.
  void RequestWordList(int textPosition);
  // Counts a word list shown and adds its penalty (called by the Possible Words dialog).
  void ChargeWordList(bool alphabetical);

  // --- New puzzle (panel.cpp) ---
  // Begins play on the text in displayText: counters cleared, a new key, the text enciphered.
  void StartGame();
  // Counts the letters of a plaintext and builds both frequency orders; all letters unused.
  void CountFrequencies(const char* plain);
  // displayText again enciphered into puzzleText with the same key (a new case style); the
  // guesses stay.
  void RestylePuzzleText();

  // --- Clock (clock.cpp) ---
  void StartClock();   // from 0 unless resumed; the time is redrawn only when set back to 0
  void ResumeClock();  // draw the time, start the timer
  void StopClock();
  void AddSeconds(int n);  // below 0 or past 99:59:59 gives 99:59:59
  void MaxOutClock();
  void TimerTick();        // one second, unless paused or minimised
  void PauseGame();
  bool IsPaused() const { return paused_; }
  bool IsCipherClockStopped() const { return cipherClockStopped_; }

 protected:
  GameHooks& Hooks() { return hooks_; }

 private:
  // Error sound, then the explanation when ExplainErrors is on.
  void Refuse(const std::string& message, const char* section = "Error");
  // The shared opening of every help command: false (after the report) when the game is over.
  bool BeginHelpCommand();
  void RevealLetter(char plain, char cipher, const char* title);
  bool HintFromFrequencyRow(int row, const char* title);
  void ClearCounters();
  void CopyDisplayToPuzzle();
  void EncipherPuzzleText();
  bool GuessIsWrong(int c) const;
  void TypeKey(int ch);
  void Click(const LetterHit& hit, bool askWordList);
  void EraseAt(const LetterHit& hit);
  void ReportLocked(int c);
  // A plaintext letter typed or clicked while ciphertext c is selected: false when refused.
  bool MayAssign(int c, int p);
  void AdvanceFrom(int pos);
  int NextBlank(int from, int step) const;
  // One letter's guess changed by a move; `first` opens the move's group of changes.
  struct LetterChange {
    std::int8_t cipher;
    char before;
    char after;
    bool first;
  };
  bool StepHistory(std::vector<LetterChange>& from, std::vector<LetterChange>& to, bool undo);
  bool ApplyGroup(const LetterChange* group, std::size_t n, bool undo);

  GameHooks& hooks_;
  int cursorPos_ = -1;  // the text position the cursor or a click chose, -1 none
  int moveDepth_ = 0;   // RecordMove nesting
  std::vector<LetterChange> undo_;
  std::vector<LetterChange> redo_;
  bool paused_ = false;              // the Pause Game message is up
  bool cipherClockStopped_ = false;  // a ciphertext puzzle's clock stopped: all letters guessed
};

// The article before a plaintext letter: "an" before A E F H I L M N O R S X, else "a".
const char* ArticleFor(char letter);

// The word of a puzzle text around position pos: from the start of its blank-, tab- or
// '|'-separated token, leading and trailing characters that are neither letters nor digits
// dropped. Empty when the token holds none, or when pos lies outside the text.
std::string WordAt(const char* text, int pos);
