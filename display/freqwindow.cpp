// FreqWindow: drawing the panel map, its hit test, the clock tick and the first-paint tutorial offer.
#include "display/freqwindow.h"

#include <cstdio>
#include <string>

#include "classlib/inifile.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "framework/dc.h"
#include "framework/platform.h"

namespace {
constexpr int kHalfCell = 50;  // percent: the unused letters and "Frequencies" sit half a cell right
constexpr int kBlockRows = 13;
constexpr int kTableTop = 5;   // first row of the frequency table
constexpr int kClockRow = 19;
constexpr int kCountersTop = 20;

constexpr const char* kTutorialQuestion =
    "Would you like to view the tutorial introduction?\nIt will take about 10 minutes, and will "
    "show you\nhow to use this game.\n\nClick Yes to view the tutorial.\nClick No to view the "
    "tutorial next time you run Quillo!.\nClick Cancel if you don't want to see this message "
    "again.\n\n(You can view the tutorial at any later time by\nchoosing \"View the Tutorial\" "
    "from the Help menu.)";

bool ShowsFrequencies() { return Settings().ReadInt("quillo", "ShowLetterFrequencies", 1) != 0; }
bool ShowsTimeAndScores() { return Settings().ReadInt("quillo", "ShowTimeAndScores", 1) != 0; }

std::string Count3(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%3d", value);
  return text;
}

TWindow* TopWindow(TWindow* window) {
  while (window && window->Parent()) window = window->Parent();
  return window;
}
}  // namespace

