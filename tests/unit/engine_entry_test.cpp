// Letter entry as a player does it: typing, clicking, erasing, the refusals, the win and the kind-1 clock;
// at the board: cursor order, Up/Down across lines, Quick Entry, Undo/Redo, the caption and the win summary.

#include "app/caption.h"
#include "dialogs/youwon.h"
#include "display/quotelayout.h"
#include "support/game_fixture.h"

namespace {

// Seed 7 gives H->L, E->H, L->M, O->U, W->P, R->Q, D->G: "Lhmmu, Puqmg".
constexpr const char* kHello = "Hello, World";
constexpr std::uint32_t kSeed = 7;

class EntryTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle(kHello, PuzzleKind::kQuotePuzzle, kSeed);
    SetSetting("ErrorMode", 1);  // error sounds become recorded tones
  }
  LetterHit Cipher(char letter) { return {Game::LetterIndex(letter), LetterHit::kCipherLetter, -1}; }
  LetterHit Plain(char letter) { return {Game::LetterIndex(letter), LetterHit::kPlainLetter, -1}; }
  void SolveByTyping() { for (char p : std::string("helowrd")) TypeLetters(p, p); }
  char On(char cipher) const { return game.state.guess[cipher - 'A']; }
  void At(int pos, char typed) {
    game.PlaceCursor(pos);
    game.KeyTyped(typed);
  }
};
using Move = Game::CursorMove;

TEST_F(EntryTest, KeyboardRhythmAndSelectionFromTheUnusedLetters) {
  ASSERT_EQ(std::string(game.text.puzzleText), "Lhmmu, Puqmg");
  game.KeyTyped('l');
  ASSERT_EQ(game.state.selectedCipher, 'L' - 'A');
  game.KeyTyped('h');
  EXPECT_TRUE(game.state.guess['L' - 'A'] == 'H' && game.state.selectedCipher == -1);

  // A plaintext letter picked in the panel, then the ciphertext letter typed.
  game.LeftClick(Plain('E'), false);
  game.KeyTyped('h');
  EXPECT_TRUE(game.state.guess['H' - 'A'] == 'E' && game.state.selectedPlain == -1);

  // Backspace and escape drop a pending selection.
  game.KeyTyped('u');
  game.KeyTyped(8);
  game.LeftClick(Plain('O'), false);
  game.KeyTyped(27);
  EXPECT_EQ(std::pair(game.state.selectedCipher, game.state.selectedPlain), std::pair(-1, -1));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(EntryTest, RefusalsExplainedWithTheErrorSound) {
  TypeLetters('h', 'h');
  ClearShown();
  game.KeyTyped('l');              // already guessed
  game.KeyTyped('u');              // selects cipher U
  game.LeftClick(Cipher('P'), false);  // a second ciphertext letter
  game.KeyTyped('h');              // H is taken
  game.KeyTyped(8);
  game.LeftClick(Plain('A'), false);
  game.LeftClick(Plain('B'), false);  // a second plaintext letter
  game.KeyTyped(27);
  for (char key : {'Q', '1', ' ', '\r'}) game.KeyTyped(key);  // erase where nothing is, then no letters
  EXPECT_EQ(Shown(), Toned("Error", {"You've already guessed H for that character.",
                                     "Select a plaintext character now", "The plaintext character H is already taken.",
                                     "Select a ciphertext character now", "There is no plaintext character for Q.",
                                     "Enter either a letter or a backspace.", "Enter either a letter or a backspace.",
                                     "Enter either a letter or a backspace."}));
  EXPECT_TRUE(game.state.guess['U' - 'A'] == ' ' && game.panel.erasedCount == 0);

  // With ExplainErrors off only the sound remains; the locked-letter message still shows.
  SetSetting("ExplainErrors", false);
  ClearShown();
  for (char key : {'l', '#'}) game.KeyTyped(key);
  EXPECT_EQ(Shown(), (std::vector<std::string>{kTone, kTone}));
  game.Confirm();  // locks L = H
  ClearShown();
  game.KeyTyped('L');
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "box Error: The answer for ciphertext L was given to you as a hint\nor "
                         "you have already confirmed it to be correct."}));
  EXPECT_TRUE(fake.LastMessage().flags == (MB_OK | MB_ICONEXCLAMATION) && game.state.guess['L' - 'A'] == 'H');
}

