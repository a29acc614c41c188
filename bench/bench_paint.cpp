// Painting a 999-character puzzle and the side panel: into a counting context (< 2 ms of game
// work), after each move, cursor step and undo at the board, and by the Qt front end into
// images of 1920x1080 and 3840x2160; the same for a zoom step.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "doubles/quiet_platform.h"
#include "doubles/test_hooks.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "engine/game.h"
#include "engine/random.h"
#include "framework/platform.h"

#ifdef QUILLO_WITH_QT
#include <QApplication>
#include <QImage>
#include <QWidget>

#include "qt/qtplatform.h"
#include "qt/qtwindow.h"
#endif

namespace {

// Counts the drawing calls; a fixed 8 x 16 cell for every character.
class CountingDC : public TDC {
 public:
  long calls = 0;
  void SelectFont(const TLogFont*) override { ++calls; }
  TTextMetrics GetTextMetrics() override { return {16, 8}; }
  TSize GetTextExtent(std::string_view text) override { return {8 * static_cast<int>(text.size()), 16}; }
  void SetTextColor(TColor color) override { fg_ = color; ++calls; }
  TColor GetTextColor() const override { return fg_; }
  void SetBkColor(TColor color) override { bk_ = color; ++calls; }
  TColor GetBkColor() const override { return bk_; }
  void TextOut(int x, int y, std::string_view text) override { calls += 1 + ((x + y + static_cast<long>(text.size())) & 1); }
  void FillRect(const TRect&, TColor) override { ++calls; }
  void MoveTo(int, int) override { ++calls; }
  void LineTo(int, int) override { ++calls; }
  void SetWindowOrg(TPoint origin) override { origin_ = origin; }
  TPoint GetWindowOrg() const override { return origin_; }
  void SetIsotropic(TSize, TSize) override {}
  void SetClipRect(const TRect&) override {}
  void OffsetClip(int, int) override {}
  int GetDeviceCaps(TDeviceCap) override { return 96; }

 private:
  TColor fg_ = 0;
  TColor bk_ = 0;
  TPoint origin_;
};

std::string LongQuotation() {
  const std::string words = "Many a Quiet hour is spent in Puzzling over letters, and the patient mind "
                            "finds that each Guess brings the hidden saying nearer. ";
  std::string text;
  while (text.size() < kQuoteBufferSize - 1) text += words;
  text.resize(kQuoteBufferSize - 20);
  return text + "\tAn Old Solver";
}

// A 999-character puzzle on screen: the panes in a frame of the given size, half the letters
// guessed, the panel shown and E's cipher letter selected.
class PuzzleOnScreen {
 public:
  PuzzleOnScreen(TPlatform& platform, TSize size, bool highlight) : window_(&frame_, game_) {
    SetPlatform(&platform);
    settings_.WriteInt("quillo", "Tutorial", 1);
    TheFont().Load();
    TheColors().Load();
    LoadDisplayOptions();
    SetHighlightSolution(highlight);
    hooks_.window = &window_;
    frame_.Create();
    window_.CreateWindows();
    frame_.FramePeer().SetClient(&window_);
    frame_.Peer().Move({0, 0, size.cx, size.cy});

    const std::string text = LongQuotation();
    std::strncpy(game_.text.displayText, text.c_str(), kQuoteBufferSize - 1);
    SeedRandom(3);
    game_.StartGame();
    game_.panel.panelShown = true;
    for (int p = 0; p < kLetterCount; p += 2) game_.AssignLetter(game_.state.key[p], (p + 1) % kLetterCount, false);
    game_.state.selectedCipher = game_.state.key['e' - 'a'];
  }
  ~PuzzleOnScreen() { SetPlatform(nullptr); }

  TFrameWindow& Frame() { return frame_; }
  Game& TheGame() { return game_; }
  QuilloWindow& Window() { return window_; }

