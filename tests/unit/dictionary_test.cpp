// The dictionary loader on hand-made files, each fault with its line in errors.txt, and the log itself.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "support/testing.h"
#include "wordlist/dictionary.h"
#include "classlib/errorlog.h"

namespace {

namespace fs = std::filesystem;
using std::string;

// File images are built little-endian, as the game reads them.
string Int(std::int32_t v) {
  string bytes;
  for (int s = 0; s < 32; s += 8) bytes += static_cast<char>(static_cast<std::uint32_t>(v) >> s);
  return bytes;
}
const string kHeader = Int(-1) + Int(1) + Int(0);
string Section(std::int32_t length, std::int32_t count) { return Int(length) + Int(kWordListSectionFlag) + Int(count); }
string Record(std::uint16_t frequency, const string& text) {
  return string{static_cast<char>(frequency & 0xFF), static_cast<char>(frequency >> 8)} + text + '\0';
}

// Each test runs in its own empty working folder, where errors.txt is written.
class DictionaryTest : public ::testing::Test {
 protected:
  bool Load(const string& bytes) {
    WriteFile("w.wl", bytes);
    return LoadWordList("w.wl", dict);
  }
  // The lines of errors.txt with the 24-character time stamp cut off.
  static std::vector<string> LogLines() {
    std::ifstream in("errors.txt");
    std::vector<string> lines;
    for (string line; std::getline(in, line);) lines.push_back(line.size() > 24 ? line.substr(24) : line);
    return lines;
  }

  TempFolder folder_{true};
  WordDictionary dict;
};

TEST_F(DictionaryTest, SectionsLoadInFileOrderAndALaterOneReplaces) {
  EXPECT_TRUE(Load(kHeader));  // only the header: an empty table, nothing logged
  for (int length = -1; length <= kWordSlotCount; ++length) EXPECT_FALSE(dict.Slot(length));
  // A partial length at the end is the normal end of the file.
  ASSERT_TRUE(Load(kHeader + Section(3, 2) + Record(0x1234, "the") + Record(0, "and") + Section(1, 0) +
                   Section(2, 1) + Record(7, "of") + Section(3, 1) + Record(65535, "dad") + "\x01\x02"));
  ASSERT_TRUE(dict.Slot(1).value().empty() && dict.Slot(3)->size() == 1);
  EXPECT_EQ(std::string((*dict.Slot(3))[0].text) + std::to_string((*dict.Slot(3))[0].frequency), "dad65535");
  ASSERT_TRUE(Load(kHeader + Section(3, 2) + Record(0x1234, "the") + Record(0, "and")));
  ASSERT_EQ(dict.Slot(3).value().size(), 2u);
  EXPECT_TRUE((*dict.Slot(3))[0].frequency == 0x1234 && !dict.Slot(2));  // a new load starts from an empty table
  // 25 letters and a 'q' where the NUL belongs: the word is cut, not trusted.
  ASSERT_TRUE(Load(kHeader + Section(25, 1) + string("\x05\x00", 2) + string(26, 'q')));
  EXPECT_EQ(std::strlen((*dict.Slot(25))[0].text), 25u);
  EXPECT_FALSE(fs::exists("errors.txt"));
}

TEST_F(DictionaryTest, EachFaultFailsWithOneLogLine) {
  const string flag = Int(kWordListSectionFlag);
  const std::pair<string, const char*> cases[] = {
      {Int(0) + Int(0) + Int(0), "flag != -1"},
      {"\xff\xff", "flag != -1"},
      {kHeader + Int(3) + Int(9999998) + Int(0), "Missing flag"},
      {kHeader + Int(3), "Missing flag"},
      {kHeader + Int(3) + flag + Int(-1), "Missing or invalid count"},
      {kHeader + Int(3) + flag, "Missing or invalid count"},
      {kHeader + Section(3, 2) + Record(1, "dog") + "\x01", "Premature EOF"},
      {kHeader + Section(3, 0x7FFFFFFF) + Record(1, "dog"), "Premature EOF"},
      {kHeader + Section(0, 1) + Record(1, ""), "Invalid length"},
      {kHeader + Section(26, 0), "Invalid length"},
      {kHeader + Section(-4, 0), "Invalid length"},
      {"", "File too large"},  // made oversized below
  };
  for (const auto& [bytes, fault] : cases) {
    SCOPED_TRACE(fault);
    fs::remove("errors.txt");
    WriteFile("w.wl", bytes);
    if (bytes.empty()) fs::resize_file("w.wl", kMaxWordListBytes + 1);
    EXPECT_FALSE(LoadWordList("w.wl", dict));
    EXPECT_EQ(LogLines(), std::vector<string>{string(":  w.wl: ") + fault});
  }
}

TEST_F(DictionaryTest, MissingFileLogsSystemTextOnceAndIsNotRetried) {
  WordListStore store;
  EXPECT_FALSE(store.Attempted() || store.EnsureLoaded("nowhere.wl"));
  WriteFile("nowhere.wl", kHeader);  // appearing later changes nothing in this run
  EXPECT_EQ(store.EnsureLoaded("nowhere.wl"), nullptr);
  EXPECT_EQ(LogLines(), std::vector<string>{string(":  nowhere.wl: ") + std::strerror(ENOENT)});
  WordListStore good;
  const WordDictionary* loaded = good.EnsureLoaded("nowhere.wl");
  EXPECT_TRUE(loaded && good.EnsureLoaded("gone.wl") == loaded);
  good.Free();
  EXPECT_TRUE(good.Attempted() && !good.EnsureLoaded("nowhere.wl"));
}

// One line per fault: asctime's 24 characters, then the source and the fault (the system's
// text for errno when no fault text is given).
TEST_F(DictionaryTest, ErrorLogAppendsOneStampedLinePerFault) {
  WriteFile("errors.txt", "an earlier line of more than 24 characters\n");
  const std::time_t now = std::time(nullptr);
  const string stamp = string(std::asctime(std::localtime(&now))).substr(0, 10);  // day and date
  LogError("/usr/share/quillo/wordlist.wl", "", "Premature EOF");
  errno = ENOENT;
  LogError("quotes.cqm", "Cannot open memory", nullptr);
  LogError("quotes.cqm", nullptr, "flag != -1");
  EXPECT_EQ(LogLines(), (std::vector<string>{"than 24 characters", ":  /usr/share/quillo/wordlist.wl: Premature EOF",
                                             ": Cannot open memory quotes.cqm: No such file or directory",
                                             ": quotes.cqm: flag != -1"}));
  EXPECT_EQ(ReadFile("errors.txt").value_or("").substr(43, 10), stamp);  // after the earlier line
}

}  // namespace
