// The menu and accelerator table "MENU_BAR": every command of the game, where the player finds it.
#include <utility>

#include "resources/commands.h"
#include "resources/resources.h"

namespace {

using Items = std::vector<TMenuItem>;

TMenuItem Item(const char* text, int id, const char* accel = "") {
  return TMenuItem::Command(text, id, accel);
}
TMenuItem Popup(const char* text, Items children) { return TMenuItem::Popup(text, std::move(children)); }
TMenuItem Line() { return TMenuItem::Separator(); }

TMenuItem GameMenu() {
  return Popup("&Game", {
      Item("&New Game", kCmdNewGame, "Alt+N"),
      Item("&Restart This Puzzle", kCmdRestartPuzzle, "Alt+R"),
      Item("&Go To Specific Puzzle", kCmdGoToPuzzle, "Alt+G"),
      Item("Save Puzzle in &Favorites File", kCmdSaveFavorite, "Alt+F"),
      Line(),
      Item("P&ause Game", kCmdPauseGame, "Alt+P"),
      Line(),
      Item("&Enter Encrypted Puzzle", kCmdEnterEncrypted, "Alt+E"),
      Item("En&ter Plaintext Puzzle", kCmdEnterPlaintext, "Alt+T"),
      Item("&Correct an Entered Puzzle", kCmdCorrectPuzzle),
      Item("C&heck Entered Puzzle", kCmdCheckEntered),
      Line(),
      Item("&Open Puzzle File", kCmdOpenPuzzleFile),
      Item("Open Fa&vorites File", kCmdOpenFavorites),
      Item("Puzzle &Source", kCmdPuzzleSource),
      Item("Sho&w Statistics", kCmdStatistics, "Ctrl+I"),
      Line(),
      Item("Pr&int Puzzle", kCmdPrintPuzzle, "F2"),
      Popup("&Print Options", {
          Item("&Color", kCmdPrintColor),
          Item("&Maximum size", kCmdPrintBig),
          Item("&Set printer margin", kCmdPrintMargin),
      }),
      Item("Printer Set&up", kCmdPrinterSetup),
      Line(),
      Item("Co&mpress Puzzle File", kCmdCompressFile),
      Line(),
      Item("E&xit", kCmdExit, "Alt+X"),
  });
}

TMenuItem EditMenu() {
  return Popup("&Edit", {
      Item("&Undo", kCmdUndo, "Ctrl+Z"),
      // The first key is shown; each one listed works.
      Item("&Redo", kCmdRedo, "Ctrl+Y, Ctrl+Shift+Z"),
      Item("Possible &Words", kCmdWordListKey, "Ctrl+W"),
      Line(),
      Item("&Copy Puzzle to Clipboard", kCmdCopyPuzzle),
      Item("Copy &Plaintext to Clipboard", kCmdCopyPlaintext),
      Item("Paste &Encrypted Puzzle", kCmdPasteEncrypted),
      Item("Paste P&laintext Puzzle", kCmdPastePlaintext),
  });
}

TMenuItem HintMenu() {
  return Popup("&Hint", {
      Item("&Confirm", kCmdConfirm, "Alt+C"),
      Item("&Undo Error", kCmdUndoError, "Alt+U"),
      Item("&Little hint", kCmdLittleHint, "Alt+L"),
      Item("&Big hint", kCmdBigHint, "Alt+B"),
      Item("&Solve Puzzle", kCmdSolvePuzzle, "Alt+S"),
  });
}

// Ctrl++ names the key with its shift, so Ctrl+= (the same key unshifted) is listed after it.
TMenuItem ViewMenu() {
  return Popup("&View", {
      Item("Zoom &In", kCmdZoomIn, "Ctrl++, Ctrl+="),
      Item("Zoom &Out", kCmdZoomOut, "Ctrl+-"),
      Item("&Actual Size", kCmdActualSize, "Ctrl+0"),
  });
}

TMenuItem OptionsMenu() {
  return Popup("&Options", {
      Popup("&Show", {
          Item("Letter &Frequencies", kCmdShowFrequencies),
          Item("&Time and Scores", kCmdShowTimeAndScores),
          Item("&Hint Buttons", kCmdShowHintButtons),
      }),
      Popup("&Letters", {
          Item("&Upper case only", kCmdCaseUpper),
          Item("L&ower case only", kCmdCaseLower),
          Item("Upper &and lower case", kCmdCaseMixed),
          Item("&Military cipher", kCmdCaseMilitary),
      }),
      Line(),
      Item("&Explain Errors", kCmdExplainErrors),
      Item("&Advance After Guess", kCmdAdvanceAfterGuess),
      Item("Quic&k Entry", kCmdQuickEntry),
      Item("Hi&ghlight Selected Letter", kCmdHighlightSelected),
      Line(),
      Popup("&Difficulty", {
          Item("&Any", kCmdDifficultyAny),
          Item("&Easy", kCmdDifficultyEasy),
          Item("&Medium", kCmdDifficultyMedium),
          Item("&Hard", kCmdDifficultyHard),
      }),
      Line(),
      Popup("&Quote Window", {
          Item("On the &left", kCmdQuoteLeft),
          Item("On the &right", kCmdQuoteRight),
          Item("&Highlight solution", kCmdHighlightSolution),
      }),
      Line(),
      Popup("&Hint Buttons", {
          Item("&Show", kCmdShowHintButtons),
          Item("On the &top", kCmdHintsTop),
          Item("On the &bottom", kCmdHintsBottom),
          Item("On the &left", kCmdHintsLeft),
          Item("On the &right", kCmdHintsRight),
      }),
      Line(),
      Popup("Letter &Frequencies", {
          Item("In order by &frequency", kCmdFrequencyByCount),
          Item("&Alphabetical", kCmdFrequencyAlphabetical),
      }),
      Line(),
      Popup("&Word list", {
          Item("&Alphabetical", kCmdWordsAlphabetical),
          Item("In order by &frequency", kCmdWordsByFrequency),
      }),
      Line(),
      Item("Change &Colors", kCmdChangeColors),
      Item("Change F&ont", kCmdChangeFont),
      Item("Change So&unds", kCmdChangeSounds),
      Item("Change T&imes", kCmdChangeTimes),
      Line(),
      Item("Kee&p Statistics", kCmdKeepStatistics),
      Item("&Reset Statistics...", kCmdResetStatistics),
  });
}

TMenuItem HelpMenu() {
  TMenuItem help = Popup("&Help", {
      Item("&Help", kCmdHelp, "F1"),
      Item("&About Quillo!", kCmdAbout),
      Line(),
      Item("View the &Tutorial", kCmdTutorial),
      Line(),
      Popup("&Online", {
          Popup("&Update Quillo!", {
              Item("&Check the Internet for updates", kCmdCheckForUpdates),
              Item("&Decrypt an update that you've downloaded", kCmdDecryptUpdate),
          }),
          Item("Quillo! &web site", kCmdWebSite),
      }),
  });
  help.rightAligned = true;
  return help;
}

}  // namespace

const std::vector<TMenuItem>& MenuBar() {
  static const Items menu{GameMenu(), EditMenu(), HintMenu(), ViewMenu(), OptionsMenu(), HelpMenu()};
  return menu;
}
