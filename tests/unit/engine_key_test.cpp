// The cipher key and mapping, the shared random generator, the letters-used table and the new-puzzle steps.
#include <gtest/gtest.h>

#include <string>

#include "engine/random.h"
#include "support/game_fixture.h"

namespace {

class KeyTest : public GameFixture {
 protected:
  std::string KeyLetters() const {
    std::string letters;
    for (int p = 0; p < kLetterCount; ++p) letters += static_cast<char>('A' + game.state.key[p]);
    return letters;
  }
  void ExpectInverseConsistent() const {
    for (int p = 0; p < kLetterCount; ++p) EXPECT_EQ(game.state.inverseKey[game.state.key[p]], p);
  }
  void GenerateFor(int kind, std::uint32_t seed) {
    game.state.puzzleKind = kind;
    SeedRandom(seed);
    game.GenerateKey();
  }
};

TEST(RandomTest, DrawsFollowTheSharedState) {
  SeedRandom(0);
  EXPECT_EQ(Random31(), 0);
  EXPECT_EQ(RandomState(), 1u);
  EXPECT_EQ(Random31(), 346);

  // Random15 changes only the low half, so it shifts every later Random31 draw.
  SetRandomState(0x1234567800000000ULL);
  EXPECT_EQ(Random15(), 0);
  EXPECT_EQ(RandomState(), 0x1234567800000001ULL);
  SeedRandom(2024);
  EXPECT_EQ(Random15(), 12794);
  EXPECT_EQ(Random15(), 22601);
}

TEST_F(KeyTest, RandomKindsHaveNoFixedPointAndFollowTheSeed) {
  GenerateFor(kQuotePuzzle, 2024);
  EXPECT_EQ(KeyLetters(), "QOMLCTRBNHUASFWZVKXPDIYJGE");
  ExpectInverseConsistent();
  for (int p = 0; p < kLetterCount; ++p) EXPECT_NE(game.state.key[p], p);
  game.GenerateKey();  // the generator has moved on
  EXPECT_EQ(KeyLetters(), "TFEADJXKBWYIPMZHLCUQGOSVRN");

  GenerateFor(kPlainEntered, 7);
  EXPECT_EQ(KeyLetters(), "XVYGHDTLZSNMREUFIQCABKPJOW");
  ExpectInverseConsistent();

  // A puzzle pick between seeding and the key changes the key.
  SeedRandom(2024);
  Random15();
  Random15();
  game.state.puzzleKind = kQuotePuzzle;
  game.GenerateKey();
  EXPECT_EQ(KeyLetters(), "YJNUBDWAVOGHCXMTRIFQZKESPL");
}

TEST_F(KeyTest, FixedKindsAndGenerateKeyClearsGuessesAndLocks) {
  game.state.guess[3] = 'Q';
  game.state.locked[3] = 1;
  GenerateFor(kTutorialPuzzle, 99);
  EXPECT_EQ(KeyLetters(), "MNOPQRSTUVWXYZABCDEFGHIJKL");
  ExpectInverseConsistent();
  EXPECT_EQ(Guesses(), std::string(26, ' '));
  EXPECT_EQ(game.state.locked[3], 0);

  GenerateFor(kCipherEntered, 99);
  EXPECT_EQ(KeyLetters(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(game.Encipher('q'), 'q');
  EXPECT_EQ(game.Decipher('Q'), 'Q');
}

TEST_F(KeyTest, MappingKeepsCaseAndPassesNonLetters) {
  GenerateFor(kTutorialPuzzle, 0);
  EXPECT_EQ(game.Encipher('q'), 'c');
  EXPECT_EQ(game.Encipher('Q'), 'C');
  EXPECT_EQ(game.Encipher('Q' + 0x100), 'C');  // only the low 8 bits count
  EXPECT_EQ(game.Decipher('C'), 'Q');
  EXPECT_EQ(game.Encipher('-'), '-');
  EXPECT_EQ(game.Encipher(' '), ' ');
  EXPECT_EQ(game.Decipher('\xE9'), '\xE9');
  EXPECT_EQ(Game::LetterIndex('a'), 0);
  EXPECT_EQ(Game::LetterIndex('Z'), 25);
  EXPECT_EQ(Game::LetterIndex('['), -1);
  EXPECT_EQ(Game::LetterIndex('@'), -1);

  game.state.guess[2] = 'Q';
  EXPECT_EQ(game.GuessFor('c'), 'Q');
  EXPECT_EQ(game.GuessFor('C'), 'Q');
  EXPECT_EQ(game.GuessFor('D'), ' ');
  EXPECT_EQ(game.GuessFor(','), ',');
}

TEST_F(KeyTest, LettersUsedTableRefusesIndicesOutOfRange) {
  game.MarkLetterUsed(4);
  EXPECT_TRUE(game.IsLetterUsed(4));
  game.MarkLetterUnused(4);
  EXPECT_FALSE(game.IsLetterUsed(4));
  EXPECT_TRUE(fake.Messages().empty());

  const std::string before = Unused();
  EXPECT_FALSE(game.IsLetterUsed(-1));
  game.MarkLetterUsed(26);
  game.MarkLetterUnused(100);
  EXPECT_EQ(Unused(), before);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"box IsLetterUsed: Letter out of range",
                                               "box MarkLetterUsed: Letter out of range",
                                               "box MarkLetterUnused: Letter out of range"}));
}

