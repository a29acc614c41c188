// quillo-tool compress, list and info: round trip, refusals, and the shipped collection.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "sources/quotefile.h"
#include "support/testing.h"

namespace {

const char* const kTutorial =
    "Early to bed and early to rise, makes a man healthy, wealthy, and wise.\tBenjamin Franklin";

class QuotesToolTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_.File(name); }

  // Runs quillo-tool with the arguments; out_ and err_ take what it printed.
  int Run(const std::string& arguments) {
    const std::string command = std::string("'") + QUILLO_TOOL + "' " + arguments + " >'" +
                                Path("stdout") + "' 2>'" + Path("stderr") + "'";
    const int status = std::system(command.c_str());
    out_ = ReadFile(Path("stdout")).value_or("");
    err_ = ReadFile(Path("stderr")).value_or("");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder folder_;
  std::string out_;
  std::string err_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST_F(QuotesToolTest, CompressThenListGivesBackTheQuotations) {
  WriteFile(Path("in.qot"),
            "Well begun is half done.\tAristotle\r\n"
            "\n"
            "\x93Quoted\x94 and \x91single\x92.\tSomeone\n"
            "A line|break and a trailing blank \n"
            "   \n"
            "Last line without an end\tX");
  ASSERT_EQ(
      Run("compress '" + Path("in.qot") + "' '" + Path("out.cqt") + "' --description 'Small set'"),
      0)
      << err_;
  ASSERT_EQ(Run("list '" + Path("out.cqt") + "'"), 0) << err_;
  const std::vector<std::string> expected = {
      "Well begun is half done.\tAristotle", "\"Quoted\" and 'single'.\tSomeone",
      "A line|break and a trailing blank ", "   ", "Last line without an end\tX"};
  EXPECT_EQ(Lines(out_), expected);

  // The listing is itself a plain file that compresses to the same quotations.
  WriteFile(Path("again.qot"), out_);
  ASSERT_EQ(Run("compress '" + Path("again.qot") + "' '" + Path("again.cqt") + "'"), 0) << err_;
  ASSERT_EQ(Run("list '" + Path("again.cqt") + "'"), 0) << err_;
  EXPECT_EQ(Lines(out_), expected);
  // list reads plain files as the game does.
  ASSERT_EQ(Run("list '" + Path("in.qot") + "'"), 0) << err_;
  EXPECT_EQ(Lines(out_), expected);

  ASSERT_EQ(Run("info '" + Path("out.cqt") + "'"), 0) << err_;
  EXPECT_NE(out_.find("Description: Small set\n"), std::string::npos) << out_;
  EXPECT_NE(out_.find("Quotations: 5\n"), std::string::npos) << out_;
}

TEST_F(QuotesToolTest, RefusesBadLinesAndWritesNothing) {
  WriteFile(Path("bad.qot"), "Fine.\tA\n\nDel \x7F here.\tB\n" + std::string(1000, 'x') + "\n");
  EXPECT_NE(Run("compress '" + Path("bad.qot") + "' '" + Path("out.cqt") + "'"), 0);
  EXPECT_NE(err_.find("bad.qot:3:"), std::string::npos) << err_;
  EXPECT_NE(err_.find("0x7F"), std::string::npos) << err_;
  EXPECT_NE(err_.find("bad.qot:4:"), std::string::npos) << err_;
  EXPECT_FALSE(std::filesystem::exists(Path("out.cqt")));
  EXPECT_FALSE(std::filesystem::exists(Path("out.cqt.tmp")));

  WriteFile(Path("binary.qot"), std::string("text\n\x01\x02", 7));
  EXPECT_NE(Run("compress '" + Path("binary.qot") + "' '" + Path("out.cqt") + "'"), 0);
  EXPECT_NE(err_.find("not a text file"), std::string::npos) << err_;
  EXPECT_NE(Run("list '" + Path("missing.qot") + "'"), 0);
  EXPECT_NE(err_.find("cannot open"), std::string::npos) << err_;
  EXPECT_NE(Run("info '" + FixturePath("quotes/bad-magic.cqt") + "'"), 0);
  EXPECT_NE(err_.find("damaged"), std::string::npos) << err_;
  EXPECT_NE(Run("list '" + FixturePath("quotes/truncated.cqt") + "'"), 0);
  EXPECT_NE(err_.find("quotation 2"), std::string::npos) << err_;
  EXPECT_FALSE(std::filesystem::exists(Path("out.cqt")));

  EXPECT_NE(Run("compress only-one-argument"), 0);
  EXPECT_NE(Run("compress a b --colour red"), 0);
  for (const char* command : {"compress", "list", "info"}) {
    EXPECT_EQ(Run(std::string(command) + " --help"), 0) << command;
    EXPECT_EQ(out_.rfind("Usage: quillo-tool " + std::string(command), 0), 0u) << out_;
  }
}

TEST_F(QuotesToolTest, ShippedCollection) {
  CompressedQuoteFile file(std::string(QUILLO_BIN_DIR) + "/quillo.cqt");
  ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
  ASSERT_GE(file.Count(), 2000u);
  EXPECT_FALSE(file.Description().empty());
  std::set<std::string> seen;
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count(); ++i) {
    ASSERT_EQ(file.ReadQuote(i, quote), QuoteFileStatus::Ok) << i;
    const std::string text = quote;
    if (i == 0) {
      EXPECT_EQ(text, kTutorial);
    }
    EXPECT_LE(text.size(), 300u) << text;
    const std::size_t tab = text.find('\t');
    ASSERT_NE(tab, std::string::npos) << text;
    EXPECT_EQ(text.find('\t', tab + 1), std::string::npos) << text;
    EXPECT_GT(tab, 0u) << text;
    EXPECT_LT(tab + 1, text.size()) << "no attribution: " << text;
    EXPECT_TRUE(seen.insert(text.substr(0, tab)).second) << "duplicate: " << text;
  }
}
