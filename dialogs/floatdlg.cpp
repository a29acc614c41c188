// FloatDlg: places a dialog from its remembered corner and offset, and remembers it on close.
#include "dialogs/floatdlg.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "classlib/inifile.h"
#include "framework/platform.h"

namespace {

constexpr const char* kCornerKey = "Corner";
constexpr const char* kDxKey = "DX";
constexpr const char* kDyKey = "DY";

// Largest r with r * r <= n.
std::int64_t IntegerSqrt(std::int64_t n) {
  std::int64_t low = 0;
  std::int64_t high = 3037000500;  // just above the square root of 2^63 - 1
  while (low < high) {
    std::int64_t mid = low + (high - low + 1) / 2;
    if (mid <= n / mid) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

// A corner plus a saved offset; a hostile offset in the settings file cannot overflow.
int Coordinate(int corner, int offset) {
  constexpr std::int64_t kFarAway = 1 << 24;
  std::int64_t sum = static_cast<std::int64_t>(corner) + offset;
  return static_cast<int>(std::clamp(sum, -kFarAway, kFarAway));
}

TRect WorkAreaOrScreen() {
  TRect area = SystemService().WorkArea();
  if (area.Width() > 0 && area.Height() > 0) return area;
  std::vector<TRect> monitors = SystemService().Monitors();
  return monitors.empty() ? area : monitors.front();
}

// Shifts [low, high) so that its high edge, then its low edge, is inside [areaLow, areaHigh).
void ClampSpan(int& low, int& high, int areaLow, int areaHigh) {
  if (high > areaHigh) {
    low -= high - areaHigh;
    high = areaHigh;
  }
  if (low < areaLow) {
    high += areaLow - low;
    low = areaLow;
  }
}

}  // namespace

namespace floatplace {

TPoint Corner(const TRect& rect, int corner) {
  switch (corner) {
    case 1: return {rect.right, rect.top};
    case 2: return {rect.left, rect.bottom};
    case 3: return {rect.right, rect.bottom};
    default: return {rect.left, rect.top};
  }
}

TRect FirstPlace(TSize dialog, const TRect& main, const TRect& workArea) {
  TPoint at{main.left + (main.Width() - dialog.cx) / 2, main.top + (main.Height() - dialog.cy) / 2};
  if (workArea.right - main.right >= dialog.cx) {
    at = {main.right, main.top};
  } else if (workArea.bottom - main.bottom >= dialog.cy) {
    at = {main.left, main.bottom};
  }
  return ClampToWorkArea(TRect::FromSize(at.x, at.y, dialog.cx, dialog.cy), workArea);
}

TRect ClampToWorkArea(const TRect& dialog, const TRect& workArea) {
  TRect placed = dialog;
  ClampSpan(placed.left, placed.right, workArea.left, workArea.right);
  ClampSpan(placed.top, placed.bottom, workArea.top, workArea.bottom);
  return placed;
}

int NearestCorner(const TRect& dialog, const TRect& parent) {
  TPoint centre{(dialog.left + dialog.right) / 2, (dialog.top + dialog.bottom) / 2};
  int best = 0;
  std::int64_t bestDistance = 0;
  for (int corner = 0; corner < 4; ++corner) {
    TPoint point = Corner(parent, corner);
    std::int64_t dx = static_cast<std::int64_t>(centre.x) - point.x;
    std::int64_t dy = static_cast<std::int64_t>(centre.y) - point.y;
    std::int64_t distance = IntegerSqrt(dx * dx + dy * dy);
    if (corner == 0 || distance < bestDistance) {
      best = corner;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace floatplace

FloatDlg::FloatDlg(TWindow* parent, const TDialogTemplate& dialogTemplate, IniFile& settings,
                   std::string section)
    : TDialog(parent, dialogTemplate), settings_(settings), section_(std::move(section)) {}

TRect FloatDlg::ReferenceRect() const {
  TWindow* parent = Parent();
  if (parent && parent->HasPeer()) return parent->Peer().WindowRect();
  return WorkAreaOrScreen();
}

TRect FloatDlg::MainWindowRect() const {
  TWindow* main = Parent();
  while (main && main->Parent() && main->Parent()->HasPeer()) main = main->Parent();
  if (main && main->HasPeer()) return main->Peer().WindowRect();
  return WorkAreaOrScreen();
}

void FloatDlg::SetupWindow() {
  const TRect dialog = Peer().WindowRect();
  const TRect workArea = WorkAreaOrScreen();
  // A family of dialogs never closed before has no Corner: it opens beside the main window.
  if (settings_.ReadString(section_.c_str(), kCornerKey, "").empty()) {
    Peer().MoveWindow(floatplace::FirstPlace({dialog.Width(), dialog.Height()}, MainWindowRect(), workArea));
    return;
  }
  int corner = settings_.ReadInt(section_.c_str(), kCornerKey, 0);
  if (corner < 0 || corner > 3) corner = 0;
  int dx = settings_.ReadInt(section_.c_str(), kDxKey, 0);
  int dy = settings_.ReadInt(section_.c_str(), kDyKey, 0);

  TPoint origin = floatplace::Corner(ReferenceRect(), corner);
  TRect wanted = TRect::FromSize(Coordinate(origin.x, dx), Coordinate(origin.y, dy),
                                 dialog.Width(), dialog.Height());
  Peer().MoveWindow(floatplace::ClampToWorkArea(wanted, workArea));
}

void FloatDlg::KeepOnWorkArea() {
  Peer().MoveWindow(floatplace::ClampToWorkArea(Peer().WindowRect(), WorkAreaOrScreen()));
}

void FloatDlg::CloseWindow(int result) {
  (void)result;
  TRect dialog = Peer().WindowRect();
  TRect reference = ReferenceRect();
  int corner = floatplace::NearestCorner(dialog, reference);
  TPoint origin = floatplace::Corner(reference, corner);
  settings_.WriteInt(section_.c_str(), kCornerKey, corner);
  settings_.WriteInt(section_.c_str(), kDxKey, dialog.left - origin.x);
  settings_.WriteInt(section_.c_str(), kDyKey, dialog.top - origin.y);
  settings_.Flush(false);
}
