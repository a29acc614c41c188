// Entered, pasted and favourite puzzles: entry and correction, the clipboard, Save Favorite, Go To.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "resources/resources.h"
#include "sources/casestyle.h"
#include "sources/entered.h"
#include "sources/favorites.h"
#include "support/game_fixture.h"

namespace {

constexpr unsigned kRefusal = MB_OK | MB_ICONEXCLAMATION;
MessageBoxRecord Refused(const char* text) { return {text, "Error", kRefusal}; }

class EnteredTest : public GameFixture {
 protected:
  EnteredTest() {
    store.WriteString("quillo", "Case", "Upper");
    std::strcpy(game.text.quoteText, "old");
    std::strcpy(game.text.displayText, "OLD");
  }

  // The player types text and presses OK (or Cancel); with `shown`, the dialog must have shown it.
  void Answer(const std::string& typed, int button = IDOK, const char* shown = nullptr) {
    fake.ScriptDialog(kInputTemplateId, [=](FakeDialog& d) {
      if (shown) { EXPECT_EQ(d.Text(kInputEditId), shown); }
      d.Type(kInputEditId, typed);
      d.Click(button);
    });
  }
  void AnswerNumber(const char* shown, const std::string& typed) { Answer(typed, IDOK, shown); }
  void QuotePuzzle(const char* fileName) {
    std::strcpy(game.text.quoteText, "Hello, world\tAnon");
    StartPuzzle("HELLO, WORLD\tANON", PuzzleKind::kQuotePuzzle, 5);
    std::strcpy(game.state.quoteFileName, fileName);
  }
  std::string Favorites() const { return ReadFile(kFavoritesFileName).value_or("<none>"); }

  TempFolder work{true};  // the favourites file is written in the working folder
};

TEST_F(EnteredTest, EntryDialogAsksAgainForAnEmptyTextAndTakesTheConfirmedOne) {
  Answer("");
  Answer("Hello there\tMe");
  EXPECT_TRUE(EnterPuzzle(game, true, nullptr, -15));
  EXPECT_TRUE(fake.Dialogs().size() == 2 && std::string(game.text.displayText) == "HELLO THERE\tME");

  Answer("Xyz", IDCANCEL, "");  // the ciphertext dialog starts empty; Cancel keeps the texts
  EXPECT_FALSE(EnterPuzzle(game, false, nullptr, -15));
  EXPECT_STREQ(game.text.quoteText, "Hello there\tMe");

  fake.FailNextDialogs(1);  // a dialog that cannot be created: its error, captioned "ERROR", no icon
  EXPECT_FALSE(EnterPuzzle(game, true, nullptr, -15));
  EXPECT_TRUE(fake.LastMessage().caption == "ERROR" && fake.LastMessage().flags == unsigned{MB_OK});
}

TEST_F(EnteredTest, OnlyAnEnteredPuzzleCanBeCorrected) {
  game.state.puzzleKind = PuzzleKind::kQuotePuzzle;
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15) || !fake.Dialogs().empty());
  EXPECT_EQ(fake.LastMessage(), Refused("Sorry, you can only fix a puzzle that you entered."));

  game.state.puzzleKind = PuzzleKind::kCipherEntered;
  Answer("olde", IDOK, "old");
  EXPECT_TRUE(CorrectPuzzle(game, nullptr, -15));
  EXPECT_EQ(std::string(game.text.quoteText) + game.text.displayText, "oldeOLDE");

  Answer("other", IDCANCEL);
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15) || std::string(game.text.quoteText) != "olde");
}

TEST_F(EnteredTest, ClipboardPasteIsCleanedIntoOneQuotationAndCopiesEndInALineEnd) {
  EXPECT_EQ(CleanClipboardText("\t\x01" "Caf\xE9\x7F ok"), "Caf ok");
  EXPECT_EQ(CleanClipboardText(std::string("Cut\0here", 8)), "Cut");
  EXPECT_EQ(CleanClipboardText(std::string(1200, 'a')).size(), 999u);
  // Characters past the 999th never count, even as the last TAB.
  EXPECT_EQ(CleanClipboardText(std::string(998, 'a') + "b\tc"), std::string(998, 'a') + "b");

  fake.SetClipboard("  Hello,\r\n  world!\tAnon\tYmous  ");
  EXPECT_TRUE(PasteFromClipboard(game, nullptr));
  EXPECT_EQ(std::string(game.text.quoteText) + "|" + game.text.displayText, "Hello, world! Anon\tYmous|HELLO, WORLD! ANON\tYMOUS");

  for (const char* nothing : {"", "\r\n\r\n", "   "}) {
    fake.SetClipboard(nothing);
    EXPECT_FALSE(PasteFromClipboard(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), Refused("Nothing in the clipboard!"));
  }
  EXPECT_STREQ(game.text.quoteText, "Hello, world! Anon\tYmous");

  // Copies end in a line end; a clipboard that cannot be opened pastes nothing and says nothing.
  std::strcpy(game.text.puzzleText, "AB C");
  std::strcpy(game.text.plainText, "xy z");
  CopyToClipboard(game, true);
  const std::string puzzle = fake.Clipboard();
  CopyToClipboard(game, false);
  EXPECT_EQ(puzzle + fake.Clipboard(), "AB C\r\nxy z\r\n");
  fake.ClearMessages();
  fake.SetClipboard("Text");
  fake.SetClipboardAvailable(false);
  EXPECT_FALSE(PasteFromClipboard(game, nullptr) || !fake.Messages().empty());
}

