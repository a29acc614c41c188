// Test helpers for files: TempFolder, WriteFile, ReadFile, Lines, WordListImage.
#include "testing.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "wordlist/dictionary.h"

TempFolder::TempFolder(bool enter) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quillo-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
  if (enter) {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (previous_) std::filesystem::current_path(*previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string FixturePath(std::string_view name) { return (std::filesystem::path(QUILLO_FIXTURES) / name).string(); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<unsigned char> WordListImage(std::initializer_list<std::pair<const char*, int>> words) {
  std::vector<std::vector<Word>> byLength(kWordSlotCount);
  for (const auto& [text, frequency] : words) {
    Word& word = byLength[std::strlen(text)].emplace_back();
    word.frequency = static_cast<std::uint16_t>(frequency);
    std::strcpy(word.text, text);
  }
  return EncodeWordList(byLength, 1);
}
