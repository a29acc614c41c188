// The side panel: its map for each kind and option, the frequency orders, the clock, clicks, the first-paint offer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/display_fixture.h"

namespace {

constexpr const char* kTutorialText =
    "Would you like to view the tutorial introduction?\nIt will take about 10 minutes, and will "
    "show you\nhow to use this game.\n\nClick Yes to view the tutorial.\nClick No to view the "
    "tutorial next time you run Quillo!.\nClick Cancel if you don't want to see this message "
    "again.\n\n(You can view the tutorial at any later time by\nchoosing \"View the Tutorial\" "
    "from the Help menu.)";

class PanelTest : public DisplayFixture {
 protected:
  // Columns 0..15 of a panel row; the unused-letter rows sit half a cell (3 pixels) right.
  static std::string RowText(const RecordingDC& dc, int row) {
    return dc.Row(row, 16, Cell(), {row == 1 || row == 2 ? 3 : 0, 0});
  }
  // The point in the middle of a panel cell, with the half-cell shift of rows 1 and 2.
  static TPoint PanelAt(int column, int row) {
    TPoint p = At(column, row);
    if (row == 1 || row == 2) p.x += 3;
    return p;
  }
  std::string Cipher(char plain) const { return std::string(1, game.Encipher(plain)); }
};

TEST_F(PanelTest, TheMapOfAQuotationPuzzle) {
  StartPuzzle("abbcc");  // counts A=1, B=2, C=2: by frequency B, C, A
  Guess('b', 'b');
  RecordingDC dc = PaintPanel();
  EXPECT_EQ(RowText(dc, 0), " Unused Letters ");
  EXPECT_EQ(RowText(dc, 1), " A CDEFGHIJKLM  ");
  EXPECT_EQ(RowText(dc, 2), " NOPQRSTUVWXYZ  ");
  EXPECT_EQ(dc.Row(4, 16, Cell(), {3, 0}), "  Frequencies   ");
  EXPECT_EQ(RowText(dc, 5).substr(0, 8), "  2 " + Cipher('B') + "=B ");
  EXPECT_EQ(RowText(dc, 6).substr(0, 8), "  2 " + Cipher('C') + "   ");
  EXPECT_EQ(RowText(dc, 7).substr(0, 8), "  1 " + Cipher('A') + "   ");
  EXPECT_EQ(RowText(dc, 17).substr(8, 3), "  0");
  EXPECT_EQ(RowText(dc, 19), " ** 00:00:00 ** ");
  const std::vector<std::string> counters = {"  0 Erased", "  0 Word list", "  0 Confirm",
                                             "  0 Undo error", "  0 Little hint", "  0 Big hint"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(RowText(dc, 20 + i).substr(0, counters[i].size()), counters[i]);
  ASSERT_EQ(dc.Lines().size(), 2u);
  EXPECT_EQ(dc.Lines()[0].from, (TPoint{0, 52}));
  EXPECT_EQ(dc.Lines()[0].at, (TPoint{112, 52}));
  EXPECT_EQ(dc.Lines()[1].at, (TPoint{112, 277}));
  // Colours: headings, counts and "**" in Headings, letters in Plaintext and Ciphertext, the clock
  // in Times.
  const Color& colors = TheColors();
  EXPECT_EQ(dc.Cell(1, 0, Cell())->fg, colors.Get(kColorHeadings));
  EXPECT_EQ(dc.Cell(2, 5, Cell())->fg, colors.Get(kColorHeadings));
  EXPECT_EQ(dc.Cell(4, 5, Cell())->fg, colors.Get(kColorCiphertext));
  EXPECT_EQ(dc.Cell(6, 5, Cell())->fg, colors.Get(kColorPlaintext));
  EXPECT_EQ(dc.Cell(4, 19, Cell())->fg, colors.Get(kColorTimes));
  EXPECT_EQ(dc.Cell(0, 20, Cell())->fg, colors.Get(kColorTimes));
  EXPECT_EQ(dc.Cell(4, 20, Cell())->bk, colors.Get(kColorBackground));
}

TEST_F(PanelTest, CipherPuzzlesOptionsAndTheAlphabeticalOrder) {
  StartPuzzle("QXQ", kCipherEntered);
  RecordingDC dc = PaintPanel();
  EXPECT_TRUE(dc.DrewText("Erased"));
  EXPECT_TRUE(dc.DrewText("Word list"));
  EXPECT_FALSE(dc.DrewText("Confirm"));
  EXPECT_EQ(RowText(dc, 22), "                ");
  // Alphabetical order lists the ciphertext letters A..Z (here the identity key) with their counts.
  SetFrequencyOrder(false);
  dc = PaintPanel();
  EXPECT_EQ(RowText(dc, 5).substr(0, 5), "  0 A");
  EXPECT_EQ(RowText(dc, 8).substr(8, 5), "  2 Q");
  EXPECT_EQ(RowText(dc, 15).substr(8, 5), "  1 X");

  store.WriteInt("quillo", "ShowLetterFrequencies", 0);
  store.WriteInt("quillo", "ShowTimeAndScores", 0);
  dc = PaintPanel();
  EXPECT_EQ(dc.Texts().front(), "Unused Letters");
  EXPECT_FALSE(dc.DrewText("Frequencies"));
  EXPECT_FALSE(dc.DrewText("**"));
  EXPECT_FALSE(dc.DrewText("00:00:00"));
  EXPECT_FALSE(dc.DrewText("Erased"));
  for (int row = 3; row < 26; ++row) EXPECT_EQ(RowText(dc, row), std::string(16, ' ')) << row;
  EXPECT_EQ(dc.Lines().size(), 1u);
  LetterHit hit;
  EXPECT_FALSE(freq().PointToLetter(1, {4, 5}, hit));
}

TEST_F(PanelTest, ClicksOnUnusedLettersAndTheFrequencyTable) {
  StartPuzzle("abbcc");
  fake.Click(freq(), PanelAt(5, 1));  // E
  EXPECT_EQ(game.state.selectedPlain, 'E' - 'A');
  TheColors().Set(kColorSelected, MakeColor(255, 0, 0));
  EXPECT_EQ(PaintPanel().Cell(5, 1, Cell(), {3, 0})->fg, MakeColor(255, 0, 0));
  fake.Click(freq(), At(4, 6));  // the ciphertext letter of C: pairs it with E
  EXPECT_EQ(game.GuessFor(game.Encipher('C')), 'E');
  EXPECT_EQ(game.state.selectedPlain, -1);

  // A used letter's cell selects nothing; neither do the count cells nor a right click there.
  fake.Click(freq(), PanelAt(5, 1));
  fake.RightClick(freq(), PanelAt(6, 1));
  fake.Click(freq(), At(1, 6));
  EXPECT_EQ(game.state.selectedPlain, -1);
  EXPECT_EQ(game.state.selectedCipher, -1);
  EXPECT_TRUE(fake.Messages().empty());

  // The guess and "=" cells answer for the entry's ciphertext letter, in both blocks.
  LetterHit hit;
  ASSERT_TRUE(freq().PointToLetter(0, {6, 6}, hit));
  EXPECT_EQ(hit.letter, Game::LetterIndex(game.Encipher('C')));
  EXPECT_EQ(hit.letterKind, LetterHit::kCipherLetter);
  ASSERT_TRUE(freq().PointToLetter(1, {12, 5}, hit));
  EXPECT_EQ(hit.letter, Game::LetterIndex(game.Encipher(game.panel.letterByFreq[13])));
  EXPECT_FALSE(freq().PointToLetter(1, {7, 6}, hit));
  EXPECT_FALSE(freq().PointToLetter(1, {4, 18}, hit));

  // A right click on the entry erases its guess.
  fake.RightClick(freq(), At(5, 6));
  EXPECT_EQ(game.GuessFor(game.Encipher('C')), ' ');
  EXPECT_EQ(game.panel.erasedCount, 1);
}

TEST_F(PanelTest, TheClockTicksAndShowsItsMaximum) {
  StartPuzzle("abc");
  EXPECT_TRUE(fake.Peer(freq()).HasTimer(kClockTimerId));
  EXPECT_TRUE(fake.Tick(freq(), kClockTimerId));
  EXPECT_TRUE(fake.Peer(freq()).lastPaint->DrewText("00:00:01"));
  game.panel.elapsedSeconds = kMaxClockSeconds;
  EXPECT_TRUE(PaintPanel().DrewText("99:59:59"));
  EXPECT_EQ(FormatClock(3725), "01:02:05");
  EXPECT_EQ(FormatClock(-5), "00:00:00");
}

class TutorialOfferTest : public PanelTest {
 protected:
  // The first paint of a fresh panel; the offer runs when the posted timer fires.
  void FirstPaint() {
    Open();
    std::strncpy(game.text.displayText, "abc", kQuoteBufferSize - 1);
    game.StartGame();
    fake.PaintPending();
    EXPECT_TRUE(fake.Messages().empty());  // nothing modal inside the paint
    EXPECT_EQ(game.panel.panelShown, 1);
    EXPECT_FALSE(fake.Peer(freq()).HasTimer(kClockTimerId));
    EXPECT_TRUE(fake.Tick(freq(), FreqWindow::kFirstPaintTimerId));
    EXPECT_FALSE(fake.Peer(freq()).HasTimer(FreqWindow::kFirstPaintTimerId));
    EXPECT_TRUE(fake.Peer(freq()).HasTimer(kClockTimerId));
  }
  int starts = 0;
};

TEST_F(TutorialOfferTest, YesStartsTheTutorialAndIsRemembered) {
  window.SetTutorialStarter([this] { ++starts; });
  fake.AnswerNext(IDYES, kTutorialText);
  FirstPaint();
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{kTutorialText, "Welcome to Quillo!", MB_YESNOCANCEL | MB_ICONQUESTION}));
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(store.ReadInt("quillo", "Tutorial", 0), 1);
  // Later paints ask nothing.
  PaintPanel();
  EXPECT_FALSE(fake.Tick(freq(), FreqWindow::kFirstPaintTimerId));
}

TEST_F(TutorialOfferTest, NoLeavesTheOfferForNextTime) {
  fake.AnswerNext(IDNO);
  FirstPaint();
  EXPECT_EQ(store.ReadInt("quillo", "Tutorial", -1), -1);
}

TEST_F(TutorialOfferTest, CancelIsRemembered) {
  fake.AnswerNext(IDCANCEL);
  FirstPaint();
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(store.ReadInt("quillo", "Tutorial", 0), 1);
}

}  // namespace
