// GameHooks: everything the game engine needs from the world around it.
#pragma once

#include <cstdint>
#include <string>

// The clock's repeating timer: this id, this period, on the side panel's window.
inline constexpr int kClockTimerId = 1;
inline constexpr int kClockPeriodMs = 1000;

enum class PuzzleKind : std::int32_t;  // engine/game.h

// The four sound events, numbered as their settings are.
enum SoundEvent { kSoundHint = 0, kSoundYouWon = 1, kSoundStartingOver = 2, kSoundError = 3 };

// The icon of a message with an OK button.
enum class MessageIcon { kNone, kStop, kExclamation, kInformation };

// The congratulations dialog's answer.
enum class WinChoice { kNextGame, kStay, kExit };

// The engine is a model: it owns the puzzle and its rules and reaches windows, dialogs, sounds
// and settings only through this interface. The application implements it with a small adapter
// (and tests with recorders). Every call comes from the user-interface thread, from inside an
// engine operation; a call that shows something may run a modal loop before it returns.
class GameHooks {
 public:
  virtual ~GameHooks() = default;

  // --- Drawing ---
  // Repaint the puzzle and the side panel now, without erasing their backgrounds.
  virtual void Redraw() = 0;
  // Invalidate the puzzle and the panel with erasing (a full repaint).
  virtual void RepaintAll() = 0;
  // Draw only the clock line of the panel.
  virtual void RedrawTime() = 0;
  // A new enciphered text is in the puzzle buffer: lay it out afresh (from the top) at the next
  // paint, and let both panes show content from now on.
  virtual void PuzzleTextChanged() = 0;

  // --- The clock's timer and the main window ---
  // Start or stop the repeating timer kClockTimerId (kClockPeriodMs) on the panel's window; its
  // ticks go to Game::TimerTick. Starting a running timer restarts it.
  virtual void StartClockTimer() = 0;
  virtual void StopClockTimer() = 0;
  // The main window is minimised (ticks are then ignored).
  virtual bool IsMainWindowMinimised() = 0;
  // Hide the main frame (false) or show it normally again (true); used by Pause Game.
  virtual void ShowMainFrame(bool show) = 0;

  // --- Messages and sounds ---
  // A message box with an OK button, owned by the main window.
  virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;
  // The game's message dialog, placed where the settings section placementKey remembers.
  virtual void ShowHint(const char* caption, const std::string& text,
                        const char* placementKey) = 0;
  // Play what the player chose for a sound event; never fails.
  virtual void PlaySound(SoundEvent event) = 0;

  // --- Options, read at each use so that a change applies at once ---
  // Refused input is explained (the ExplainErrors option).
  virtual bool ExplainErrors() = 0;
  // Word lists of quotations come in alphabetical order (else by word frequency).
  virtual bool AlphabeticalWordLists() = 0;
  // The seconds charged for a help of this PenaltyIndex (any number, negative ones too).
  virtual int Penalty(int index) = 0;
  // The letter case style is the military cipher (word lists are refused then).
  virtual bool IsMilitaryStyle() = 0;
  // Quick Entry: a plaintext letter typed over a guess replaces it, one taken elsewhere moves.
  virtual bool QuickEntry() = 0;
  // Advance After Guess: after a typed guess the cursor goes to the next letter without one.
  virtual bool AdvanceAfterGuess() = 0;

  // --- The application ---
  // Show the congratulations dialog.
  virtual WinChoice ShowYouWonDialog() = 0;
  // The puzzle is over: record it as solved in the solved-puzzle record, and the game in the
  // player's history. revealed: Solve Puzzle ended it; seconds: the clock the player earned
  // (for Solve Puzzle, as it stood before the clock was run out).
  virtual void MarkPuzzleSolved(bool revealed, int seconds) = 0;
  // Begin a new game of this kind (the application's NewGame: it obtains the text, then calls
  // Game::StartGame). puzzleNumber -1 lets the quote file choose.
  virtual void NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) = 0;
  // End the program as Exit does after its question (no question asked here).
  virtual void Shutdown() = 0;
  // Open the Possible Words dialog for a lower-case word of 1..25 characters; the dialog charges
  // its own penalty through Game::ChargeWordList.
  virtual void OpenWordList(const std::string& word, bool alphabetical,
                            const char* placementKey) = 0;
};
