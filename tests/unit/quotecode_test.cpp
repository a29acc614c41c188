// The quote code: the constant tree against the code-word table, hand-made files, encode/decode.
#include "sources/quotecode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "sources/quotefile.h"
#include "support/testing.h"

namespace {

struct CodeWordRow {
  const char* bits;
  char character;
};

// The code words, copied by length from the format's table.
// clang-format off
const CodeWordRow kCodeWords[] = {
    {"000", 'e'}, {"110", ' '},
    {"0011", 's'}, {"0101", 'i'}, {"0110", 'n'}, {"0111", 'a'}, {"1001", 'o'}, {"1010", 't'},
    {"00101", 'd'}, {"10111", 'l'}, {"11101", 'h'}, {"11111", 'r'},
    {"001001", 'b'}, {"010001", '.'}, {"100000", 'p'}, {"100001", 'w'}, {"100010", 'g'},
    {"100011", 'f'}, {"101101", 'y'}, {"111000", 'm'}, {"111100", 'c'}, {"111101", 'u'},
    {"0100000", 'k'}, {"0100101", '\t'}, {"0100110", ','}, {"1011001", 'v'}, {"1110011", '\n'},
    {"00100010", 'A'}, {"01000011", 'I'}, {"01001001", 'T'}, {"01001111", '\''},
    {"001000000", 'G'}, {"001000001", 'L'}, {"001000010", 'P'}, {"001000110", 'H'},
    {"010000100", 'x'}, {"010000101", 'B'}, {"010010000", '-'}, {"010011100", 'C'},
    {"101100000", 'W'}, {"101100001", 'M'}, {"101100010", 'S'},
    {"0010000110", 'q'}, {"0010000111", 'z'}, {"0010001111", ';'}, {"0100100011", 'j'},
    {"0100111010", 'O'}, {"1011000110", 'N'}, {"1011000111", '*'}, {"1110010000", 'J'},
    {"1110010010", 'E'}, {"1110010100", 'F'}, {"1110010101", 'R'}, {"1110010110", ':'},
    {"1110010111", 'D'},
    {"00100011100", '!'}, {"01001000100", 'K'}, {"01001110110", '?'}, {"11100100011", '"'},
    {"11100100110", 'Y'},
    {"001000111010", '('}, {"010010001010", 'U'}, {"010010001011", '1'}, {"010011101110", ')'},
    {"111001000100", 'V'}, {"111001000101", '0'},
    {"0010001110110", '5'}, {"1110010011100", '2'}, {"1110010011101", 'Q'},
    {"00100011101111", '8'}, {"01001110111100", '6'}, {"01001110111101", '4'},
    {"01001110111111", 'Z'}, {"11100100111101", '3'}, {"11100100111111", '9'},
    {"001000111011101", '%'}, {"111001001111000", 'X'}, {"111001001111001", ']'},
    {"111001001111100", '['}, {"111001001111101", '7'},
    {"0010001110111000", '+'}, {"0010001110111001", '|'}, {"0100111011111000", '$'},
    {"0100111011111001", '&'}, {"0100111011111011", '/'},
    {"01001110111110101", '='},
    {"010011101111101001", '`'},
    {"0100111011111010001", '#'},
    {"0100111011111010000000", '{'}, {"0100111011111010000001", '_'},
    {"0100111011111010000010", '^'}, {"0100111011111010000011", '\\'},
    {"0100111011111010000100", '@'}, {"0100111011111010000101", '>'},
    {"0100111011111010000110", '<'},
    {"01001110111110100001110", '~'}, {"01001110111110100001111", '}'},
};
// clang-format on

std::string Fixture(const char* name) { return FixturePath(std::string("quotes/") + name); }

// A stream over the given bytes; the caller closes it.
std::FILE* StreamOf(const std::vector<unsigned char>& bytes) {
  std::FILE* f = std::tmpfile();
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::rewind(f);
  return f;
}

std::string AllQuoteCharacters() {
  std::string all = "\t";
  for (int c = 0x20; c <= 0x7E; ++c) all += static_cast<char>(c);
  return all;
}

}  // namespace

