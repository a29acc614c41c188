// Favourites (the check before opening, saving solved puzzles by appending) and Go To Specific
// Puzzle's number question.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "sources/favorites.h"
#include "support/game_fixture.h"

namespace {

constexpr int kInputTemplate = 4092;
constexpr int kEditId = 4090;
constexpr unsigned kRefusal = MB_OK | MB_ICONEXCLAMATION;
const MessageBoxRecord kSaved{"The puzzle has been saved in the favorites file", "Save complete",
                              MB_OK | MB_ICONINFORMATION};
const MessageBoxRecord kUnsolved{"You cannot save a puzzle until you have solved it!", "Error",
                                 kRefusal};

class FavoritesTest : public GameFixture {
 protected:
  void QuotePuzzle(const char* fileName) {
    std::strcpy(game.text.quoteText, "Hello, world\tAnon");
    StartPuzzle("HELLO, WORLD\tANON", kQuotePuzzle, 5);
    std::strcpy(game.state.quoteFileName, fileName);
  }
  std::string Favorites() const { return ReadFile(kFavoritesFileName).value_or("<none>"); }

  // The player types text into the number dialog (checking what it showed first) and presses OK.
  void AnswerNumber(const std::string& shown, const std::string& typed) {
    fake.ScriptDialog(kInputTemplate, [shown, typed](FakeDialog& d) {
      EXPECT_EQ(d.Caption(), "Select A Specific Puzzle");
      EXPECT_EQ(d.Text(4091), "Enter the puzzle number:");
      EXPECT_EQ(d.Text(kEditId), shown);
      EXPECT_EQ(d.EditLimit(kEditId), 127);
      d.Type(kEditId, typed);
      d.Click(IDOK);
    });
  }

  TempFolder work{true};
};

TEST_F(FavoritesTest, OnlySolvedPuzzlesAreAppended) {
  EXPECT_FALSE(CheckFavoritesFile(nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"You haven't saved any favorites yet!", "Error",
                                                  kRefusal}));

  QuotePuzzle("quotes.cqt");
  EXPECT_FALSE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), kUnsolved);
  EXPECT_FALSE(std::filesystem::exists(kFavoritesFileName));

  game.state.gameOver = 1;
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), kSaved);
  EXPECT_TRUE(CheckFavoritesFile(nullptr));
  // The same quotation again from the compressed file is a second copy; the line as loaded.
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(Favorites(), "Hello, world\tAnon\nHello, world\tAnon\n");

  // A file whose last line lacks its line end keeps that line whole.
  WriteFile(kFavoritesFileName, "Old line");
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(Favorites(), "Old line\nHello, world\tAnon\n");

  // A puzzle read from the favourites file, in any folder and any case, is there already; an
  // entered puzzle is never "from" it.
  for (const char* name : {"favorite.qot", "/some/where/FAVORITE.QOT", "dir\\Favorite.Qot"}) {
    std::strcpy(game.state.quoteFileName, name);
    EXPECT_FALSE(SaveFavorite(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"This puzzle is already in the favorites file!",
                                                    "Error", kRefusal}));
  }
  game.state.puzzleKind = kPlainEntered;
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(Favorites(), "Old line\nHello, world\tAnon\nHello, world\tAnon\n");

  // A favourites file that cannot be written is reported, not announced as saved.
  std::filesystem::remove(kFavoritesFileName);
  std::filesystem::create_directory(kFavoritesFileName);
  EXPECT_FALSE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The puzzle could not be saved in the favorites file.",
                                                  "Error", MB_OK | MB_ICONSTOP}));
}

TEST_F(FavoritesTest, EnteredCiphertextSavesThePlayersDecipherment) {
  std::strcpy(game.text.quoteText, "XYZ ABC");
  StartPuzzle("XYZ ABC", kCipherEntered, 1);
  const char guesses[][2] = {{'x', 't'}, {'y', 'h'}, {'z', 'e'}, {'a', 'c'}, {'b', 'a'}};
  for (const auto& g : guesses) TypeLetters(g[0], g[1]);
  Paint();
  EXPECT_FALSE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), kUnsolved);
  TypeLetters('c', 'r');
  Paint();
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(Favorites(), "THE CAR\n");
}

TEST_F(FavoritesTest, GoToAsksUntilANumberInRange) {
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Sorry, you can only select specific puzzles\nfrom compressed quote files.",
                              "Error", kRefusal}));
  EXPECT_TRUE(fake.Dialogs().empty());

  game.state.puzzleCount = 12;
  fake.ClearMessages();
  AnswerNumber("", "12a");
  fake.AnswerNext(IDOK, "Illegal number, try again.");
  AnswerNumber("12a", "0");  // the text is kept after an illegal number
  fake.AnswerNext(IDOK, "You must enter a number from 1 to 12");
  AnswerNumber("", "13");    // and emptied after one out of range
  fake.AnswerNext(IDOK);
  AnswerNumber("", "");
  fake.AnswerNext(IDOK);
  AnswerNumber("", "007");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), 6);
  ASSERT_EQ(fake.Messages().size(), 4u);
  EXPECT_EQ(fake.Messages()[0], (MessageBoxRecord{"Illegal number, try again.", "Error",
                                                  MB_OKCANCEL | MB_ICONEXCLAMATION}));
  EXPECT_EQ(fake.Messages()[1],
            (MessageBoxRecord{"You must enter a number from 1 to 12", "Error", MB_OKCANCEL}));
  EXPECT_EQ(fake.Messages()[3].text, "Illegal number, try again.");
  EXPECT_TRUE(Placed("MiscInput"));

  // Cancel at either message, or at the dialog, ends the command.
  AnswerNumber("", "99999999999999999999999");
  fake.AnswerNext(IDCANCEL, "You must enter a number from 1 to 12");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  AnswerNumber("", "-3");
  fake.AnswerNext(IDCANCEL, "Illegal number, try again.");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  fake.ScriptDialog(kInputTemplate, [](FakeDialog& d) { d.Click(IDCANCEL); });
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  AnswerNumber("", "12");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), 11);
}

}  // namespace
