// The puzzle's display: line breaking and hit testing, scrolling, painting, the looks of selected,
// locked and previewed letters, judging, the side panel.

#include <span>

#include "support/display_fixture.h"

namespace {

using Line = std::tuple<int, int, int>;  // start, length, indent

TEST(QuoteLayoutTest, BreaksAtBlanksAndBarsAndPlacesTheAttribution) {
  const struct {
    const char* text;
    int columns;
    std::vector<Line> lines;
  } cases[] = {
      // "||" and the blanks after it give no empty line; the attribution fits in 20 cells.
      {"The quick brown fox jumps|over||  the lazy dog.\tAnonymous", 20,
       {{0, 19, 0}, {20, 5, 0}, {26, 4, 0}, {34, 13, 0}, {48, 9, 11}}},
      // An attribution too long for the line is broken like the text, without its TAB.
      {"Short quote.\tA very long attribution name here", 12,
       {{0, 12, 0}, {13, 11, 0}, {25, 11, 0}, {37, 9, 0}}},
      {"Supercalifragilistic word", 8, {{0, 8, 0}, {8, 8, 0}, {16, 4, 0}, {21, 4, 0}}},  // cut at the width
      {"  || |", 40, {}},
      {"abc def", 0, std::vector<Line>(30, Line{0, 0, 0})},  // no room: 30 empty lines, the most there are
  };
  for (const auto& c : cases) {
    QuoteLayout layout;
    BreakLines(c.text, c.columns, layout);
    std::vector<Line> lines;
    for (const QuoteLine& l : std::span(layout.lines, layout.lineCount)) lines.push_back({l.start, l.length, l.indent});
    EXPECT_EQ(lines, c.lines) << c.text;
  }
}

// The display on the fake; rows of the puzzle and of the panel read back as text.
class DisplayTest : public DisplayFixture {
 protected:
  // Columns 0..15 of a row of the puzzle.
  static std::string QuoteRow(const RecordingDC& dc, int row) { return dc.Row(row, 16, Cell()); }
  // Columns 0..15 of a panel row; the unused-letter rows sit half a cell (3 pixels) right.
  static std::string PanelRow(const RecordingDC& dc, int row) {
    return dc.Row(row, 16, Cell(), {row == 1 || row == 2 ? 3 : 0, 0});
  }
  // The point in the middle of a panel cell, with the half-cell shift of rows 1 and 2.
  static TPoint PanelAt(int column, int row) {
    return {At(column, row).x + (row == 1 || row == 2 ? 3 : 0), At(column, row).y};
  }
  std::string Cipher(char plain) const { return std::string(1, game.Encipher(plain)); }
  // The last text drawn starting at cell (column, row) of the puzzle.
  static DrawOp TextAt(const RecordingDC& dc, int column, int row) {
    DrawOp found;
    for (const DrawOp& op : dc.OpsOf(DrawKind::Text)) {
      if (op.at.x == column * kCellW && op.at.y == row * kCellH) found = op;
    }
    if (!found.font) found.font = TLogFont{};  // the stock font: plain
    return found;
  }
};

TEST_F(DisplayTest, CellsOfThePuzzleGiveTheirCiphertextLetter) {
  StartPuzzle("Hello, World");  // enciphered "Lhmmu, Puqmg", one line from column 2
  auto hitAt = [&](int column, int row) {
    LetterHit hit;
    if (!quote().PointToLetter(1, {column, row}, hit)) return std::string("none");
    return std::string(1, static_cast<char>('A' + hit.letter)) + "@" + std::to_string(hit.textPos);
  };
  // The guess row answers for the letter below it; blank rows, a missing second line, the margin,
  // the comma and the cells past the line's end give none.
  std::string hits;
  for (auto [column, row] : {std::pair{2, 2}, {2, 1}, {13, 2}, {2, 0}, {2, 5}, {1, 2}, {7, 2}, {14, 2}}) {
    hits += hitAt(column, row) + " ";
  }
  EXPECT_EQ(hits, "L@0 L@0 G@11 none none none none none ");

  // A click on the puzzle selects; one on the panel's unused letter H (half a cell right) pairs;
  // keys typed after a panel click still reach the game.
  fake.Click(quote(), At(2, 2));
  fake.Click(freq(), {8 * kCellW + kCellW / 2 + 3, kCellH + 2});
  EXPECT_TRUE(game.state.guess['L' - 'A'] == 'H' && fake.Focus() == &window);

  // Alt (or Ctrl) with a click asks for the word under it; the panel has no words.
  fake.Click(quote(), At(10, 1), kModAlt);
  EXPECT_EQ(hooks.wordLists.back().word, "puqmg");
  fake.Click(freq(), At(4, 5), kModControl);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Must point to a word to get a word list.", "Error", MB_OK}));
}

TEST_F(DisplayTest, ScrollsByRowsWithTheBarShownExactlyWhileNeeded) {
  StartPuzzle("a|b|c|d|e|f|g|h|i|j|k");  // eleven lines take 33 rows; 32 rows of 15 pixels fit in 481
  FakeWindowPeer& peer = fake.Peer(quote());
  EXPECT_EQ(std::pair(quote().Layout().lineCount, peer.vScrollRange), std::pair(11, 2));
  quote().VScroll(2);  // the player drags the bar to its end
  const std::vector<DrawOp> origins = Repaint(quote()).OpsOf(DrawKind::WindowOrg);
  EXPECT_TRUE(!origins.empty() && origins.front().at == (TPoint{0, 2 * kCellH}));  // two rows up
  LetterHit hit;
  EXPECT_TRUE(quote().PointToLetter(1, quote().PointToCell(At(2, 0)), hit) && hit.textPos == 0);  // row 2: "a"
  RecordingDC page;  // printing draws from the top whatever the scroll
  quote().Draw(page, true, true);
  EXPECT_TRUE(page.OpsOf(DrawKind::WindowOrg).empty() && page.Cell(2, 32, Cell())->ch == game.text.puzzleText[20]);

  fake.Resize(frame, 560, 600);
  fake.PaintPending();
  EXPECT_EQ(std::pair(peer.vScrollRange, quote().ScrollPosition()), std::pair(0, 0));

  // A new puzzle starts at the top with no bar; an empty one lays out no line.
  StartPuzzle("");
  fake.PaintPending();
  EXPECT_EQ(std::pair(quote().Layout().lineCount, peer.vScrollRange), std::pair(0, 0));
  EXPECT_TRUE(Repaint(quote()).OpsOf(DrawKind::Text).empty());
}

TEST_F(DisplayTest, ResizingRemembersTheFrameSizeExceptOnTheFirstLayoutOfAPuzzle) {
  const auto saved = [&] {
    return store.ReadString("quillo", "WindowMaximized", "") + store.ReadString("quillo", "WindowSizeX", "");
  };
  StartPuzzle("Hello, World");
  EXPECT_EQ(saved(), "");
  fake.Resize(frame, 600, 400);
  fake.PaintPending();
  EXPECT_EQ(saved(), "false600");
  fake.Peer(frame).Show(TShow::Maximized);
  fake.PaintPending();
  EXPECT_EQ(saved(), "true1920");
}

TEST_F(DisplayTest, QuoteWindowPositionPlacesThePanes) {
  store.WriteString("quillo", "QuoteWindowPosition", "right");
  Open();
  EXPECT_EQ(fake.Peer(quote()).windowRect, (TRect{112, 0, 560, 481}));
  store.WriteString("quillo", "QuoteWindowPosition", "xyz");
  window.ComputeLayout();
  EXPECT_EQ(fake.Peer(quote()).windowRect, (TRect{0, 0, 448, 481}));
  fake.Resize(frame, 100, 200);  // narrower than the panel: the puzzle pane shrinks to nothing
  EXPECT_EQ(fake.Peer(quote()).windowRect.Width(), 0);
}

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kDerivedFace = MakeColor(235, 235, 235);  // the fake's button face, 5 toward the middle

TEST_F(DisplayTest, GuessRowsFollowTheCaseOfTheCiphertextAndJudgeThePuzzle) {
  StartPuzzle("Hello, World");  // seed 7: H->L, E->H, L->M, O->U, W->P, R->Q, D->G
  RecordingDC dc = Repaint(quote());
  EXPECT_EQ(QuoteRow(dc, 1) + "|" + QuoteRow(dc, 2), "       ,        |  Lhmmu, Puqmg  ");
  for (char p : std::string("helowr")) TypeLetters(p, p);
  EXPECT_EQ(QuoteRow(Repaint(quote()), 1), "  Hello, Worl   ");
  EXPECT_EQ(game.state.gameOver, 0);  // one letter still without a guess
  TypeLetters('d', 'd');
  EXPECT_EQ(QuoteRow(Repaint(quote()), 1), "  Hello, World  ");
  // Judged in the paint; the win check runs after it.
  EXPECT_EQ(std::pair(game.state.gameOver, hooks.Count("ShowYouWonDialog")), std::pair(true, 0));
  EXPECT_TRUE(fake.Tick(quote(), QuoteWindow::kWinCheckTimerId));  // posted by the paint
  EXPECT_EQ(hooks.Count("ShowYouWonDialog"), 1);
}

TEST_F(DisplayTest, ColoursOfTheRowsTheHighlightBandAndTheSelectedLetter) {
  StartPuzzle("Hello, World");
  EXPECT_EQ(HighlightFor(MakeColor(255, 255, 255)), MakeColor(240, 240, 240));
  EXPECT_EQ(HighlightFor(MakeColor(0, 0, 0)), MakeColor(45, 45, 45));

  TypeLetters('e', 'e');
  game.KeyTyped(CipherOf('l'));  // select ciphertext m
  SetHighlightSolution(true);
  RecordingDC dc = Repaint(quote());
  const TColor band = HighlightFor(kDerivedFace);
  for (int column : {1, 2, 3, 14}) {  // the band covers one cell either side of the guess row
    EXPECT_EQ(dc.Cell(column, 1, Cell())->bk, band) << column;
    EXPECT_EQ(dc.Cell(column, 2, Cell())->bk, kDerivedFace) << column;
  }
  TheColors().Set(kColorSelected, kRed);
  dc = Repaint(quote());
  for (int column : {4, 5, 12}) EXPECT_EQ(dc.Cell(column, 2, Cell())->fg, kRed) << column;
  EXPECT_EQ(dc.Cell(3, 2, Cell())->fg, TheColors().Get(kColorCiphertext));
  // Colours off: only the selected letter takes its colour.
  RecordingDC page;
  quote().Draw(page, false, true);
  for (const DrawOp& op : page.OpsOf(DrawKind::Text)) {
    EXPECT_EQ(op.bk, MakeColor(255, 255, 255)) << op.text;
    const bool selected = op.text.find_first_not_of('m') == std::string::npos;
    EXPECT_EQ(op.fg, selected ? kRed : MakeColor(0, 0, 0)) << op.text;
  }
}

// Seed 7: "Lhmmu, Puqmg"; position k is drawn in column k + 2, guesses in row 1, ciphertext in 2.
TEST_F(DisplayTest, SelectedLetterLockedLettersAndThePreviewEachLookTheirOwn) {
  EXPECT_EQ(SelectionFor(MakeColor(255, 255, 255)), MakeColor(191, 191, 191));
  EXPECT_EQ(Blend(MakeColor(0, 0, 0), MakeColor(255, 255, 255)), MakeColor(127, 127, 127));
  StartPuzzle("Hello, World");
  TypeLetters('h', 'h');
  game.Confirm();       // L=H locked
  TypeLetters('o', 'o');      // U=O not
  game.PlaceCursor(2);  // ciphertext m, at 2, 3 and 10
  const TColor face = TheColors().Get(kColorBackground);
  const TColor plain = TheColors().Get(kColorPlaintext);
  RecordingDC dc = Repaint(quote());
  for (int row : {1, 2}) {
    for (int column : {4, 5, 12}) EXPECT_EQ(dc.Cell(column, row, Cell())->bk, SelectionFor(face));
    EXPECT_EQ(dc.Cell(3, row, Cell())->bk, face);
  }
  EXPECT_EQ(TextAt(dc, 2, 1).text + std::to_string(TextAt(dc, 2, 1).font->weight), "H700");
  bool underlined = false;
  for (const DrawOp& op : dc.OpsOf(DrawKind::Fill)) {
    underlined |= op.rect.left == 2 * kCellW && op.rect.bottom == 2 * kCellH && op.color == plain;
  }
  EXPECT_TRUE(underlined);

  // The preview fills only the cells without a guess, italic, halfway to the background; the
  // option off drops the selection mark, and on paper without colours the fonts stay.
  std::array<char, kLetterCount> table{};
  table['M' - 'A'] = 'l';  // the candidate word's letters, lower case
  table['L' - 'A'] = table['U' - 'A'] = 'x';
  table['H' - 'A'] = ' ';
  TheWordPreview().Show(table);
  SetHighlightSelected(false);
  dc = Repaint(quote());
  EXPECT_EQ(QuoteRow(dc, 1), "  H llo,  o l   ");
  EXPECT_TRUE(TextAt(dc, 4, 1).font->italic);
  EXPECT_EQ(std::pair(TextAt(dc, 4, 1).fg, dc.Cell(4, 2, Cell())->bk), std::pair(Blend(plain, face), face));
  RecordingDC page;
  quote().Draw(page, false, true);
  EXPECT_EQ(TextAt(page, 2, 1).font->weight, 700);
  EXPECT_TRUE(TextAt(page, 4, 1).font->italic);
  TheWordPreview().Hide();
  EXPECT_EQ(QuoteRow(Repaint(quote()), 1), "  H   o,  o     ");
}

constexpr const char* kTutorialText =
    "Would you like to view the tutorial introduction?\nIt will take about 10 minutes, and will "
    "show you\nhow to use this game.\n\nClick Yes to view the tutorial.\nClick No to view the "
    "tutorial next time you run Quillo!.\nClick Cancel if you don't want to see this message "
    "again.\n\n(You can view the tutorial at any later time by\nchoosing \"View the Tutorial\" from the Help menu.)";

TEST_F(DisplayTest, TheMapOfAQuotationPuzzleAndItsClock) {
  StartPuzzle("abbcc");  // counts A=1, B=2, C=2: by frequency B, C, A
  TypeLetters('b', 'b');
  RecordingDC dc = Repaint(freq());
  EXPECT_EQ(PanelRow(dc, 0) + PanelRow(dc, 1) + PanelRow(dc, 2), " Unused Letters  A CDEFGHIJKLM   NOPQRSTUVWXYZ  ");
  EXPECT_EQ(dc.Row(4, 16, Cell(), {3, 0}), "  Frequencies   ");
  EXPECT_EQ(PanelRow(dc, 5).substr(0, 8), "  2 " + Cipher('B') + "=B ");
  EXPECT_EQ(PanelRow(dc, 6).substr(0, 8), "  2 " + Cipher('C') + "   ");
  EXPECT_EQ(PanelRow(dc, 7).substr(0, 8), "  1 " + Cipher('A') + "   ");
  EXPECT_EQ(PanelRow(dc, 19) + "|" + PanelRow(dc, 25).substr(0, 10), " ** 00:00:00 ** |  0 Big hi");
  EXPECT_TRUE(fake.Tick(freq(), kClockTimerId) && fake.Peer(freq()).lastPaint->DrewText("00:00:01"));
  game.panel.elapsedSeconds = kMaxClockSeconds;
  EXPECT_TRUE(Repaint(freq()).DrewText("99:59:59"));
  EXPECT_EQ(FormatClock(-5), "00:00:00");
}

TEST_F(DisplayTest, CipherPuzzlesOptionsAndTheAlphabeticalOrder) {
  StartPuzzle("QXQ", PuzzleKind::kCipherEntered);
  RecordingDC dc = Repaint(freq());
  EXPECT_TRUE(dc.DrewText("Erased") && dc.DrewText("Word list") && !dc.DrewText("Confirm"));
  EXPECT_EQ(PanelRow(dc, 22), "                ");
  // Alphabetical order lists the ciphertext letters A..Z (here the identity key) with their counts.
  SetFrequencyOrder(false);
  dc = Repaint(freq());
  EXPECT_EQ(PanelRow(dc, 5).substr(0, 5) + "|" + PanelRow(dc, 8).substr(8, 5), "  0 A|  2 Q");
  EXPECT_EQ(PanelRow(dc, 15).substr(8, 5), "  1 X");

  store.WriteInt("quillo", "ShowLetterFrequencies", 0);
  store.WriteInt("quillo", "ShowTimeAndScores", 0);
  dc = Repaint(freq());
  for (int row = 3; row < 26; ++row) EXPECT_EQ(PanelRow(dc, row), std::string(16, ' ')) << row;
  LetterHit hit;
  EXPECT_FALSE(freq().PointToLetter(1, {4, 5}, hit));
}

TEST_F(DisplayTest, ClicksOnUnusedLettersAndTheFrequencyTable) {
  StartPuzzle("abbcc");
  fake.Click(freq(), PanelAt(5, 1));  // E
  TheColors().Set(kColorSelected, MakeColor(255, 0, 0));
  EXPECT_EQ(Repaint(freq()).Cell(5, 1, Cell(), {3, 0})->fg, MakeColor(255, 0, 0));
  fake.Click(freq(), At(4, 6));  // the ciphertext letter of C: pairs it with E
  EXPECT_TRUE(game.GuessFor(game.Encipher('C')) == 'E' && game.state.selectedPlain == -1);

  // A used letter's cell selects nothing; neither do the count cells nor a right click there.
  fake.Click(freq(), PanelAt(5, 1));
  fake.Click(freq(), PanelAt(6, 1), 0, true);
  fake.Click(freq(), At(1, 6));
  EXPECT_EQ(std::pair(game.state.selectedPlain, game.state.selectedCipher), std::pair(-1, -1));

  // The guess and "=" cells answer for the entry's ciphertext letter, in both blocks.
  LetterHit hit, second;
  ASSERT_TRUE(freq().PointToLetter(0, {6, 6}, hit) && freq().PointToLetter(1, {12, 5}, second));
  EXPECT_EQ(hit.letter, Game::LetterIndex(game.Encipher('C')));
  EXPECT_EQ(second.letter, Game::LetterIndex(game.Encipher(game.panel.letterByFreq[13])));
  EXPECT_FALSE(freq().PointToLetter(1, {4, 18}, hit));

  fake.Click(freq(), At(5, 6), 0, true);  // a right click on the entry erases its guess
  EXPECT_EQ(game.GuessFor(game.Encipher('C')), ' ');
}

// The first paint of a fresh panel posts the offer; it runs when the posted timer fires.
// Yes starts the tutorial and is remembered, No leaves it for next time, Cancel is remembered.
class TutorialOfferTest : public DisplayTest, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(TutorialOfferTest, AnswerToTheFirstPaintOffer) {
  const auto [answer, remembered] = GetParam();
  int starts = 0;
  window.SetTutorialStarter([&] { ++starts; });
  fake.AnswerNext(answer, kTutorialText);
  Open();
  std::strncpy(game.text.displayText, "abc", kQuoteBufferSize - 1);
  game.StartGame();
  fake.PaintPending();
  EXPECT_TRUE(fake.Messages().empty());  // nothing modal inside the paint
  EXPECT_TRUE(fake.Tick(freq(), FreqWindow::kFirstPaintTimerId) && fake.Peer(freq()).HasTimer(kClockTimerId));
  EXPECT_EQ(fake.LastMessage().flags, MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(std::pair(starts, store.ReadInt("quillo", "Tutorial", -1)), std::pair(answer == IDYES ? 1 : 0, remembered));
  Repaint(freq());  // later paints ask nothing
  EXPECT_FALSE(fake.Tick(freq(), FreqWindow::kFirstPaintTimerId));
}

INSTANTIATE_TEST_SUITE_P(Answers, TutorialOfferTest,
                         testing::Values(std::pair{IDYES, 1}, std::pair{IDNO, -1},
                                         std::pair{IDCANCEL, 1}));

}  // namespace
