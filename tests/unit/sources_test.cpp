// Puzzle Source reports, Compress Puzzle File and the letter case styles.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "resources/resources.h"
#include "sources/casestyle.h"
#include "sources/compresscmd.h"
#include "sources/quotefile.h"
#include "sources/report.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

// One fixture for the three: a settings store, a working folder, a session of its own.
class SourcesTest : public ::testing::Test {
 protected:
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

  // The player describes the collection in the input dialog and presses the button.
  void Describe(const std::string& text, int button = IDOK) {
    fake.ScriptDialog(kInputTemplateId, [text, button](FakeDialog& d) {
      d.Type(kInputEditId, text);
      d.Click(button);
    });
  }

  std::string Styled(const std::string& quote) {
    char in[1000] = {};
    char out[1000];
    quote.copy(in, 999);
    ApplyCaseStyle(in, out);
    return out;
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
  RunServices services{store};
  Memory memory;
};

TEST_F(SourcesTest, ReportCountsSolvedPuzzles) {
  for (auto [n, grouped] : {std::pair{999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}}) {
    EXPECT_EQ(GroupedNumber(n), grouped);
  }
  EXPECT_EQ(QuoteFileTitle("C:\\Games\\quillo.cqt"), "quillo");

  WriteCollection("my.quotes.cqt", 1500, "Quotations for testing");
  memory.OpenMemory(1500, "my.quotes.cqm");
  const PuzzleSource source{0, "my.quotes.cqt", 3};
  const std::string head = "Puzzle file: my (compressed quote file).\n\n";
  const std::string described = head + "Quotations for testing\n\n";
  EXPECT_EQ(PuzzleSourceReport(source, memory), described + "0 puzzles out of 1,500 have been completed.");
  memory.SetBit(3);
  EXPECT_EQ(PuzzleSourceReport(source, memory), described + "1 puzzle out of 1,500 have been completed.");
  memory.SetBit(1499);
  ShowPuzzleSource(source, nullptr, memory);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{described + "2 puzzles out of 1,500 have been completed.",
                                                  "Puzzle Source", MB_OK | MB_ICONINFORMATION}));
  std::filesystem::remove("my.quotes.cqt");  // without the file, the count comes from the record
  EXPECT_EQ(PuzzleSourceReport(source, memory), head + "2 puzzles out of 1,500 have been completed.");

  // A long description: the report keeps its 999 characters.
  WriteCollection("my.quotes.cqt", 1500, std::string(990, 'd'));
  EXPECT_EQ(PuzzleSourceReport(source, memory), head + std::string(999 - head.size(), 'd'));
}

TEST_F(SourcesTest, ReportLineForThePrintedPage) {
  const std::pair<PuzzleSource, const char*> lines[] = {
      {{0, "/games/quillo.cqt", 41}, "Puzzle #42 from file quillo"}, {{3, "quillo.cqt", 1233}, "Puzzle #1,234 from file quillo"},
      {{0, "list.qot", -1}, "A puzzle from file list"}, {{1, "list.qot", 5}, "This is a puzzle you entered in ciphertext."},
      {{9, "list.qot", 5}, ""}};
  for (const auto& [source, line] : lines) EXPECT_EQ(Line(source), line) << source.puzzleKind;
  EXPECT_EQ(PuzzleSourceReport({0, "/x/favorite.qot", -1}, memory),
            "Puzzle file: favorite (ordinary quote file).");
  EXPECT_EQ(Line({0, "quillo.cqt", 41}, 10), "Puzzle #4");
}

TEST_F(SourcesTest, CompressWritesBesideThePlainFile) {
  const std::string plain = folder.File("list.qot");
  const std::string compressed = folder.File("list.cqt");
  WriteFile(plain, "One.\r\n\nTwo.\tSomebody\n");
  fake.AnswerOpenFile(plain);
  Describe("Two short ones");
  EXPECT_TRUE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"The compressed puzzle file was written:\n" + compressed,
                              "Compress Puzzle File", MB_OK | MB_ICONINFORMATION}));

  CompressedQuoteFile file(compressed);
  char quote[kQuoteBufferSize];
  ASSERT_EQ(file.ReadQuote(1, quote), QuoteFileStatus::Ok);
  EXPECT_EQ(file.Description() + "|" + quote, "Two short ones|Two.\tSomebody");

  EXPECT_EQ(CompressedFileNameFor("/a/b.c/list"), "/a/b.c/list.cqt");
  EXPECT_EQ(CompressedFileNameFor("/a/x.y.txt"), "/a/x.y.cqt");
}

TEST_F(SourcesTest, CompressWritesNothingOnARefusalOrACancel) {
  const std::string plain = folder.File("bad.qot");
  WriteFile(plain, "Fine.\nAlso fine.\nNot \x7F fine.\n");
  fake.AnswerOpenFile(plain);
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Line 3: character 5 (0x7F) cannot be written in a quote file.\n"
                              "Nothing was written.",
                              "Error", MB_OK | MB_ICONSTOP}));
  EXPECT_FALSE(std::filesystem::exists(folder.File("bad.cqt")));

  fake.AnswerOpenFile(folder.File("missing.qot"));
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_EQ(fake.LastMessage().caption, "Error");

  WriteFile(plain, "Fine.\n");
  fake.AnswerOpenFile(plain);
  Describe("never", IDCANCEL);
  fake.ClearMessages();
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));
  EXPECT_FALSE(CompressPuzzleFile(nullptr, -15));  // the file dialog cancelled
  EXPECT_TRUE(fake.Messages().empty() && !std::filesystem::exists(folder.File("bad.cqt")));
}

TEST_F(SourcesTest, CaseOnlyTheFirstLetterOfTheSettingCountsAndAnInvalidOneIsReportedOnce) {
  store.WriteString("quillo", "Case", "lowercase");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "hello, world 42|\tanon");
  services.caseStyle = {};  // as at the next run's start
  store.WriteString("quillo", "Case", "d");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "Hello, World 42|\tAnon");
  EXPECT_TRUE(fake.Messages().empty());

  services.caseStyle = {};
  store.WriteString("quillo", "Case", "x");
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);  // asked twice, reported once
  ASSERT_EQ(fake.Messages().size(), 1u);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Invalid \"Case\" option in quillo.ini:\nchanging it to Default",
                              "Error", MB_OK}));
  EXPECT_EQ(store.ReadString("quillo", "Case", ""), "Default");

  // The menu writes its own value and the style changes at once.
  SetCaseStyle(kCaseMilitary);
  EXPECT_TRUE(store.ReadString("quillo", "Case", "") == "Military" && CurrentCaseStyle() == kCaseMilitary);
}

TEST_F(SourcesTest, CaseMilitaryWritesBlocksOfFiveAndOutputNeverPassesTheBuffer) {
  SetCaseStyle(kCaseMilitary);
  EXPECT_EQ(Styled("It's 10 o'clock!\tAnon"), "ITS10 OCLOC K\tANON");
  EXPECT_EQ(Styled("...|!"), "");
  // "A", TAB and 830 letters fill 997 characters; the next letter needs its blank first, so
  // military writing ends at 999 characters, the most the buffer holds.
  const std::string military = Styled("a\t" + std::string(997, 'b'));
  EXPECT_TRUE(military.size() == 999u && military.substr(990) == "B BBBBB B");

  // A quotation buffer without its zero: 999 characters are taken.
  SetCaseStyle(kCaseUpper);
  char in[1000];
  char out[1000];
  std::string(1000, 'q').copy(in, 1000);
  ApplyCaseStyle(in, out);
  EXPECT_EQ(std::string(out), std::string(999, 'Q'));
}

}  // namespace