TEST_F(EntryTest, ErasingWithShiftAndRightClicks) {
  for (const char* pair : {"hh", "ex"}) TypeLetters(pair[0], pair[1]);
  game.KeyTyped('L');
  EXPECT_TRUE(game.state.guess['L' - 'A'] == ' ' && !game.IsLetterUsed('H' - 'A') && game.panel.erasedCount == 1);

  // A right click with a selection pending only drops it; the next one erases.
  game.KeyTyped('H');
  TypeLetters('e', 'e');
  game.KeyTyped('u');
  game.RightClick(Cipher('H'));
  EXPECT_TRUE(game.state.guess['H' - 'A'] == 'E' && game.state.selectedCipher == -1);
  game.RightClick(Cipher('H'));
  game.RightClick(Plain('E'));  // the unused-letters rows are not erased from
  EXPECT_TRUE(game.state.guess['H' - 'A'] == ' ' && game.panel.erasedCount == 3 && Shown().empty());
}

TEST_F(EntryTest, WinIsAnnouncedOnceAndTheGameIsOverAfterwards) {
  SolveByTyping();
  game.KeyTyped('G');  // one letter missing: not solved
  Paint();
  TypeLetters('d', 'd');
  EXPECT_EQ(hooks.Count("ShowYouWonDialog") + game.state.gameOver, 0);  // nothing until the paint judges
  Paint();
  EXPECT_TRUE(hooks.Last() == "ShowYouWonDialog" && !hooks.timerRunning);
  Paint();
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);

  ClearShown();
  for (char key : {'g', 'G'}) game.KeyTyped(key);
  game.LittleHint();
  EXPECT_EQ(Shown(), Toned("Wake Up!", std::vector<std::string>(3, "The game is over!")));
  EXPECT_EQ(game.state.guess['G' - 'A'], 'D');

  // Restarting the puzzle lets the next judging pass re-arm the announcement.
  game.StartGame();
  Paint();
  SolveByTyping();
  Paint();
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 2);
}

TEST_F(EntryTest, WinDialogAnswers) {
  for (auto [kind, answer, then] :
       {std::tuple{PuzzleKind::kQuotePuzzle, WinChoice::kNextGame, "NewGame 0 -1 ask"},
        {PuzzleKind::kPlainEntered, WinChoice::kNextGame, "NewGame 2 -1 ask"},
        {PuzzleKind::kQuotePuzzle, WinChoice::kExit, "Shutdown"}}) {
    StartPuzzle(kHello, kind, kSeed);
    hooks.youWonAnswer = answer;
    SolveByTyping();
    Paint();
    EXPECT_EQ(hooks.Last(), then);
  }
}

TEST_F(EntryTest, CiphertextPuzzleStopsTheClockWhileEveryLetterHasAGuess) {
  StartPuzzle("Xy zx", PuzzleKind::kCipherEntered, kSeed);
  for (const char* pair : {"xt", "yo"}) TypeLetters(pair[0], pair[1]);
  Paint();
  EXPECT_TRUE(hooks.timerRunning);
  game.panel.elapsedSeconds = 42;
  TypeLetters('z', 'a');
  Paint();
  EXPECT_TRUE(!hooks.timerRunning && game.IsCipherClockStopped() && !game.state.gameOver);

  game.KeyTyped('Y');
  Paint();
  EXPECT_TRUE(hooks.timerRunning && game.panel.elapsedSeconds == 42 && hooks.Count("ShowYouWonDialog") == 0);
}

TEST_F(EntryTest, OutOfRangeIndexShutsTheGameDown) {
  game.LeftClick({26, LetterHit::kCipherLetter, -1}, false);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Subscript error, please contact Brindlewood",
                                                  "Error", MB_OK | MB_ICONSTOP}));
  EXPECT_TRUE(hooks.calls == std::vector<std::string>{"Shutdown"} && game.state.selectedCipher == -1);
  game.RightClick({-1, LetterHit::kCipherLetter, -1});  // no letter: nothing at all
  EXPECT_EQ(fake.Messages().size(), 1u);
}

