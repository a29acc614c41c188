// The history file: formatting, appending, resetting, reading and the CSV export of its records.
#include "stats/history.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <unordered_map>

#include "classlib/safefile.h"

namespace {

constexpr int kMaxSeconds = 359999;
constexpr int kMaxCount = 999999999;
constexpr std::size_t kShortestLine = 66;  // a record line of one-digit numbers and no file name
constexpr std::string_view kOutcomeNames[] = {"solved", "revealed", "abandoned", "saved"};

// Hex digit values of lower-case digits, -1 for every other character.
constexpr std::array<signed char, 256> kHexValue = [] {
  std::array<signed char, 256> value{};
  value.fill(-1);
  for (int c = '0'; c <= '9'; ++c) value[c] = static_cast<signed char>(c - '0');
  for (int c = 'a'; c <= 'f'; ++c) value[c] = static_cast<signed char>(c - 'a' + 10);
  return value;
}();

bool ParseId(std::string_view text, std::uint64_t& id) {
  if (text.size() != 16) return false;
  id = 0;
  for (char c : text) {
    const int digit = kHexValue[static_cast<unsigned char>(c)];
    if (digit < 0) return false;
    id = id << 4 | static_cast<std::uint64_t>(digit);
  }
  return true;
}

bool ParseOutcome(std::string_view text, Outcome& outcome) {
  for (std::size_t i = 0; i < std::size(kOutcomeNames); ++i) {
    if (text == kOutcomeNames[i]) {
      outcome = static_cast<Outcome>(i);
      return true;
    }
  }
  return false;
}

void AppendEscaped(std::string& out, std::string_view name) {
  for (char c : name) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
}

bool Unescape(std::string_view text, std::string& name) {
  if (text.find('\\') == std::string_view::npos) {
    name.assign(text);  // the usual name, copied at once
    return true;
  }
  name.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      name += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\': name += '\\'; break;
      case 't': name += '\t'; break;
      case 'n': name += '\n'; break;
      case 'r': name += '\r'; break;
      default: return false;
    }
  }
  return true;
}

// Reads a line's TAB-parted fields in order, each byte looked at about once: the fixed-width
// fields are taken by their width, numbers are read as they are found.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : next_(line.data()), end_(line.data() + line.size()) {}
  // The next field; false once the line's last field has been read.
  bool Text(std::string_view& field) {
    if (next_ == nullptr) return false;
    const void* tab = std::memchr(next_, '\t', static_cast<std::size_t>(end_ - next_));
    const char* start = next_;
    next_ = tab ? static_cast<const char*>(tab) : end_;
    field = std::string_view(start, static_cast<std::size_t>(next_ - start));
    StepOverTab();
    return true;
  }
  // The next field when it is exactly width characters long.
  bool Fixed(std::size_t width, std::string_view& field) {
    if (next_ == nullptr || static_cast<std::size_t>(end_ - next_) < width) return false;
    if (next_ + width != end_ && next_[width] != '\t') return false;
    field = std::string_view(next_, width);
    next_ += width;
    StepOverTab();
    return true;
  }
  // The next field as a decimal number of 1..10 digits, nothing else, no more than max.
  // Inlined: eleven numbers a line make a call apiece cost more than its digits.
  [[gnu::always_inline]] bool Number(int max, int& value) {
    if (next_ == nullptr) return false;
    const char* const start = next_;
    std::uint64_t n = 0;  // unsigned: a long run of digits wraps harmlessly before it is refused
    for (unsigned digit; next_ != end_ && (digit = static_cast<unsigned char>(*next_) - unsigned{'0'}) <= 9; ++next_) {
      n = n * 10 + digit;
    }
    // Empty, more than ten digits, or a field that goes on past its digits.
    if (next_ == start || next_ - start > 10 || (next_ != end_ && *next_ != '\t') ||
        n > static_cast<std::uint64_t>(max)) {
      return false;
    }
    value = static_cast<int>(n);
    StepOverTab();
    return true;
  }
  // Steps over the next field when it is exactly text; otherwise stays before it.
  bool Skip(std::string_view text) {
    std::string_view field;
    return next_ != nullptr && std::string_view(next_, end_).starts_with(text) && Fixed(text.size(), field);
  }
  bool Done() const { return next_ == nullptr; }

 private:
  void StepOverTab() { next_ = next_ == end_ ? nullptr : next_ + 1; }
  const char* next_;
  const char* end_;
};

