// The cipher key and mapping, judging, the clock, its penalties and the Change Time Penalties dialog;
// the help commands: what each reveals, locks, says, counts and costs.

#include "dialogs/timedialog.h"
#include "engine/penalties.h"
#include "resources/dlg_time.h"
#include "resources/resources.h"
#include "support/game_fixture.h"

namespace {

class EngineTest : public GameFixture {
 protected:
  // A new key for the kind, drawn after `picks` random numbers from seed, as ciphertext letters for
  // A..Z; the inverse key must undo it.
  std::string GenerateFor(PuzzleKind kind, std::uint32_t seed, int picks = 0) {
    game.state.puzzleKind = kind;
    SeedRandom(seed);
    for (int i = 0; i < picks; ++i) Random15();
    game.GenerateKey();
    std::string letters;
    for (int p = 0; p < kLetterCount; ++p) {
      EXPECT_EQ(game.state.inverseKey[game.state.key[p]], p);
      letters += static_cast<char>('A' + game.state.key[p]);
    }
    return letters;
  }
  // Absent keys are told apart from written ones by a default no field can hold.
  int Stored(const char* key) { return store.ReadInt("quillo", key, -99999); }
};

TEST_F(EngineTest, KeysFollowTheKindAndTheSeedAndClearGuessesAndLocks) {
  EXPECT_EQ(GenerateFor(PuzzleKind::kQuotePuzzle, 2024), "QOMLCTRBNHUASFWZVKXPDIYJGE");  // no letter stands for itself
  // A puzzle pick between seeding and the key changes the key.
  EXPECT_EQ(GenerateFor(PuzzleKind::kQuotePuzzle, 2024, 2), "YJNUBDWAVOGHCXMTRIFQZKESPL");

  game.state.guess[3] = 'Q';
  game.state.locked[3] = true;
  EXPECT_EQ(GenerateFor(PuzzleKind::kTutorialPuzzle, 99), "MNOPQRSTUVWXYZABCDEFGHIJKL");
  EXPECT_TRUE(Guesses() == std::string(26, ' ') && game.state.locked[3] == 0);
  EXPECT_EQ(GenerateFor(PuzzleKind::kCipherEntered, 99), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST_F(EngineTest, MappingKeepsCaseAndTheLettersUsedTableRefusesIndicesOutOfRange) {
  GenerateFor(PuzzleKind::kTutorialPuzzle, 0);
  // Only the low 8 bits count; non-letters map to themselves.
  const char mapped[] = {game.Encipher('q'), game.Encipher('Q' + 0x100), game.Encipher('-'), game.Decipher('\xE9'), 0};
  EXPECT_STREQ(mapped, "cC-\xE9");
  EXPECT_EQ(std::pair(Game::LetterIndex('['), Game::LetterIndex('@')), std::pair(-1, -1));
  game.state.guess[2] = 'Q';
  EXPECT_EQ((std::string{game.GuessFor('c'), game.GuessFor(',')}), "Q,");

  const std::string before = Unused();
  EXPECT_FALSE(game.IsLetterUsed(-1));
  game.MarkLetterUsed(26);
  game.MarkLetterUnused(100);
  EXPECT_EQ(Unused(), before);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"box IsLetterUsed: Letter out of range",
                                               "box MarkLetterUsed: Letter out of range",
                                               "box MarkLetterUnused: Letter out of range"}));
}

TEST_F(EngineTest, StartGameEnciphersCountsInBothOrdersAndResets) {
  game.panel.confirmCount = 3;
  game.panel.elapsedSeconds = 500;
  game.state.selectedCipher = 4;
  std::strcpy(game.text.displayText, "Hello,\tWorld|");
  game.state.puzzleKind = PuzzleKind::kTutorialPuzzle;  // cipher letter = plain + 12
  game.StartGame();
  EXPECT_EQ(std::string(game.text.puzzleText), "Tqxxa,\tIadxp|");
  EXPECT_EQ(std::tuple(game.panel.confirmCount, game.state.selectedCipher, game.panel.elapsedSeconds),
            std::tuple(0, -1, 500));  // before the panel's first paint the clock is left alone
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged"}));
  hooks.calls.clear();
  game.panel.panelShown = true;
  game.StartGame();
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged", "RedrawTime", "StartClockTimer", "RepaintAll"}));

  // Ties keep the exchange sort's order; position i of the alphabetical order is ciphertext 'A' + i.
  game.CountFrequencies("aBc bC");
  EXPECT_EQ(std::string(game.panel.letterByFreq, 4) + std::string(game.panel.letterAlpha, 3), "BCADOPQ");
  EXPECT_EQ(game.panel.countAlpha[13], 2);  // N stands for B
}