TEST_F(EntryTest, WordListRefusals) {
  SetSetting("HintMode", 1);
  std::strcpy(game.text.puzzleText, "Ab -- abcdefghijklmnopqrstuvwxyz");
  game.LeftClick({-1, LetterHit::kCipherLetter, 4}, true);   // a token of dashes
  game.LeftClick({-1, LetterHit::kCipherLetter, 2}, true);   // the blank
  game.LeftClick({4, LetterHit::kCipherLetter, -1}, true);   // the panel: no text position
  game.LeftClick({-1, LetterHit::kCipherLetter, 10}, true);  // 26 letters
  hooks.military = true;
  game.LeftClick({-1, LetterHit::kCipherLetter, 0}, true);
  const std::string noWord = "box Error: Must point to a word to get a word list.";
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         noWord, noWord, noWord,
                         "box Error: Sorry, the dictionary doesn't have\nany entries of that length.",
                         "box Error: Sorry, word lists are not available when\nmilitary-cipher style is being used."}));
  EXPECT_TRUE(hooks.wordLists.empty());

  hooks.military = false;
  game.LeftClick({-1, LetterHit::kCipherLetter, 0}, true);
  EXPECT_EQ(Shown().back(), kTone);  // the hint sound goes with a list
  EXPECT_TRUE(hooks.wordLists.size() == 1 && hooks.wordLists[0].word == "ab");
}

TEST(WordAtTest, TakesTheTokenAroundThePosition) {
  const char* text = "It's \"well-known\"!\tAnon|x y";  // 23 is the forced line break
  for (auto [at, word] : {std::pair{0, "It's"}, {5, "well-known"}, {4, ""}, {20, "Anon"}, {23, ""},
                          {24, "x"}, {99, ""}, {-1, ""}}) {
    EXPECT_EQ(WordAt(text, at), word) << at;
  }
  EXPECT_EQ(WordAt("...", 1), "");
}

TEST_F(EntryTest, CursorStepsThroughTheLettersInReadingOrder) {
  // L0 h1 m2 m3 u4 ,5 _6 P7 u8 q9 m10 g11; Tab passes over the selected letter's other places.
  const std::pair<Move, int> steps[] = {
      {Move::kRight, 0}, {Move::kRight, 1},     {Move::kEnd, 11},         {Move::kRight, 11},
      {Move::kLeft, 10}, {Move::kHome, 0},      {Move::kLeft, 0},         {Move::kNextBlank, 1},
      {Move::kNextBlank, 2}, {Move::kNextBlank, 4}, {Move::kPreviousBlank, 3}, {Move::kRight, 4},
      {Move::kRight, 7}};
  for (const auto& [move, pos] : steps) {
    game.MoveCursor(move);
    EXPECT_EQ(game.CursorPosition(), pos) << static_cast<int>(move);
  }
  game.KeyTyped(27);
  TypeLetters('h', 'h');  // Tab and Shift+Tab wrap round past the guessed L
  game.MoveCursor(Move::kEnd);
  game.KeyTyped('\t');
  const int tabbed = game.CursorPosition();
  game.MoveCursor(Move::kPreviousBlank);
  EXPECT_EQ(std::pair(tabbed, game.CursorPosition()), std::pair(1, 11));
  EXPECT_TRUE(Shown().empty());
}

TEST(BoardLayout, UpAndDownTakeTheNearestLetterOnTheNextLineWithOne) {
  // "abcd" at columns 0..3, "efg" at 1..3, "h,j" at 0..2, "--" without letters, "k" at 5.
  QuoteLayout layout;
  const QuoteLine lines[] = {{0, 4, 0}, {5, 3, 1}, {9, 3, 0}, {13, 2, 0}, {16, 1, 5}};
  layout.lineCount = static_cast<int>(std::copy(std::begin(lines), std::end(lines), layout.lines) - layout.lines);
  const int cases[][3] = {{0, 1, 5},   {3, 1, 7},   {6, 1, 11},  {5, 1, 9} /* tie: the left */,
                          {11, -1, 6}, {1, -1, -1}, {11, 1, 16}, {16, -1, 11}, {4, 1, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(LetterAcrossLines(layout, "abcd efg h,j -- k", c[0], c[1]), c[2]) << c[0] << c[1];
  }
}

TEST_F(EntryTest, QuickEntryTypesOverAndMovesLettersButLocksHoldAndAdvanceMovesOn) {
  TypeLetters('h', 'h');  // L=H
  At(0, 'x');             // classic: refused
  EXPECT_EQ(Shown(), Toned("Error", {"You've already guessed H for that character."}));
  SetSetting("QuickEntry", 1);
  SetSetting("AdvanceAfterGuess", 1);
  ClearShown();
  At(0, 'x');  // typed over; the cursor goes on to h
  EXPECT_EQ(game.CursorPosition(), 1);
  game.KeyTyped('x');  // X moves from L to H
  EXPECT_EQ(std::string() + On('L') + On('H'), " X");
  EXPECT_EQ(Unused().substr(7, 1) + Unused().substr(23, 1), "H ");
  EXPECT_TRUE(Shown().empty());  // neither slip asks for an OK

  At(1, 'e');
  game.Confirm();  // locks H=E
  ClearShown();
  At(1, 'z');  // over a locked letter
  At(2, 'e');  // E is locked elsewhere
  EXPECT_EQ(std::string() + On('H') + On('M'), "E ");
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "box Error: The answer for ciphertext H was given to you as a hint\nor "
                         "you have already confirmed it to be correct.",
                         kTone, "dialog Error: The plaintext character E is already taken."}));
}

