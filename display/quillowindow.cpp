// QuilloWindow: creating and placing the two panes, and the drawing hooks of the engine.
#include "display/quillowindow.h"

#include <algorithm>

#include "classlib/inifile.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/colordlg.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "display/quotewindow.h"
#include "display/zoom.h"
#include "engine/game.h"

namespace {
constexpr int kPositionSize = 21;  // QuoteWindowPosition is read as up to 20 characters
// The smallest window still shows this many puzzle columns and the panel down to its clock line
// (row 19); a font change grows the window to the whole panel (26 rows) where the screen allows.
constexpr int kMinPuzzleColumns = 12;
constexpr int kRowsToClock = 20;
constexpr int kPanelRows = 26;
}  // namespace

QuilloWindow::QuilloWindow(TWindow* parent, Game& game)
    : TWindow(parent),
      game_(game),
      quote_(std::make_unique<QuoteWindow>(this, game)),
      freq_(std::make_unique<FreqWindow>(this, game)) {}

// The panes' peers go before this window's own.
QuilloWindow::~QuilloWindow() {
  quote_.reset();
  freq_.reset();
}

void QuilloWindow::CreateWindows() {
  Create();
  freq_->Create();
  quote_->Create();
  SetBackground();
  ComputeLayout();
}

QuoteWindow& QuilloWindow::Quote() { return *quote_; }
FreqWindow& QuilloWindow::Freq() { return *freq_; }

void QuilloWindow::ComputeLayout() {
  if (!HasPeer()) return;
  std::unique_ptr<TDC> dc = Peer().MeasuringDC();
  Cells().Measure(*dc);
  quote_->CellsChanged();
  char position[kPositionSize];
  Settings().ReadString("quillo", "QuoteWindowPosition", "Left", position, sizeof position);
  quoteOnRight_ = position[0] == 'R' || position[0] == 'r';
  const CellMetrics& cells = Cells();
  Peer().SetMinClientSize({cells.panelWidth + kMinPuzzleColumns * cells.cellWidth, kRowsToClock * cells.cellHeight});
  const TRect client = ClientRect();
  PlacePanes({client.Width(), client.Height()});
}

void QuilloWindow::PlacePanes(TSize clientSize) {
  if (!quote_->HasPeer() || !freq_->HasPeer()) return;
  const int width = clientSize.cx;
  const int height = clientSize.cy;
  const int panel = Cells().panelWidth;
  if (quoteOnRight_) {
    freq_->Peer().Move({0, 0, panel, height});
    quote_->Peer().Move({panel, 0, panel > width ? panel : width, height});
  } else {
    const int panelLeft = width - panel;
    freq_->Peer().Move({panelLeft, 0, width, height});
    quote_->Peer().Move({0, 0, panelLeft > 0 ? panelLeft : 0, height});
  }
}

void QuilloWindow::Size(TSize clientSize) { PlacePanes(clientSize); }

void QuilloWindow::Char(int ch) { quote_->Char(ch); }

void QuilloWindow::Redraw() {
  quote_->Invalidate(false);
  freq_->Invalidate(false);
  quote_->UpdateNow();
  freq_->UpdateNow();
}

void QuilloWindow::RepaintAll() {
  quote_->Invalidate(true);
  freq_->Invalidate(true);
}

// The panel's text is opaque, so redrawing it whole without erasing changes only the clock.
void QuilloWindow::RedrawTime() {
  freq_->Invalidate(false);
  freq_->UpdateNow();
}

void QuilloWindow::PuzzleTextChanged() {
  quote_->NewPuzzle();
  freq_->SetShown(true);
}

void QuilloWindow::StartClockTimer() {
  if (freq_->HasPeer()) freq_->Peer().SetTimer(kClockTimerId, kClockPeriodMs);
}

void QuilloWindow::StopClockTimer() {
  if (freq_->HasPeer()) freq_->Peer().KillTimer(kClockTimerId);
}

void QuilloWindow::SetBackground() {
  const TColor background = TheColors().Get(kColorBackground);
  if (HasPeer()) Peer().SetBackground(background);
  quote_->SetBackground(background);
  freq_->SetBackground(background);
}

void QuilloWindow::SetTutorialStarter(std::function<void()> start) {
  freq_->SetTutorialStarter(std::move(start));
}

void QuilloWindow::ChangeColors() {
  TWindow* owner = Parent() ? Parent() : this;
  RunColorDialog(owner, [this] {
    SetBackground();
    RepaintAll();
  });
}

void QuilloWindow::ChangeFont() {
  if (!TheFont().Choose(this)) return;
  ComputeLayout();
  GrowAndRepaint(ClientRect().Width());
}

// After a new cell size: the window grown to width and to the whole panel, where the screen
// has room, and everything drawn afresh.
void QuilloWindow::GrowAndRepaint(int width) {
  if (HasPeer()) Peer().GrowClientTo({width, kPanelRows * Cells().cellHeight});
  RepaintAll();
}

void QuilloWindow::ZoomIn() { SetZoom(ZoomInFrom(TheFont().Zoom())); }
void QuilloWindow::ZoomOut() { SetZoom(ZoomOutFrom(TheFont().Zoom())); }
void QuilloWindow::ActualSize() { SetZoom(kActualSize); }

void QuilloWindow::SetZoom(int percent) {
  if (percent == TheFont().Zoom()) return;
  const int width = ClientRect().Width();
  const int panel = Cells().panelWidth;
  TheFont().SetZoom(percent);
  WriteZoom(percent);
  ComputeLayout();
  // The puzzle keeps its width: the window grows by what the panel gained.
  GrowAndRepaint(width + std::max(Cells().panelWidth - panel, 0));
}