TEST_F(EngineTest, JudgingBuildsTheGuessRowInTheCiphertextCaseAndSoundnessChecksRestoredKeys) {
  StartPuzzle("Go, go!", PuzzleKind::kTutorialPuzzle);  // "Sa, sa!"
  for (auto [cipher, guess, judged] : {std::tuple{'S', 'G', "G , g !0"}, {'A', 'O', "Go, go!1"}}) {
    game.state.guess[cipher - 'A'] = guess;
    game.JudgePuzzle();
    EXPECT_EQ(std::string(game.text.plainText) + std::to_string(game.state.gameOver), judged);
  }
  for (const char* nothing : {"", "   ", "1, 2: 3!"}) {  // no letter, nothing to solve: no win
    StartPuzzle(nothing);
    Paint();
    EXPECT_EQ(game.state.gameOver + hooks.Count("ShowYouWonDialog"), 0) << nothing;
  }

  EXPECT_TRUE(game.StateIsSound());
  game.state.guess[2] = 'e';  // a lower-case guess
  EXPECT_FALSE(game.StateIsSound());
  GenerateFor(PuzzleKind::kQuotePuzzle, 5);
  game.state.inverseKey[0] = game.state.inverseKey[1];
  EXPECT_FALSE(game.StateIsSound());
}

TEST_F(EngineTest, TheClockTicksUnlessMinimisedAndSaturatesAt99_59_59) {
  StartPuzzle("EEEE TTT AA S", PuzzleKind::kQuotePuzzle, 7);
  game.TimerTick();
  hooks.minimised = true;
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, 1);
  hooks.minimised = false;
  game.panel.elapsedSeconds = 77;
  game.state.resumed = true;  // a resumed game keeps its saved time
  game.StartClock();
  EXPECT_EQ(game.panel.elapsedSeconds, 77);
  game.panel.elapsedSeconds = kMaxClockSeconds - 10;
  game.BigHint();
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
  // A negative penalty taking the total below zero also shows the maximum.
  game.panel.elapsedSeconds = 10;
  SetSetting("ConfirmPenalty", -20);
  game.Confirm();
  const int afterConfirm = game.panel.elapsedSeconds;
  game.AddSeconds(2147483647);
  EXPECT_EQ(std::pair(afterConfirm, game.panel.elapsedSeconds), std::pair(kMaxClockSeconds, kMaxClockSeconds));
}

TEST_F(EngineTest, PauseHidesTheBoardAndStopsTheClockWhileTheMessageIsUp) {
  StartPuzzle("EEEE TTT AA S", PuzzleKind::kQuotePuzzle, 7);
  bool pausedWhileUp = false;
  // The frame comes back while the message is still up, before the pause ends.
  hooks.onShowMainFrame = [&](bool show) {
    if (!show) return;
    pausedWhileUp = game.IsPaused();
    game.TimerTick();
  };
  game.PauseGame();
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"This game is paused; click OK to continue playing.",
                                                  "Quillo!", MB_OK | MB_ICONEXCLAMATION}));
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"HideMainFrame", "ShowMainFrame"}));
  EXPECT_TRUE(pausedWhileUp && game.panel.elapsedSeconds == 0 && hooks.timerRunning);
}

TEST_F(EngineTest, PenaltiesComeFromTheSettingsAndTheirTextReadsLikeTheOldNumberReader) {
  std::vector<int> seconds;
  for (int i = 0; i < kPenaltyCount; ++i) seconds.push_back(GetPenalty(i));
  EXPECT_EQ(seconds, (std::vector<int>{15, 30, 30, 60, 300, 480}));
  SetSetting("WordListFreqPenalty", 7);
  game.ChargeWordList(true);
  game.ChargeWordList(false);
  EXPECT_EQ(game.panel.elapsedSeconds, 307);

  int value = -1;
  for (auto [text, expected] : {std::pair{"  42", 42}, {"45xyz", 45}, {"+0", 0},
                                {"99999999999999999999", 2147483647}}) {
    EXPECT_TRUE(ParsePenaltyText(text, value) && value == expected) << text;
  }
  // Only the first 20 characters are read.
  for (std::string bad : {std::string(20, ' ') + "5", std::string("abc"), std::string("- 5")}) {
    EXPECT_FALSE(ParsePenaltyText(bad, value)) << bad;
  }
}

