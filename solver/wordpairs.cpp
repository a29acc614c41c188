// The word-pair table: parsing and the association of two words.
#include "solver/wordpairs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

constexpr int kLargestFigure = 100000;  // hundredths of a nat; anything beyond is damage

bool IsWord(std::string_view s) {
  return !s.empty() && s.size() <= 40 &&
         std::all_of(s.begin(), s.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '\''; });
}

// A figure in hundredths of a nat, returned in nats.
bool ParseFigure(std::string_view s, double& value) {
  int hundredths = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), hundredths);
  if (error != std::errc() || end != s.data() + s.size() || std::abs(hundredths) > kLargestFigure) {
    return false;
  }
  value = hundredths / 100.0;
  return true;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
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
    if (first) {
      if (f.size() != 2 || f[0] != "quillo-pairs" || f[1] != "2") return false;
      first = false;
      continue;
    }
    if (f.size() < 3 || f.size() % 2 == 0 || !IsWord(f[0])) continue;
    Word word{};
    if (!IsWord(f[1])) {
      if (f.size() == 3 && ParseFigure(f[1], word.logShare) && word.logShare < 0 &&
          ParseFigure(f[2], word.backoff)) {
        words_.emplace(f[0], word);
      }
    } else {
      AddFollowers(f);
    }
  }
  return !first;
}

void WordPairs::AddFollowers(const std::vector<std::string_view>& fields) {
  std::vector<std::pair<std::string, double>> found;
  for (std::size_t i = 1; i + 1 < fields.size(); i += 2) {
    double association = 0;
    if (!IsWord(fields[i]) || !ParseFigure(fields[i + 1], association)) return;
    found.emplace_back(std::string(fields[0]) + ' ' + std::string(fields[i]), association);
  }
  for (auto& [pair, association] : found) pairs_.emplace(std::move(pair), association);
}

double WordPairs::Association(std::string_view first, std::string_view second) const {
  const auto a = words_.find(std::string(first));
  if (a == words_.end() || !words_.count(std::string(second))) return 0;
  const auto pair = pairs_.find(std::string(first) + ' ' + std::string(second));
  const double association = pair == pairs_.end() ? a->second.backoff : pair->second;
  return std::clamp(association, -kMaxRepulsion, kMaxAttraction);
}

double WordPairs::Share(std::string_view word) const {
  const auto it = words_.find(std::string(word));
  return it == words_.end() ? 0 : std::exp(it->second.logShare);
}
