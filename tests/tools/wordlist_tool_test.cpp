// quillo-tool wordlist: build/dump round trip, refusals, and the shipped dictionary's content.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "wordlist/dictionary.h"

namespace fs = std::filesystem;

namespace {

class WordlistToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = fs::temp_directory_path() / (std::string("quillo-wltool-") + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void WriteText(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  static std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs quillo-tool with the arguments; out_ and err_ take what it printed.
  int Run(const std::string& arguments) {
    const std::string command = std::string("'") + QUILLO_TOOL + "' " + arguments + " >'" +
                                Path("stdout") + "' 2>'" + Path("stderr") + "'";
    const int status = std::system(command.c_str());
    out_ = ReadText(Path("stdout"));
    err_ = ReadText(Path("stderr"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  std::string out_;
  std::string err_;
};

TEST_F(WordlistToolTest, BuildThenDumpKeepsSourceOrderWithinEachLength) {
  WriteText("words.txt",
            "the\t65535\nof\t60000\nand\t59000\ncan't\t3000\nzyzzyva\t0\nan\t200\r\n"
            "a\t50000\ndad\t12");
  ASSERT_EQ(Run("wordlist build '" + Path("words.txt") + "' '" + Path("w.wl") + "'"), 0) << err_;
  EXPECT_FALSE(fs::exists(Path("w.wl.tmp")));
  ASSERT_EQ(Run("wordlist dump '" + Path("w.wl") + "'"), 0) << err_;
  EXPECT_EQ(out_,
            "1\t50000\ta\n"
            "2\t60000\tof\n2\t200\tan\n"
            "3\t65535\tthe\n3\t59000\tand\n3\t12\tdad\n"
            "5\t3000\tcan't\n"
            "7\t0\tzyzzyva\n");

  // The header: -1, the format version, the word count.
  const std::string bytes = ReadText(Path("w.wl"));
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\xff\xff\xff\xff\x01\0\0\0\x08\0\0\0", 12));
}

TEST_F(WordlistToolTest, BadLinesAreRefusedWithTheirNumberAndNothingWritten) {
  const std::string cases[][2] = {
      {"ok\t1\nThe\t5\n", ":2:"},
      {"ok\t1\nfine\t2\nbad\t65536\n", ":3:"},
      {"no-hyphens\t1\n", ":1:"},
      {"spaces\t 1\n", ":1:"},
      {"ok\t1\n\n", ":2:"},
      {"missingtab 1\n", ":1:"},
      {"abcdefghijklmnopqrstuvwxyz\t1\n", ":1:"},
      {"\t1\n", ":1:"},
  };
  WriteText("old.wl", "previous");
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    WriteText("words.txt", c[0]);
    EXPECT_NE(Run("wordlist build '" + Path("words.txt") + "' '" + Path("new.wl") + "'"), 0);
    EXPECT_NE(err_.find("words.txt" + c[1]), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(Path("new.wl")));
    EXPECT_NE(Run("wordlist build '" + Path("words.txt") + "' '" + Path("old.wl") + "'"), 0);
    EXPECT_EQ(ReadText(Path("old.wl")), "previous");
  }
  EXPECT_NE(Run("wordlist build '" + Path("absent.txt") + "' '" + Path("new.wl") + "'"), 0);
  EXPECT_NE(err_.find("absent.txt"), std::string::npos);
  EXPECT_NE(Run("wordlist build only-one-argument"), 0);
  EXPECT_NE(err_.find("Usage"), std::string::npos);
  EXPECT_EQ(Run("wordlist --help"), 0);
  EXPECT_NE(out_.find("wordlist build INPUT OUTPUT"), std::string::npos);
}

TEST_F(WordlistToolTest, DumpReportsTheLoadersFault) {
  WriteText("bad.wl", std::string("\xff\xff\xff\xff\0\0\0\0\0\0\0\0\x03\0\0\0\x7f\x96\x98\0"
                                  "\x02\0\0\0\x01\0dog\0", 30));
  EXPECT_NE(Run("wordlist dump '" + Path("bad.wl") + "'"), 0);
  EXPECT_NE(err_.find("bad.wl: Premature EOF"), std::string::npos) << err_;
  EXPECT_NE(Run("wordlist dump '" + Path("absent.wl") + "'"), 0);
  EXPECT_NE(err_.find(std::strerror(ENOENT)), std::string::npos) << err_;
}

TEST(ShippedWordlist, LargeWellFormedAndByFallingFrequency) {
  WordDictionary dict;
  ASSERT_FALSE(ReadWordList(QUILLO_BIN_DIR "/wordlist.wl", dict).has_value());
  std::size_t total = 0;
  for (int length = 1; length <= kMaxWordLength; ++length) {
    const std::optional<WordSlot> slot = dict.Slot(length);
    if (!slot) continue;
    total += slot->size();
    for (std::size_t i = 0; i < slot->size(); ++i) {
      const char* text = slot->Text(i);
      ASSERT_EQ(std::strlen(text), static_cast<std::size_t>(length)) << text;
      ASSERT_EQ(std::strspn(text, "abcdefghijklmnopqrstuvwxyz'"), std::strlen(text)) << text;
      if (i > 0) {
        ASSERT_LE(slot->Frequency(i), slot->Frequency(i - 1)) << text;
      }
    }
  }
  EXPECT_GE(total, 100000u);
  // The everyday words a cryptogram leans on are there and not held back as rare.
  for (const char* common : {"a", "i", "the", "don't", "world's", "quotation"}) {
    bool found = false;
    const std::optional<WordSlot> slot = dict.Slot(static_cast<int>(std::strlen(common)));
    for (std::size_t i = 0; i < slot->size(); ++i) {
      if (std::strcmp(slot->Text(i), common) == 0) found = slot->Frequency(i) > 0;
    }
    EXPECT_TRUE(found) << common;
  }
}

}  // namespace
