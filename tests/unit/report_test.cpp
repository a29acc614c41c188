// The Puzzle Source report, the printed page's source line, and numbers with thousands commas.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "classlib/inifile.h"
#include "sources/quotefile.h"
#include "sources/report.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() { SetSettings(&store); }
  ~ReportTest() override { SetSettings(nullptr); }

  void WriteCollection(const std::string& path, std::size_t count, const std::string& description) {
    std::vector<std::string> quotes(count, "A quotation.");
    std::string error;
    ASSERT_TRUE(WriteCompressedQuoteFile(path, quotes, description, error)) << error;
  }

  std::string Line(const PuzzleSource& source, std::size_t size = 1000) {
    std::vector<char> buffer(size + 1, '#');
    PuzzleSourceLine(source, buffer.data(), size);
    EXPECT_EQ(buffer[size], '#');  // nothing past the buffer
    return buffer.data();
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  Memory memory;
};

TEST_F(ReportTest, NumbersCarryThousandsCommas) {
  EXPECT_EQ(GroupedNumber(0), "0");
  EXPECT_EQ(GroupedNumber(7), "7");
  EXPECT_EQ(GroupedNumber(999), "999");
  EXPECT_EQ(GroupedNumber(1000), "1,000");
  EXPECT_EQ(GroupedNumber(12345), "12,345");
  EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
  EXPECT_EQ(QuoteFileTitle("/home/me/my.quotes.cqt"), "my");
  EXPECT_EQ(QuoteFileTitle("C:\\Games\\quillo.cqt"), "quillo");
  EXPECT_EQ(QuoteFileTitle("noext"), "noext");
}

TEST_F(ReportTest, CompressedFileReportCountsSolvedPuzzles) {
  WriteCollection("my.quotes.cqt", 1500, "Quotations for testing");
  memory.OpenMemory(1500, "my.quotes.cqm");
  const PuzzleSource source{0, "my.quotes.cqt", 3};
  EXPECT_EQ(PuzzleSourceReport(source, memory),
            "Puzzle file: my (compressed quote file).\n\nQuotations for testing\n\n"
            "0 puzzles out of 1,500 have been completed.");
  memory.SetBit(3);
  EXPECT_EQ(PuzzleSourceReport(source, memory),
            "Puzzle file: my (compressed quote file).\n\nQuotations for testing\n\n"
            "1 puzzle out of 1,500 have been completed.");
  memory.SetBit(1499);
  ShowPuzzleSource(source, nullptr, memory);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Puzzle file: my (compressed quote file).\n\nQuotations for testing\n\n"
                              "2 puzzles out of 1,500 have been completed.",
                              "Puzzle Source", MB_OK | MB_ICONINFORMATION}));

  // Without the file, the count comes from the record.
  std::filesystem::remove("my.quotes.cqt");
  EXPECT_EQ(PuzzleSourceReport(source, memory),
            "Puzzle file: my (compressed quote file).\n\n2 puzzles out of 1,500 have been completed.");

  // A long description: the report keeps its 999 characters.
  WriteCollection("my.quotes.cqt", 1500, std::string(990, 'd'));
  const std::string report = PuzzleSourceReport(source, memory);
  EXPECT_EQ(report.size(), 999u);
  EXPECT_EQ(report.substr(report.size() - 3), "ddd");
}

TEST_F(ReportTest, OtherSourcesReportTheirKind) {
  EXPECT_EQ(PuzzleSourceReport({0, "/x/favorite.qot", -1}, memory),
            "Puzzle file: favorite (ordinary quote file).");
  EXPECT_EQ(PuzzleSourceReport({1, "q.cqt", 4}, memory), "This is a puzzle you entered in ciphertext.");
  EXPECT_EQ(PuzzleSourceReport({2, "q.cqt", 4}, memory), "This is a puzzle you entered in plaintext.");
  EXPECT_EQ(PuzzleSourceReport({4, "q.cqt", 4}, memory), "");
}

TEST_F(ReportTest, SourceLineForThePrintedPage) {
  EXPECT_EQ(Line({0, "/games/quillo.cqt", 41}), "Puzzle #42 from file quillo");
  EXPECT_EQ(Line({3, "quillo.cqt", 1233}), "Puzzle #1,234 from file quillo");
  EXPECT_EQ(Line({0, "list.qot", -1}), "A puzzle from file list");
  EXPECT_EQ(Line({1, "list.qot", 5}), "This is a puzzle you entered in ciphertext.");
  EXPECT_EQ(Line({2, "list.qot", 5}), "This is a puzzle you entered in plaintext.");
  EXPECT_EQ(Line({9, "list.qot", 5}), "");
  EXPECT_EQ(Line({0, "quillo.cqt", 41}, 10), "Puzzle #4");
}

}  // namespace