TEST_F(KeyTest, FrequencyOrdersBreakTiesByTheExchangeSort) {
  GenerateFor(kTutorialPuzzle, 0);  // cipher letter = plain + 12
  game.CountFrequencies("aBc bC");
  EXPECT_EQ(std::string(game.panel.letterByFreq, 26), "BCADEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(game.panel.countByFreq[0], 2);
  EXPECT_EQ(game.panel.countByFreq[1], 2);
  EXPECT_EQ(game.panel.countByFreq[2], 1);
  EXPECT_EQ(game.panel.countByFreq[3], 0);
  // Position i belongs to ciphertext letter 'A' + i, whose plaintext is 12 letters back.
  EXPECT_EQ(std::string(game.panel.letterAlpha, 26), "OPQRSTUVWXYZABCDEFGHIJKLMN");
  EXPECT_EQ(game.panel.countAlpha[12], 1);  // M stands for A
  EXPECT_EQ(game.panel.countAlpha[13], 2);  // N stands for B
  EXPECT_EQ(game.panel.countAlpha[0], 0);
  EXPECT_EQ(Unused(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST_F(KeyTest, StartGameEnciphersCountsAndResets) {
  game.panel.confirmCount = 3;
  game.panel.elapsedSeconds = 500;
  game.state.resumed = 1;
  game.state.modified = 1;
  game.state.selectedCipher = 4;
  std::strcpy(game.text.displayText, "Hello,\tWorld|");
  game.state.puzzleKind = kTutorialPuzzle;

  // Before the panel's first paint the clock is left alone.
  game.StartGame();
  EXPECT_EQ(std::string(game.text.puzzleText), "Tqxxa,\tIadxp|");
  EXPECT_EQ(game.panel.countByFreq[0], 3);  // L
  EXPECT_EQ(game.panel.letterByFreq[0], 'L');
  EXPECT_EQ(game.panel.confirmCount, 0);
  EXPECT_EQ(game.state.resumed, 0);
  EXPECT_EQ(game.state.modified, 0);
  EXPECT_EQ(game.state.selectedCipher, -1);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged"}));
  EXPECT_EQ(game.panel.elapsedSeconds, 500);

  hooks.calls.clear();
  game.panel.panelShown = 1;
  game.StartGame();
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged", "RedrawTime",
                                                    "StartClockTimer", "RepaintAll"}));
}

TEST_F(KeyTest, JudgingBuildsTheGuessRowInTheCiphertextCase) {
  StartPuzzle("Go, go!", kTutorialPuzzle);  // "Sa, sa!"
  game.JudgePuzzle();
  EXPECT_EQ(std::string(game.text.plainText), "  ,   !");
  EXPECT_EQ(game.state.gameOver, 0);

  game.state.guess['S' - 'A'] = 'G';
  game.JudgePuzzle();
  EXPECT_EQ(std::string(game.text.plainText), "G , g !");
  EXPECT_EQ(game.state.gameOver, 0);
  EXPECT_FALSE(game.AllLettersGuessed());

  game.state.guess['A' - 'A'] = 'O';
  game.JudgePuzzle();
  EXPECT_EQ(std::string(game.text.plainText), "Go, go!");
  EXPECT_EQ(game.state.gameOver, 1);
  EXPECT_TRUE(game.AllLettersGuessed());
}

TEST_F(KeyTest, StateSoundnessCatchesBrokenRestoredKeys) {
  GenerateFor(kQuotePuzzle, 5);
  EXPECT_TRUE(game.StateIsSound());
  game.state.inverseKey[0] = game.state.inverseKey[1];
  EXPECT_FALSE(game.StateIsSound());
  GenerateFor(kQuotePuzzle, 5);
  game.state.guess[2] = 'e';
  EXPECT_FALSE(game.StateIsSound());
}

}  // namespace
