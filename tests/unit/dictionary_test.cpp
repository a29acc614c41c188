// The dictionary loader on hand-made files, each fault with its line in errors.txt, and the log itself.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/testing.h"
#include "wordlist/dictionary.h"
#include "wordlist/errorlog.h"

namespace {

namespace fs = std::filesystem;


// Builds a file image little-endian, as the game reads it.
class Bytes {
 public:
  Bytes& Int(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int s = 0; s < 32; s += 8) data_.push_back(static_cast<char>(u >> s));
    return *this;
  }
  Bytes& Header() { return Int(-1).Int(1).Int(0); }
  Bytes& Section(std::int32_t length, std::int32_t count) {
    return Int(length).Int(kWordListSectionFlag).Int(count);
  }
  Bytes& Record(std::uint16_t frequency, const std::string& text) {
    data_.push_back(static_cast<char>(frequency & 0xFF));
    data_.push_back(static_cast<char>(frequency >> 8));
    data_.append(text);
    data_.push_back('\0');
    return *this;
  }
  Bytes& Raw(const std::string& raw) {
    data_.append(raw);
    return *this;
  }
  const std::string& str() const { return data_; }

 private:
  std::string data_;
};

// Each test runs in its own empty working folder, where errors.txt is written.
class DictionaryTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary) << bytes.str();
    return name;
  }

  // The lines of errors.txt with the 24-character time stamp cut off.
  static std::vector<std::string> LogLines() {
    std::ifstream in("errors.txt");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line.size() > 24 ? line.substr(24) : line);
    return lines;
  }

  TempFolder folder_{true};
};

TEST_F(DictionaryTest, HeaderOnlyLoadsEmptyWithoutLogging) {
  WordDictionary dict;
  EXPECT_TRUE(LoadWordList(Write("w.wl", Bytes().Header()), dict));
  for (int length = -1; length <= kWordSlotCount; ++length) EXPECT_FALSE(dict.Slot(length));
  EXPECT_FALSE(fs::exists("errors.txt"));
}

TEST_F(DictionaryTest, RecordsKeepFileOrderAndLaterSectionReplaces) {
  Bytes file;
  file.Header()
      .Section(3, 2).Record(0x1234, "the").Record(0, "and")
      .Section(1, 0)
      .Section(2, 1).Record(7, "of")
      .Section(3, 1).Record(65535, "dad");
  file.Raw("\x01\x02");  // a partial length at the end is the normal end of the file
  WordDictionary dict;
  ASSERT_TRUE(LoadWordList(Write("w.wl", file), dict));
  ASSERT_TRUE(dict.Slot(1));
  EXPECT_TRUE(dict.Slot(1)->empty());
  ASSERT_EQ(dict.Slot(3)->size(), 1u);
  EXPECT_STREQ((*dict.Slot(3))[0].text, "dad");
  EXPECT_EQ((*dict.Slot(3))[0].frequency, 65535);

  ASSERT_TRUE(LoadWordList(Write("v.wl", Bytes().Header().Section(3, 2).Record(0x1234, "the")
                                             .Record(0, "and")), dict));
  ASSERT_EQ(dict.Slot(3)->size(), 2u);
  EXPECT_EQ((*dict.Slot(3))[0].frequency, 0x1234);
  EXPECT_FALSE(dict.Slot(2));  // a new load starts from an empty table
}

TEST_F(DictionaryTest, MissingTerminatorIsNotTrusted) {
  Bytes file;
  file.Header().Section(25, 1).Raw(std::string("\x05\x00", 2));
  file.Raw(std::string(26, 'q'));  // 25 letters and a 'q' where the NUL belongs
  WordDictionary dict;
  ASSERT_TRUE(LoadWordList(Write("w.wl", file), dict));
  EXPECT_EQ(std::strlen((*dict.Slot(25))[0].text), 25u);
}

struct FaultCase {
  const char* name;
  Bytes file;
  const char* fault;
};

