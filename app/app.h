// App: the application object: the game, its main frame and hint-button bar, and the commands.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/controlbar.h"
#include "dialogs/messagehooks.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "sources/casestyle.h"
#include "sources/puzzleloader.h"

class MyFrameWindow;
class QuilloWindow;

// Lives for the whole run. It is the game (Game), answers the engine's requests (GameHooks) by
// passing them to the client window and the frame, and hosts the puzzle loader, whose failures
// end in Open Puzzle File. Everything runs on the user-interface thread.
//
// Start-up calls, in order: the constructor, InitMainWindow, StartFirstGame. Commands arrive
// through Command from the frame (menu, accelerators, hint buttons).
class App : public MessageHooks, public Game, private PuzzleLoaderHost {
 public:
  // Records the current folder as the working folder. A command-line quote file (null for none)
  // becomes quoteFileName, cut to 255 characters, and is written to QuoteFile; otherwise
  // QuoteFile is read, and when it is empty the program folder's "quillo.cqt" is used.
  explicit App(const char* commandLineQuoteFile);
  ~App() override;

  // Builds the client window with both panes and the frame (caption "Quillo!", the menu, the
  // hint-button bar from HintButtons, HintLocation and HintOrientation), places and shows the
  // frame from the saved placement, reads the option flags kept in memory, sets the check marks
  // and greys the commands whose work has not arrived yet.
  void InitMainWindow();
  // The rest of start-up: finds a readable quote file (else Open Puzzle File, and start-up ends
  // there), then offers the saved game or starts a new game.
  void StartFirstGame();

  MyFrameWindow& Frame() { return *frame_; }
  QuilloWindow& Client() { return *client_; }

  // --- The game's course ---
  // Begins a game of this kind: the entered text for kinds 1 and 2 (a cancelled entry falls
  // back to kind 0), otherwise puzzle puzzleNumber of the quote file (-1: the file chooses).
  void NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) override;
  // True when the game on screen may be dropped: untouched, solved, or the player says Yes.
  bool ConfirmNewGame();
  // Greys or restores the Hint menu and hides or restores the hint buttons.
  void AllowHints(bool allow);
  // "Would you like to save this game?" while an unsolved game was touched; IDNO otherwise.
  int AskSaveGame();
  // Alt+X: the save question, then Shutdown unless cancelled.
  void Exit();
  // Back to the working folder, HintButtons written, the message loop told to end.
  void Shutdown() override;
  // The Open Puzzle File command (confirm: ask ConfirmNewGame first).
  void OpenPuzzleFile(bool confirm);

  // --- Commands ---
  // Runs the command with this id through the command table; ids without work do nothing.
  void Command(int id);
  static bool HandlesCommand(int id);
  // For tests: sees every command before it runs; answering true keeps it from running.
  void SetCommandFilter(std::function<bool(int id)> filter) { commandFilter_ = std::move(filter); }
  bool ShutdownRequested() const { return shutdownRequested_; }
  // The tutorial offer was answered Yes.
  bool TutorialRequested() const { return tutorialRequested_; }
  // Help > View the Tutorial.
  void ViewTutorial();
  // Options > Change Times.
  void ChangeTimes();
  // The owner of the game's messages and dialogs, and their font height.
  TWindow* MainWindow();
  int DialogFontHeight() override;

  // Option flags read once at start-up.
  bool WordListAlphabetical() const { return wordListAlphabetical_; }
  double PrintMarginInches() const { return printMargin_; }
  double& PrintMargin() { return printMargin_; }
  // The printer, made at the first Print Puzzle or Printer Setup and kept for the run.
  std::unique_ptr<TPrinter>& Printer() { return printer_; }

  // --- GameHooks ---
  void Redraw() override;
  void RepaintAll() override;
  void RedrawTime() override;
  void PuzzleTextChanged() override;
  void StartClockTimer() override;
  void StopClockTimer() override;
  bool IsMainWindowMinimised() override;
  void ShowMainFrame(bool show) override;
  bool IsMilitaryStyle() override;
  WinChoice ShowYouWonDialog() override;
  void MarkPuzzleSolved() override;
  void OpenWordList(const std::string& word, bool alphabetical, const char* placementKey) override;

 private:
  using Handler = void (*)(App&);
  static const std::map<int, Handler>& CommandTable();

  // PuzzleLoaderHost: a failed load ends in Open Puzzle File, without the confirmation.
  TWindow* MessageOwner() override;
  TWindow* MessageWindow() override { return MainWindow(); }
  void OpenPuzzleFileDialog() override { OpenPuzzleFile(false); }

  // Frame events.
  bool CanCloseFrame();
  void FrameMoved();
  void CheckMark(int id, bool checked);
  int HintButtonsSetting() const;
  void RestoreWorkingFolder();

  // Commands (commands.cpp).
  void NewGameCommand();
  void HintCommand(void (Game::*help)());
  // Commands of the puzzle sources, help and accessories (morecommands.cpp).
  void EnterPuzzleCommand(PuzzleKind kind);
  void CorrectPuzzleCommand();
  void PasteCommand(PuzzleKind kind);
  void OpenFavoritesCommand();
  void GoToPuzzleCommand();

  // Options (options.cpp).
  void ReadOptionFlags();
  void SetCheckMarks();
  void GreyCommandsAwaitingWork();
  bool ToggleSetting(const char* key, int defaultValue, int commandId);
  void ToggleShown(const char* key, int commandId);
  void ChooseLetters(CaseStyle style);
  void MarkLetters(CaseStyle style);
  void PlaceQuoteWindow(bool right);
  void ToggleHighlight();
  void ToggleHintButtons();
  void PlaceHintButtons(int location);
  void MarkHintLocation(int location);
  void ChooseFrequencyOrder(bool byFrequency);
  void MarkFrequencyOrder(bool byFrequency);
  void ChooseWordListOrder(bool alphabetical);
  void MarkWordListOrder(bool alphabetical);

  // Hook points for work that arrives with later changes; see each definition.
  enum class SavedGameOffer { NotResumed, Resumed, Damaged };
  SavedGameOffer OfferSavedGame();
  void SaveGame();
  bool EnterPuzzleText(bool plaintext);

  std::string workingFolder_;
  PuzzleLoader loader_;
  std::unique_ptr<MyFrameWindow> frame_;
  std::unique_ptr<QuilloWindow> client_;
  MyControlBar hintBar_;
  std::function<bool(int)> commandFilter_;
  unsigned newGameSerial_ = 0;  // counts NewGame calls, to notice one started inside a load
  bool wordListAlphabetical_ = true;
  double printMargin_ = 0.5;
  std::unique_ptr<TPrinter> printer_;
  bool frameWasZoomed_ = false;  // the frame was maximised when Pause Game hid it
  bool shutdownRequested_ = false;
  bool tutorialRequested_ = false;
};

// Menu commands whose work arrives with later changes. They stay in the menu, greyed from
// start-up on; the change that wires one removes it here and adds it to the command table.
const std::vector<int>& CommandsAwaitingWork();
