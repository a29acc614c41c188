// Quote files: hostile compressed files, the writer's refusals, plain files and the line reader.
#include "sources/quotefile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/testing.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

std::string Fixture(const char* name) { return FixturePath(std::string("quotes/") + name); }

class QuoteFileTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder_.File(name); }

  std::string WriteBytes(const Bytes& bytes, const char* name = "test.cqt") const {
    WriteFile(Path(name), std::string(bytes.begin(), bytes.end()));
    return Path(name);
  }

  // A valid file from the writer; its layout is fixed: header, table, D, description, quotations.
  Bytes Written(const std::vector<std::string>& quotes, const std::string& description) const {
    std::string error;
    EXPECT_TRUE(WriteCompressedQuoteFile(Path("written.cqt"), quotes, description, error)) << error;
    const std::string bytes = ReadFile(Path("written.cqt")).value_or("");
    return Bytes(bytes.begin(), bytes.end());
  }

  TempFolder folder_;
};

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// Reads every quotation whatever the file holds; each must stay within its buffer.
void ReadEverything(const std::string& path) {
  CompressedQuoteFile file(path);
  EXPECT_LE(file.Description().size(), 999u);
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count(); ++i) {
    std::memset(quote, 'x', sizeof quote);
    file.ReadQuote(i, quote);
    EXPECT_LE(std::strlen(quote), 999u);
  }
}

}  // namespace

TEST_F(QuoteFileTest, WriterLayoutReadsBack) {
  const std::vector<std::string> quotes = {"Well begun is half done.\tAristotle", "A|b c",
                                           std::string(999, 'z')};
  const Bytes b = Written(quotes, "Three of them");
  EXPECT_EQ(U32At(b, 0), 0xFFFFFFFFu);
  EXPECT_EQ(U32At(b, 12), 3u);
  const std::uint32_t d = U32At(b, 28);
  EXPECT_EQ(d, 32u);
  EXPECT_EQ(U32At(b, d), 14u);
  EXPECT_EQ(U32At(b, 16), d + 4 + 14) << "the first quotation follows the description";

  CompressedQuoteFile file(Path("written.cqt"));
  ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(file.Description(), "Three of them");
  char quote[kQuoteBufferSize];
  for (std::uint32_t i : {2u, 0u, 1u}) {
    EXPECT_EQ(file.ReadQuote(i, quote), QuoteFileStatus::Ok);
    EXPECT_EQ(std::string(quote), quotes[i]);
  }
  EXPECT_EQ(file.ReadQuote(3, quote), QuoteFileStatus::Damaged);
  EXPECT_STREQ(quote, "");
}

