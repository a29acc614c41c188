// Zoom: stepping through the scale steps and reading and writing the "Zoom" setting.
#include "display/zoom.h"

#include <iterator>

#include "classlib/inifile.h"

int ZoomInFrom(int percent) {
  for (int step : kZoomSteps) {
    if (step > percent) return step;
  }
  return kZoomSteps[std::size(kZoomSteps) - 1];
}

int ZoomOutFrom(int percent) {
  for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it) {
    if (*it < percent) return *it;
  }
  return kZoomSteps[0];
}

int ReadZoom() {
  const int percent = Settings().ReadInt("quillo", "Zoom", kActualSize);
  const bool inRange = percent >= kZoomSteps[0] && percent <= kZoomSteps[std::size(kZoomSteps) - 1];
  return inRange ? percent : kActualSize;
}

void WriteZoom(int percent) { Settings().WriteInt("quillo", "Zoom", percent); }

int ZoomedHeight(int height, int percent) {
  if (height == 0 || percent == kActualSize) return height;
  const long long magnitude = height < 0 ? -static_cast<long long>(height) : height;
  long long zoomed = (magnitude * percent + 50) / 100;
  if (zoomed < 1) zoomed = 1;
  if (zoomed > 100000) zoomed = 100000;  // a hostile record stays bounded
  return static_cast<int>(height < 0 ? -zoomed : zoomed);
}
