// Tests of the settings store: caching and flush rules, the INI reader and writer on real files,
// and files that are hostile or not files at all.
#include "classlib/inifile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>
#include <random>

#include "support/testing.h"

namespace fs = std::filesystem;

namespace {

// A store over an in-memory map that records every raw operation.
class RecordingIniFile : public IniFile {
 public:
  std::map<std::string, std::string> values;  // "section/key" -> value
  std::vector<std::string> writes;            // "section/key=value"
  int rawReads = 0;

  void WriteRaw(const char* section, const char* key, const char* value) override {
    writes.push_back(std::string(section) + "/" + key + "=" + value);
    values[std::string(section) + "/" + key] = value;
  }
  int ReadRaw(const char* section, const char* key, const char* def, char* buffer, int size) override {
    ++rawReads;
    auto found = values.find(std::string(section) + "/" + key);
    const std::string value = found == values.end() ? def : found->second;
    const std::size_t count = std::min(value.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
  }
};

}  // namespace

TEST(IniFileTest, ReadsOncePerKeyAndFlushesOnlyWhatChanged) {
  RecordingIniFile store;
  store.values = {{"quillo/ExplainErrors", "1"}, {"quillo/Long", std::string(300, 'q')}};

  EXPECT_EQ(store.ReadInt("quillo", "ExplainErrors", 7) + store.ReadInt("QUILLO", "explainerrors", 7), 2);
  EXPECT_EQ(store.ReadString("quillo", "Missing", "dflt") + store.ReadString("quillo", "Missing", "other"), "dfltother");
  EXPECT_EQ(store.rawReads, 2);  // the absent key is cached as absent too
  EXPECT_EQ(store.ReadString("quillo", "Long", ""), std::string(300, 'q'));
  EXPECT_EQ(store.rawReads, 4);  // 256 bytes were too few, 512 held it

  store.WriteString("quillo", "ExplainErrors", "1");  // the value it already holds
  store.Flush(false);
  EXPECT_TRUE(store.writes.empty());

  store.WriteInt("quillo", "ConfirmPenalty", -15);
  store.WriteInt("YouWon", "Corner", 2);
  store.WriteString("quillo", "ExplainErrors", "0");
  EXPECT_EQ(store.ReadInt("quillo", "ConfirmPenalty", 0), -15);  // from the cache
  EXPECT_EQ(store.rawReads, 4);
  store.Flush(false);
  EXPECT_EQ(store.writes, (std::vector<std::string>{"quillo/ExplainErrors=0",
                                                    "quillo/ConfirmPenalty=-15", "YouWon/Corner=2"}));

  store.writes.clear();
  store.Flush(true);  // every entry holding a value, the absent key not
  EXPECT_EQ(store.writes.size(), 4u);

  store.writes.clear();
  store.SetReadOnly(true);
  store.WriteString("quillo", "Case", "Upper");
  store.Flush(true);
  EXPECT_TRUE(store.writes.empty());
}

TEST(IniFileTest, ReadIntAndReadStringFollowTheirRules) {
  MemoryIniFile store;
  const std::map<std::string, int> expected = {
      {"12abc", 12}, {"abc", 99},  {"-7", -7},          {"- 7", 99},
      {"0x10", 0},   {"+5", 99},          {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},   {"00000000000000000000042", 0}};  // only 19 characters count
  for (const auto& [text, number] : expected) {
    store.WriteString("quillo", "Value", text.c_str());
    EXPECT_EQ(store.ReadInt("quillo", "Value", 99), number) << '"' << text << '"';
  }

  store.WriteString("quillo", "Font", "123456789012345");
  char buffer[10];
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(store.ReadString("quillo", "Font", "", buffer, sizeof buffer), 9);
  EXPECT_STREQ(buffer, "123456789");
  EXPECT_EQ(store.ReadString("quillo", "Absent", "Default value", buffer, sizeof buffer), 9);
  EXPECT_STREQ(buffer, "Default v");
  EXPECT_EQ(store.ReadString("quillo", "Font", "", buffer, 0), 0);
}

TEST(IniFileTest, KeepsAnotherProgramsFileAndAddsKeysInTheirPlace) {
  TempFolder folder;
  WriteFile(folder.File("quillo.ini"),
            "; settings written by hand\r\norphan=before any section\r\n\r\n"
            "[QUILLO]\r\nQuoteFile = /home/pat/My Quotes.qot  \r\nEmpty=\r\n"
            "# a comment=with equals\r\nCase=Upper\r\ncase=Lower\r\n\r\n"
            "[Other]\r\nKeep=me\r\n[quillo]\r\nLate=second section\r\n[YouWon]\r\nCorner=3");
  {
    PrivateIniFile store(folder.File("quillo.ini").c_str());
    // Values trimmed, the first of two spellings wins, comments and a second section are not read.
    for (const auto& [key, value] : std::map<const char*, const char*>{
             {"QuoteFile", "/home/pat/My Quotes.qot"}, {"Empty", ""}, {"Missing", "dflt"}, {"Case", "Upper"},
             {"# a comment", "dflt"}, {"Late", "dflt"}}) {
      EXPECT_EQ(store.ReadString("quillo", key, "dflt"), value) << key;
    }
    EXPECT_EQ(store.ReadString("", "orphan", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInt("YouWon", "Corner", 0), 3);

    store.WriteString("quillo", "QuoteFile", "/q/new.qot");
    store.WriteInt("YouWon", "DX", -4);
    store.WriteInt("quillo", "Tutorial", 1);
    store.WriteString("Colors", "colors", "1 2");
  }  // the store flushes as it goes
  EXPECT_EQ(ReadFile(folder.File("quillo.ini")).value_or(""),
            "; settings written by hand\r\norphan=before any section\r\n\r\n"
            "[QUILLO]\r\nQuoteFile = /q/new.qot\r\nEmpty=\r\n"
            "# a comment=with equals\r\nCase=Upper\r\ncase=Lower\r\nTutorial=1\r\n\r\n"
            "[Other]\r\nKeep=me\r\n[quillo]\r\nLate=second section\r\n[YouWon]\r\nCorner=3\r\n"
            "DX=-4\r\n\r\n[Colors]\r\ncolors=1 2\r\n");
}

TEST(IniFileTest, WritesANewFileWholeAndSafely) {
  TempFolder folder;
  const std::string path = folder.File("quillo.ini");
  {
    PrivateIniFile store(path.c_str());
    store.WriteString("quillo", "Empty", "");
    store.WriteString("quillo", "QuoteFile", "x.qot\n[evil]\r\nHintButtons=0");
    store.Flush(false);
    EXPECT_EQ(ReadFile(folder.File("quillo.ini")).value_or(""),
              "[quillo]\nEmpty=\nQuoteFile=x.qot [evil]  HintButtons=0\n");
  }
  PrivateIniFile reread(path.c_str());
  EXPECT_EQ(reread.ReadString("quillo", "Empty", "dflt") + std::to_string(reread.ReadInt("evil", "HintButtons", 1)), "1");

  // A linked settings file stays linked and keeps its permissions; no temporary file is left,
  // and one a killed writer left behind goes, while a living writer's stays.
  TempFolder elsewhere;
  fs::rename(path, elsewhere.File("real.ini"));
  ::chmod((elsewhere.File("real.ini")).c_str(), 0640);
  fs::create_symlink(elsewhere.File("real.ini"), path);
  WriteFile(elsewhere.File("real.ini.tmp-3"), "[quillo]\nHalf");  // nobody holds it
  const std::string living = "real.ini.tmp-0";  // a writer holds its lock
  WriteFile(elsewhere.File(living), "");
  const int held = ::open(elsewhere.File(living).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  reread.WriteInt("quillo", "HintButtons", 0);
  reread.Flush(false);
  ::close(held);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_NE(ReadFile(elsewhere.File("real.ini")).value_or("").find("HintButtons=0\n"), std::string::npos);
  EXPECT_EQ(fs::status(elsewhere.File("real.ini")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(!fs::exists(elsewhere.File("real.ini.tmp-3")) && fs::exists(elsewhere.File(living)));
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.Path()), fs::directory_iterator()), 2);
}

TEST(IniFileTest, SurvivesHostileFilesWithoutLosingThem) {
  TempFolder folder;
  const std::string path = folder.File("quillo.ini");
  auto writeAndFlush = [&] { PrivateIniFile(path.c_str()).WriteInt("quillo", "Tutorial", 1); };
  auto read = [&](const char* key) { return PrivateIniFile(path.c_str()).ReadString("quillo", key, "dflt"); };
  auto tutorial = [&] { return PrivateIniFile(path.c_str()).ReadInt("quillo", "Tutorial", 5); };

  constexpr char kWithNuls[] = "[quillo]\nA=12\0junk\nB\0=x\n\0\0\0\nC=ok\n";
  WriteFile(path, std::string(kWithNuls, sizeof kWithNuls - 1));
  EXPECT_EQ(read("A") + read("B") + read("C"), "12dfltok");

  // A line past 65,536 characters is read whole, and writing its key rewrites that one line.
  const std::string longValue(70000, 'x');
  WriteFile(path, "[quillo]\nA=1\nX=" + longValue + "\nB=2\n");
  EXPECT_EQ(read("B") + read("X"), "2" + longValue);
  PrivateIniFile(path.c_str()).WriteString("quillo", "X", "short");
  EXPECT_EQ(ReadFile(path).value_or(""), "[quillo]\nA=1\nX=short\nB=2\n");

  std::mt19937 random(20240611);
  std::string junk(64 * 1024, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  WriteFile(path, junk);
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_TRUE(ReadFile(path).value_or("").substr(0, junk.size()) == junk && tutorial() == 1);

  // Not a usable text file: reads give defaults, and the write leaves it alone.
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_TRUE(fs::is_directory(path));

  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  // A plain open of a FIFO waits for a writer; the store must never wait.
  auto touching = std::async(std::launch::async, [&] {
    PrivateIniFile store(path.c_str());
    const int tutorial = store.ReadInt("quillo", "Tutorial", 5);
    store.WriteInt("quillo", "Tutorial", 1);
    store.Flush(false);
    return tutorial;
  });
  while (touching.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
    ADD_FAILURE() << "a FIFO as the settings file blocks the store";
    ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));  // let it go
  }
  EXPECT_TRUE(touching.get() == 5 && fs::status(path).type() == fs::file_type::fifo);

  fs::remove(path);
  WriteFile(path, "[quillo]\nTutorial=0\n");
  fs::resize_file(path, 17 * 1024 * 1024);  // far past any settings file
  EXPECT_EQ(tutorial(), 5);
  writeAndFlush();
  EXPECT_EQ(fs::file_size(path), 17u * 1024 * 1024);

  if (::geteuid() != 0) {  // permissions do not stop root
    WriteFile(path, "[quillo]\nTutorial=0\n");
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(tutorial(), 5);
    writeAndFlush();
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadFile(path).value_or(""), "[quillo]\nTutorial=0\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(IniFileDeathTest, AStoreWithoutAFileNameIsFatal) {
  EXPECT_DEATH(PrivateIniFile(nullptr), "name != NULL.*classlib.IniFile");
}
