// Fuzz target: a history file of any bytes, read, written back line by line, and summed up.
#include "fuzz/fuzz_support.h"
#include "stats/statistics.h"

namespace {

bool Same(const GameRecord& a, const GameRecord& b) {
  return a.ended == b.ended && a.id == b.id && a.outcome == b.outcome && a.kind == b.kind &&
         a.quoteFile == b.quoteFile && a.puzzle == b.puzzle && a.letters == b.letters &&
         a.distinct == b.distinct && a.seconds == b.seconds && a.help == b.help;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  const std::string path = WriteInput("history.txt", data, size);
  const HistoryRead read = ReadHistory(path);
  if (read.state != HistoryState::Read) {
    FuzzCheck(read.records.empty(), "records from a file not read");
  }
  // Every record read writes back to a line that reads as the same record, and a file of those
  // lines reads whole.
  std::string again(kHistoryVersionLine);
  for (const GameRecord& r : read.records) {
    const std::string line = FormatRecord(r);
    const HistoryRead one = ParseHistory(line);
    FuzzCheck(one.records.size() == 1 && Same(one.records[0], r), "record does not round-trip");
    again += "\n" + line;
  }
  const HistoryRead whole = ParseHistory(again);
  FuzzCheck(whole.badLines == 0 && whole.records.size() == read.records.size(), "rewritten file differs");
  const Statistics s = ComputeStatistics(read.records, 1798761600, [](std::int64_t) { return 3600L; },
                                         {{"quillo.cqt", 2300}, {"", 0}});
  FuzzCheck(s.solved <= s.gamesPlayed && s.recentTimes.size() == s.movingMedian.size(), "figures disagree");
  FuzzCheck(s.longestStreak >= s.currentStreak, "current streak longer than the longest");
  FuzzCheck(s.collections[0].solved <= 2300, "more solved than the collection holds");
  RemoveInput("history.txt");
  return 0;
}
