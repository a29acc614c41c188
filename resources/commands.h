// The command ids of the menu "MENU_BAR", the accelerators and the hint buttons.
#pragma once

// Game
inline constexpr int kCmdNewGame = 107;
inline constexpr int kCmdRestartPuzzle = 101;
inline constexpr int kCmdGoToPuzzle = 11862;
inline constexpr int kCmdSaveFavorite = 11860;
inline constexpr int kCmdPauseGame = 11882;
inline constexpr int kCmdEnterEncrypted = 112;
inline constexpr int kCmdEnterPlaintext = 11842;
inline constexpr int kCmdCorrectPuzzle = 11875;
inline constexpr int kCmdOpenPuzzleFile = 111;
inline constexpr int kCmdOpenFavorites = 11861;
inline constexpr int kCmdPuzzleSource = 11858;
inline constexpr int kCmdPrintPuzzle = 11849;
inline constexpr int kCmdPrintColor = 11854;
inline constexpr int kCmdPrintBig = 11856;
inline constexpr int kCmdPrintMargin = 11878;
inline constexpr int kCmdPrinterSetup = 11850;
inline constexpr int kCmdCompressFile = 11880;
inline constexpr int kCmdStatistics = 11898;
inline constexpr int kCmdCheckEntered = 11890;
inline constexpr int kCmdExit = 109;

// Edit
inline constexpr int kCmdCopyPuzzle = 11868;
inline constexpr int kCmdCopyPlaintext = 11869;
inline constexpr int kCmdPasteEncrypted = 11871;
inline constexpr int kCmdPastePlaintext = 11870;
inline constexpr int kCmdUndo = 11884;
inline constexpr int kCmdRedo = 11885;
inline constexpr int kCmdWordListKey = 11886;  // Possible Words for the selected letter's word

// Hint (also the hint buttons, with New Game)
inline constexpr int kCmdConfirm = 108;
inline constexpr int kCmdUndoError = 102;
inline constexpr int kCmdLittleHint = 104;
inline constexpr int kCmdBigHint = 105;
inline constexpr int kCmdSolvePuzzle = 106;

// Options
inline constexpr int kCmdShowFrequencies = 11851;
inline constexpr int kCmdShowTimeAndScores = 11852;
inline constexpr int kCmdShowHintButtons = 11863;  // in Show and in Hint Buttons
inline constexpr int kCmdCaseUpper = 11845;
inline constexpr int kCmdCaseLower = 11846;
inline constexpr int kCmdCaseMixed = 11847;
inline constexpr int kCmdCaseMilitary = 11859;
inline constexpr int kCmdExplainErrors = 11843;
inline constexpr int kCmdAdvanceAfterGuess = 11887;
inline constexpr int kCmdQuickEntry = 11888;
inline constexpr int kCmdHighlightSelected = 11889;
inline constexpr int kCmdQuoteLeft = 11848;
inline constexpr int kCmdQuoteRight = 11853;
inline constexpr int kCmdHighlightSolution = 11883;
inline constexpr int kCmdHintsTop = 11864;
inline constexpr int kCmdHintsBottom = 11865;
inline constexpr int kCmdHintsLeft = 11866;
inline constexpr int kCmdHintsRight = 11867;
inline constexpr int kCmdFrequencyByCount = 11873;
inline constexpr int kCmdFrequencyAlphabetical = 11874;
inline constexpr int kCmdWordsAlphabetical = 11879;
inline constexpr int kCmdWordsByFrequency = 11881;
inline constexpr int kCmdDifficultyAny = 11891;
inline constexpr int kCmdDifficultyEasy = 11892;  // Easy, Medium, Hard: consecutive ids
inline constexpr int kCmdDifficultyMedium = 11893;
inline constexpr int kCmdDifficultyHard = 11894;
inline constexpr int kCmdChangeColors = 103;
inline constexpr int kCmdChangeFont = 110;
inline constexpr int kCmdChangeSounds = 11855;
inline constexpr int kCmdChangeTimes = 11844;
inline constexpr int kCmdKeepStatistics = 11899;
inline constexpr int kCmdResetStatistics = 11900;

// View
inline constexpr int kCmdZoomIn = 11895;
inline constexpr int kCmdZoomOut = 11896;
inline constexpr int kCmdActualSize = 11897;

// Help
inline constexpr int kCmdHelp = 24341;
inline constexpr int kCmdAbout = 24346;
inline constexpr int kCmdTutorial = 11872;
inline constexpr int kCmdCheckForUpdates = 11877;
inline constexpr int kCmdDecryptUpdate = 11857;
inline constexpr int kCmdWebSite = 11876;
