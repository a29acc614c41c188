// The history file and the statistics: a hand-written history with answers worked out by hand.
#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "support/testing.h"

namespace {

// Central European time: +1 h, +2 h from 2026-03-29 01:00 UTC.
long Cet(std::int64_t utc) { return utc < 1774746000 ? 3600 : 7200; }
long Utc(std::int64_t) { return 0; }

std::int64_t At(const char* text) {
  std::int64_t t = 0;
  EXPECT_TRUE(ParseUtc(text, t)) << text;
  return t;
}

HistoryRead Fixture() { return ReadHistory(FixturePath("history/history.txt")); }

// The fixture holds 15 lines after the version line: a blank one, 3 damaged ones (14 fields,
// 30 February, an unknown escape) and a saved game b1 continued and solved on its last line.
TEST(StatsHistory, ReadsTheHandWrittenFile) {
  const HistoryRead h = Fixture();
  ASSERT_EQ(h.state, HistoryState::Read);
  EXPECT_EQ(h.badLines, 3u);
  ASSERT_EQ(h.records.size(), 10u);
  const GameRecord& last = h.records.back();  // b1 at the place of its last line
  EXPECT_EQ(std::tuple(last.id, last.outcome, last.ended, last.seconds, last.help),
            std::tuple(0xb1u, Outcome::Solved, At("2026-03-31T20:00:00Z"), 700, HelpCounts{0, 4, 0, 0, 0, 0}));
  EXPECT_EQ(std::tuple(h.records[4].quoteFile, h.records[4].puzzle, h.records[1].quoteFile, h.records[3].outcome),
            std::tuple(std::string("odd\tname.qot"), 0, std::string("/home/p/My Quotes.cqt"), Outcome::Abandoned));
  EXPECT_EQ(At("2024-02-29T00:00:00Z"), DaysFromCivil(2024, 2, 29) * 86400);
  EXPECT_EQ(FormatUtc(At("2028-12-31T23:59:59Z")), "2028-12-31T23:59:59Z");
}

TEST(StatsHistory, DamagedAndHostileText) {
  const std::string good = "2026-01-30T10:00:00Z\t00000000000000a1\tsolved\t0\tq.cqt\t5\t50\t18\t300\t0\t1\t0\t0\t0\t0";
  const std::string v = "quillo-history 1\n";
  const std::string zeroId = good.substr(0, 21) + std::string(16, '0') + good.substr(37);
  struct Case { std::string text; std::size_t records, bad; };
  const Case cases[] = {
      {good + "\n", 1, 0},                        // no version line: the lines still count
      {v + good + "\r\n" + good, 1, 0},           // CR LF, no last line end; same id twice
      {v + zeroId + "\n" + good + "\n" + zeroId, 2, 0},  // id 0 is an id like any other
      {v + good + "\t0\n", 0, 1},                 // 16 fields
      {v + std::string(5000, 'x') + "\n" + good, 1, 1},
      {v + std::string("\0\0\n", 3) + good.substr(0, 30) + "\n", 0, 2},
  };
  for (const Case& c : cases) {
    const HistoryRead h = ParseHistory(c.text);
    EXPECT_EQ(std::pair(h.records.size(), h.badLines), std::pair(c.records, c.bad)) << c.text;
  }
  // One field of the good line made bad.
  const std::pair<int, std::string> faults[] = {
      {0, "2026-02-29T10:00:00Z"}, {0, "2026-01-30 10:00:00Z"}, {1, "00000000000000A1"},
      {1, "a1"}, {2, "won"}, {3, "4"}, {4, "q\\"}, {5, "0"}, {5, "+5"}, {6, "17"}, {7, "27"},
      {8, "360000"}, {8, ""}, {14, "-1"}, {14, "99999999999"}};
  for (const auto& [field, value] : faults) {
    std::string line;
    for (std::size_t start = 0, i = 0; start <= good.size(); ++i) {
      const std::size_t tab = std::min(good.find('\t', start), good.size());
      line += (i > 0 ? "\t" : "") + (static_cast<int>(i) == field ? value : good.substr(start, tab - start));
      start = tab + 1;
    }
    EXPECT_EQ(ParseHistory(v + line).badLines, 1u) << line;
  }
  EXPECT_EQ(ParseHistory("quillo-history 2\n" + good).state, HistoryState::Newer);
  EXPECT_TRUE(ParseHistory("quillo-history 2\n" + good).records.empty());
}

TEST(StatsHistory, AppendWritesOneLineAGameAndResetKeepsABackup) {
  TempFolder folder;
  const std::string path = folder.File("history.txt");
  EXPECT_EQ(ReadHistory(path).state, HistoryState::Missing);
  GameRecord r;
  std::tie(r.ended, r.id, r.outcome, r.quoteFile) = std::tuple(At("2026-02-02T08:00:00Z"), 0xa8, Outcome::Revealed, "odd\tname\\x\n.qot");
  std::tie(r.letters, r.distinct, r.seconds, r.help) = std::tuple(60, 20, 450, HelpCounts{1, 2, 3, 4, 5, 6});
  ASSERT_TRUE(AppendHistory(path, r));
  std::tie(r.kind, r.puzzle, r.outcome, r.quoteFile) = std::tuple(3, 12, Outcome::Saved, "quillo.cqt");
  ASSERT_TRUE(AppendHistory(path, r));
  const std::string written =
      "quillo-history 1\n"
      "2026-02-02T08:00:00Z\t00000000000000a8\trevealed\t0\todd\\tname\\\\x\\n.qot\t-\t60\t20\t450\t1\t2\t3\t4\t5\t6\n"
      "2026-02-02T08:00:00Z\t00000000000000a8\tsaved\t3\tquillo.cqt\t12\t60\t20\t450\t1\t2\t3\t4\t5\t6\n";
  EXPECT_EQ(ReadFile(path), written);
  EXPECT_EQ(ReadHistory(path).records.at(0).quoteFile, "quillo.cqt");  // the last line of a8 wins

  r.distinct = 61;  // a record the reader would refuse is not written
  EXPECT_FALSE(AppendHistory(path, r));
  EXPECT_EQ(errno, EINVAL);
  ASSERT_TRUE(ResetHistory(path));
  EXPECT_EQ(ReadFile(path + ".bak"), written);
  EXPECT_EQ(ReadFile(path), "quillo-history 1\n");
  WriteFile(path, "quillo-history 2\nfuture\n");  // a newer game's file is left alone
  r.distinct = 20;
  EXPECT_FALSE(AppendHistory(path, r));
  EXPECT_EQ(ReadFile(path), "quillo-history 2\nfuture\n");
  EXPECT_EQ(ReadHistory(folder.Path().string()).state, HistoryState::Unusable);
}

// Solved games, local days (CET): 30 Jan, 31 Jan, 1 Feb (23:30 UTC), 2 Feb; 28 Mar, 29 Mar,
// 30 Mar (22:30 UTC is already 30 Mar in summer time), 31 Mar. In UTC: 30, 31, 31 Jan, 2 Feb;
// 28, 29, 29, 31 Mar. Times 300 600 900 450 300 240 300 700; letters 50 80 130 60 40 120 100 100.
TEST(StatsFigures, TotalsStreaksAndTimes) {
  const HistoryRead h = Fixture();
  const std::vector<CollectionSize> sizes = {{"quillo.cqt", 10}, {"My Quotes.cqt", 7}, {"none.cqt", 3}};
  const Statistics s = ComputeStatistics(h.records, At("2026-04-01T21:59:00Z"), Cet, sizes);
  EXPECT_EQ(std::tuple(s.gamesPlayed, s.solved, s.revealed, s.abandoned, s.solveRate, s.totalSeconds),
            std::tuple(10, 8, 1, 1, 0.8, 4310));
  // Two runs of four; at 1 Apr 23:59 local yesterday was solved.
  EXPECT_EQ(std::pair(s.longestStreak, s.currentStreak), std::pair(4, 4));
  EXPECT_EQ(ComputeStatistics(h.records, At("2026-04-01T22:00:00Z"), Cet).currentStreak, 0);
  const Statistics utc = ComputeStatistics(h.records, At("2026-03-31T23:00:00Z"), Utc);
  EXPECT_EQ(std::pair(utc.longestStreak, utc.currentStreak), std::pair(2, 1));

  // Halves and quarters: the medians and means below are exact in binary.
  auto expectTimes = [](const TimeFigures& f, int games, int best, double median, double mean) {
    EXPECT_EQ(std::tuple(f.games, f.best, f.median, f.mean), std::tuple(games, best, median, mean));
  };
  expectTimes(s.overall, 8, 240, 375, 473.75);
  expectTimes(s.byBand[kShort], 2, 300, 300, 300);
  expectTimes(s.byBand[kMedium], 5, 240, 450, 458);  // 60 and 120 letters are medium
  expectTimes(s.byBand[kLong], 1, 900, 900, 900);
  ASSERT_EQ(s.byFile.size(), 4u);
  EXPECT_EQ(s.byFile[0].quoteFile + "|" + s.byFile[2].quoteFile, "|odd\tname.qot");
  expectTimes(s.byFile[3].times, 5, 240, 300, 488);

  EXPECT_EQ(s.recentTimes, (std::vector<int>{300, 600, 900, 450, 300, 240, 300, 700}));
  EXPECT_EQ(s.movingMedian, (std::vector<double>{300, 450, 600, 525, 450, 375, 300, 375}));
  const std::array<double, kHelpKinds> perGame = {0.2, 0.5, 0.1, 0.3, 0.2, 0.1};
  for (int k = 0; k < kHelpKinds; ++k) EXPECT_DOUBLE_EQ(s.helpPerGame[k], perGame[k]) << k;
  ASSERT_EQ(s.recentHelp.size(), 10u);
  EXPECT_EQ(s.recentHelp[5], (HelpCounts{0, 0, 0, 0, 2, 1}));
  ASSERT_EQ(s.collections.size(), 3u);  // quillo.cqt: 5, 3, 7 (12 is past its 10)
  EXPECT_EQ(std::tuple(s.collections[0].solved, s.collections[1].solved, s.collections[2].solved, s.collections[2].puzzles),
            std::tuple(3, 1, 0, 3));
}

TEST(StatsFigures, ChartsKeepTheLastGamesAndCsvQuotes) {
  std::vector<GameRecord> records(130);
  for (int i = 0; i < 130; ++i) {
    records[i].id = static_cast<std::uint64_t>(i);
    records[i].outcome = Outcome::Solved;
    records[i].seconds = 1000 - i;  // all times differ
    records[i].help[kUndo] = i;
  }
  for (int i = 0; i < 4; ++i) std::tie(records[i].quoteFile, records[i].puzzle) = std::tuple("/x/big.cqt", i < 2 ? 3000000 : 7);
  const Statistics s = ComputeStatistics(records, 0, Utc, {{"big.cqt", 5000000}});
  EXPECT_EQ(s.collections.at(0).solved, 2);  // puzzles 3,000,000 and 7, each solved twice
  ASSERT_EQ(std::pair(s.recentTimes.size(), s.recentHelp.size()), std::pair(std::size_t{100}, std::size_t{100}));
  // The moving median of the last: 879 down to 871.
  EXPECT_EQ(std::tuple(s.recentTimes.front(), s.movingMedian.back(), s.recentHelp.front()[kUndo], s.currentStreak,
                       s.overall.best), std::tuple(970, 875.0, 30, 1, 871));

  GameRecord r = records[0];
  std::tie(r.ended, r.quoteFile, r.puzzle, r.letters, r.distinct) =
      std::tuple(At("2026-12-06T21:30:50Z"), "a,\"b\".qot", 4, 30, 12);
  EXPECT_EQ(HistoryCsv({r}),
            "ended (UTC),outcome,kind,quote file,puzzle,letters,distinct letters,seconds,erased,"
            "confirm,undo error,little hint,big hint,word list\n"
            "2026-12-06T21:30:50Z,solved,quotation,\"a,\"\"b\"\".qot\",4,30,12,1000,0,0,0,0,0,0\n");
}

}  // namespace
