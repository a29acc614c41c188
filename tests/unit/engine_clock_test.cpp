// The clock: ticks, penalties and their saturation, Pause Game, and the Change Time Penalties dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/timedialog.h"
#include "engine/penalties.h"
#include "support/game_fixture.h"

namespace {

class ClockTest : public GameFixture {
 protected:
  void SetUp() override { StartPuzzle("EEEE TTT AA S", kQuotePuzzle, 7); }
};

TEST_F(ClockTest, TicksAdvanceUnlessMinimisedOrPaused) {
  EXPECT_TRUE(hooks.timerRunning);
  game.TimerTick();
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, 2);
  EXPECT_EQ(hooks.Count("RedrawTime"), 2);
  hooks.minimised = true;
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, 2);
  hooks.minimised = false;

  game.StopClock();
  EXPECT_FALSE(hooks.timerRunning);
  game.ResumeClock();
  EXPECT_TRUE(hooks.timerRunning);
  EXPECT_EQ(game.panel.elapsedSeconds, 2);
  game.StartClock();
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  game.panel.elapsedSeconds = 77;
  game.state.resumed = 1;  // a resumed game keeps its saved time
  game.StartClock();
  EXPECT_EQ(game.panel.elapsedSeconds, 77);
}

TEST_F(ClockTest, PauseHidesTheBoardAndStopsTheClock) {
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
  EXPECT_TRUE(pausedWhileUp);
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_FALSE(game.IsPaused());
  EXPECT_TRUE(hooks.timerRunning);
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, 1);
}

TEST_F(ClockTest, TheClockSaturatesAt99_59_59) {
  game.panel.elapsedSeconds = kMaxClockSeconds - 10;
  game.BigHint();
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
  game.TimerTick();
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);

  // A negative penalty taking the total below zero also shows the maximum.
  game.panel.elapsedSeconds = 10;
  SetSetting("ConfirmPenalty", -20);
  game.Confirm();
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
  game.panel.elapsedSeconds = 30;
  game.Confirm();
  EXPECT_EQ(game.panel.elapsedSeconds, 10);

  game.AddSeconds(2147483647);
  EXPECT_EQ(game.panel.elapsedSeconds, kMaxClockSeconds);
  game.MaxOutClock();
  EXPECT_FALSE(hooks.timerRunning);
}

TEST_F(ClockTest, PenaltiesComeFromTheSettingsWithTheirDefaults) {
  std::vector<int> seconds;
  for (int i = 0; i < kPenaltyCount; ++i) seconds.push_back(GetPenalty(i));
  EXPECT_EQ(seconds, (std::vector<int>{15, 30, 30, 60, 300, 480}));
  SetSetting("WordListFreqPenalty", 7);
  EXPECT_EQ(GetPenalty(kWordListFreqPenalty), 7);

  game.ChargeWordList(true);
  EXPECT_EQ(game.panel.elapsedSeconds, 300);
  game.ChargeWordList(false);
  EXPECT_EQ(game.panel.elapsedSeconds, 307);
  EXPECT_EQ(game.panel.wordListCount, 2);
}

TEST(PenaltyTextTest, ReadsLikeTheOldNumberReader) {
  int seconds = -1;
  EXPECT_TRUE(ParsePenaltyText("  42", seconds));
  EXPECT_EQ(seconds, 42);
  EXPECT_TRUE(ParsePenaltyText("45xyz", seconds));
  EXPECT_EQ(seconds, 45);
  EXPECT_TRUE(ParsePenaltyText("-10", seconds));
  EXPECT_EQ(seconds, -10);
  EXPECT_TRUE(ParsePenaltyText("+0", seconds));
  EXPECT_EQ(seconds, 0);
  EXPECT_TRUE(ParsePenaltyText("99999999999999999999", seconds));
  EXPECT_EQ(seconds, 2147483647);
  // Only the first 20 characters are read.
  EXPECT_FALSE(ParsePenaltyText(std::string(20, ' ') + "5", seconds));
  EXPECT_FALSE(ParsePenaltyText("abc", seconds));
  EXPECT_FALSE(ParsePenaltyText("", seconds));
  EXPECT_FALSE(ParsePenaltyText("- 5", seconds));
  EXPECT_FALSE(ParsePenaltyText("+", seconds));
}

class TimeDialogTest : public ClockTest {
 protected:
  static constexpr const char* kIllegal =
      "One or more values for the times are illegal.\nPlease correct them and click OK,\nor "
      "click Cancel to forget it.";
  // Absent keys are told apart from written ones by a default no field can hold.
  int Stored(const char* key) { return store.ReadInt("quillo", key, -99999); }
};

TEST_F(TimeDialogTest, OpensWithTheCurrentPenalties) {
  SetSetting("UndoPenalty", 12);
  std::vector<std::string> shown;
  fake.ScriptDialog(4, [&](FakeDialog& d) {
    for (int id : {101, 102, 103, 104, 112, 114}) {
      shown.push_back(d.Text(id));
      EXPECT_FALSE(d.IsModified(id));
    }
    d.Click(IDOK);
  });
  game.ChangeTimes();
  EXPECT_EQ(shown, (std::vector<std::string>{"15", "12", "30", "60", "300", "480"}));
  EXPECT_EQ(fake.LastDialog().caption, "Change Time Penalties");
  EXPECT_EQ(fake.LastDialog().result, IDOK);
  EXPECT_EQ(Stored("ConfirmPenalty"), -99999);  // unchanged fields are not written
  EXPECT_TRUE(Placed("TimeDialog"));
}

TEST_F(TimeDialogTest, IllegalFieldKeepsTheDialogOpenAndEarlierFieldsAreStored) {
  fake.ScriptDialog(4, [&](FakeDialog& d) {
    d.Type(101, "-5");
    d.Type(103, "45xyz");
    d.Type(104, "letters");
    d.Type(114, "9");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{kIllegal, "Error", MB_OK | MB_ICONEXCLAMATION}));
    EXPECT_EQ(Stored("ConfirmPenalty"), -5);
    EXPECT_EQ(Stored("LittleHintPenalty"), 45);
    EXPECT_EQ(Stored("BigHintPenalty"), -99999);
    EXPECT_EQ(Stored("WordListFreqPenalty"), -99999);  // after the illegal field: not read
    d.Click(IDCANCEL);
  });
  game.ChangeTimes();
  EXPECT_EQ(fake.LastDialog().result, IDCANCEL);
  EXPECT_EQ(Stored("WordListFreqPenalty"), -99999);
  EXPECT_EQ(GetPenalty(kConfirmPenalty), -5);
}

TEST_F(TimeDialogTest, CorrectedFieldsCloseTheDialog) {
  fake.ScriptDialog(4, [&](FakeDialog& d) {
    d.Type(104, "");
    d.Click(IDOK);
    d.Type(104, " 0");
    d.Click(IDOK);
  });
  game.ChangeTimes();
  EXPECT_EQ(fake.LastDialog().result, IDOK);
  EXPECT_EQ(fake.Messages().size(), 1u);
  EXPECT_EQ(Stored("BigHintPenalty"), 0);
  game.BigHint();
  EXPECT_EQ(game.panel.elapsedSeconds, 0);
  EXPECT_EQ(game.panel.bigHintCount, 1);
}

}  // namespace
