// CellMetrics: the character-cell grid both panes and the printed page share, measured from the puzzle font.
#pragma once

class TDC;

// One process-wide set. Every field is at least 1 once measured (a font that measures as nothing
// still gives a usable grid); lineColumns is never negative.
struct CellMetrics {
  int cellWidth = 8;    // pixels: (extent of "AAAAAA" - extent of "A") / 5, which drops the overhang
  int cellHeight = 16;  // pixels: the height of the extent of "A"
  int panelWidth = 128; // pixels: 16 cells, the side panel's fixed width
  int lineColumns = 0;  // text cells on one quote line, from the quote window's width

  // Selects the puzzle font into dc and measures the cell size and the panel width.
  void Measure(TDC& dc);
};

// The panel is this many cells wide.
inline constexpr int kPanelColumns = 16;

CellMetrics& Cells();
