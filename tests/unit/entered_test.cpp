// Entered and pasted puzzles: the entry and correction dialogs, clipboard cleaning and copies.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "sources/casestyle.h"
#include "sources/entered.h"
#include "support/game_fixture.h"

namespace {

constexpr int kInputTemplate = 4092;
constexpr int kPromptId = 4091;
constexpr int kEditId = 4090;
const MessageBoxRecord kNothing{"Nothing in the clipboard!", "Error", MB_OK | MB_ICONEXCLAMATION};

class EnteredTest : public GameFixture {
 protected:
  EnteredTest() {
    ForgetCaseStyle();
    store.WriteString("quillo", "Case", "Upper");
    std::strcpy(game.text.quoteText, "old");
    std::strcpy(game.text.displayText, "OLD");
  }
  ~EnteredTest() override { ForgetCaseStyle(); }

  // The player types text and presses OK (or Cancel).
  void Answer(const std::string& text, int button = IDOK) {
    fake.ScriptDialog(kInputTemplate, [text, button](FakeDialog& d) {
      d.Type(kEditId, text);
      d.Click(button);
    });
  }
};

TEST_F(EnteredTest, EntryDialogAsksAgainForAnEmptyTextAndTakesTheConfirmedOne) {
  Answer("");
  Answer("Hello there\tMe");
  EXPECT_TRUE(EnterPuzzle(game, true, nullptr, -15));
  ASSERT_EQ(fake.Dialogs().size(), 2u);
  const DialogRecord& dialog = fake.Dialogs()[1];
  EXPECT_EQ(dialog.caption, "Plaintext Puzzle");
  EXPECT_EQ(dialog.Text(kPromptId), "Enter quote or phrase:");
  EXPECT_EQ(dialog.Find(kEditId)->editLimit, 999);
  EXPECT_STREQ(game.text.quoteText, "Hello there\tMe");
  EXPECT_STREQ(game.text.displayText, "HELLO THERE\tME");
  EXPECT_TRUE(Placed("EnterPuzzle"));

  // The ciphertext dialog starts empty; Cancel keeps the texts as they were.
  fake.ScriptDialog(kInputTemplate, [](FakeDialog& d) {
    EXPECT_EQ(d.Caption(), "Ciphertext Puzzle");
    EXPECT_EQ(d.Text(kPromptId), "Enter encrypted quote or phrase:");
    EXPECT_EQ(d.Text(kEditId), "");
    d.Type(kEditId, "Xyz");
    d.Click(IDCANCEL);
  });
  EXPECT_FALSE(EnterPuzzle(game, false, nullptr, -15));
  EXPECT_STREQ(game.text.quoteText, "Hello there\tMe");

  // A dialog that cannot be created: its error, captioned "ERROR", no icon.
  fake.FailNextDialogs(1);
  EXPECT_FALSE(EnterPuzzle(game, true, nullptr, -15));
  EXPECT_EQ(fake.LastMessage().caption, "ERROR");
  EXPECT_EQ(fake.LastMessage().flags, unsigned{MB_OK});
  EXPECT_FALSE(fake.LastMessage().text.empty());
}

TEST_F(EnteredTest, OnlyAnEnteredPuzzleCanBeCorrected) {
  game.state.puzzleKind = kQuotePuzzle;
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15));
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Sorry, you can only fix a puzzle that you entered.",
                                                  "Error", MB_OK | MB_ICONEXCLAMATION}));
  EXPECT_TRUE(fake.Dialogs().empty());

  game.state.puzzleKind = kCipherEntered;
  fake.ScriptDialog(kInputTemplate, [](FakeDialog& d) {
    EXPECT_EQ(d.Caption(), "Your Puzzle");
    EXPECT_EQ(d.Text(kPromptId), "Correct the puzzle:");
    EXPECT_EQ(d.Text(kEditId), "old");
    d.Type(kEditId, "olde");
    d.Click(IDOK);
  });
  EXPECT_TRUE(CorrectPuzzle(game, nullptr, -15));
  EXPECT_STREQ(game.text.quoteText, "olde");
  EXPECT_STREQ(game.text.displayText, "OLDE");

  Answer("other", IDCANCEL);
  EXPECT_FALSE(CorrectPuzzle(game, nullptr, -15));
  EXPECT_STREQ(game.text.quoteText, "olde");
}

TEST_F(EnteredTest, ClipboardTextIsCleanedIntoOneQuotation) {
  EXPECT_EQ(CleanClipboardText("  Hello,\r\n  world!\tAnon\tYmous  "), "Hello, world! Anon\tYmous");
  EXPECT_EQ(CleanClipboardText("\t\x01" "Caf\xE9\x7F ok"), "Caf ok");
  EXPECT_EQ(CleanClipboardText(std::string("Cut\0here", 8)), "Cut");
  EXPECT_EQ(CleanClipboardText("\r\n\r\n"), "");
  EXPECT_EQ(CleanClipboardText(std::string(1200, 'a')).size(), 999u);
  // Characters past the 999th never count, even as the last TAB.
  EXPECT_EQ(CleanClipboardText(std::string(998, 'a') + "b\tc"), std::string(998, 'a') + "b");

  fake.SetClipboard("  Hello,\r\n  world!\tAnon\tYmous  ");
  EXPECT_TRUE(PasteFromClipboard(game, nullptr));
  EXPECT_STREQ(game.text.quoteText, "Hello, world! Anon\tYmous");
  EXPECT_STREQ(game.text.displayText, "HELLO, WORLD! ANON\tYMOUS");

  for (const char* nothing : {"", "\r\n\r\n", "   "}) {
    fake.SetClipboard(nothing);
    EXPECT_FALSE(PasteFromClipboard(game, nullptr));
    EXPECT_EQ(fake.LastMessage(), kNothing);
  }
  EXPECT_STREQ(game.text.quoteText, "Hello, world! Anon\tYmous");

  fake.ClearMessages();
  fake.SetClipboard("Text");
  fake.SetClipboardAvailable(false);
  EXPECT_FALSE(PasteFromClipboard(game, nullptr));
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(EnteredTest, CopiesEndInALineEnd) {
  std::strcpy(game.text.puzzleText, "AB C");
  std::strcpy(game.text.plainText, "xy z");
  CopyToClipboard(game, true);
  EXPECT_EQ(fake.Clipboard(), "AB C\r\n");
  CopyToClipboard(game, false);
  EXPECT_EQ(fake.Clipboard(), "xy z\r\n");
}

}  // namespace