// The decimal number of text[at, at + count), false unless all of them are digits.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
    if (digit > 9) return false;
    value = value * 10 + static_cast<int>(digit);
  }
  return true;
}

// "YYYY-MM-DD", from 1970 on, as days since 1970-01-01.
bool ParseDate(std::string_view t, std::int64_t& days) {
  int year = 0, month = 0, day = 0;
  if (t.size() != 10 || t[4] != '-' || t[7] != '-' || !Digits(t, 0, 4, year) || !Digits(t, 5, 2, month) ||
      !Digits(t, 8, 2, day) || year < 1970 || month < 1 || month > 12 || day < 1) {
    return false;
  }
  static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  if (day > kMonthDays[month - 1] || (month == 2 && day == 29 && !leap)) return false;
  days = DaysFromCivil(year, month, day);
  return true;
}

// "THH:MM:SSZ" as seconds into the day.
bool ParseTimeOfDay(std::string_view t, int& seconds) {
  int hour = 0, minute = 0, second = 0;
  if (t.size() != 10 || t[0] != 'T' || t[3] != ':' || t[6] != ':' || t[9] != 'Z' || !Digits(t, 1, 2, hour) ||
      !Digits(t, 4, 2, minute) || !Digits(t, 7, 2, second) || hour > 23 || minute > 59 || second > 59) {
    return false;
  }
  seconds = hour * 3600 + minute * 60 + second;
  return true;
}

// Reads the ended field of line after line. About ten games share a day, so the calendar is
// worked out once per date and the rest of the day's lines only compare it.
class EndedReader {
 public:
  bool Read(std::string_view utc, std::int64_t& seconds) {
    const std::string_view date = utc.substr(0, 10);
    if (date != std::string_view(date_, dateLength_)) {
      dateLength_ = 0;
      if (!ParseDate(date, days_)) return false;
      date.copy(date_, sizeof date_);
      dateLength_ = sizeof date_;
    }
    int time = 0;
    if (!ParseTimeOfDay(utc.substr(10), time)) return false;
    seconds = days_ * 86400 + time;
    return true;
  }

 private:
  char date_[10] = {};
  std::size_t dateLength_ = 0;  // 0 until a date has been read
  std::int64_t days_ = 0;
};

// Reads the file field of line after line, handing out one shared name per distinct field; the
// fields it keeps are views of the text being read, which outlives the reader.
class NameReader {
 public:
  bool Read(std::string_view field, SharedName& name) {
    if (last_ == nullptr || field != lastField_) {
      auto found = names_.find(field);
      if (found == names_.end()) {
        std::string text;
        if (!Unescape(field, text)) return false;
        found = names_.emplace(field, SharedName(text)).first;
      }
      lastField_ = field;
      last_ = &found->second;
    }
    name = *last_;
    return true;
  }

 private:
  std::unordered_map<std::string_view, SharedName> names_;
  std::string_view lastField_;
  const SharedName* last_ = nullptr;  // games come in runs of one file
};

// The readers of the fields whose values repeat from line to line.
struct LineReaders {
  EndedReader ended;
  NameReader names;
};

bool ParseRecord(std::string_view line, LineReaders& readers, GameRecord& r) {
  FieldReader fields(line);
  std::string_view f;
  if (!fields.Fixed(20, f) || !readers.ended.Read(f, r.ended) || !fields.Fixed(16, f) || !ParseId(f, r.id)) {
    return false;
  }
  if (!fields.Text(f) || !ParseOutcome(f, r.outcome) || !fields.Number(3, r.kind)) return false;
  if (!fields.Text(f) || !readers.names.Read(f, r.quoteFile)) return false;
  if (fields.Skip("-")) r.puzzle = 0;
  else if (!fields.Number(kMaxCount, r.puzzle) || r.puzzle == 0) return false;
  if (!fields.Number(999, r.letters) || !fields.Number(26, r.distinct)) return false;
  if (r.distinct > r.letters || !fields.Number(kMaxSeconds, r.seconds)) return false;
  for (int k = 0; k < kHelpKinds; ++k) {
    if (!fields.Number(kMaxCount, r.help[k])) return false;
  }
  return fields.Done();  // exactly the fields of the format, no more
}