std::string FormatClock(int seconds) {
  if (seconds < 0) seconds = 0;
  if (seconds > kMaxClockSeconds) seconds = kMaxClockSeconds;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

FreqWindow::FreqWindow(TWindow* parent, Game& game) : SubWindow(parent, game, 1) {}

bool FreqWindow::PointToLetter(int which, TPoint cell, LetterHit& hit) const {
  const Game& game = TheGame();
  const int x = cell.x;
  const int y = cell.y;
  if (which == 1 && x >= 1 && x <= 13 && y >= 1 && y <= 2) {
    const int letter = (y - 1) * kBlockRows + x - 1;
    if (game.panel.unused[letter] == ' ') return false;
    hit = {letter, LetterHit::kPlainLetter, -1};
    return true;
  }
  const bool inEntry = (x >= 4 && x <= 6) || (x >= 12 && x <= 14);
  if (!ShowsFrequencies() || y < kTableTop || y >= kTableTop + kBlockRows || !inEntry) return false;
  const int position = y - kTableTop + (x >= 12 ? kBlockRows : 0);
  const int letter =
      FrequencyOrder() ? Game::LetterIndex(game.Encipher(game.panel.letterByFreq[position])) : position;
  if (letter < 0) return false;
  hit = {letter, LetterHit::kCipherLetter, -1};
  return true;
}

void FreqWindow::Draw(TDC& dc, bool useColours, bool) {
  const bool frequencies = ShowsFrequencies();
  const bool timeAndScores = ShowsTimeAndScores();
  if (!ReadyToDraw()) return;
  const Color& colors = TheColors();
  TheFont().Select(dc);
  if (useColours) {
    dc.SetBkColor(colors.Get(kColorBackground));
    dc.SetTextColor(colors.Get(kColorHeadings));
  }
  DrawHeadings(dc, frequencies, timeAndScores);
  DrawSeparators(dc, timeAndScores);
  if (frequencies) DrawCounts(dc);  // still in the headings' colour
  DrawUnusedLetters(dc, useColours);
  if (frequencies) DrawFrequencyTable(dc, useColours);
  if (timeAndScores) {
    DrawTime(dc, useColours);
    DrawCounters(dc);
  }
  if (!TheGame().panel.panelShown) FirstPaintDone();
}

void FreqWindow::DrawHeadings(TDC& dc, bool frequencies, bool timeAndScores) {
  const Game& game = TheGame();
  if (timeAndScores) {
    CellText(dc, 1, kClockRow, "**");
    CellText(dc, 13, kClockRow, "**");
  }
  CellText(dc, 1, 0, "Unused Letters");
  if (frequencies) CellText(dc, 2, 4, "Frequencies", kHalfCell);
  if (!timeAndScores) return;
  static constexpr const char* kLabels[] = {"Erased",     "Word list",   "Confirm",
                                            "Undo error", "Little hint", "Big hint"};
  const int labels = game.state.puzzleKind == PuzzleKind::kCipherEntered ? 2 : 6;
  for (int i = 0; i < labels; ++i) CellText(dc, 4, kCountersTop + i, kLabels[i]);
}

void FreqWindow::DrawSeparators(TDC& dc, bool timeAndScores) {
  const CellMetrics& cells = Cells();
  const int right = kPanelColumns * cells.cellWidth;
  for (int row : {3, 18}) {
    if (row == 18 && !timeAndScores) break;
    const int y = row * cells.cellHeight + cells.cellHeight / 2;
    dc.MoveTo(0, y);
    dc.LineTo(right, y);
  }
}

void FreqWindow::DrawCounts(TDC& dc) {
  const PanelState& panel = TheGame().panel;
  const int* counts = FrequencyOrder() ? panel.countByFreq : panel.countAlpha;
  for (int r = 0; r < kBlockRows; ++r) {
    for (int k = 0; k < 2; ++k) CellText(dc, 8 * k, kTableTop + r, Count3(counts[k * kBlockRows + r]));
  }
}

void FreqWindow::DrawUnusedLetters(TDC& dc, bool useColours) {
  const Game& game = TheGame();
  if (useColours) dc.SetTextColor(TheColors().Get(kColorPlaintext));
  for (int half = 0; half < 2; ++half) {
    const int row = 1 + half;
    CellText(dc, 0, row, " ", kHalfCell);
    CellText(dc, 14, row, " ", kHalfCell);
    CellChars(dc, 1, row, game.panel.unused + half * kBlockRows, kBlockRows, kHalfCell);
  }
  const int p = game.state.selectedPlain;
  if (p >= 0 && p < kLetterCount) {
    if (useColours) dc.SetTextColor(TheColors().Get(kColorSelected));
    const char letter = static_cast<char>('A' + p);
    CellChars(dc, p % kBlockRows + 1, p / kBlockRows + 1, &letter, 1, kHalfCell);
  }
}

void FreqWindow::DrawFrequencyTable(TDC& dc, bool useColours) {
  const Game& game = TheGame();
  const Color& colors = TheColors();
  const char* letters = FrequencyOrder() ? game.panel.letterByFreq : game.panel.letterAlpha;
  char ciphers[kLetterCount];
  for (int i = 0; i < kLetterCount; ++i) ciphers[i] = game.Encipher(letters[i]);

  if (useColours) dc.SetTextColor(colors.Get(kColorCiphertext));
  for (int r = 0; r < kBlockRows; ++r) {
    for (int k = 0; k < 2; ++k) {
      const char c = ciphers[k * kBlockRows + r];
      const bool selected = useColours && Game::LetterIndex(c) == game.state.selectedCipher;
      if (selected) dc.SetTextColor(colors.Get(kColorSelected));
      CellChars(dc, 8 * k + 4, kTableTop + r, &c, 1);
      if (selected) dc.SetTextColor(colors.Get(kColorCiphertext));
    }
  }

  if (useColours) dc.SetTextColor(colors.Get(kColorPlaintext));
  for (int r = 0; r < kBlockRows; ++r) {
    for (int k = 0; k < 2; ++k) {
      const char g = game.GuessFor(ciphers[k * kBlockRows + r]);
      const char entry[3] = {g == ' ' ? ' ' : '=', g, ' '};
      CellChars(dc, 8 * k + 5, kTableTop + r, entry, 3);
    }
  }
}

void FreqWindow::DrawTime(TDC& dc, bool useColours) {
  if (useColours) dc.SetTextColor(TheColors().Get(kColorTimes));
  CellText(dc, 4, kClockRow, FormatClock(TheGame().panel.elapsedSeconds));
}

void FreqWindow::DrawCounters(TDC& dc) {
  const PanelState& panel = TheGame().panel;
  const int counters[] = {panel.erasedCount,     panel.wordListCount,   panel.confirmCount,
                          panel.undoCount,       panel.littleHintCount, panel.bigHintCount};
  const int shown = TheGame().state.puzzleKind == PuzzleKind::kCipherEntered ? 2 : 6;
  for (int i = 0; i < shown; ++i) CellText(dc, 0, kCountersTop + i, Count3(counters[i]));
}

void FreqWindow::FirstPaintDone() {
  TheGame().panel.panelShown = true;
  // The question is modal: it runs just after this paint, not inside it.
  if (HasPeer()) {
    Peer().SetTimer(kFirstPaintTimerId, 0);
  } else {
    Timer(kFirstPaintTimerId);
  }
}

void FreqWindow::Timer(int id) {
  if (id == kClockTimerId) {
    TheGame().TimerTick();
  } else if (id == kFirstPaintTimerId) {
    if (HasPeer()) Peer().KillTimer(kFirstPaintTimerId);
    OfferTutorial();
    TheGame().StartClock();
  }
}

void FreqWindow::OfferTutorial() {
  IniFile& settings = Settings();
  if (settings.ReadInt("quillo", "Tutorial", 0) != 0) return;
  const int answer = DialogService().MessageBox(TopWindow(this), kTutorialQuestion, "Welcome to Quillo!",
                                           MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDYES) {
    settings.WriteInt("quillo", "Tutorial", 1);
    if (startTutorial_) startTutorial_();
  } else if (answer == IDCANCEL) {
    settings.WriteInt("quillo", "Tutorial", 1);
  }
}

void FreqWindow::ReturnFocus() {
  if (Parent() && Parent()->HasPeer()) Parent()->Peer().SetFocus();
}

void FreqWindow::LButtonDown(TPoint point, unsigned modifiers) {
  ReturnFocus();
  SubWindow::LButtonDown(point, modifiers);
}

void FreqWindow::RButtonDown(TPoint point, unsigned modifiers) {
  ReturnFocus();
  SubWindow::RButtonDown(point, modifiers);
}
