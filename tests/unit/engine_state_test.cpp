// The cipher key and mapping, judging, the clock, its penalties and the Change Time Penalties dialog.
#include <gtest/gtest.h>

#include "dialogs/timedialog.h"
#include "engine/penalties.h"
#include "engine/random.h"
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
  EXPECT_EQ(GenerateFor(PuzzleKind::kQuotePuzzle, 2024), "QOMLCTRBNHUASFWZVKXPDIYJGE");
  for (int p = 0; p < kLetterCount; ++p) EXPECT_NE(game.state.key[p], p);
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
  const char mapped[] = {game.Encipher('q'), game.Encipher('Q' + 0x100), game.Encipher('-'),
                         game.Decipher('\xE9'), 0};
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
  EXPECT_EQ(std::pair(game.panel.confirmCount, game.state.selectedCipher), std::pair(0, -1));
  // Before the panel's first paint the clock is left alone.
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged"}));
  EXPECT_EQ(game.panel.elapsedSeconds, 500);
  hooks.calls.clear();
  game.panel.panelShown = true;
  game.StartGame();
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"PuzzleTextChanged", "RedrawTime",
                                                    "StartClockTimer", "RepaintAll"}));

  // Ties keep the exchange sort's order; position i of the alphabetical order is ciphertext 'A' + i.
  game.CountFrequencies("aBc bC");
  EXPECT_EQ(std::string(game.panel.letterByFreq, 4) + std::string(game.panel.letterAlpha, 3), "BCADOPQ");
  EXPECT_EQ(game.panel.countAlpha[13], 2);  // N stands for B
}

TEST_F(EngineTest, JudgingBuildsTheGuessRowInTheCiphertextCaseAndSoundnessChecksRestoredKeys) {
  StartPuzzle("Go, go!", PuzzleKind::kTutorialPuzzle);  // "Sa, sa!"
  game.state.guess['S' - 'A'] = 'G';
  game.JudgePuzzle();
  EXPECT_EQ(std::string(game.text.plainText) + std::to_string(game.state.gameOver), "G , g !0");
  game.state.guess['A' - 'A'] = 'O';
  game.JudgePuzzle();
  EXPECT_EQ(std::string(game.text.plainText) + std::to_string(game.state.gameOver), "Go, go!1");
  for (const char* nothing : {"", "   ", "1, 2: 3!"}) {  // no letter, nothing to solve: no win
    StartPuzzle(nothing);
    game.JudgePuzzle();
    game.CheckForWin();
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
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
  game.AddSeconds(2147483647);
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
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
    d.Type(kTimeFieldIds[0], "-5");
    d.Type(kTimeFieldIds[2], "45xyz");
    d.Type(kTimeFieldIds[3], "letters");
    d.Type(kTimeFieldIds[5], "9");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(fake.LastMessage(),
              (MessageBoxRecord{"One or more values for the times are illegal.\nPlease correct them "
                                "and click OK,\nor click Cancel to forget it.",
                                "Error", MB_OK | MB_ICONEXCLAMATION}));
    EXPECT_EQ(Stored("LittleHintPenalty"), 45);
    EXPECT_EQ(Stored("WordListFreqPenalty"), -99999);  // after the illegal field: not read
    d.Type(kTimeFieldIds[3], " 0");
    d.Click(IDOK);
  });
  TimeDialog(nullptr).Execute();
  // Unchanged fields are not rewritten.
  EXPECT_EQ(std::tuple(Stored("UndoPenalty"), Stored("BigHintPenalty"), GetPenalty(kConfirmPenalty)), std::tuple(12, 0, -5));
}

}  // namespace