const MessageBoxRecord kUnsolved = Refused("You cannot save a puzzle until you have solved it!");

TEST_F(EnteredTest, FavoriteOnlySolvedPuzzlesAreAppended) {
  EXPECT_FALSE(CheckFavoritesFile(nullptr));
  EXPECT_EQ(fake.LastMessage(), Refused("You haven't saved any favorites yet!"));

  QuotePuzzle("quotes.cqt");
  EXPECT_FALSE(SaveFavorite(game, nullptr) || std::filesystem::exists(kFavoritesFileName));
  EXPECT_EQ(fake.LastMessage(), kUnsolved);

  game.state.gameOver = true;
  EXPECT_TRUE(SaveFavorite(game, nullptr) && CheckFavoritesFile(nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The puzzle has been saved in the favorites file",
                                                  "Save complete", MB_OK | MB_ICONINFORMATION}));
  // The same quotation again from the compressed file is a second copy; the line as loaded.
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Hello, world\tAnon\nHello, world\tAnon\n");

  // A file whose last line lacks its line end keeps that line whole.
  WriteFile(kFavoritesFileName, "Old line");
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Old line\nHello, world\tAnon\n");

  // A puzzle read from the favourites file, in any folder and any case, is there already; an
  // entered puzzle is never "from" it.
  for (const char* name : {"favorite.qot", "/some/where/FAVORITE.QOT", "dir\\Favorite.Qot"}) {
    std::strcpy(game.state.quoteFileName, name);
    EXPECT_FALSE(SaveFavorite(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), Refused("This puzzle is already in the favorites file!"));
  }
  game.state.puzzleKind = PuzzleKind::kPlainEntered;
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "Old line\nHello, world\tAnon\nHello, world\tAnon\n");

  // Only what a quote file can hold goes in, and the player is told; nothing without a letter.
  std::strcpy(game.text.quoteText, "Caf\xE9 au lait\x01.\tAnon");
  EXPECT_TRUE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage().text,
            "The puzzle has been saved in the favorites file\n(without the characters a quote file "
            "cannot hold)");
  for (const char* nothing : {"", "   ", "\xE9 1, 2."}) {
    std::strcpy(game.text.quoteText, nothing);
    EXPECT_FALSE(SaveFavorite(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), kUnsolved);
  }
  EXPECT_EQ(Favorites(), "Old line\nHello, world\tAnon\nHello, world\tAnon\nCaf au lait.\tAnon\n");
  std::strcpy(game.text.quoteText, "Hello, world\tAnon");

  // A favourites file that cannot be written is reported, not announced as saved.
  std::filesystem::remove(kFavoritesFileName);
  std::filesystem::create_directory(kFavoritesFileName);
  EXPECT_FALSE(SaveFavorite(game, nullptr));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"The puzzle could not be saved in the favorites file.\n"
                                                  "Is a directory", "Error", MB_OK | MB_ICONSTOP}));
}

TEST_F(EnteredTest, FavoriteEnteredCiphertextSavesThePlayersDecipherment) {
  std::strcpy(game.text.quoteText, "XYZ ABC");
  StartPuzzle("XYZ ABC", PuzzleKind::kCipherEntered, 1);
  for (const char* pair : {"xt", "yh", "ze", "ac", "ba"}) TypeLetters(pair[0], pair[1]);
  Paint();
  EXPECT_FALSE(SaveFavorite(game, nullptr) || fake.LastMessage() != kUnsolved);
  TypeLetters('c', 'r');
  Paint();
  EXPECT_TRUE(SaveFavorite(game, nullptr) && Favorites() == "THE CAR\n");
}

TEST_F(EnteredTest, GoToAsksUntilANumberInRange) {
  EXPECT_TRUE(AskPuzzleNumber(game, nullptr, -15) == -1 && fake.Dialogs().empty());
  EXPECT_EQ(fake.LastMessage(), Refused("Sorry, you can only select specific puzzles\nfrom compressed quote files."));

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
  EXPECT_EQ(fake.Messages()[0],
            (MessageBoxRecord{"Illegal number, try again.", "Error", MB_OKCANCEL | MB_ICONEXCLAMATION}));
  EXPECT_EQ(fake.Messages()[1],
            (MessageBoxRecord{"You must enter a number from 1 to 12", "Error", MB_OKCANCEL}));
  EXPECT_EQ(fake.Messages()[3].text, "Illegal number, try again.");

  // Cancel at either message, or at the dialog, ends the command.
  AnswerNumber("", "99999999999999999999999");
  fake.AnswerNext(IDCANCEL, "You must enter a number from 1 to 12");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  Answer("", IDCANCEL);
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), -1);
  AnswerNumber("", "12");
  EXPECT_EQ(AskPuzzleNumber(game, nullptr, -15), 11);
}

}  // namespace
