// The word-pair table on a hand-made file, and the one built into the solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "solver/wordpairs.h"

namespace {

std::string Tabbed(std::string text) {  // the table's fields are parted by TABs
  std::replace(text.begin(), text.end(), ' ', '\t');
  return text;
}

// Figures are hundredths of a nat; a pair the table lists has its own figure, any other pair of
// listed words the first word's back-off; both held within the limits. Damaged lines are skipped
// whole, and a word's first line counts. Then the built-in table.
TEST(WordPairsTest, HandMadeTableAndTheShippedOne) {
  WordPairs pairs;
  EXPECT_FALSE(pairs.Parse("quillo-pairs 2\nto -300 -150\n"));  // blanks, not TABs
  ASSERT_TRUE(pairs.Parse(Tabbed("quillo-pairs 2\nto -300 -150\nbe -400 -50\nme -400 20\nx -900 0\n"
                                 "to -100 -100\nz 50 0\ny -100 0 0\nw -1e2 0\nto be 250 x 700\n"
                                 "to me -500\nbe me 30x\nbe to 10 Me 5\nbe x 1000000\nend")));
  const struct { const char* first; const char* second; double expected; } cases[] = {
      {"to", "be", 2.5},
      {"to", "x", WordPairs::kMaxAttraction},   // 7, held at the limit
      {"to", "me", -WordPairs::kMaxRepulsion},  // -5, held at the limit
      {"be", "to", -0.5}, {"be", "me", -0.5},  // their lines are damaged: the back-off of "be"
      {"be", "x", -0.5},   // a figure past any sensible size is damage too
      {"me", "be", 0.2},
      {"to", "z", 0.0},    // "z" (a share above one), "y", "w" and "end" are not listed
      {"y", "to", 0.0}, {"to", "w", 0.0}, {"end", "to", 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(pairs.Association(c.first, c.second), c.expected, 1e-9) << c.first << ' ' << c.second;
  }
  EXPECT_NEAR(pairs.Share("to"), std::exp(-3.0), 1e-12);
  EXPECT_EQ(pairs.Share("z"), 0.0);
  for (const char* bad : {"", "quillo-pairs 1 1000\nto 1\n", "quillo-pairs 2 5\nto -1 0\n", "to -1 0\n"}) {
    EXPECT_FALSE(pairs.Parse(Tabbed(bad))) << bad;
    EXPECT_TRUE(pairs.Empty());
  }
  ASSERT_TRUE(pairs.Parse(ShippedWordPairs()));
  EXPECT_GT(pairs.Association("to", "be"), 1.0);
  EXPECT_LT(pairs.Association("a", "be"), -1.0);
  EXPECT_GT(pairs.Association("foolish", "thing"), pairs.Association("foolish", "think") + 1.0);
}

}  // namespace
