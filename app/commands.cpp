// The command table: which member does the work of each menu command, accelerator and hint button.
#include "app/app.h"
#include "app/programpath.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/online.h"
#include "dialogs/sounddlg.h"
#include "display/printout.h"
#include "display/quillowindow.h"
#include "framework/platform.h"
#include "resources/commands.h"
#include "sources/compresscmd.h"
#include "sources/entered.h"
#include "sources/favorites.h"
#include "sources/report.h"

const std::map<int, App::Handler>& App::CommandTable() {
  static const std::map<int, Handler> table = {
      // Game
      {kCmdNewGame, [](App& app) { app.NewGameCommand(); }},
      {kCmdRestartPuzzle, [](App& app) { app.StartGame(); }},
      {kCmdPauseGame, [](App& app) { app.game_.PauseGame(); }},
      {kCmdOpenPuzzleFile, [](App& app) { app.OpenPuzzleFile(true); }},
      {kCmdPrintColor,
       [](App& app) { app.options_.ToggleSetting("PrintColor", 0, kCmdPrintColor); }},
      {kCmdPrintBig, [](App& app) { app.options_.ToggleSetting("PrintBig", 0, kCmdPrintBig); }},
      {kCmdExit, [](App& app) { app.Exit(); }},
      {kCmdPrintPuzzle,
       [](App& app) {
         PrintPuzzle(app.MainWindow(), app.Client(), app.game_, app.options_.PrintMargin(),
                     app.printer_);
       }},
      {kCmdPrinterSetup, [](App& app) { PrinterSetup(app.MainWindow(), app.printer_); }},
      {kCmdPrintMargin,
       [](App& app) {
         AskPrintMargin(app.MainWindow(), app.DialogFontHeight(), app.options_.PrintMargin());
       }},
      {kCmdGoToPuzzle, [](App& app) { app.GoToPuzzleCommand(); }},
      {kCmdSaveFavorite, [](App& app) { SaveFavorite(app.game_, app.MainWindow()); }},
      {kCmdEnterEncrypted, [](App& app) { app.EnterPuzzleCommand(PuzzleKind::kCipherEntered); }},
      {kCmdEnterPlaintext, [](App& app) { app.EnterPuzzleCommand(PuzzleKind::kPlainEntered); }},
      {kCmdCorrectPuzzle, [](App& app) { app.CorrectPuzzleCommand(); }},
      {kCmdOpenFavorites, [](App& app) { app.OpenFavoritesCommand(); }},
      {kCmdPuzzleSource,
       [](App& app) {
         PuzzleSource source = PuzzleSourceOf(app.game_);
         const std::optional<Band> band = app.CurrentBand();
         source.band = band ? BandName(*band) : nullptr;
         ShowPuzzleSource(source, app.MainWindow());
       }},
      {kCmdCheckEntered, [](App& app) { app.CheckEnteredPuzzle(); }},
      {kCmdStatistics, [](App& app) { app.ShowStatistics(); }},
      {kCmdCompressFile,
       [](App& app) { CompressPuzzleFile(app.MainWindow(), app.DialogFontHeight()); }},
      // Edit
      {kCmdCopyPuzzle, [](App& app) { CopyToClipboard(app.game_, true); }},
      {kCmdCopyPlaintext, [](App& app) { CopyToClipboard(app.game_, false); }},
      {kCmdPasteEncrypted, [](App& app) { app.PasteCommand(PuzzleKind::kCipherEntered); }},
      {kCmdPastePlaintext, [](App& app) { app.PasteCommand(PuzzleKind::kPlainEntered); }},
      {kCmdUndo, [](App& app) { app.game_.Undo(); }},
      {kCmdRedo, [](App& app) { app.game_.Redo(); }},
      {kCmdWordListKey,
       [](App& app) {
         // The same road as Alt+click on the selected letter, with its rules and charges.
         LetterHit hit;
         hit.textPos = app.game_.CursorPosition();
         app.game_.LeftClick(hit, true);
       }},
      // Hint
      {kCmdConfirm, [](App& app) { app.HintCommand(&Game::Confirm); }},
      {kCmdUndoError, [](App& app) { app.HintCommand(&Game::UndoError); }},
      {kCmdLittleHint, [](App& app) { app.HintCommand(&Game::LittleHint); }},
      {kCmdBigHint, [](App& app) { app.HintCommand(&Game::BigHint); }},
      {kCmdSolvePuzzle, [](App& app) { app.HintCommand(&Game::SolvePuzzle); }},
      // Options
      {kCmdShowFrequencies,
       [](App& app) { app.options_.ToggleShown("ShowLetterFrequencies", kCmdShowFrequencies); }},
      {kCmdShowTimeAndScores,
       [](App& app) { app.options_.ToggleShown("ShowTimeAndScores", kCmdShowTimeAndScores); }},
      {kCmdShowHintButtons, [](App& app) { app.options_.ToggleHintButtons(); }},
      {kCmdCaseUpper, [](App& app) { app.options_.ChooseLetters(kCaseUpper); }},
      {kCmdCaseLower, [](App& app) { app.options_.ChooseLetters(kCaseLower); }},
      {kCmdCaseMixed, [](App& app) { app.options_.ChooseLetters(kCaseDefault); }},
      {kCmdCaseMilitary, [](App& app) { app.options_.ChooseLetters(kCaseMilitary); }},
      {kCmdExplainErrors,
       [](App& app) { app.options_.ToggleSetting("ExplainErrors", 1, kCmdExplainErrors); }},
      {kCmdAdvanceAfterGuess,
       [](App& app) { app.options_.ToggleSetting("AdvanceAfterGuess", 0, kCmdAdvanceAfterGuess); }},
      {kCmdQuickEntry,
       [](App& app) { app.options_.ToggleSetting("QuickEntry", 0, kCmdQuickEntry); }},
      {kCmdHighlightSelected, [](App& app) { app.options_.ToggleHighlightSelected(); }},
      {kCmdQuoteLeft, [](App& app) { app.options_.PlaceQuoteWindow(false); }},
      {kCmdQuoteRight, [](App& app) { app.options_.PlaceQuoteWindow(true); }},
      {kCmdHighlightSolution, [](App& app) { app.options_.ToggleHighlight(); }},
      {kCmdHintsTop, [](App& app) { app.options_.PlaceHintButtons(kHintsTop); }},
      {kCmdHintsBottom, [](App& app) { app.options_.PlaceHintButtons(kHintsBottom); }},
      {kCmdHintsLeft, [](App& app) { app.options_.PlaceHintButtons(kHintsLeft); }},
      {kCmdHintsRight, [](App& app) { app.options_.PlaceHintButtons(kHintsRight); }},
      {kCmdFrequencyByCount, [](App& app) { app.options_.ChooseFrequencyOrder(true); }},
      {kCmdFrequencyAlphabetical, [](App& app) { app.options_.ChooseFrequencyOrder(false); }},
      {kCmdWordsAlphabetical, [](App& app) { app.options_.ChooseWordListOrder(true); }},
      {kCmdWordsByFrequency, [](App& app) { app.options_.ChooseWordListOrder(false); }},
      {kCmdDifficultyAny, [](App& app) { app.ChooseDifficulty(std::nullopt); }},
      {kCmdDifficultyEasy, [](App& app) { app.ChooseDifficulty(Band::Easy); }},
      {kCmdDifficultyMedium, [](App& app) { app.ChooseDifficulty(Band::Medium); }},
      {kCmdDifficultyHard, [](App& app) { app.ChooseDifficulty(Band::Hard); }},
      {kCmdChangeColors, [](App& app) { app.Client().ChangeColors(); }},
      {kCmdChangeFont, [](App& app) { app.Client().ChangeFont(); }},
      {kCmdChangeTimes, [](App& app) { app.ChangeTimes(); }},
      {kCmdKeepStatistics,
       [](App& app) { app.options_.ToggleSetting("KeepStatistics", 1, kCmdKeepStatistics); }},
      {kCmdResetStatistics, [](App& app) { app.ResetStatistics(); }},
      {kCmdChangeSounds,
       [](App& app) { SoundDialog(app.MainWindow(), ProgramFolder()).Execute(); }},
      // View
      {kCmdZoomIn, [](App& app) { app.Client().ZoomIn(); }},
      {kCmdZoomOut, [](App& app) { app.Client().ZoomOut(); }},
      {kCmdActualSize, [](App& app) { app.Client().ActualSize(); }},
      // Help
      {kCmdHelp, [](App& app) { DialogService().ShowHelp(app.MainWindow(), HelpPath(), 0); }},
      {kCmdAbout, [](App& app) { AboutDlg(app.MainWindow()).Execute(); }},
      {kCmdTutorial, [](App& app) { app.ViewTutorial(); }},
      {kCmdCheckForUpdates, [](App& app) { ShowCheckForUpdates(app.MainWindow()); }},
      {kCmdDecryptUpdate, [](App& app) { ShowDecryptUpdate(app.MainWindow()); }},
      {kCmdWebSite, [](App& app) { ShowWebSite(app.MainWindow()); }},
  };
  return table;
}

bool App::HandlesCommand(int id) { return CommandTable().count(id) != 0; }

void App::Command(int id) {
  if (commandFilter_ && commandFilter_(id)) return;
  const auto& table = CommandTable();
  const auto found = table.find(id);
  if (found != table.end()) found->second(*this);
}

void App::NewGameCommand() {
  if (ConfirmNewGame()) NewGame(PuzzleKind::kQuotePuzzle, -1, false);
}

// While hints are disallowed the Hint menu is greyed and the bar hidden; a greyed command does
// not run, whichever way its key arrives.
void App::HintCommand(void (Game::*help)()) {
  if (game_.state.hintsDisallowed) return;
  (game_.*help)();
}
