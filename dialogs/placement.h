// Fitting a window rectangle onto one of the screen's monitors (the main window's saved place).
#pragma once

#include <vector>

#include "framework/types.h"

// At most this many monitors are looked at; the rest are ignored.
inline constexpr int kMaxMonitors = 10;

// Returns rect moved (and, if wider or taller than its monitor, shrunk around its centre to
// about nine tenths of it) so that it lies on one monitor. The monitor is the first that wholly
// contains rect, else the one sharing the largest area with it (the earlier on a tie), else the
// first. An empty list stands for no monitor at all and returns rect unchanged.
TRect FitToMonitor(const TRect& rect, const std::vector<TRect>& monitors);

// The same with the platform's monitors, asked at every call; when the platform reports none,
// its work area serves as the only monitor.
TRect FitToMonitor(const TRect& rect);
