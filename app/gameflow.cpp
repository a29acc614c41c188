// The game's course: new games, the questions before a game is dropped, hints allowed, the end.
#include <cstdio>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/programpath.h"
#include "classlib/inifile.h"
#include "framework/platform.h"
#include "resources/commands.h"
#include "sources/memory.h"

namespace {
constexpr const char* kQuoteFileFilter =
    "Quote Files (*.cqt)|*.cqt|Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|";
constexpr int kHintMenuIndex = 2;  // Game, Edit, Hint, ...
}  // namespace

void App::NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) {
  GameState& state = game_.state;
  const unsigned serial = ++newGameSerial_;
  state.puzzleKind = kind;
  if (kind == PuzzleKind::kCipherEntered || kind == PuzzleKind::kPlainEntered) {
    if (textReady || EnterPuzzleText(kind == PuzzleKind::kPlainEntered)) {
      AllowHints(kind != PuzzleKind::kCipherEntered);
      StartGame();
      return;
    }
    state.puzzleKind = PuzzleKind::kQuotePuzzle;
  }
  AllowHints(true);
  loader_.LoadPuzzle(puzzleNumber);
  // A failed load ends in Open Puzzle File, whose chosen file has started its own game by now.
  if (serial != newGameSerial_) return;
  StartGame();
}

// Every game begins here, so the one it replaces gets its line in the history first.
void App::StartGame() {
  recorder_.Leave(game_, frame_.get());
  game_.StartGame();
  recorder_.Begin(game_);
  PuzzleChanged();
}

void App::RecordFinish(Outcome outcome, int seconds) {
  recorder_.Finish(game_, outcome, seconds, frame_.get());
}

void App::PuzzleChanged() {
  const GameState& state = game_.state;
  const bool rated = IsCompressedQuoteFileName(state.quoteFileName) && state.puzzleCount > 0 &&
                     loader_.Ratings(state.quoteFileName,
                                     static_cast<std::uint32_t>(state.puzzleCount)) != nullptr;
  options_.MarkDifficulty(rated);
  if (!frame_->HasPeer()) return;
  const bool entered = state.puzzleKind == PuzzleKind::kCipherEntered ||
                       state.puzzleKind == PuzzleKind::kPlainEntered;
  frame_->FramePeer().EnableMenuItem(kCmdCheckEntered, entered);
  ShowCaption();
}

std::optional<Band> App::CurrentBand() {
  // The tutorial is the same puzzle for everyone: no band.
  if (game_.state.puzzleKind != PuzzleKind::kQuotePuzzle) return std::nullopt;
  return loader_.CurrentBand();
}

void App::ChooseDifficulty(std::optional<Band> band) {
  ChooseBand(band);
  PuzzleChanged();
}

bool App::ConfirmNewGame() {
  const GameState& state = game_.state;
  if (!state.modified) return true;
  if (state.puzzleKind == PuzzleKind::kCipherEntered) {
    if (game_.AllLettersGuessed()) return true;
  } else if (state.gameOver) {
    return true;
  }
  return DialogService().MessageBox(frame_.get(),
                               "Do you really want to start a new game\nand lose this one?",
                               "Confirm New Game", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void App::AllowHints(bool allow) {
  GameState& state = game_.state;
  if (allow == !state.hintsDisallowed) return;
  if (!allow) {
    state.hintBarWasVisible = hintBar_.IsVisible();
    if (hintBar_.IsVisible()) options_.ToggleHintButtons();
    state.hintsDisallowed = true;
  } else {
    state.hintsDisallowed = false;
    if (state.hintBarWasVisible) options_.ToggleHintButtons();
  }
  if (!frame_->HasPeer() || !frame_->FramePeer().HasMenu()) {
    if (!allow) DialogService().MessageBox(frame_.get(), "Cannot disallow hints - no menu!", "Error", MB_OK);
    return;
  }
  frame_->FramePeer().EnableTopMenu(kHintMenuIndex, allow);
}

int App::AskSaveGame() {
  const GameState& state = game_.state;
  if (!state.modified || state.gameOver) return IDNO;
  const int answer = DialogService().MessageBox(frame_.get(), "Would you like to save this game?",
                                           "Quillo!", MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDYES) SaveGame();
  if (answer == IDNO) recorder_.Leave(game_, frame_.get());
  return answer;
}

void App::Exit() {
  if (AskSaveGame() != IDCANCEL) Shutdown();
}

void App::Shutdown() {
  RestoreWorkingFolder();
  Settings().WriteInt("quillo", "HintButtons", HintButtonsSetting());
  TheMemory().Close();
  shutdownRequested_ = true;
  SystemService().Quit();
}

void App::OpenPuzzleFile(bool confirm) {
  if (confirm && !ConfirmNewGame()) return;
  game_.ClearSelection();
  TOpenFileRequest request;
  request.title = "Quote File";
  request.filter = kQuoteFileFilter;
  request.defaultExtension = "cqt";
  request.initialFolder = ProgramFolder();
  request.initialName = game_.state.quoteFileName;
  const TOpenFileResult result = DialogService().OpenFile(frame_.get(), request);
  if (result.ok) {
    loader_.SetQuoteFile(result.path.c_str());
    game_.state.currentPuzzle = -1;
    NewGame(PuzzleKind::kQuotePuzzle, -1, false);
  } else if (result.errorCode != 0) {
    char message[80];
    std::snprintf(message, sizeof message, "Open puzzle file dialog error code #%ld", result.errorCode);
    DialogService().MessageBox(frame_.get(), message, "Error", MB_OK);
    Shutdown();
  }
}
