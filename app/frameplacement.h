// Where the main frame opens: maximised, or a saved rectangle fitted onto a monitor.
#pragma once

#include "framework/types.h"

inline constexpr int kDefaultFrameWidth = 560;
inline constexpr int kDefaultFrameHeight = 481;

struct FramePlacement {
  bool maximized = false;
  TRect rect;  // outer rectangle in screen coordinates (the size to restore to when maximised)
};

// Reads WindowMaximized ("true" in any case: maximised, nothing else is read), WindowSizeX and
// WindowSizeY (a value below 101 becomes 100) and WindowX, WindowY (used only when neither is
// -1; otherwise the work area's top-left) from the settings, then fits the rectangle onto one
// of the platform's monitors.
FramePlacement SavedFramePlacement();
