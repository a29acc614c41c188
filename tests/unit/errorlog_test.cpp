// Tests of the error log: the exact line layout, appending, and the working folder as its home.
#include "wordlist/errorlog.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_folder.h"

namespace {

std::string AsctimeNow() {
  const std::time_t now = std::time(nullptr);
  std::string stamp = std::asctime(std::localtime(&now));
  stamp.pop_back();  // its newline
  return stamp;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(ErrorLogTest, AppendsOneLinePerFaultInTheWorkingFolder) {
  ScratchFolder folder;
  CurrentFolderScope inside(folder.path());
  folder.Write("errors.txt", "an earlier line\n");

  const std::string before = AsctimeNow();
  LogError("/usr/share/quillo/wordlist.wl", "", "Premature EOF");
  errno = ENOENT;
  LogError("quotes.cqm", "Cannot open memory", nullptr);
  LogError("quotes.cqm", nullptr, "flag != -1");
  const std::string after = AsctimeNow();

  const std::vector<std::string> lines = Lines(folder.Read("errors.txt"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "an earlier line");
  const std::vector<std::string> rests = {
      ":  /usr/share/quillo/wordlist.wl: Premature EOF",
      ": Cannot open memory quotes.cqm: No such file or directory",
      ": quotes.cqm: flag != -1",
  };
  for (std::size_t i = 0; i < rests.size(); ++i) {
    const std::string& line = lines[i + 1];
    ASSERT_GE(line.size(), 24u);
    const std::string stamp = line.substr(0, 24);
    EXPECT_TRUE(stamp == before || stamp == after) << stamp;
    EXPECT_EQ(line.substr(24), rests[i]);
  }
  EXPECT_EQ(folder.Read("errors.txt").back(), '\n');
}
