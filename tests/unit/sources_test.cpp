// Puzzle Source reports, Compress Puzzle File, the letter case styles; the solved-puzzle record: its
// bit layout, its memory file, when it is written, and its faults; the history file and the
// statistics: a hand-written history with answers worked out by hand.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "sources/compresscmd.h"
#include "sources/memory.h"
#include "sources/quotefile.h"
#include "sources/report.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

// One fixture for them all: a settings store, a working folder, a session of its own.
class SourcesTest : public ::testing::Test {
 protected:
  void WriteCollection(const std::string& path, std::size_t count, const std::string& description) {
    std::vector<std::string> quotes(count, "A quotation.");
    std::string error;
    ASSERT_TRUE(WriteCompressedQuoteFile(path, quotes, description, error)) << error;
  }

  std::string Line(const PuzzleSource& source, std::size_t size = 1000) {
    std::vector<char> buffer(size + 1, '#');
    PuzzleSourceLine(source, buffer.data(), size);
    EXPECT_EQ(buffer[size], '#');  // nothing past the buffer
    return buffer.data();
  }

  // A quotation of 1000 characters fills the buffer without its zero.
  std::string Styled(const std::string& quote) {
    char in[1000] = {};
    char out[1000];
    quote.copy(in, sizeof in);
    ApplyCaseStyle(in, out);
    return out;
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  RunServices services{store};
  Memory memory;
};

TEST_F(SourcesTest, ReportCountsSolvedPuzzlesAndGivesTheLineForThePrintedPage) {
  for (auto [n, grouped] : {std::pair{999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}}) {
    EXPECT_EQ(GroupedNumber(n), grouped);
  }
  EXPECT_EQ(QuoteFileTitle("C:\\Games\\quillo.cqt"), "quillo");
  const std::pair<PuzzleSource, const char*> lines[] = {
      {{0, "/games/quillo.cqt", 41}, "Puzzle #42 from file quillo"}, {{3, "quillo.cqt", 1233}, "Puzzle #1,234 from file quillo"},
      {{0, "list.qot", -1}, "A puzzle from file list"}, {{1, "list.qot", 5}, "This is a puzzle you entered in ciphertext."},
      {{9, "list.qot", 5}, ""}};
  for (const auto& [source, line] : lines) EXPECT_EQ(Line(source), line) << source.puzzleKind;
  EXPECT_EQ(PuzzleSourceReport({0, "/x/favorite.qot", -1}, memory), "Puzzle file: favorite (ordinary quote file).");
  EXPECT_EQ(Line({0, "quillo.cqt", 41}, 10), "Puzzle #4");

  WriteCollection("my.quotes.cqt", 1500, "Quotations for testing");
  memory.OpenMemory(1500, "my.quotes.cqm");
  const PuzzleSource source{0, "my.quotes.cqt", 3};
  const std::string head = "Puzzle file: my (compressed quote file).\n\n";
  const std::string described = head + "Quotations for testing\n\n";
  EXPECT_EQ(PuzzleSourceReport(source, memory), described + "0 puzzles out of 1,500 have been completed.");
  memory.SetBit(3);
  EXPECT_EQ(PuzzleSourceReport(source, memory), described + "1 puzzle out of 1,500 have been completed.");
  memory.SetBit(1499);
  ShowPuzzleSource(source, nullptr, memory);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{described + "2 puzzles out of 1,500 have been completed.",
                                                  "Puzzle Source", MB_OK | MB_ICONINFORMATION}));
  std::filesystem::remove("my.quotes.cqt");  // without the file, the count comes from the record
  EXPECT_EQ(PuzzleSourceReport(source, memory), head + "2 puzzles out of 1,500 have been completed.");

  // A long description: the report keeps its 999 characters.
  WriteCollection("my.quotes.cqt", 1500, std::string(990, 'd'));
  EXPECT_EQ(PuzzleSourceReport(source, memory), head + std::string(999 - head.size(), 'd'));
}

