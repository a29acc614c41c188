// The word-pair table: parsing and the association of two words.
#include "solver/wordpairs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// A pair never seen counts as one sighting (the table leaves out pairs seen once): two common
// words that never meet push each other away, while a pair of rarer words that is merely
// uncounted stays near neutral.
constexpr double kUnseenPair = 1.0;

bool IsWord(std::string_view s) {
  return !s.empty() && s.size() <= 40 &&
         std::all_of(s.begin(), s.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '\''; });
}

bool ParseCount(std::string_view s, std::uint32_t& value) {
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size() && value > 0;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t space = line.find('\t');
    fields.push_back(line.substr(0, space));
    line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  }
  return fields;
}

}  // namespace

bool WordPairs::Parse(std::string_view table) {
  *this = WordPairs();
  bool first = true;
  while (!table.empty()) {
    const std::size_t end = table.find('\n');
    const std::vector<std::string_view> f = Fields(table.substr(0, end));
    table = end == std::string_view::npos ? std::string_view() : table.substr(end + 1);
    std::uint32_t count = 0;
    if (first) {
      if (f.size() != 3 || f[0] != "quillo-pairs" || f[1] != "1" || !ParseCount(f[2], count)) {
        return false;
      }
      total_ = count;
      first = false;
    } else if (f.size() == 2 && IsWord(f[0]) && ParseCount(f[1], count)) {
      words_.emplace(f[0], count);
    } else if (f.size() % 2 == 1 && IsWord(f[0])) {
      AddFollowers(f);
    }
  }
  return !first;
}

void WordPairs::AddFollowers(const std::vector<std::string_view>& fields) {
  std::vector<std::pair<std::string, std::uint32_t>> found;
  for (std::size_t i = 1; i + 1 < fields.size(); i += 2) {
    std::uint32_t count = 0;
    if (!IsWord(fields[i]) || !ParseCount(fields[i + 1], count)) return;
    found.emplace_back(std::string(fields[0]) + ' ' + std::string(fields[i]), count);
  }
  for (auto& [pair, count] : found) pairs_.emplace(std::move(pair), count);
}

double WordPairs::Association(std::string_view first, std::string_view second) const {
  const auto a = words_.find(std::string(first));
  const auto b = words_.find(std::string(second));
  if (a == words_.end() || b == words_.end()) return 0;
  const auto pair = pairs_.find(std::string(first) + ' ' + std::string(second));
  const double together = pair == pairs_.end() ? kUnseenPair : pair->second;
  double ratio = std::log(together * total_ / (static_cast<double>(a->second) * b->second));
  if (pair == pairs_.end()) ratio = std::min(ratio, 0.0);  // absence is never evidence for
  return std::clamp(ratio, -kMaxRepulsion, kMaxAttraction);
}

double WordPairs::Share(std::string_view word) const {
  const auto it = words_.find(std::string(word));
  return it == words_.end() ? 0 : it->second / total_;
}