// An illegal field keeps the dialog open; the fields before it are stored already.
TEST_F(EngineTest, TimeDialogShowsThePenaltiesAndStopsAtAnIllegalField) {
  StartPuzzle("EEEE TTT AA S", PuzzleKind::kQuotePuzzle, 7);
  SetSetting("UndoPenalty", 12);
  fake.ScriptDialog(kTimeTemplateId, [&](FakeDialog& d) {
    std::vector<std::string> shown;
    for (int id : kTimeFieldIds) shown.push_back(d.Text(id));
    EXPECT_EQ(shown, (std::vector<std::string>{"15", "12", "30", "60", "300", "480"}));
    for (auto [i, typed] : {std::pair{0, "-5"}, {2, "45xyz"}, {3, "letters"}, {5, "9"}}) d.Type(kTimeFieldIds[i], typed);
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(fake.LastMessage(),
              (MessageBoxRecord{"One or more values for the times are illegal.\nPlease correct them "
                                "and click OK,\nor click Cancel to forget it.", "Error", MB_OK | MB_ICONEXCLAMATION}));
    // The field after the illegal one is not read.
    EXPECT_EQ(std::pair(Stored("LittleHintPenalty"), Stored("WordListFreqPenalty")), std::pair(45, -99999));
    d.Type(kTimeFieldIds[3], " 0");
    d.Click(IDOK);
  });
  TimeDialog(nullptr).Execute();
  // Unchanged fields are not rewritten.
  EXPECT_EQ(std::tuple(Stored("UndoPenalty"), Stored("BigHintPenalty"), GetPenalty(kConfirmPenalty)), std::tuple(12, 0, -5));
}

// Seed 7 gives E->H, T->A, A->X, S->C; the frequency order is E, T, A, S.
constexpr const char* kPuzzle = "EEEE TTT AA S";

class HelpTest : public GameFixture {
 protected:
  void SetUp() override {
    StartPuzzle(kPuzzle, PuzzleKind::kQuotePuzzle, 7);
    ASSERT_EQ(std::string(game.text.puzzleText), "HHHH AAA XX C");
    SetSetting("HintMode", 1);  // hint and error sounds become recorded tones
    SetSetting("ErrorMode", 1);
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
  EXPECT_TRUE(Shown() == Toned("Confirm", {"Everything is correct so far."}) && game.panel.elapsedSeconds == 15);

  for (const char* pair : {"tn", "ee", "aa"}) TypeLetters(pair[0], pair[1]);  // t wrongly
  game.KeyTyped('c');     // a pending selection is dropped
  ClearShown();
  game.Confirm();
  EXPECT_EQ(Shown(), Toned("Confirm", {"Something is wrong..."}));
  EXPECT_TRUE(LockedOn('H') && LockedOn('X') && !LockedOn('A'));
  EXPECT_EQ(std::pair(game.state.selectedCipher, game.panel.elapsedSeconds), std::pair(-1, 30));
}

TEST_F(HelpTest, UndoRemovesOnlyTheAlphabeticallyFirstWrongLetter) {
  for (const char* pair : {"ab", "tn", "ee"}) TypeLetters(pair[0], pair[1]);  // X = B and A = N wrong
  game.UndoError();
  EXPECT_TRUE(GuessOn('A') == ' ' && GuessOn('X') == 'B' && !game.IsLetterUsed('N' - 'A'));
  game.UndoError();
  game.UndoError();
  EXPECT_EQ(std::string() + GuessOn('X') + GuessOn('H'), " E");
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
  game.KeyTyped('c');  // the selected ciphertext letter is revealed even though it is the rarest
  game.BigHint();
  EXPECT_EQ(std::string() + GuessOn('X') + GuessOn('C'), "AS");
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
  EXPECT_EQ(std::tuple(game.panel.littleHintCount, game.panel.bigHintCount, game.panel.elapsedSeconds),
            std::tuple(1, 1, 0));
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