TEST_F(QuoteFileTest, StatusOrderAndHandMadeFaults) {
  EXPECT_EQ(CompressedQuoteFile(Path("missing.cqt")).Status(), QuoteFileStatus::CantOpen);
  EXPECT_EQ(CompressedQuoteFile(folder_.Path().string()).Status(), QuoteFileStatus::CantOpen);
  EXPECT_EQ(CompressedQuoteFile(Fixture("bad-magic.cqt")).Status(), QuoteFileStatus::Damaged);
  EXPECT_EQ(CompressedQuoteFile(Fixture("huge-count.cqt")).Status(), QuoteFileStatus::Damaged);
  // The magic is checked before the count: zeros everywhere is damaged, not empty.
  EXPECT_EQ(CompressedQuoteFile(WriteBytes(Bytes(20, 0))).Status(), QuoteFileStatus::Damaged);
  CompressedQuoteFile empty(Fixture("empty.cqt"));
  EXPECT_EQ(empty.Status(), QuoteFileStatus::Empty);
  EXPECT_EQ(empty.Count(), 0u);
  EXPECT_EQ(CompressedQuoteFile(
                WriteBytes(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
                .Status(),
            QuoteFileStatus::Empty);

  char quote[kQuoteBufferSize];
  CompressedQuoteFile outside(Fixture("offset-outside.cqt"));
  ASSERT_EQ(outside.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(outside.ReadQuote(0, quote), QuoteFileStatus::Ok);
  EXPECT_EQ(outside.ReadQuote(1, quote), QuoteFileStatus::Damaged);

  CompressedQuoteFile truncated(Fixture("truncated.cqt"));
  ASSERT_EQ(truncated.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(truncated.ReadQuote(1, quote), QuoteFileStatus::Damaged);
  EXPECT_EQ(truncated.Description(), "");

  CompressedQuoteFile noDescription(Fixture("description-outside.cqt"));
  ASSERT_EQ(noDescription.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(noDescription.Description(), "");
  EXPECT_EQ(noDescription.ReadQuote(1, quote), QuoteFileStatus::Ok);
}

TEST_F(QuoteFileTest, EveryTruncationOfAValidFile) {
  const std::vector<std::string> quotes = {"Be brief.\tX", "Zest!", "Q"};
  const Bytes whole = Written(quotes, "Desc");
  const std::uint32_t d = U32At(whole, 28);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    CompressedQuoteFile file(WriteBytes(Bytes(whole.begin(), whole.begin() + length)));
    if (length < 32) {  // the header, the table and D must all be there
      EXPECT_EQ(file.Status(), QuoteFileStatus::Damaged);
      continue;
    }
    ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
    const std::string description = file.Description();
    EXPECT_EQ(description, std::string("Desc").substr(0, length > d + 4 ? length - d - 4 : 0));
    char quote[kQuoteBufferSize];
    for (std::uint32_t i = 0; i < 3; ++i) {
      const std::size_t end = i + 1 < 3 ? U32At(whole, 16 + 4 * (i + 1)) : whole.size();
      const QuoteFileStatus status = file.ReadQuote(i, quote);
      EXPECT_EQ(status, length >= end ? QuoteFileStatus::Ok : QuoteFileStatus::Damaged) << i;
      if (status == QuoteFileStatus::Ok) {
        EXPECT_EQ(std::string(quote), quotes[i]);
      }
    }
  }
}

TEST_F(QuoteFileTest, CountMustFitTheFile) {
  Bytes b = Written({"One.", "Two."}, "");
  for (std::uint32_t n : {0xFFFFFFFFu, 0x40000000u, 0x3FFFFFFFu, 1000u}) {
    PutU32(b, 12, n);
    EXPECT_EQ(CompressedQuoteFile(WriteBytes(b)).Status(), QuoteFileStatus::Damaged) << n;
  }
  // The largest count whose table and D still lie inside the file is accepted; reading garbage
  // offsets then fails or succeeds quotation by quotation, never past the buffers.
  const std::uint32_t largest = static_cast<std::uint32_t>((b.size() - 20) / 4);
  PutU32(b, 12, largest);
  CompressedQuoteFile file(WriteBytes(b));
  EXPECT_EQ(file.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(file.Count(), largest);
  ReadEverything(WriteBytes(b));
  PutU32(b, 12, largest + 1);
  EXPECT_EQ(CompressedQuoteFile(WriteBytes(b)).Status(), QuoteFileStatus::Damaged);
}

TEST_F(QuoteFileTest, OffsetsAnywhere) {
  Bytes b = Written({"First one.", "Second."}, "D");
  char quote[kQuoteBufferSize];
  for (std::uint32_t offset = 0; offset < b.size() + 8; ++offset) {
    PutU32(b, 16, offset);
    CompressedQuoteFile file(WriteBytes(b));
    ASSERT_EQ(file.Status(), QuoteFileStatus::Ok);
    std::memset(quote, 'x', sizeof quote);
    const QuoteFileStatus status = file.ReadQuote(0, quote);
    EXPECT_LE(std::strlen(quote), 999u);
    if (offset >= b.size()) {
      EXPECT_EQ(status, QuoteFileStatus::Damaged) << offset;
    }
  }
  PutU32(b, 16, 0xFFFFFFFFu);
  CompressedQuoteFile file(WriteBytes(b));
  EXPECT_EQ(file.ReadQuote(0, quote), QuoteFileStatus::Damaged);
  EXPECT_EQ(file.ReadQuote(1, quote), QuoteFileStatus::Ok);
  EXPECT_STREQ(quote, "Second.");
}

TEST_F(QuoteFileTest, DescriptionFaultsGiveEmptyOrCutText) {
  const Bytes b = Written({"Q."}, "Hello");
  const std::uint32_t d = U32At(b, 20);
  struct Case {
    std::uint32_t at, length;
    std::string expected;
  };
  const std::uint32_t size = static_cast<std::uint32_t>(b.size());
  for (const Case& c : {Case{size, 6, ""}, Case{size - 3, 6, ""}, Case{0xFFFFFFF0u, 6, ""},
                        Case{d, 0, ""}, Case{d, 3, "He"}, Case{d, 0xFFFFFFFFu, "Hello"}}) {
    Bytes changed = b;
    PutU32(changed, 20, c.at);
    PutU32(changed, d, c.length);
    CompressedQuoteFile file(WriteBytes(changed));
    EXPECT_EQ(file.Description(), c.expected) << c.at << " " << c.length;
  }
  // No zero byte within 1000 bytes: at most 999 characters.
  Bytes longText = b;
  PutU32(longText, d, 5000);
  longText.resize(d + 4);
  longText.resize(d + 4 + 3000, 'a');
  EXPECT_EQ(CompressedQuoteFile(WriteBytes(longText)).Description(), std::string(999, 'a'));
}

TEST_F(QuoteFileTest, BinaryJunk) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    Bytes junk(random() % 200);
    for (auto& byte : junk) byte = static_cast<unsigned char>(random());
    if (round % 2 && junk.size() >= 16) {  // pass the magic and a small count, to reach the rest
      PutU32(junk, 0, 0xFFFFFFFFu);
      PutU32(junk, 12, random() % 8);
    }
    const std::string path = WriteBytes(junk);
    const QuoteFileStatus status = CompressedQuoteFile(path).Status();
    if (junk.size() < 16 || U32At(junk, 0) != 0xFFFFFFFFu) {
      EXPECT_EQ(status, QuoteFileStatus::Damaged);
    }
    ReadEverything(path);
  }
}

TEST_F(QuoteFileTest, WriterRefusesAndLeavesNothing) {
  const std::string target = Path("out.cqt");
  WriteFile(target, "previous");
  std::string error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"Fine.", "Also fine.", "caf\xE9"}, "", error));
  EXPECT_NE(error.find("quotation 3"), std::string::npos) << error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {std::string(1000, 'a')}, "", error));
  EXPECT_NE(error.find("quotation 1"), std::string::npos) << error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"ok", ""}, "", error));
  EXPECT_NE(error.find("quotation 2"), std::string::npos) << error;
  EXPECT_FALSE(WriteCompressedQuoteFile(target, {"ok"}, std::string(1000, 'd'), error));
  EXPECT_FALSE(WriteCompressedQuoteFile(Path("no/such/folder/x.cqt"), {"ok"}, "", error));
  EXPECT_FALSE(error.empty());

  EXPECT_EQ(ReadFile(target), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(QuoteFileTest, PlainFiles) {
  std::vector<PlainQuote> quotes;
  EXPECT_EQ(ReadPlainQuoteFile(Path("missing.qot"), quotes), QuoteFileStatus::CantOpen);
  EXPECT_EQ(ReadPlainQuoteFile(Fixture("empty.qot"), quotes), QuoteFileStatus::Empty);
  EXPECT_EQ(ReadPlainQuoteFile(Fixture("binary.qot"), quotes), QuoteFileStatus::NotText);
  EXPECT_EQ(ReadPlainQuoteFile(Fixture("empty-lines.qot"), quotes),
            QuoteFileStatus::EmptyLinesOnly);

  ASSERT_EQ(ReadPlainQuoteFile(Fixture("curly.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 1u);
  EXPECT_EQ(quotes[0].text, "\"Quoted\" and 'single'\tSomeone");

  ASSERT_EQ(ReadPlainQuoteFile(Fixture("last-line.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 1u);
  EXPECT_EQ(quotes[0].text, "x");
  EXPECT_EQ(quotes[0].lineNumber, 3u);

  ASSERT_EQ(ReadPlainQuoteFile(Fixture("crlf.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(quotes[1].text, "Two |three.\tB");
  EXPECT_EQ(quotes[1].lineNumber, 3u);

  // The text rule looks at the first 1000 bytes only; a long line is cut to 999.
  std::string text = std::string(1200, 'a') + "\n\x05 late\n";
  WriteFile(Path("late.qot"), text);
  ASSERT_EQ(ReadPlainQuoteFile(Path("late.qot"), quotes), QuoteFileStatus::Ok);
  ASSERT_EQ(quotes.size(), 2u);
  EXPECT_EQ(quotes[0].text, std::string(999, 'a'));
  EXPECT_EQ(quotes[0].length, 1200u);
  EXPECT_EQ(quotes[1].text, "\x05 late");

  const unsigned char sample[] = {'a', 0x93, 'b', 0x94, 0x7F};
  EXPECT_TRUE(PassesTextRule(sample, sizeof sample));
  for (unsigned char bad : {0x00, 0x05, 0x08, 0x80, 0x90, 0x95, 0xFF}) {
    const unsigned char one[] = {'a', bad};
    EXPECT_FALSE(PassesTextRule(one, sizeof one)) << int(bad);
  }
}

TEST_F(QuoteFileTest, LineReaderOutcomes) {
  WriteFile(Path("lines.qot"), "a\n\r\n\nb\rc\r\n" + std::string(1005, 'z'));
  std::FILE* f = std::fopen(Path("lines.qot").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char line[kQuoteBufferSize];
  std::size_t length = 0;
  EXPECT_EQ(ReadQuoteLine(f, line, &length), QuoteLine::Text);
  EXPECT_STREQ(line, "a");
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Empty);
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Empty);
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::Text);
  EXPECT_STREQ(line, "b\rc") << "a lone CR is not a line end";
  EXPECT_EQ(ReadQuoteLine(f, line, &length), QuoteLine::Text);
  EXPECT_EQ(length, 1005u);
  EXPECT_EQ(std::strlen(line), 999u);
  EXPECT_EQ(ReadQuoteLine(f, line), QuoteLine::EndOfFile);
  EXPECT_STREQ(line, "");

  std::rewind(f);
  EXPECT_TRUE(SkipQuoteLine(f));
  EXPECT_EQ(std::getc(f), '\r');
  std::fseek(f, -3, SEEK_END);
  EXPECT_FALSE(SkipQuoteLine(f));
  std::fclose(f);

  char text[] = "\x91it\x92s \x93so\x94";
  ConvertCurlyQuotes(text);
  EXPECT_STREQ(text, "'it's \"so\"");
}
