// Compress Puzzle File: the written file read back, refusals with their line, cancelled dialogs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "classlib/inifile.h"
#include "sources/compresscmd.h"
#include "sources/quotefile.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

constexpr int kInputTemplate = 4092;
constexpr int kEditId = 4090;

class CompressTest : public ::testing::Test {
 protected:
  CompressTest() { SetSettings(&store); }
  ~CompressTest() override { SetSettings(nullptr); }

  void Describe(const std::string& text, int button = IDOK) {
    fake.ScriptDialog(kInputTemplate, [text, button](FakeDialog& d) {
      EXPECT_EQ(d.Caption(), "Compress Puzzle File");
      EXPECT_EQ(d.Text(4091), "Describe this collection in one line:");
      d.Type(kEditId, text);
      d.Click(button);
    });
  }

  FakePlatform fake;
  TempFolder folder{true};
  MemoryIniFile store;
};

TEST_F(CompressTest, WritesTheCompressedFileBesideThePlainOne) {
  const std::string plain = folder.File("list.qot");
  const std::string compressed = folder.File("list.cqt");
  WriteFile(plain, "One.\r\n\nTwo.\tSomebody\n");
  fake.AnswerOpenFile(plain);
  Describe("Two short ones");
  EXPECT_TRUE(CompressPuzzleFile(nullptr, -15));
  ASSERT_EQ(fake.OpenFileRequests().size(), 1u);
  EXPECT_EQ(fake.OpenFileRequests()[0].title, "Compress Puzzle File");
  EXPECT_EQ(fake.OpenFileRequests()[0].filter,
            "Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|");
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"The compressed puzzle file was written:\n" + compressed,
                              "Compress Puzzle File", MB_OK | MB_ICONINFORMATION}));

  CompressedQuoteFile file(compressed);
  ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(file.Count(), 2u);
  EXPECT_EQ(file.Description(), "Two short ones");
  char quote[kQuoteBufferSize];
  ASSERT_EQ(file.ReadQuote(1, quote), QuoteFileStatus::Ok);
  EXPECT_STREQ(quote, "Two.\tSomebody");

  EXPECT_EQ(CompressedFileNameFor("/a/b.c/list"), "/a/b.c/list.cqt");
  EXPECT_EQ(CompressedFileNameFor("/a/x.y.txt"), "/a/x.y.cqt");
}

TEST_F(CompressTest, NothingIsWrittenOnARefusalOrACancel) {
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
  EXPECT_TRUE(fake.Messages().empty());
  EXPECT_FALSE(std::filesystem::exists(folder.File("bad.cqt")));
}

}  // namespace
