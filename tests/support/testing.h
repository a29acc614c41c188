// Test helpers for files: a temporary folder that cleans up after itself, file reading and writing,
// and word list files made from a few words.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A fresh, empty folder under the system's temporary folder, removed with everything in it when
// the object goes away. With enter = true the current folder moves into it for the object's
// lifetime and is restored afterwards (the game reads and writes "./quillo.ini" and friends).
class TempFolder {
 public:
  explicit TempFolder(bool enter = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of a file in the folder, as a string.
  std::string File(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
  std::optional<std::filesystem::path> previous_;  // the current folder before entering
};

// Writes exactly these bytes (creating or truncating the file); fails the test when it cannot.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
// The file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadFile(const std::filesystem::path& path);
// A file of tests/fixtures.
std::string FixturePath(std::string_view name);
// The text's lines without their line ends (a last line without one counts too).
std::vector<std::string> Lines(const std::string& text);
// A word list file holding the words (text, frequency), each length's in the order given.
std::vector<unsigned char> WordListImage(std::initializer_list<std::pair<const char*, int>> words);
