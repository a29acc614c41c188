// Letter case styles: reading the Case setting, the menu's values, and ApplyCaseStyle's output.
#include <gtest/gtest.h>

#include <string>

#include "classlib/inifile.h"
#include "sources/casestyle.h"
#include "support/fake_platform.h"

namespace {

class CaseStyleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSettings(&store);
    ForgetCaseStyle();
  }
  void TearDown() override {
    ForgetCaseStyle();
    SetSettings(nullptr);
  }

  std::string Styled(const std::string& quote) {
    char in[1000] = {};
    char out[1000];
    quote.copy(in, 999);
    ApplyCaseStyle(in, out);
    return out;
  }

  FakePlatform fake;
  MemoryIniFile store;
};

TEST_F(CaseStyleTest, OnlyTheFirstLetterOfTheSettingCounts) {
  store.WriteString("quillo", "Case", "lowercase");
  EXPECT_EQ(CurrentCaseStyle(), kCaseLower);
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "hello, world 42|\tanon");

  ForgetCaseStyle();
  store.WriteString("quillo", "Case", "UPPER");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "HELLO, WORLD 42|\tANON");

  ForgetCaseStyle();
  store.WriteString("quillo", "Case", "d");
  EXPECT_EQ(Styled("Hello, World 42|\tAnon"), "Hello, World 42|\tAnon");
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(CaseStyleTest, InvalidSettingIsReportedOnceAndRewritten) {
  store.WriteString("quillo", "Case", "x");
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);
  EXPECT_EQ(CurrentCaseStyle(), kCaseDefault);
  ASSERT_EQ(fake.Messages().size(), 1u);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Invalid \"Case\" option in quillo.ini:\nchanging it to Default",
                              "Error", MB_OK}));
  EXPECT_EQ(store.ReadString("quillo", "Case", ""), "Default");

  // The menu writes its own value and the style changes at once.
  SetCaseStyle(kCaseMilitary);
  EXPECT_EQ(store.ReadString("quillo", "Case", ""), "Military");
  EXPECT_EQ(CurrentCaseStyle(), kCaseMilitary);
}

TEST_F(CaseStyleTest, MilitaryWritesBlocksOfFiveAndTheTabRestartsTheCount) {
  SetCaseStyle(kCaseMilitary);
  EXPECT_EQ(Styled("It's 10 o'clock!\tAnon"), "ITS10 OCLOC K\tANON");
  EXPECT_EQ(Styled("abcde\tfghijklm"), "ABCDE\tFGHIJ KLM");
  EXPECT_EQ(Styled("...|!"), "");
}

TEST_F(CaseStyleTest, OutputNeverPassesTheBuffer) {
  // "A", TAB and 830 letters fill 997 characters; the next letter needs its blank first, so
  // military writing ends at 999 characters, the most the buffer holds.
  SetCaseStyle(kCaseMilitary);
  const std::string military = Styled("a\t" + std::string(997, 'b'));
  EXPECT_EQ(military.size(), 999u);
  EXPECT_EQ(military.substr(990), "B BBBBB B");

  // A quotation buffer without its zero: 999 characters are taken.
  SetCaseStyle(kCaseUpper);
  char in[1000];
  char out[1000];
  std::string(1000, 'q').copy(in, 1000);
  ApplyCaseStyle(in, out);
  EXPECT_EQ(std::string(out), std::string(999, 'Q'));
}

}  // namespace
