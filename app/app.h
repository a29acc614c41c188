// App: the application object: the game, its main frame and hint-button bar, and the commands.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/apphooks.h"
#include "app/controlbar.h"
#include "app/gamerecord.h"
#include "app/options.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "sources/puzzleloader.h"

class BackgroundSolve;
class Solver;

class MyFrameWindow;
class QuilloWindow;

// Lives for the whole run. It owns the game (Game) with the adapter that answers the engine's
// requests (AppHooks), the windows, the option state, and hosts the puzzle loader, whose
// failures end in Open Puzzle File. Everything runs on the user-interface thread.
//
// Start-up calls, in order: the constructor, InitMainWindow, StartFirstGame. Commands arrive
// through Command from the frame (menu, accelerators, hint buttons).
class App : private PuzzleLoaderHost {
 public:
  // Records the current folder as the working folder. A command-line quote file (null for none)
  // becomes quoteFileName, cut to 255 characters, and is written to QuoteFile; otherwise
  // QuoteFile is read, and when it is empty the program folder's "quillo.cqt" is used.
  explicit App(const char* commandLineQuoteFile);
  ~App() override;

  // Builds the client window with both panes and the frame (caption "Quillo!", the menu, the
  // hint-button bar from HintButtons, HintLocation and HintOrientation), places and shows the
  // frame from the saved placement, reads the options kept in memory and sets the check marks.
  void InitMainWindow();
  // The rest of start-up: finds a readable quote file (else Open Puzzle File, and start-up ends
  // there), then offers the saved game or starts a new game.
  void StartFirstGame();

  Game& TheGame() { return game_; }
  MyFrameWindow& Frame() { return *frame_; }
  QuilloWindow& Client() { return *client_; }
  Options& Opts() { return options_; }
  // The owner of the game's messages and dialogs, and their font height (-23..23).
  TWindow* MainWindow();
  int DialogFontHeight();

  // --- The game's course ---
  // Begins a game of this kind: the entered text for kinds 1 and 2 (a cancelled entry falls
  // back to kind 0), otherwise puzzle puzzleNumber of the quote file (-1: the file chooses).
  void NewGame(PuzzleKind kind, int puzzleNumber, bool textReady);
  // True when the game on screen may be dropped: untouched, solved, or the player says Yes.
  bool ConfirmNewGame();
  // Names the current puzzle in the frame's caption (GameCaption).
  void ShowCaption();
  // Greys or restores the Hint menu and hides or restores the hint buttons.
  void AllowHints(bool allow);
  // After a puzzle was taken or resumed: the caption names its band, the Difficulty menu shows
  // whether the collection is rated, Check Entered Puzzle is enabled for entered puzzles.
  void PuzzleChanged();
  // The band of the current puzzle: only for one from a rated compressed quote file (not the
  // tutorial).
  std::optional<Band> CurrentBand();
  // Records the current puzzle as solved, when it came from a compressed quote file.
  void MarkPuzzleSolved();
  // The game ended through the engine: its line in the history.
  void RecordFinish(Outcome outcome, int seconds);
  // The history file (history.txt in the working folder).
  const std::string& HistoryPath() const { return recorder_.Path(); }
  // "Would you like to save this game?" while an unsolved game was touched; IDNO otherwise.
  int AskSaveGame();
  // Alt+X: the save question, then Shutdown unless cancelled.
  void Exit();
  // Back to the working folder, HintButtons written, the message loop told to end.
  void Shutdown();

  // --- Commands ---
  // Runs the command with this id through the command table; ids without work do nothing.
  void Command(int id);
  static bool HandlesCommand(int id);
  // For tests: sees every command before it runs; answering true keeps it from running.
  void SetCommandFilter(std::function<bool(int id)> filter) { commandFilter_ = std::move(filter); }
  bool ShutdownRequested() const { return shutdownRequested_; }
  // The tutorial offer was answered Yes, or Help > View the Tutorial ran.
  bool TutorialRequested() const { return tutorialRequested_; }

 private:
  using Handler = void (*)(App&);
  static const std::map<int, Handler>& CommandTable();

  // PuzzleLoaderHost: a failed load ends in Open Puzzle File, without the confirmation.
  TWindow* MessageOwner() override;
  void OpenPuzzleFileDialog() override { OpenPuzzleFile(false); }

  // Frame events.
  bool CanCloseFrame();
  void FrameMoved();
  int HintButtonsSetting() const;
  void RestoreWorkingFolder();

  // Commands (commands.cpp, morecommands.cpp).
  void NewGameCommand();
  void HintCommand(void (Game::*help)());
  void OpenPuzzleFile(bool confirm);
  void EnterPuzzleCommand(PuzzleKind kind);
  void CorrectPuzzleCommand();
  void PasteCommand(PuzzleKind kind);
  void OpenFavoritesCommand();
  void GoToPuzzleCommand();
  void ChangeTimes();
  void ViewTutorial();
  // Game > Check Entered Puzzle (puzzlecheck.cpp).
  void CheckEnteredPuzzle();
  void ChooseDifficulty(std::optional<Band> band);

  enum class SavedGameOffer { NotResumed, Resumed, Damaged };
  SavedGameOffer OfferSavedGame();
  void SaveGame();
  std::uint64_t SavedGameId(const std::string& stamp);
  // Game::StartGame for the game on screen, the game it replaces recorded first.
  void StartGame();

  // Statistics (statscmd.cpp).
  void ShowStatistics();
  void ResetStatistics();
  void ExportStatistics(const std::vector<GameRecord>& records);
  bool EnterPuzzleText(bool plaintext);

  AppHooks hooks_{*this};
  Game game_{hooks_};
  std::string workingFolder_;
  PuzzleLoader loader_;
  std::unique_ptr<MyFrameWindow> frame_;
  std::unique_ptr<QuilloWindow> client_;
  MyControlBar hintBar_;
  Options options_;
  GameRecorder recorder_;
  std::function<bool(int)> commandFilter_;
  unsigned newGameSerial_ = 0;  // counts NewGame calls, to notice one started inside a load
  std::unique_ptr<TPrinter> printer_;  // made at the first Print Puzzle or Printer Setup
  std::shared_ptr<const Solver> solver_;  // built by the first Check Entered Puzzle
  std::unique_ptr<BackgroundSolve> cancelledCheck_;  // cancelled, maybe still building the index
  bool shutdownRequested_ = false;
  bool tutorialRequested_ = false;
};