void AppendTwo(std::string& out, int n) {
  out += static_cast<char>('0' + n / 10);
  out += static_cast<char>('0' + n % 10);
}

// Escapes a CSV field when it holds a comma, a double quote or a line end.
void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

bool FileIsEmptyOrMissing(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode) && info.st_size == 0;
}

// A file whose version line names another version of the format.
bool IsOtherVersion(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string first(kHistoryVersionLine.size() + 1, '\0');
  in.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(in.gcount()));
  const std::string ours(kHistoryVersionLine);
  return first.starts_with("quillo-history ") && first != ours + "\n" && first != ours + "\r";
}

// The slot of an id in a table of 2^(64 - shift) slots; any pattern of ids spreads.
std::size_t SlotOf(std::uint64_t id, int shift) {
  id = (id ^ (id >> 30)) * 0xbf58476d1ce4e5b9ull;
  id = (id ^ (id >> 27)) * 0x94d049bb133111ebull;
  return static_cast<std::size_t>(id >> shift);
}

// Keeps only the last record of each id: walking back from the end, a record whose id has been
// seen is superseded. The seen ids go in an open-addressed table (id 0 apart, as the empty mark)
// at most half full, which costs less than sorting at 100,000 games; the slot wanted a few
// records ahead is fetched early, as the table is bigger than the caches near the core.
void DropSuperseded(std::vector<GameRecord>& records) {
  std::size_t capacity = 16;
  while (capacity < records.size() * 2) capacity *= 2;
  std::vector<std::uint64_t> seen(capacity);
  const int shift = 64 - std::countr_zero(capacity);
  constexpr std::size_t kAhead = 8;
  bool zeroSeen = false;
  std::vector<bool> superseded(records.size());
  for (std::size_t i = records.size(); i-- > 0;) {
    if (i >= kAhead) __builtin_prefetch(&seen[SlotOf(records[i - kAhead].id, shift)]);
    const std::uint64_t id = records[i].id;
    if (id == 0) {
      superseded[i] = zeroSeen;
      zeroSeen = true;
      continue;
    }
    std::size_t slot = SlotOf(id, shift);
    while (seen[slot] != 0 && seen[slot] != id) slot = (slot + 1) & (capacity - 1);
    superseded[i] = seen[slot] == id;
    seen[slot] = id;
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (superseded[i]) continue;
    if (kept != i) records[kept] = std::move(records[i]);  // never onto itself
    ++kept;
  }
  records.resize(kept);
}

}  // namespace

std::string_view OutcomeName(Outcome outcome) { return kOutcomeNames[static_cast<int>(outcome)]; }

std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::int64_t DayOf(std::int64_t seconds) {
  return seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
}

std::string FormatUtc(std::int64_t seconds) {
  const std::int64_t days = DayOf(seconds);
  const std::int64_t rest = seconds - days * 86400;
  // The inverse of DaysFromCivil.
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400 + (month <= 2));
  std::string out = std::to_string(year);
  out += '-';
  AppendTwo(out, month);
  out += '-';
  AppendTwo(out, day);
  out += 'T';
  AppendTwo(out, static_cast<int>(rest / 3600));
  out += ':';
  AppendTwo(out, static_cast<int>(rest / 60 % 60));
  out += ':';
  AppendTwo(out, static_cast<int>(rest % 60));
  out += 'Z';
  return out;
}

bool ParseUtc(std::string_view t, std::int64_t& seconds) {
  std::int64_t days = 0;
  int time = 0;
  if (t.size() != 20 || !ParseDate(t.substr(0, 10), days) || !ParseTimeOfDay(t.substr(10), time)) return false;
  seconds = days * 86400 + time;
  return true;
}

std::string FormatRecord(const GameRecord& r) {
  char id[17];
  std::snprintf(id, sizeof id, "%016llx", static_cast<unsigned long long>(r.id));
  std::string line = FormatUtc(r.ended);
  line.append("\t").append(id).append("\t").append(OutcomeName(r.outcome));
  line.append("\t").append(std::to_string(r.kind)).append("\t");
  AppendEscaped(line, r.quoteFile.str());
  line.append("\t").append(r.puzzle > 0 ? std::to_string(r.puzzle) : "-");
  for (int n : {r.letters, r.distinct, r.seconds}) line.append("\t").append(std::to_string(n));
  for (int n : r.help) line.append("\t").append(std::to_string(n));
  return line;
}

