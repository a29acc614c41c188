// DisplayFixture: a frame holding a QuilloWindow on the fake platform, with a game drawn through it.

#pragma once

#include "display/freqwindow.h"
#include "display/quotewindow.h"
#include "support/game_fixture.h"

class DisplayFixture : public GameFixture {
 protected:
  // The fake's default font cell: 7 x 15 pixels; the panel is 112 pixels wide.
  static constexpr int kCellW = 7, kCellH = 15;

  DisplayFixture() : window(&frame, game) {
    hooks.window = &window;
    hooks.mainWindow = &frame;
  }

  // Start-up as the application does it, with the frame's client at width x height.
  void Open(int width = 560, int height = 481) {
    TheFont().Load();
    TheColors().Load();
    LoadDisplayOptions();
    frame.Create();
    window.CreateWindows();
    frame.FramePeer().SetClient(&window);
    fake.Resize(frame, width, height);
  }

  // A new game on plain with a key drawn from seed, painted once (the panel's first paint marks
  // it shown; its tutorial offer is answered for good beforehand).
  void StartPuzzle(const char* plain, PuzzleKind kind = PuzzleKind::kQuotePuzzle, std::uint32_t seed = 7) {
    if (!frame.HasPeer()) {
      store.WriteInt("quillo", "Tutorial", 1);
      Open();
    }
    std::strncpy(game.text.displayText, plain, kQuoteBufferSize - 1);
    game.state.puzzleKind = kind;
    SeedRandom(seed);
    game.StartGame();
    quote().Invalidate(true);
    freq().Invalidate(true);
    fake.PaintPending();
    fake.Tick(freq(), FreqWindow::kFirstPaintTimerId);
  }

  QuoteWindow& quote() { return window.Quote(); }
  FreqWindow& freq() { return window.Freq(); }
  static TSize Cell() { return {kCellW, kCellH}; }

  // Settles pending paints, then paints the pane afresh and returns the drawing.
  RecordingDC Repaint(TWindow& pane) {
    fake.PaintPending();
    return fake.Paint(pane);
  }

  // The point at the middle of a quote-window cell.
  static TPoint At(int column, int row) { return {column * kCellW + kCellW / 2, row * kCellH + kCellH / 2}; }

  TFrameWindow frame;
  QuilloWindow window;
};
