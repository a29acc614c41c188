// The help commands: what each reveals, locks, says, counts and costs.
#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace {

// Seed 7 gives E->H, T->A, A->X, S->C; the frequency order is E, T, A, S.
constexpr const char* kPuzzle = "EEEE TTT AA S";
const std::string kTone = "tone 500 150";

class HelpTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle(kPuzzle, PuzzleKind::kQuotePuzzle, 7);
    ASSERT_EQ(std::string(game.text.puzzleText), "HHHH AAA XX C");
    BeepOnHints();
    BeepOnErrors();
  }
  // What the hint sound and the named message dialogs leave in Shown(), in order.
  static std::vector<std::string> Toned(const char* caption, std::vector<std::string> texts) {
    std::vector<std::string> shown;
    for (const std::string& text : texts) {
      shown.insert(shown.end(), {kTone, std::string("dialog ") + caption + ": " + text});
    }
    return shown;
  }
  char& GuessOn(char cipher) { return game.state.guess[cipher - 'A']; }
  bool LockedOn(char cipher) { return game.state.locked[cipher - 'A']; }
  // A plaintext letter is marked used exactly while some ciphertext letter carries it.
  void ExpectUsedTableMatchesGuesses() {
    for (int p = 0; p < kLetterCount; ++p) {
      const bool carried = Guesses().find(static_cast<char>('A' + p)) != std::string::npos;
      EXPECT_EQ(game.IsLetterUsed(p), carried) << static_cast<char>('A' + p);
    }
  }
};

TEST_F(HelpTest, ConfirmLocksEveryRightGuessAndAlwaysCosts) {
  game.Confirm();
  EXPECT_EQ(Shown(), Toned("Confirm", {"Everything is correct so far."}));
  EXPECT_EQ(game.panel.elapsedSeconds, 15);

  TypeLetters('t', 'n');  // wrong
  TypeLetters('e', 'e');
  TypeLetters('a', 'a');
  game.KeyTyped('c');     // a pending selection is dropped
  ClearShown();
  game.Confirm();
  EXPECT_EQ(Shown(), Toned("Confirm", {"Something is wrong..."}));
  EXPECT_TRUE(LockedOn('H') && LockedOn('X') && !LockedOn('A'));
  EXPECT_EQ(std::pair(game.state.selectedCipher, game.panel.elapsedSeconds), std::pair(-1, 30));
}

TEST_F(HelpTest, UndoRemovesOnlyTheAlphabeticallyFirstWrongLetter) {
  TypeLetters('a', 'b');  // X = B, wrong
  TypeLetters('t', 'n');  // A = N, wrong
  TypeLetters('e', 'e');
  game.UndoError();
  EXPECT_TRUE(GuessOn('A') == ' ' && GuessOn('X') == 'B' && !game.IsLetterUsed('N' - 'A'));
  game.UndoError();
  EXPECT_EQ(GuessOn('X'), ' ');
  game.UndoError();
  EXPECT_EQ(GuessOn('H'), 'E');
  EXPECT_EQ(Shown(), Toned("Undo Error", {"Ciphertext A is not an N", "Ciphertext X is not a B",
                                          "Everything is correct so far."}));
  EXPECT_EQ(game.panel.elapsedSeconds, 90);
  ExpectUsedTableMatchesGuesses();
}

TEST_F(HelpTest, LittleHintGivesTheRarestLetterWithoutAGuess) {
  game.LittleHint();
  EXPECT_TRUE(GuessOn('C') == 'S' && LockedOn('C'));
  TypeLetters('a', 'e');  // X carries a wrong guess, so A is skipped
  game.LittleHint();
  EXPECT_TRUE(GuessOn('A') == 'T' && GuessOn('X') == 'E');
  EXPECT_EQ(Shown(), Toned("Little Hint", {"Ciphertext character C is really an S",
                                           "Ciphertext character A is really a T"}));
  EXPECT_EQ(game.panel.elapsedSeconds, 60);
}

TEST_F(HelpTest, BigHintGivesTheMostFrequentLetterOrTheSelectedOne) {
  TypeLetters('a', 'e');  // X holds E wrongly: revealing E takes it off X
  game.BigHint();
  EXPECT_TRUE(GuessOn('H') == 'E' && GuessOn('X') == ' ' && LockedOn('H'));

  TypeLetters('t', 'o');  // A wrong: skipped
  game.BigHint();
  EXPECT_EQ(GuessOn('X'), 'A');

  // The selected ciphertext letter is revealed even though it is the rarest.
  game.KeyTyped('c');
  game.BigHint();
  EXPECT_EQ(GuessOn('C'), 'S');
  EXPECT_EQ(Shown(), Toned("Big Hint", {"Ciphertext character H is really an E",
                                        "Ciphertext character X is really an A",
                                        "Ciphertext character C is really an S"}));
  EXPECT_EQ(game.panel.elapsedSeconds, 180);
  ExpectUsedTableMatchesGuesses();
}

TEST_F(HelpTest, BigHintOnASelectedPlaintextLetterReleasesTheWrongGuessItOverwrites) {
  TypeLetters('s', 'e');  // C holds E, wrongly
  game.LeftClick({'S' - 'A', LetterHit::kPlainLetter, -1}, false);
  game.BigHint();
  EXPECT_EQ(GuessOn('C'), 'S');
  ExpectUsedTableMatchesGuesses();

  TypeLetters('e', 'e');  // E can be placed again
  EXPECT_EQ(GuessOn('H'), 'E');
}

TEST_F(HelpTest, NoMoreHintsChargesTheCounterButNoTime) {
  for (const char* wrong : {"eb", "tc", "ad", "sf"}) TypeLetters(wrong[0], wrong[1]);
  ClearShown();
  game.LittleHint();
  game.BigHint();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kTone, "box Little Hint: Sorry, no more hints!",
                                               kTone, "box Big Hint: Sorry, no more hints!"}));
  EXPECT_EQ(std::pair(game.panel.littleHintCount, game.panel.bigHintCount), std::pair(1, 1));
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
}

TEST_F(HelpTest, SolvePuzzleMaxesTheClockAndShowsNoWin) {
  TypeLetters('e', 'x');
  game.panel.elapsedSeconds = 100;
  game.SolvePuzzle();
  EXPECT_EQ(Guesses().substr(0, 8), "TUSFNPDE");  // Decipher of A..H
  EXPECT_TRUE(game.panel.elapsedSeconds == kMaxClockSeconds && !hooks.timerRunning);
  Paint();
  EXPECT_EQ(std::pair(hooks.Count("ShowYouWonDialog"), hooks.Count("MarkPuzzleSolved")), std::pair(0, 1));
  ClearShown();
  game.Confirm();
  game.UndoError();
  game.BigHint();
  game.SolvePuzzle();
  EXPECT_EQ(Shown(), Toned("Wake Up!", std::vector<std::string>(4, "The game is over!")));
  EXPECT_EQ(game.panel.confirmCount + game.panel.undoCount + game.panel.bigHintCount, 0);
}

TEST(ArticleTest, AnBeforeLettersSpokenWithAVowelSound) {
  std::string an;
  for (char letter = 'A'; letter <= 'Z'; ++letter) an += std::string(ArticleFor(letter)) == "an" ? letter : '.';
  EXPECT_EQ(an, "A...EF.HI..LMNO..RS....X..");
}

}  // namespace