TEST(QuoteCode, TreeHoldsExactlyTheCodeWordTable) {
  ASSERT_EQ(std::size(kCodeWords), 97u);
  std::set<unsigned> leavesReached;
  for (const CodeWordRow& row : kCodeWords) {
    unsigned node = 0;
    for (const char* bit = row.bits; *bit; ++bit) {
      ASSERT_NE(kQuoteTree[node][0], kQuoteLeaf) << "code word " << row.bits << " passes a leaf";
      node = kQuoteTree[node][*bit - '0'];
      ASSERT_LT(node, kQuoteTreeNodes);
    }
    ASSERT_EQ(kQuoteTree[node][0], kQuoteLeaf) << "code word " << row.bits << " ends inside";
    EXPECT_EQ(kQuoteTree[node][1], static_cast<unsigned char>(row.character)) << row.bits;
    leavesReached.insert(node);

    const QuoteCodeWord word = QuoteCodeWordFor(row.character);
    EXPECT_EQ(word.length, std::strlen(row.bits)) << row.bits;
    EXPECT_EQ(word.bits, std::stoul(row.bits, nullptr, 2)) << row.bits;
  }
  // 97 distinct leaves; with the 96 inner nodes that is every node, so nothing else hides there.
  EXPECT_EQ(leavesReached.size(), 97u);
  unsigned leaves = 0;
  for (const auto& node : kQuoteTree) leaves += node[0] == kQuoteLeaf;
  EXPECT_EQ(leaves, 97u);

  EXPECT_EQ(QuoteCodeWordFor('\r').length, 0);
  EXPECT_EQ(QuoteCodeWordFor('\x93').length, 0);
  EXPECT_TRUE(IsQuoteCharacter('\t'));
  EXPECT_FALSE(IsQuoteCharacter('\n'));
  EXPECT_FALSE(IsQuoteCharacter('\x7F'));
}

TEST(QuoteCode, DecodesHandMadeBytes) {
  // "Hi" then LF: 001000110 0101 1110011, padded: H's code word spans the first two bytes.
  std::FILE* f = StreamOf({0x23, 0x2F, 0x30, 0xAA});
  char buffer[kQuoteBufferSize];
  EXPECT_TRUE(DecodeQuote(f, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Hi");
  EXPECT_EQ(std::ftell(f), 3) << "reads no further than the byte that holds LF";
  std::fclose(f);

  // A small buffer keeps what fits and still finds the end.
  f = StreamOf({0x23, 0x2F, 0x30});
  char small[2];
  EXPECT_TRUE(DecodeQuote(f, small, sizeof small));
  EXPECT_STREQ(small, "H");
  std::fclose(f);

  // The stream ends inside the quotation: false, and what was decoded is zero-terminated.
  f = StreamOf({0x23, 0x2F});
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_FALSE(DecodeQuote(f, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Hi");
  std::fclose(f);

  f = StreamOf({});
  EXPECT_FALSE(DecodeQuote(f, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  std::fclose(f);
}

TEST(QuoteCode, ReadsHandMadeFixtureFiles) {
  char quote[kQuoteBufferSize];
  CompressedQuoteFile two(Fixture("two.cqt"));
  ASSERT_EQ(two.Status(), QuoteFileStatus::Ok);
  ASSERT_EQ(two.Count(), 2u);
  EXPECT_EQ(two.ReadQuote(1, quote), QuoteFileStatus::Ok);
  EXPECT_STREQ(quote, "Zest!");
  EXPECT_EQ(two.ReadQuote(0, quote), QuoteFileStatus::Ok);
  EXPECT_STREQ(quote, "Hi there.\tAnon");
  EXPECT_EQ(two.Description(), "Two");

  // 1200 characters: the first 999 are kept and the load still succeeds.
  std::string expected;
  while (expected.size() < 1200) expected += "the tea ";
  CompressedQuoteFile longQuote(Fixture("long.cqt"));
  ASSERT_EQ(longQuote.Status(), QuoteFileStatus::Ok);
  EXPECT_EQ(longQuote.ReadQuote(0, quote), QuoteFileStatus::Ok);
  EXPECT_EQ(std::string(quote), expected.substr(0, 999));
}

TEST(QuoteCode, EveryCharacterSurvivesEncodeAndDecode) {
  const std::string all = AllQuoteCharacters();
  for (const std::string& text : {all, std::string(all.rbegin(), all.rend()), std::string("e")}) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodeQuote(text, bytes));
    std::size_t bits = QuoteCodeWordFor('\n').length;
    for (char c : text) bits += QuoteCodeWordFor(c).length;
    ASSERT_EQ(bytes.size(), (bits + 7) / 8);
    EXPECT_EQ(bytes.back() & (0xFFu >> (bits % 8 ? bits % 8 : 8)), 0u) << "padding is zero bits";

    std::FILE* f = StreamOf(std::vector<unsigned char>(bytes.begin(), bytes.end()));
    char buffer[kQuoteBufferSize];
    EXPECT_TRUE(DecodeQuote(f, buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), text);
    EXPECT_EQ(std::getc(f), EOF);
    std::fclose(f);
  }

  std::vector<std::uint8_t> bytes = {0x55};
  EXPECT_FALSE(EncodeQuote("caf\xE9", bytes));
  EXPECT_FALSE(EncodeQuote("two\nlines", bytes));
  EXPECT_EQ(bytes, std::vector<std::uint8_t>{0x55}) << "a refused quotation appends nothing";
}