TEST_F(DictionaryTest, EachFaultFailsWithOneLogLine) {
  const FaultCase cases[] = {
      {"first integer 0", Bytes().Int(0).Int(0).Int(0), "flag != -1"},
      {"shorter than a flag", Bytes().Raw("\xff\xff"), "flag != -1"},
      {"wrong section flag", Bytes().Header().Int(3).Int(9999998).Int(0), "Missing flag"},
      {"ends after a length", Bytes().Header().Int(3), "Missing flag"},
      {"negative count", Bytes().Header().Int(3).Int(kWordListSectionFlag).Int(-1),
       "Missing or invalid count"},
      {"ends after the flag", Bytes().Header().Int(3).Int(kWordListSectionFlag),
       "Missing or invalid count"},
      {"ends inside the records", Bytes().Header().Section(3, 2).Record(1, "dog").Raw("\x01"),
       "Premature EOF"},
      {"huge count", Bytes().Header().Section(3, 0x7FFFFFFF).Record(1, "dog"), "Premature EOF"},
      {"length 0", Bytes().Header().Section(0, 1).Record(1, ""), "Invalid length"},
      {"length 26", Bytes().Header().Section(26, 0), "Invalid length"},
      {"negative length", Bytes().Header().Section(-4, 0), "Invalid length"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove("errors.txt");
    WordDictionary dict;
    EXPECT_FALSE(LoadWordList(Write("bad.wl", c.file), dict));
    EXPECT_EQ(LogLines(), std::vector<std::string>{std::string(":  bad.wl: ") + c.fault});
  }
}

TEST_F(DictionaryTest, OversizedFileIsRefused) {
  Write("big.wl", Bytes().Header());
  fs::resize_file("big.wl", kMaxWordListBytes + 1);
  WordDictionary dict;
  EXPECT_FALSE(LoadWordList("big.wl", dict));
  EXPECT_EQ(LogLines(), std::vector<std::string>{":  big.wl: File too large"});
}

TEST_F(DictionaryTest, MissingFileLogsSystemTextOnceAndIsNotRetried) {
  WordListStore store;
  EXPECT_FALSE(store.Attempted());
  EXPECT_EQ(store.EnsureLoaded("nowhere.wl"), nullptr);
  Write("nowhere.wl", Bytes().Header());  // appearing later changes nothing in this run
  EXPECT_EQ(store.EnsureLoaded("nowhere.wl"), nullptr);
  EXPECT_EQ(LogLines(),
            std::vector<std::string>{std::string(":  nowhere.wl: ") + std::strerror(ENOENT)});

  WordListStore good;
  const WordDictionary* dict = good.EnsureLoaded("nowhere.wl");
  ASSERT_NE(dict, nullptr);
  EXPECT_EQ(good.EnsureLoaded("gone.wl"), dict);
  good.Free();
  EXPECT_TRUE(good.Attempted());
  EXPECT_EQ(good.EnsureLoaded("nowhere.wl"), nullptr);
}

// The log appends one line per fault: asctime's 24 characters, then the source and the fault
// (with the system's text for errno when no fault text is given).
TEST_F(DictionaryTest, ErrorLogAppendsOneStampedLinePerFault) {
  WriteFile("errors.txt", "an earlier line of more than 24 characters\n");
  const std::time_t now = std::time(nullptr);
  const std::string stamp = std::string(std::asctime(std::localtime(&now))).substr(0, 24);
  LogError("/usr/share/quillo/wordlist.wl", "", "Premature EOF");
  errno = ENOENT;
  LogError("quotes.cqm", "Cannot open memory", nullptr);
  LogError("quotes.cqm", nullptr, "flag != -1");
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            "than 24 characters",
                            ":  /usr/share/quillo/wordlist.wl: Premature EOF",
                            ": Cannot open memory quotes.cqm: No such file or directory",
                            ": quotes.cqm: flag != -1"}));
  const std::string log = ReadFile("errors.txt").value_or("");
  EXPECT_EQ(log.substr(log.find('\n') + 1, 10), stamp.substr(0, 10));  // day and date
}

}  // namespace