TEST_F(SourcesTest, CompressWritesBesideThePlainFileAndNothingOnARefusalOrACancel) {
  const std::string plain = folder.File("list.qot");
  const std::string compressed = folder.File("list.cqt");
  WriteFile(plain, "One.\r\n\nTwo.\tSomebody\n");
  fake.AnswerOpenFile(plain);
  fake.AnswerInput("Two short ones");
  EXPECT_TRUE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"The compressed puzzle file was written:\n" + compressed,
                              "Compress Puzzle File", MB_OK | MB_ICONINFORMATION}));

  CompressedQuoteFile file(compressed);
  char quote[kQuoteBufferSize];
  ASSERT_EQ(file.ReadQuote(1, quote), QuoteFileStatus::Ok);
  EXPECT_EQ(file.Description() + "|" + quote, "Two short ones|Two.\tSomebody");

  EXPECT_EQ(CompressedFileNameFor("/a/b.c/list"), "/a/b.c/list.cqt");
  EXPECT_EQ(CompressedFileNameFor("/a/x.y.txt"), "/a/x.y.cqt");

  const std::string bad = folder.File("bad.qot");
  WriteFile(bad, "Fine.\nAlso fine.\nNot \x7F fine.\n");
  fake.AnswerOpenFile(bad);
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Line 3: character 5 (0x7F) cannot be written in a quote file.\n"
                              "Nothing was written.", "Error", MB_OK | MB_ICONSTOP}));
  EXPECT_FALSE(std::filesystem::exists(folder.File("bad.cqt")));

  fake.AnswerOpenFile(folder.File("missing.qot"));
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage().caption, "Error");

  WriteFile(bad, "Fine.\n");
  fake.AnswerOpenFile(bad);
  fake.AnswerInput("never", IDCANCEL);
  fake.ClearMessages();
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));  // the file dialog cancelled
  EXPECT_TRUE(fake.Messages().empty() && !std::filesystem::exists(folder.File("bad.cqt")));
}

TEST_F(SourcesTest, CaseOnlyTheFirstLetterOfTheSettingCountsAndAnInvalidOneIsReportedOnce) {
  store.WriteString("quillo", "Case", "lowercase");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "hello, world 42|\tanon");
  services.caseStyle = {};  // as at the next run's start
  store.WriteString("quillo", "Case", "d");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "Hello, World 42|\tAnon");
  EXPECT_TRUE(fake.Messages().empty());

  services.caseStyle = {};
  store.WriteString("quillo", "Case", "x");
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);  // asked twice, reported once
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{
                                 {"Invalid \"Case\" option in quillo.ini:\nchanging it to Default", "Error", MB_OK}}));
  EXPECT_EQ(store.ReadString("quillo", "Case", ""), "Default");

  SetCaseStyle(kCaseMilitary);  // the menu writes its own value and the style changes at once
  EXPECT_TRUE(store.ReadString("quillo", "Case", "") == "Military" && CurrentCaseStyle() == kCaseMilitary);
}

TEST_F(SourcesTest, CaseMilitaryWritesBlocksOfFiveAndOutputNeverPassesTheBuffer) {
  SetCaseStyle(kCaseMilitary);
  EXPECT_EQ(Styled("It's 10 o'clock!\tAnon") + "|" + Styled("...|!"), "ITS10 OCLOC K\tANON|");
  // "A", TAB and 830 letters fill 997 characters; the next letter needs its blank first, so
  // military writing ends at 999 characters, the most the buffer holds.
  const std::string military = Styled("a\t" + std::string(997, 'b'));
  EXPECT_TRUE(military.size() == 999u && military.substr(990) == "B BBBBB B");

  // A quotation buffer without its zero: 999 characters are taken.
  SetCaseStyle(kCaseUpper);
  EXPECT_EQ(Styled(std::string(1000, 'q')), std::string(999, 'Q'));
}

