// The commands that bring puzzles from other sources: typed in, pasted, favourites, by number.
#include "app/app.h"
#include "sources/entered.h"
#include "sources/favorites.h"

void App::EnterPuzzleCommand(PuzzleKind kind) {
  if (ConfirmNewGame()) NewGame(kind, -1, false);
}

void App::CorrectPuzzleCommand() {
  if (CorrectPuzzle(game_, MainWindow(), DialogFontHeight())) StartGame();
}

// A pasted puzzle replaces the game without the new-game question.
void App::PasteCommand(PuzzleKind kind) {
  if (PasteFromClipboard(game_, MainWindow())) NewGame(kind, 0, true);
}

void App::OpenFavoritesCommand() {
  if (!CheckFavoritesFile(MainWindow()) || !ConfirmNewGame()) return;
  loader_.SetQuoteFile(kFavoritesFileName);
  game_.state.currentPuzzle = -1;
  NewGame(PuzzleKind::kQuotePuzzle, -1, false);
}

void App::GoToPuzzleCommand() {
  if (!ConfirmNewGame()) return;
  const int index = AskPuzzleNumber(game_, MainWindow(), DialogFontHeight());
  if (index >= 0) NewGame(PuzzleKind::kQuotePuzzle, index, false);
}
