// CellMetrics: measuring the cell grid from the puzzle font.
#include "display/cellmetrics.h"

#include <algorithm>

#include "display/font.h"
#include "framework/dc.h"
#include "classlib/services.h"

void CellMetrics::Measure(TDC& dc) {
  TheFont().Select(dc);
  const TSize one = dc.GetTextExtent("A");
  const TSize six = dc.GetTextExtent("AAAAAA");
  cellWidth = std::max((six.cx - one.cx) / 5, 1);
  cellHeight = std::max(one.cy, 1);
  panelWidth = kPanelColumns * cellWidth;
}

CellMetrics& Cells() { return *RequiredServices("Cells").cells; }