std::string Bytes(std::initializer_list<unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

using MemoryTest = SourcesTest;  // its record is one of its own; the destructor does not save

// Puzzle n is bit 7 - n % 8 of byte 4 * (n / 32) + 3 - (n % 32) / 8.
TEST_F(MemoryTest, FileLayoutShortAndLongFiles) {
  memory.OpenMemory(33, "q.cqm");
  for (std::uint32_t n : {0u, 9u, 32u}) memory.SetBit(n);
  memory.SaveMemory();
  EXPECT_EQ(ReadFile("q.cqm"), Bytes({0x00, 0x00, 0x40, 0x80, 0x00, 0x00, 0x00, 0x80}));
  WriteFile("short.cqm", Bytes({0x01, 0x02, 0x04}));  // the missing bits read clear
  memory.OpenMemory(40, "short.cqm");
  for (std::uint32_t n = 0; n < 40; ++n) EXPECT_EQ(memory.IsSolved(n), n == 13 || n == 22 || n == 31) << n;
  WriteFile("long.cqm", Bytes({0, 0, 0, 0x80, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(33, "long.cqm");  // bytes past the count are ignored
  EXPECT_TRUE(memory.SolvedCount(33) == 2u && memory.IsSolved(32));
}

TEST_F(MemoryTest, WhenTheRecordIsWritten) {
  memory.SetCurrent(0);
  memory.MarkSolved();  // no file name: nothing at all
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  memory.OpenMemory(5, "a.cqm");
  memory.SetBit(2);
  WriteFile("a.cqm", Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(5, "a.cqm");  // the same file and count keep the bits; the file is not touched
  EXPECT_TRUE(!memory.IsSolved(0) && ReadFile("a.cqm") == Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(6, "a.cqm");  // another count is another record: saved, then read back
  EXPECT_TRUE(ReadFile("a.cqm") == Bytes({0x00, 0x00, 0x00, 0x20}) && memory.IsSolved(2));
  memory.SetBit(4);
  memory.OpenMemory(0, nullptr);  // a plain quote file: the old record is written on the way out
  EXPECT_TRUE(ReadFile("a.cqm") == Bytes({0x00, 0x00, 0x00, 0x28}) && !memory.HasFile());
  memory.OpenMemory(33, "m.cqm");
  memory.SetCurrent(32);
  memory.MarkSolved();  // saved at once
  EXPECT_EQ(ReadFile("m.cqm"), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80}));
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(MemoryTest, WriteFaultsAreLoggedReportedAndKeepTheOldFile) {
  std::filesystem::create_directory("d.cqm");
  memory.OpenMemory(8, "d.cqm");  // a folder reads as a clear record, silently
  EXPECT_TRUE(fake.Messages().empty());
  memory.SetCurrent(1);
  memory.MarkSolved();
  memory.MarkSolved();  // logged again, told once
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{
                                 {"Cannot open memory file for writing, memory lost.\nIs a directory",
                                  "d.cqm", MB_OK | MB_ICONSTOP}}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);  // no temporary file

  WriteFile("big.cqm", "old");
  memory.OpenMemory(100000, "big.cqm");  // 12,500 bytes
  memory.SetCurrent(99999);
  // A file size limit makes the write itself fail (EFBIG) once the record passes 4 KiB.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{4096, saved.rlim_max};
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  memory.MarkSolved();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Cannot write memory file, memory lost.\nFile too large",
                                                  "big.cqm", MB_OK | MB_ICONSTOP}));
  EXPECT_EQ(ReadFile("big.cqm"), "old");
  const std::string log = ReadFile("errors.txt").value_or("");
  const std::string opening = ": Cannot open memory d.cqm: Is a directory\n";
  EXPECT_NE(log.find(opening, log.find(opening) + 1), std::string::npos) << log;  // both failures
  EXPECT_NE(log.find(": Cannot write memory big.cqm: File too large\n"), std::string::npos) << log;
}

TEST_F(MemoryTest, BitOutOfRangeIsReportedAndQuitsWithoutTouchingBits) {
  memory.Resize(10);
  memory.Fill(0);
  testing::internal::CaptureStderr();
  memory.SetBit(10);
  EXPECT_FALSE(memory.TestBit(4294967295u));
  memory.ClearBit(12);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "BitVector( 10 ): bit number out of range\nBitVector( 4294967295 ): bit number out of range\n"
            "BitVector( 12 ): bit number out of range\n");
  EXPECT_TRUE(fake.QuitCount() == 3 && memory.SolvedCount(10) == 0u);
  memory.Fill(0xFFFFFFFF);  // the last word's spare bits carry nothing into range
  memory.ClearBit(9);
  EXPECT_TRUE(memory.TestBit(8) && !memory.TestBit(9));
}

// Central European time: +1 h, +2 h from 2026-03-29 01:00 UTC.
long Cet(std::int64_t utc) { return utc < 1774746000 ? 3600 : 7200; }
long Utc(std::int64_t) { return 0; }

std::int64_t At(const char* text) {
  std::int64_t t = 0;
  EXPECT_TRUE(ParseUtc(text, t)) << text;
  return t;
}

// The fixture holds 15 lines after the version line: a blank one, 3 damaged ones (14 fields,
// 30 February, an unknown escape) and a saved game b1 continued and solved on its last line.
TEST(StatsHistory, TheHandWrittenFileReadsAndGivesTheFiguresWorkedOutByHand) {
  const HistoryRead h = ReadHistory(FixturePath("history/history.txt"));
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
  // Solved games, local days (CET): 30 Jan, 31 Jan, 1 Feb (23:30 UTC), 2 Feb; 28 Mar, 29 Mar,
  // 30 Mar (22:30 UTC is already 30 Mar in summer time), 31 Mar. In UTC: 30, 31, 31 Jan, 2 Feb;
  // 28, 29, 29, 31 Mar. Times 300 600 900 450 300 240 300 700; letters 50 80 130 60 40 120 100 100.
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

TEST(StatsFigures, ChartsKeepTheLastGamesAndCsvQuotes) {
  std::vector<GameRecord> records(130);
  for (int i = 0; i < 130; ++i) {  // all times differ
    std::tie(records[i].id, records[i].outcome, records[i].seconds, records[i].help[kUndo]) =
        std::tuple(static_cast<std::uint64_t>(i), Outcome::Solved, 1000 - i, i);
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
