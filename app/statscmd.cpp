// The statistics commands: the window's figures from the history, Export as CSV, and Reset.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <set>

#include "app/app.h"
#include "classlib/safefile.h"
#include "framework/platform.h"
#include "sources/quotefile.h"
#include "stats/statistics.h"

namespace {

std::string Clock(double seconds) {
  const long s = std::lround(seconds);
  char text[32];
  if (s >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  }
  return text;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

TStatsTimeRow TimeRow(std::string label, const TimeFigures& f) {
  if (f.games == 0) return {std::move(label), 0, "-", "-", "-"};
  return {std::move(label), f.games, Clock(f.best), Clock(f.median), Clock(f.mean)};
}

std::string Days(int days) { return std::to_string(days) + (days == 1 ? " day" : " days"); }

// The compressed collections the player has played from, and the current one, by file name;
// a file that cannot be opened now has no bar.
std::vector<CollectionSize> Collections(const std::vector<GameRecord>& records,
                                        const std::string& current) {
  std::set<std::string> paths;
  const SharedName* last = nullptr;  // games come in runs of one file: one look a run
  for (const GameRecord& r : records) {
    if (last != nullptr && r.quoteFile == *last) continue;
    last = &r.quoteFile;
    if (IsCompressedQuoteFileName(r.quoteFile.c_str())) paths.insert(r.quoteFile.str());
  }
  if (IsCompressedQuoteFileName(current.c_str())) paths.insert(current);
  std::vector<CollectionSize> sizes;
  std::set<std::string> names;
  for (const std::string& path : paths) {
    CompressedQuoteFile file(path);
    if (file.Status() != QuoteFileStatus::Ok || !names.insert(BaseName(path)).second) continue;
    sizes.push_back({BaseName(path), static_cast<int>(file.Count())});
  }
  return sizes;
}

void AddTotals(const Statistics& s, TStatisticsView& view) {
  char rate[16];
  std::snprintf(rate, sizeof rate, "%.0f%%", s.solveRate * 100);
  view.totals = {
      {"gamesPlayed", "Games played", std::to_string(s.gamesPlayed)},
      {"solved", "Solved without Solve Puzzle", std::to_string(s.solved)},
      {"revealed", "Ended with Solve Puzzle", std::to_string(s.revealed)},
      {"abandoned", "Abandoned", std::to_string(s.abandoned)},
      {"solveRate", "Solve rate", rate},
      {"currentStreak", "Current streak", Days(s.currentStreak)},
      {"longestStreak", "Longest streak", Days(s.longestStreak)},
      {"totalTime", "Total time played", Clock(static_cast<double>(s.totalSeconds))},
  };
}

void AddTimes(const Statistics& s, TStatisticsView& view) {
  view.times.push_back(TimeRow("All solved games", s.overall));
  view.times.push_back(TimeRow("Short (under 60 letters)", s.byBand[kShort]));
  view.times.push_back(TimeRow("Medium (60 to 120 letters)", s.byBand[kMedium]));
  view.times.push_back(TimeRow("Long (over 120 letters)", s.byBand[kLong]));
  for (const FileTimes& f : s.byFile) {
    view.times.push_back(TimeRow(f.quoteFile.empty() ? "Entered puzzles" : BaseName(f.quoteFile), f.times));
  }
}

std::string Note(const HistoryRead& read) {
  std::string note;
  if (read.badLines > 0) {
    note = std::to_string(read.badLines) + " damaged line" + (read.badLines == 1 ? "" : "s") +
           " of history.txt skipped.";
  }
  if (read.olderPartDropped) note += (note.empty() ? "" : "  ") + std::string("Only the latest games were read.");
  return note;
}

}  // namespace

void App::ShowStatistics() {
  HistoryRead read = ReadHistory(HistoryPath());
  if (read.state == HistoryState::Newer || read.state == HistoryState::Unusable) {
    DialogService().MessageBox(MainWindow(),
                               read.state == HistoryState::Newer
                                   ? "Your statistics in history.txt were written by a newer\n"
                                     "version of Quillo! and cannot be shown."
                                   : "Your statistics in history.txt cannot be read.",
                               "Statistics", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const Statistics s = ComputeStatistics(read.records, std::time(nullptr), SystemUtcOffset,
                                         Collections(read.records, game_.state.quoteFileName));
  TStatisticsView view;
  AddTotals(s, view);
  AddTimes(s, view);
  view.recentTimes.assign(s.recentTimes.begin(), s.recentTimes.end());
  view.movingMedian = s.movingMedian;
  view.helpKinds = {"Erased", "Confirm", "Undo error", "Little hint", "Big hint", "Word list"};
  for (const HelpCounts& help : s.recentHelp) view.recentHelp.emplace_back(help.begin(), help.end());
  for (const CollectionProgress& c : s.collections) view.collections.push_back({c.name, c.solved, c.puzzles});
  view.note = Note(read);
  auto records = std::make_shared<std::vector<GameRecord>>(std::move(read.records));
  view.exportCsv = [this, records] { ExportStatistics(*records); };
  DialogService().ShowStatistics(MainWindow(), view);
}

void App::ExportStatistics(const std::vector<GameRecord>& records) {
  TOpenFileRequest request;
  request.title = "Export Statistics";
  request.filter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|";
  request.defaultExtension = "csv";
  request.initialFolder = workingFolder_;
  request.initialName = "history.csv";
  request.forSaving = true;
  const TOpenFileResult result = DialogService().OpenFile(MainWindow(), request);
  if (!result.ok || ReplaceFileContents(result.path, HistoryCsv(records))) return;
  DialogService().MessageBox(MainWindow(), WithReason("Cannot write " + result.path + ".", errno),
                             "Error", MB_OK | MB_ICONSTOP);
}

void App::ResetStatistics() {
  const int answer = DialogService().MessageBox(
      MainWindow(), "Clear all your statistics?\nA copy is kept in history.txt.bak.",
      "Reset Statistics", MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES || ResetHistory(HistoryPath())) return;
  DialogService().MessageBox(MainWindow(), WithReason("Cannot reset your statistics.", errno),
                             "Error", MB_OK | MB_ICONSTOP);
}