bool AppendHistory(const std::string& path, const GameRecord& record) {
  const std::string line = FormatRecord(record);
  GameRecord check;
  LineReaders readers;
  if (line.size() > kMaxHistoryLine || !ParseRecord(line, readers, check)) {
    errno = EINVAL;  // a record the reader would refuse is not written
    return false;
  }
  if (!FileIsEmptyOrMissing(path)) {
    if (IsOtherVersion(path)) {
      errno = EPROTO;  // lines of this version would mean something else there
      return false;
    }
    return AppendLine(path, line);
  }
  return AppendLine(path, std::string(kHistoryVersionLine) + "\n" + line);
}

bool ResetHistory(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) {
    if (std::rename(path.c_str(), (path + ".bak").c_str()) != 0) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  return ReplaceFileContents(path, std::string(kHistoryVersionLine) + "\n");
}

std::uint64_t NewGameId() {
  std::random_device device;
  const std::uint64_t a = device();
  const std::uint64_t b = device();
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return (a << 32 | b) ^ static_cast<std::uint64_t>(now);
}

HistoryRead ParseHistory(std::string_view text) {
  HistoryRead result;
  result.state = HistoryState::Read;
  result.records.reserve(text.size() / kShortestLine + 1);  // an upper bound, no moves
  bool first = true;
  LineReaders readers;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // edited on another system
    if (first) {
      first = false;
      if (line == kHistoryVersionLine) continue;
      if (line.starts_with("quillo-history ")) return HistoryRead{HistoryState::Newer, {}, 0, false};
    }
    if (line.empty()) continue;
    GameRecord& record = result.records.emplace_back();
    if (line.size() > kMaxHistoryLine || !ParseRecord(line, readers, record)) {
      result.records.pop_back();
      ++result.badLines;
    }
  }
  DropSuperseded(result.records);
  return result;
}

HistoryRead ReadHistory(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return HistoryRead{errno == ENOENT ? HistoryState::Missing : HistoryState::Unusable, {}, 0, false};
  }
  if (!S_ISREG(info.st_mode)) return HistoryRead{HistoryState::Unusable, {}, 0, false};
  if (static_cast<std::uint64_t>(info.st_size) <= kMaxHistoryBytes) {
    const LoadedFile file = LoadSmallFile(path, kMaxHistoryBytes);
    if (file.state == FileState::Unusable) return HistoryRead{HistoryState::Unusable, {}, 0, false};
    return ParseHistory(file.text);
  }
  // Too long to read whole: the newest lines are read, from the first line start in the tail.
  std::ifstream in(path, std::ios::binary);
  std::string tail(kMaxHistoryBytes, '\0');
  in.seekg(-static_cast<std::streamoff>(kMaxHistoryBytes), std::ios::end);
  if (!in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) {
    return HistoryRead{HistoryState::Unusable, {}, 0, false};
  }
  const std::size_t start = tail.find('\n');
  HistoryRead result = ParseHistory(std::string_view(tail).substr(start == std::string::npos ? tail.size() : start));
  result.olderPartDropped = true;
  return result;
}

std::string HistoryCsv(const std::vector<GameRecord>& records) {
  static constexpr std::string_view kKinds[] = {"quotation", "ciphertext", "plaintext", "tutorial"};
  std::string out =
      "ended (UTC),outcome,kind,quote file,puzzle,letters,distinct letters,seconds,erased,"
      "confirm,undo error,little hint,big hint,word list\n";
  for (const GameRecord& r : records) {
    out.append(FormatUtc(r.ended)).append(",").append(OutcomeName(r.outcome));
    out.append(",").append(kKinds[r.kind & 3]).append(",");
    AppendCsvField(out, r.quoteFile.str());
    out.append(",").append(r.puzzle > 0 ? std::to_string(r.puzzle) : "");
    for (int n : {r.letters, r.distinct, r.seconds}) out.append(",").append(std::to_string(n));
    for (int n : r.help) out.append(",").append(std::to_string(n));
    out += '\n';
  }
  return out;
}
