// Letter entry as a player does it: typing, clicking, erasing, the refusals, the win and the kind-1 clock.
#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace {

// Seed 7 gives H->L, E->H, L->M, O->U, W->P, R->Q, D->G: "Lhmmu, Puqmg".
constexpr const char* kHello = "Hello, World";
constexpr std::uint32_t kSeed = 7;
const std::string kTone = "tone 500 150";

class EntryTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle(kHello, PuzzleKind::kQuotePuzzle, kSeed);
    BeepOnErrors();
  }
  LetterHit Cipher(char letter) { return {Game::LetterIndex(letter), LetterHit::kCipherLetter, -1}; }
  LetterHit Plain(char letter) { return {Game::LetterIndex(letter), LetterHit::kPlainLetter, -1}; }
  void SolveByTyping() {
    for (char p : std::string("helowrd")) TypeLetters(p, p);
  }
};

TEST_F(EntryTest, KeyboardRhythmAndSelectionFromTheUnusedLetters) {
  ASSERT_EQ(std::string(game.text.puzzleText), "Lhmmu, Puqmg");
  game.KeyTyped('l');
  EXPECT_EQ(game.state.selectedCipher, 'L' - 'A');
  game.KeyTyped('h');
  EXPECT_TRUE(game.state.guess['L' - 'A'] == 'H' && game.state.selectedCipher == -1);

  // A plaintext letter picked in the panel, then the ciphertext letter typed.
  game.LeftClick(Plain('E'), false);
  EXPECT_EQ(game.state.selectedPlain, 'E' - 'A');
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
  std::vector<std::string> expected;
  for (const char* text : {"You've already guessed H for that character.", "Select a plaintext character now",
                           "The plaintext character H is already taken.", "Select a ciphertext character now",
                           "There is no plaintext character for Q.", "Enter either a letter or a backspace.",
                           "Enter either a letter or a backspace.", "Enter either a letter or a backspace."}) {
    expected.insert(expected.end(), {kTone, std::string("dialog Error: ") + text});
  }
  EXPECT_EQ(Shown(), expected);
  EXPECT_TRUE(game.state.guess['U' - 'A'] == ' ' && game.panel.erasedCount == 0);

  // With ExplainErrors off only the sound remains; the locked-letter message still shows.
  SetSetting("ExplainErrors", false);
  ClearShown();
  game.KeyTyped('l');
  game.KeyTyped('#');
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
  TypeLetters('h', 'h');
  TypeLetters('e', 'x');
  game.KeyTyped('L');
  EXPECT_TRUE(game.state.guess['L' - 'A'] == ' ' && !game.IsLetterUsed('H' - 'A') && game.panel.erasedCount == 1);

  // A right click with a selection pending only drops it; the next one erases.
  game.KeyTyped('H');
  TypeLetters('e', 'e');
  game.KeyTyped('u');
  game.RightClick(Cipher('H'));
  EXPECT_TRUE(game.state.guess['H' - 'A'] == 'E' && game.state.selectedCipher == -1);
  game.RightClick(Cipher('H'));
  EXPECT_EQ(game.state.guess['H' - 'A'], ' ');
  game.RightClick(Plain('E'));  // the unused-letters rows are not erased from
  EXPECT_EQ(game.panel.erasedCount, 3);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(EntryTest, WinIsAnnouncedOnceAndTheGameIsOverAfterwards) {
  SolveByTyping();
  game.KeyTyped('G');  // one letter missing: not solved
  Paint();
  EXPECT_EQ(game.state.gameOver, false);
  TypeLetters('d', 'd');
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 0);  // nothing until the paint judges
  Paint();
  EXPECT_TRUE(hooks.Last() == "ShowYouWonDialog" && !hooks.timerRunning);
  Paint();
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);

  ClearShown();
  game.KeyTyped('g');
  game.KeyTyped('G');
  game.LittleHint();
  const std::string over = "dialog Wake Up!: The game is over!";
  EXPECT_EQ(Shown(), (std::vector<std::string>{kTone, over, kTone, over, kTone, over}));
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
  ASSERT_EQ(std::string(game.text.puzzleText), "Xy zx");
  ASSERT_TRUE(hooks.timerRunning);
  TypeLetters('x', 't');
  TypeLetters('y', 'o');
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
  BeepOnHints();
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
                         "box Error: Sorry, word lists are not available when\nmilitary-cipher "
                         "style is being used."}));
  EXPECT_TRUE(hooks.wordLists.empty());

  hooks.military = false;
  game.LeftClick({-1, LetterHit::kCipherLetter, 0}, true);
  EXPECT_EQ(Shown().back(), kTone);  // the hint sound goes with a list
  ASSERT_EQ(hooks.wordLists.size(), 1u);
  EXPECT_EQ(hooks.wordLists[0].word, "ab");
}

TEST(WordAtTest, TakesTheTokenAroundThePosition) {
  const char* text = "It's \"well-known\"!\tAnon|x y";  // 23 is the forced line break
  for (auto [at, word] : {std::pair{0, "It's"}, {5, "well-known"}, {4, ""}, {20, "Anon"}, {23, ""},
                          {24, "x"}, {99, ""}, {-1, ""}}) {
    EXPECT_EQ(WordAt(text, at), word) << at;
  }
  EXPECT_EQ(WordAt("...", 1), "");
}

}  // namespace