TEST_F(EntryTest, UndoAndRedoStepThroughMovesAndNeverUndoHelp) {
  for (const char* pair : {"hh", "ex", "ll"}) TypeLetters(pair[0], pair[1]);  // L=H right, H=X wrong, M=L right
  EXPECT_TRUE(game.Undo() && game.Undo());
  EXPECT_EQ(Unused().substr(7, 5), " IJKL");
  EXPECT_TRUE(game.Redo());
  EXPECT_EQ(std::string() + On('L') + On('H') + On('M'), "HX ");

  // Undo Error erases H=X: that move is passed over, and the one before is undone, with no refund.
  game.UndoError();
  const int charged = game.panel.elapsedSeconds;
  EXPECT_TRUE(game.Undo());
  EXPECT_EQ(std::pair(On('L'), game.panel.elapsedSeconds), std::pair(' ', charged));
  // Redone, then locked by Confirm: nothing is left to undo.
  EXPECT_TRUE(game.Redo());
  game.Confirm();
  ClearShown();
  EXPECT_FALSE(game.Undo());
  EXPECT_EQ(std::pair(On('L'), Shown()), std::pair('H', std::vector<std::string>{kTone}));

  // A word entered as one move is one step; a quick-entry move is undone on both its letters;
  // a new move drops the redo steps, a new puzzle the history.
  SetSetting("QuickEntry", 1);
  game.RecordMove([&] { for (const char* pair : {"oo", "ww"}) TypeLetters(pair[0], pair[1]); });
  At(2, 'o');  // O moves from U to M
  game.Undo();
  EXPECT_EQ(std::string() + On('M') + On('U') + On('P'), " OW");
  game.Undo();
  EXPECT_EQ(std::string() + On('U') + On('P'), "  ");
  TypeLetters('d', 'd');
  EXPECT_FALSE(game.CanRedo());
  StartPuzzle("Another one");
  EXPECT_FALSE(game.CanUndo());
}

TEST(Caption, NamesThePuzzleAndTheWinSaysTimeAndHelp) {
  const std::pair<CaptionParts, const char*> cases[] = {
      {{PuzzleKind::kQuotePuzzle, 1461, 2300, "/usr/share/quillo/quillo.cqt"}, "Quillo! - puzzle 1462 of 2300"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, "C:\\games\\favorite.qot"}, "Quillo! - favorite.qot"},
      {{PuzzleKind::kCipherEntered, 4, 2300, "quillo.cqt"}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kPlainEntered, -1, 0, ""}, "Quillo! - entered puzzle"},
      {{PuzzleKind::kTutorialPuzzle, 0, 12, "quillo.cqt"}, "Quillo! - tutorial"},
      {{PuzzleKind::kQuotePuzzle, -1, 0, ""}, "Quillo!"}};
  for (const auto& [parts, caption] : cases) EXPECT_EQ(GameCaption(parts), caption);

  PanelState panel{};
  panel.elapsedSeconds = 3725;
  EXPECT_EQ(WinSummary(panel), "You solved it in 1:02:05.\nHelp used: none.\n\nStart a new game?");
  panel.confirmCount = 1;
  panel.wordListCount = 3;
  EXPECT_EQ(WinSummary(panel), "You solved it in 1:02:05.\nHelp used: 1 confirm, 3 word lists.\n\nStart a new game?");
}

}  // namespace
