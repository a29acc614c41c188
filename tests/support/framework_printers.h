// Readable test output for the framework's value types (points, sizes, rectangles).
#pragma once

#include <ostream>

#include "framework/types.h"

inline void PrintTo(const TPoint& p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }
inline void PrintTo(const TSize& s, std::ostream* out) { *out << s.cx << " x " << s.cy; }
inline void PrintTo(const TRect& r, std::ostream* out) {
  *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}
