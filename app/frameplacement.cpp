// Reading the main frame's saved placement and keeping it on a monitor.
#include "app/frameplacement.h"

#include <algorithm>
#include <cctype>

#include "classlib/inifile.h"
#include "dialogs/placement.h"
#include "framework/platform.h"

namespace {
constexpr int kSmallestSide = 100;
// Far beyond any screen, yet small enough that a position plus a size never overflows; the
// monitor fitting then brings such a rectangle back onto a screen.
constexpr int kFarthest = 1 << 24;
constexpr int kFlagSize = 10;  // "true" or "false", with room to spare

int AtLeastSmallest(int side) {
  return side < kSmallestSide + 1 ? kSmallestSide : std::min(side, kFarthest);
}

bool IsTrue(const char* text) {
  const char* expected = "true";
  for (; *expected != '\0'; ++text, ++expected) {
    if (std::tolower(static_cast<unsigned char>(*text)) != *expected) return false;
  }
  return *text == '\0';
}
}  // namespace

FramePlacement SavedFramePlacement() {
  IniFile& settings = Settings();
  const TRect work = SystemService().WorkArea();
  FramePlacement placement;
  char maximized[kFlagSize];
  settings.ReadString("quillo", "WindowMaximized", "false", maximized, sizeof maximized);
  if (IsTrue(maximized)) {
    placement.maximized = true;
    placement.rect = TRect::FromSize(work.left, work.top, kDefaultFrameWidth, kDefaultFrameHeight);
    return placement;
  }
  const int width = AtLeastSmallest(settings.ReadInt("quillo", "WindowSizeX", kDefaultFrameWidth));
  const int height = AtLeastSmallest(settings.ReadInt("quillo", "WindowSizeY", kDefaultFrameHeight));
  int x = settings.ReadInt("quillo", "WindowX", -1);
  int y = settings.ReadInt("quillo", "WindowY", -1);
  if (x == -1 || y == -1) {
    x = work.left;
    y = work.top;
  }
  x = std::clamp(x, -kFarthest, kFarthest);
  y = std::clamp(y, -kFarthest, kFarthest);
  placement.rect = FitToMonitor(TRect::FromSize(x, y, width, height));
  return placement;
}
