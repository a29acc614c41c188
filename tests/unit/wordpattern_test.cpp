// Possible-words matching: patterns from guesses, candidates, the rare-word rule, preview, entry.
#include "wordlist/wordpattern.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A puzzle's guesses (by ciphertext letter) and the plaintext letters they use.
struct Board {
  std::string guess = std::string(26, ' ');

  // Guesses are kept in upper case, as the game keeps them.
  void Guess(char cipher, char plain) {
    guess[cipher - 'a'] = static_cast<char>(std::toupper(static_cast<unsigned char>(plain)));
  }
  GuessLookup Guesses() const {
    return [this](int c) { return guess[c]; };
  }
  LetterUsedTest Used() const {
    return [this](int p) { return guess.find(static_cast<char>('A' + p)) != std::string::npos; };
  }
};

WordDictionary MakeDictionary(std::initializer_list<std::pair<const char*, int>> words) {
  std::vector<std::vector<Word>> byLength(kWordSlotCount);
  for (const auto& [text, frequency] : words) {
    Word w;
    w.frequency = static_cast<std::uint16_t>(frequency);
    std::strcpy(w.text, text);
    byLength[std::strlen(text)].push_back(w);
  }
  WordDictionary dict;
  EXPECT_FALSE(ParseWordList(EncodeWordList(byLength, 1), dict));
  return dict;
}

using Words = std::vector<std::string>;

Words Candidates(const WordDictionary& dict, const char* clicked, const Board& board,
                 int kind = 0, const char* path = "/q/quotes.cqt") {
  const WordPattern p = BuildWordPattern(clicked, board.Guesses());
  return ListCandidates(dict, p, kind, path, board.Used());
}

TEST(WordPatternTest, PatternFromGuessesAndRepeats) {
  Board board;
  board.Guess('q', 'T');
  const WordPattern p = BuildWordPattern("XqX-Yq", board.Guesses());
  EXPECT_EQ(p.length, 6);
  EXPECT_STREQ(p.cipherWord, "xqx-yq");
  const std::vector<bool> known(p.known.begin(), p.known.begin() + 6);
  EXPECT_EQ(known, (std::vector<bool>{false, true, false, true, false, true}));
  const std::vector<int> pattern(p.pattern.begin(), p.pattern.begin() + 6);
  EXPECT_EQ(pattern, (std::vector<int>{0, 't', 0, '-', 4, 't'}));

  EXPECT_EQ(BuildWordPattern(std::string(40, 'a'), board.Guesses()).length, 25);
}

TEST(WordPatternTest, RepeatedAndDistinctLetters) {
  const WordDictionary dict = MakeDictionary(
      {{"dog", 9}, {"did", 8}, {"ddd", 7}, {"dad", 6}, {"eye", 5}, {"d'd", 4}, {"di", 3}});
  Board board;
  EXPECT_EQ(Candidates(dict, "XYX", board), (Words{"did", "dad", "eye"}));
  board.Guess('z', 'E');  // e is used elsewhere in the puzzle
  EXPECT_EQ(Candidates(dict, "XYX", board), (Words{"did", "dad"}));
}

TEST(WordPatternTest, GuessedLetterFixesPositionAndIsUsed) {
  const WordDictionary dict =
      MakeDictionary({{"at", 9}, {"to", 8}, {"tt", 7}, {"ta", 6}, {"it", 5}, {"t'", 4}});
  Board board;
  board.Guess('x', 't');
  EXPECT_EQ(Candidates(dict, "XY", board), (Words{"to", "ta"}));
}

TEST(WordPatternTest, NonLettersMustStandInTheSamePlace) {
  const WordDictionary dict = MakeDictionary(
      {{"can't", 9}, {"it's", 8}, {"hello", 7}, {"don't", 6}, {"we'll", 5}, {"o'er'", 4}});
  Board board;
  EXPECT_EQ(Candidates(dict, "ABC'D", board), (Words{"can't", "don't"}));
  EXPECT_EQ(Candidates(dict, "ABC-D", board), Words{});
  EXPECT_EQ(Candidates(dict, "ABCDEFGHIJKLMNOPQRSTUVWXY", board), Words{});  // no such slot
}

TEST(WordPatternTest, RareWordsOnlyForBibleFilesAndOtherKinds) {
  const WordDictionary dict = MakeDictionary({{"unto", 0}, {"them", 40}, {"thou", 0}});
  Board board;
  const Words all{"unto", "them", "thou"};
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "/q/quotes.cqt"), Words{"them"});
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "/q/bible.cqt"), Words{"them"});
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "/q/Bible.cqt.bak"), all);
  EXPECT_EQ(Candidates(dict, "ABCD", board, 0, "KingJamesBible.cqt"), all);
  for (int kind : {1, 2, 3}) EXPECT_EQ(Candidates(dict, "ABCD", board, kind), all);
}

TEST(WordPatternTest, FileOrderKeptAndAlphabeticalOnRequest) {
  const WordDictionary dict =
      MakeDictionary({{"would", 9}, {"about", 8}, {"their", 7}, {"could", 6}, {"after", 5}});
  Board board;
  Words list = Candidates(dict, "ABCDE", board);
  EXPECT_EQ(list, (Words{"would", "about", "their", "could", "after"}));
  SortAlphabetically(list);
  EXPECT_EQ(list, (Words{"about", "after", "could", "their", "would"}));
}

TEST(WordPatternTest, PreviewByCiphertextLetter) {
  Board board;
  board.Guess('q', 'D');
  const WordPattern p = BuildWordPattern("Qx'Zx", board.Guesses());
  const auto preview = PreviewLetters(p, "DO'NO");
  std::string expected(26, ' ');
  expected['q' - 'a'] = 'd';
  expected['x' - 'a'] = 'o';
  expected['z' - 'a'] = 'n';
  EXPECT_EQ(std::string(preview.begin(), preview.end()), expected);
  // A short selection previews only what it covers.
  const auto partial = PreviewLetters(p, "d");
  EXPECT_EQ(std::string(partial.begin(), partial.end()).find_first_not_of(' '),
            static_cast<std::size_t>('q' - 'a'));
}

TEST(WordPatternTest, EntrySkipsGuessedRepeatsAndNonLetters) {
  Board board;
  board.Guess('w', 'A');  // the candidate's a is used already
  const WordPattern p = BuildWordPattern("XYX-W", board.Guesses());
  std::vector<std::pair<char, char>> entered;
  EnterCandidate(p, "dad-a", board.Used(), [&](int cipher, int plain) {
    entered.emplace_back(static_cast<char>('a' + cipher), static_cast<char>('a' + plain));
    board.Guess(static_cast<char>('a' + cipher), static_cast<char>('A' + plain));
  });
  // x->d once (the repeat finds d used by then); y->a skipped (used); '-' skipped; w guessed.
  EXPECT_EQ(entered, (std::vector<std::pair<char, char>>{{'x', 'd'}}));
}

}  // namespace
