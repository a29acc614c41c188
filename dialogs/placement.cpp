// Fitting a window rectangle onto a monitor: choose the monitor, shrink if too big, shift onto it.
#include "dialogs/placement.h"

#include <algorithm>
#include <cstddef>

#include "framework/platform.h"

namespace {

bool WhollyContains(const TRect& outer, const TRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

long long IntersectionArea(const TRect& a, const TRect& b) {
  long long width = static_cast<long long>(std::min(a.right, b.right)) - std::max(a.left, b.left);
  long long height = static_cast<long long>(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

const TRect& ChooseMonitor(const TRect& rect, const std::vector<TRect>& monitors,
                           std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (WhollyContains(monitors[i], rect)) return monitors[i];
  }
  std::size_t best = 0;
  long long bestArea = 0;
  for (std::size_t i = 0; i < count; ++i) {
    long long area = IntersectionArea(monitors[i], rect);
    if (area > bestArea) {  // strictly larger: the earlier monitor keeps a tie
      best = i;
      bestArea = area;
    }
  }
  return monitors[best];
}

// How much a side must shrink (negative) so that it becomes nine tenths of the monitor's side;
// 0 when it already fits.
int Shrinkage(int side, int monitorSide) {
  if (side <= monitorSide) return 0;
  return static_cast<int>(static_cast<long long>(monitorSide) * 9 / 10 - side);
}

// Shifts [low, high) onto [monitorLow, monitorHigh): the low edge is tried first.
void ShiftOnto(int& low, int& high, int monitorLow, int monitorHigh) {
  int shift = 0;
  if (low < monitorLow) {
    shift = monitorLow - low;
  } else if (high > monitorHigh) {
    shift = monitorHigh - high;
  }
  low += shift;
  high += shift;
}

}  // namespace

TRect FitToMonitor(const TRect& rect, const std::vector<TRect>& monitors) {
  if (monitors.empty()) return rect;
  std::size_t count = std::min<std::size_t>(monitors.size(), kMaxMonitors);
  const TRect& monitor = ChooseMonitor(rect, monitors, count);

  TRect fitted = rect;
  int dx = Shrinkage(rect.Width(), monitor.Width());
  int dy = Shrinkage(rect.Height(), monitor.Height());
  if (dx < 0 || dy < 0) {
    fitted.left -= dx / 2;
    fitted.right += dx / 2;
    fitted.top -= dy / 2;
    fitted.bottom += dy / 2;
  }
  ShiftOnto(fitted.left, fitted.right, monitor.left, monitor.right);
  ShiftOnto(fitted.top, fitted.bottom, monitor.top, monitor.bottom);
  return fitted;
}

TRect FitToMonitor(const TRect& rect) {
  std::vector<TRect> monitors = SystemService().Monitors();
  if (monitors.empty()) monitors.push_back(SystemService().WorkArea());
  return FitToMonitor(rect, monitors);
}
