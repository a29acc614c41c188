// Games recorded in the history as the running game ends them, and the statistics commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/session.h"
#include "classlib/safefile.h"
#include "display/quillowindow.h"
#include "resources/commands.h"
#include "resources/resources.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

const char* const kVersion = "quillo-history 1\n";

// The game lines after the version line: fields 3.. joined by spaces, and each line's id.
std::vector<std::string> Games(const std::string& text, std::vector<std::string>* ids = nullptr) {
  EXPECT_EQ(text.rfind(kVersion, 0), 0u) << text;
  std::vector<std::string> lines;
  std::istringstream in(text.substr(std::string(kVersion).size()));
  for (std::string line; std::getline(in, line);) {
    if (ids) ids->push_back(line.substr(21, 16));  // after the 20-character date and a TAB
    std::string rest = line.substr(38);
    std::replace(rest.begin(), rest.end(), '\t', ' ');
    lines.push_back(rest);
  }
  return lines;
}

long FailWrite(int, const void*, std::size_t) { errno = ENOSPC; return -1; }

// "Hello, world": 10 letters, 7 distinct, from the plain file quotes.qot (no puzzle number).
class HistoryRecordTest : public testing::Test {
 protected:
  HistoryRecordTest() { WriteFile(folder.File("quotes.qot"), "Hello, world\n"); }
  ~HistoryRecordTest() override { session.reset(); }

  App& Start(const std::string& settings = "") {
    session.reset();
    if (!settings.empty()) WriteFile(folder.File("quillo.ini"), "[quillo]\n" + settings);
    session = QuilloSession::Start(folder.File("bin/quillo"), {"quotes.qot"});
    return session->TheApp();
  }
  Game& game() { return session->TheApp().TheGame(); }
  void Choose(int id) { fake.Command(session->TheApp().Frame(), id); }
  void Guess(char plain) {
    session->TheApp().Client().Char('a' + game().state.key[plain - 'a']);
    session->TheApp().Client().Char(plain);
  }
  // The first paint judges the new puzzle (until then it counts as the last one did).
  void Play(const std::string& letters, int seconds) {
    fake.PaintPending();
    for (char c : letters) Guess(c);
    for (int i = 0; i < seconds; ++i) game().AddSeconds(1);
  }
  // The win check the quote window runs after a paint; the player stays on the solved puzzle.
  void Win() {
    fake.ScriptDialog(kYouWonTemplateId, [](FakeDialog& d) { d.Click(kYouWonNo); });
    game().JudgePuzzle();
    game().CheckForWin();
  }
  std::string History() { return ReadFile(folder.File("history.txt")).value_or("<none>"); }

  TempFolder folder{true};
  FakePlatform fake;
  std::unique_ptr<QuilloSession> session;
};

TEST_F(HistoryRecordTest, EachWayAGameEndsWritesOneLine) {
  Start();
  Play("helowrd", 5);
  Win();
  Choose(kCmdNewGame);  // no question after a win, and no second line
  Play("h", 0);
  game().AddSeconds(3);  // a penalty counts in the clock
  Choose(kCmdBigHint);
  Choose(kCmdSolvePuzzle);  // the clock before Solve Puzzle ran it out
  Choose(kCmdRestartPuzzle);  // a solved game is not abandoned again
  Choose(kCmdRestartPuzzle);  // nor an untouched one
  Play("h", 2);
  fake.AnswerNext(IDYES);  // lose this one
  Choose(kCmdNewGame);
  Play("h", 1);
  fake.AnswerNext(IDNO);  // exit without saving
  Choose(kCmdExit);
  std::vector<std::string> ids;
  EXPECT_EQ(Games(History(), &ids), (std::vector<std::string>{
                                        "solved 0 quotes.qot - 10 7 5 0 0 0 0 0 0",
                                        "revealed 0 quotes.qot - 10 7 63 0 0 0 0 1 0",  // hint: 60 s
                                        "abandoned 0 quotes.qot - 10 7 2 0 0 0 0 0 0",
                                        "abandoned 0 quotes.qot - 10 7 1 0 0 0 0 0 0"}));
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), 4u);
}

TEST_F(HistoryRecordTest, AResumedGameContinuesItsOwnEntry) {
  Start();
  Play("he", 4);
  fake.AnswerNext(IDYES, "Would you like to save this game?");
  Choose(kCmdExit);
  fake.AnswerNext(IDYES);  // continue it
  Start();
  Play("lowrd", 3);
  Win();
  std::vector<std::string> ids;
  EXPECT_EQ(Games(History(), &ids), (std::vector<std::string>{
                                        "saved 0 quotes.qot - 10 7 4 0 0 0 0 0 0",
                                        "solved 0 quotes.qot - 10 7 7 0 0 0 0 0 0"}));
  EXPECT_EQ(ids.at(1), ids.at(0));
}

TEST_F(HistoryRecordTest, KeepStatisticsOffWritesNothing) {
  Start();
  Choose(kCmdKeepStatistics);  // off
  EXPECT_FALSE(fake.Peer(session->TheApp().Frame()).IsChecked(kCmdKeepStatistics));
  Play("helowrd", 1);
  Win();
  Choose(kCmdNewGame);
  Play("h", 1);
  fake.AnswerNext(IDYES);
  Choose(kCmdNewGame);
  EXPECT_EQ(History(), "<none>");
}

TEST_F(HistoryRecordTest, AFailedAppendLeavesTheFileAsItWasAndSaysWhy) {
  const std::string before = std::string(kVersion) +
      "2026-01-30T10:00:00Z\t3f9a0c1d22e4b870\tsolved\t0\tquillo.cqt\t5\t50\t18\t300\t0\t1\t0\t0\t0\t0\n";
  WriteFile(folder.File("history.txt"), before);
  Start();
  Play("h", 1);
  fake.AnswerNext(IDYES);
  SetFileWriteCall(FailWrite);
  Choose(kCmdNewGame);
  SetFileWriteCall(nullptr);
  EXPECT_EQ(History(), before);
  EXPECT_EQ(fake.LastMessage().text, "This game could not be added to your statistics\n"
                                      "in the file history.txt.\nNo space left on device");
}

TEST_F(HistoryRecordTest, StatisticsWindowResetAndExport) {
  Start();
  Play("helowrd", 65);
  Win();
  Choose(kCmdStatistics);
  ASSERT_EQ(fake.StatisticsShown().size(), 1u);
  const TStatisticsView& view = fake.StatisticsShown()[0];
  std::string totals;
  for (const TStatsTotal& t : view.totals) totals += t.key + "=" + t.value + " ";
  EXPECT_EQ(totals, "gamesPlayed=1 solved=1 revealed=0 abandoned=0 solveRate=100% "
                    "currentStreak=1 day longestStreak=1 day totalTime=1:05 ");

  fake.AnswerOpenFile(folder.File("out.csv"));
  view.exportCsv();
  const std::string csv = ReadFile(folder.File("out.csv")).value_or("");
  EXPECT_NE(csv.find(",solved,quotation,quotes.qot,,10,7,65,0,0,0,0,0,0"), std::string::npos) << csv;

  const std::string kept = History();
  fake.AnswerNext(IDNO);
  Choose(kCmdResetStatistics);
  EXPECT_EQ(History(), kept);
  fake.AnswerNext(IDYES);
  Choose(kCmdResetStatistics);
  EXPECT_EQ(History(), kVersion);
  EXPECT_EQ(ReadFile(folder.File("history.txt.bak")), kept);
}

}  // namespace