 private:
  MemoryIniFile settings_;
  RunServices services_{settings_};  // a fresh run on these settings
  TestHooks hooks_;
  Game game_{hooks_};
  TFrameWindow frame_;
  QuilloWindow window_;
};

void PaintPuzzleAndPanel(benchmark::State& state) {
  QuietPlatform platform;
  platform.measuringDC = [] { return std::make_unique<CountingDC>(); };
  PuzzleOnScreen screen(platform, {900, 1000}, state.range(0) != 0);
  QuilloWindow& window = screen.Window();
  CountingDC dc;
  window.Quote().Draw(dc, true, false);  // the first paint lays the text out
  window.Quote().Draw(dc, true, false);
  for (auto _ : state) {
    window.Quote().Draw(dc, true, false);
    window.Freq().Draw(dc, true, false);
    benchmark::DoNotOptimize(dc.calls);
  }
  state.counters["lines"] = window.Quote().Layout().lineCount;
}
BENCHMARK(PaintPuzzleAndPanel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A step at the board and the repaint of both panes that follows it, at 1920x1080: 0 a cursor
// step (Right, back Home at the end), 1 a guess typed and undone, 2 an undo and a redo. The
// pairs do two steps and two repaints per iteration.
void StepAtTheBoard(benchmark::State& state) {
  QuietPlatform platform;
  platform.measuringDC = [] { return std::make_unique<CountingDC>(); };
  PuzzleOnScreen screen(platform, {1920, 1080}, false);
  QuilloWindow& window = screen.Window();
  Game& game = screen.TheGame();
  CountingDC dc;
  const auto repaint = [&] {
    window.Quote().Draw(dc, true, false);
    window.Freq().Draw(dc, true, false);
  };
  repaint();  // the first paint lays the text out
  game.MoveCursor(Game::CursorMove::kHome);
  game.MoveCursor(Game::CursorMove::kNextBlank);
  const int blank = game.CursorPosition();
  const auto typeGuess = [&] {
    game.PlaceCursor(blank);
    game.KeyTyped('a');  // a is unused: the fixture guesses b, d, f, ...
  };
  if (state.range(0) == 2) typeGuess();
  for (auto _ : state) {
    switch (state.range(0)) {
      case 0: {
        const int before = game.CursorPosition();
        game.MoveCursor(Game::CursorMove::kRight);
        if (game.CursorPosition() == before) game.MoveCursor(Game::CursorMove::kHome);
        repaint();
        break;
      }
      case 1:
        typeGuess();
        repaint();
        game.Undo();
        repaint();
        break;
      default:
        game.Undo();
        repaint();
        game.Redo();
        repaint();
        break;
    }
    benchmark::DoNotOptimize(dc.calls);
  }
}
BENCHMARK(StepAtTheBoard)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One zoom step and the repaint it brings at 1920x1080 (game work: measuring, the new layout,
// both panes drawn), stepping between 100% and 110%.
void ZoomStep(benchmark::State& state) {
  QuietPlatform platform;
  platform.measuringDC = [] { return std::make_unique<CountingDC>(); };
  PuzzleOnScreen screen(platform, {1920, 1080}, false);
  QuilloWindow& window = screen.Window();
  CountingDC dc;
  window.Quote().Draw(dc, true, false);
  bool in = true;
  for (auto _ : state) {
    in ? window.ZoomIn() : window.ZoomOut();
    in = !in;
    window.Quote().Draw(dc, true, false);  // lays the text out again
    window.Quote().Draw(dc, true, false);
    window.Freq().Draw(dc, true, false);
    benchmark::DoNotOptimize(dc.calls);
  }
  state.counters["lines"] = window.Quote().Layout().lineCount;
}
BENCHMARK(ZoomStep)->Unit(benchmark::kMicrosecond);

#ifdef QUILLO_WITH_QT
// One offscreen application for every Qt benchmark of the run.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "bench_paint";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
}

// The same puzzle painted by the Qt front end, offscreen, into an image of the screen's size:
// the game's drawing, Qt's text shaping and the rasterising together.
void PaintWithQt(benchmark::State& state) {
  EnsureApplication();
  QtPlatform platform;
  const TSize size{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
  PuzzleOnScreen screen(platform, size, false);
  QWidget* frame = dynamic_cast<QtPeer&>(screen.Frame().Peer()).Widget();
  frame->resize(size.cx, size.cy);
  QImage image(size.cx, size.cy, QImage::Format_RGB32);
  frame->render(&image);  // the first paint lays the text out
  for (auto _ : state) {
    frame->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["lines"] = screen.Window().Quote().Layout().lineCount;
}
BENCHMARK(PaintWithQt)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// A zoom step painted by the Qt front end at 1920x1080: the font at its new size, measuring,
// layout, shaping and rasterising.
void ZoomStepWithQt(benchmark::State& state) {
  EnsureApplication();
  QtPlatform platform;
  PuzzleOnScreen screen(platform, {1920, 1080}, false);
  QWidget* frame = dynamic_cast<QtPeer&>(screen.Frame().Peer()).Widget();
  frame->resize(1920, 1080);
  QImage image(1920, 1080, QImage::Format_RGB32);
  frame->render(&image);
  bool in = true;
  for (auto _ : state) {
    in ? screen.Window().ZoomIn() : screen.Window().ZoomOut();
    in = !in;
    frame->render(&image);
    frame->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(ZoomStepWithQt)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
