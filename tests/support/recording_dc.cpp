// RecordingDC and the fake font metrics: drawing recorded as operations, queried by position.
#include "recording_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

FakeDeviceCaps FakeDeviceCaps::Printer(int dpi, double widthInches, double heightInches,
                                       double marginInches) {
  FakeDeviceCaps caps;
  caps.logPixelsX = caps.logPixelsY = dpi;
  caps.physicalWidth = static_cast<int>(std::lround(widthInches * dpi));
  caps.physicalHeight = static_cast<int>(std::lround(heightInches * dpi));
  caps.physicalOffsetX = caps.physicalOffsetY = static_cast<int>(std::lround(marginInches * dpi));
  caps.horzRes = caps.physicalWidth - 2 * caps.physicalOffsetX;
  caps.vertRes = caps.physicalHeight - 2 * caps.physicalOffsetY;
  return caps;
}

int FakeDeviceCaps::Get(TDeviceCap cap) const {
  switch (cap) {
    case TDeviceCap::LogPixelsX: return logPixelsX;
    case TDeviceCap::LogPixelsY: return logPixelsY;
    case TDeviceCap::HorzRes: return horzRes;
    case TDeviceCap::VertRes: return vertRes;
    case TDeviceCap::PhysicalWidth: return physicalWidth;
    case TDeviceCap::PhysicalHeight: return physicalHeight;
    case TDeviceCap::PhysicalOffsetX: return physicalOffsetX;
    case TDeviceCap::PhysicalOffsetY: return physicalOffsetY;
  }
  return 0;
}

void FakeDeviceCaps::Set(TDeviceCap cap, int value) {
  switch (cap) {
    case TDeviceCap::LogPixelsX: logPixelsX = value; break;
    case TDeviceCap::LogPixelsY: logPixelsY = value; break;
    case TDeviceCap::HorzRes: horzRes = value; break;
    case TDeviceCap::VertRes: vertRes = value; break;
    case TDeviceCap::PhysicalWidth: physicalWidth = value; break;
    case TDeviceCap::PhysicalHeight: physicalHeight = value; break;
    case TDeviceCap::PhysicalOffsetX: physicalOffsetX = value; break;
    case TDeviceCap::PhysicalOffsetY: physicalOffsetY = value; break;
  }
}

// ---- Font metrics ----

namespace {
constexpr std::uint8_t kVariablePitch = 2;

bool IsProportional(const TLogFont* font) {
  return font && (font->pitchAndFamily & 3) == kVariablePitch;
}
}  // namespace

int FakeFontHeight(const TLogFont* font) {
  if (!font) return 16;
  int h = std::abs(font->height);
  return h == 0 ? 16 : h;
}

int FakeCharWidth(const TLogFont* font, char ch) {
  if (!font) return 8;
  int h = FakeFontHeight(font);
  if (IsProportional(font)) {
    if (std::string_view(".,:;'!|il").find(ch) != std::string_view::npos) return std::max(1, h / 4);
    if (ch == 'M' || ch == 'W') return h * 3 / 4;
  }
  return h / 2;
}

TTextMetrics FakeTextMetrics(const TLogFont* font) {
  return TTextMetrics{FakeFontHeight(font), font ? FakeFontHeight(font) / 2 : 8};
}

TSize FakeTextExtent(const TLogFont* font, std::string_view text) {
  int width = 0;
  for (char ch : text) width += FakeCharWidth(font, ch);
  return TSize{width, FakeFontHeight(font)};
}

// ---- Recording ----

DrawOp& RecordingDC::Record(DrawKind kind) {
  DrawOp& op = ops_.emplace_back();
  op.kind = kind;
  op.fg = fg_;
  op.bk = bk_;
  op.font = font_;
  op.origin = origin_;
  op.windowExt = windowExt_;
  op.viewportExt = viewportExt_;
  op.clip = clip_;
  return op;
}

void RecordingDC::SelectFont(const TLogFont* font) {
  if (font) font_ = *font; else font_.reset();
  Record(DrawKind::SelectFont);
}

TTextMetrics RecordingDC::GetTextMetrics() { return FakeTextMetrics(Font()); }

TSize RecordingDC::GetTextExtent(std::string_view text) { return FakeTextExtent(Font(), text); }

void RecordingDC::SetTextColor(TColor color) {
  fg_ = color;
  Record(DrawKind::TextColor).color = color;
}

void RecordingDC::SetBkColor(TColor color) {
  bk_ = color;
  Record(DrawKind::BkColor).color = color;
}

void RecordingDC::TextOut(int x, int y, std::string_view text) {
  DrawOp& op = Record(DrawKind::Text);
  op.at = {x, y};
  op.text = std::string(text);
  TSize extent = FakeTextExtent(Font(), text);
  op.rect = TRect::FromSize(x, y, extent.cx, extent.cy);
  op.deviceRect = MapRect(op.rect);
}

void RecordingDC::FillRect(const TRect& rect, TColor color) {
  DrawOp& op = Record(DrawKind::Fill);
  op.rect = rect;
  op.deviceRect = MapRect(rect);
  op.color = color;
}

void RecordingDC::MoveTo(int x, int y) {
  position_ = {x, y};
  Record(DrawKind::MoveTo).at = position_;
}

void RecordingDC::LineTo(int x, int y) {
  DrawOp& op = Record(DrawKind::LineTo);
  op.from = position_;
  op.at = {x, y};
  op.color = MakeColor(0, 0, 0);
  TPoint a = ToDevice(op.from), b = ToDevice(op.at);
  op.deviceRect = {a.x, a.y, b.x, b.y};
  position_ = op.at;
}

void RecordingDC::SetWindowOrg(TPoint origin) {
  origin_ = origin;
  Record(DrawKind::WindowOrg).at = origin;
}

void RecordingDC::SetIsotropic(TSize windowExt, TSize viewportExt) {
  windowExt_ = windowExt;
  viewportExt_ = viewportExt;
  Record(DrawKind::Isotropic);
}

void RecordingDC::SetClipRect(const TRect& rect) {
  clip_ = MapRect(rect);
  DrawOp& op = Record(DrawKind::ClipRect);
  op.rect = rect;
  op.deviceRect = *clip_;
}

void RecordingDC::OffsetClip(int dx, int dy) {
  if (clip_) {
    TPoint zero = ToDevice({0, 0}), moved = ToDevice({dx, dy});
    clip_ = clip_->Offset(moved.x - zero.x, moved.y - zero.y);
  }
  Record(DrawKind::OffsetClip).at = {dx, dy};
}

// Isotropic mapping keeps one scale on both axes: the smaller of the two ratios, so that the
// whole window extent fits the viewport.
TPoint RecordingDC::ToDevice(TPoint logical) const {
  int x = logical.x - origin_.x;
  int y = logical.y - origin_.y;
  if (windowExt_.cx == 0 || windowExt_.cy == 0) return {x, y};
  double scale = std::min(static_cast<double>(viewportExt_.cx) / windowExt_.cx,
                          static_cast<double>(viewportExt_.cy) / windowExt_.cy);
  return {static_cast<int>(std::lround(x * scale)), static_cast<int>(std::lround(y * scale))};
}

TRect RecordingDC::MapRect(const TRect& rect) const {
  TPoint a = ToDevice({rect.left, rect.top}), b = ToDevice({rect.right, rect.bottom});
  return {a.x, a.y, b.x, b.y};
}

// ---- Queries ----

namespace {
bool Overlaps(const TRect& a, const TRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The cell of character i of a text operation, in logical units.
TRect CharRect(const DrawOp& op, int index) {
  const TLogFont* font = op.font ? &*op.font : nullptr;
  int left = op.at.x;
  for (int i = 0; i < index; ++i) left += FakeCharWidth(font, op.text[i]);
  return TRect::FromSize(left, op.at.y, FakeCharWidth(font, op.text[index]), FakeFontHeight(font));
}

// The same cell in device pixels: the op's device rectangle split in proportion.
TRect DeviceCharRect(const DrawOp& op, int index) {
  TRect logical = CharRect(op, index);
  double sx = op.rect.Width() ? static_cast<double>(op.deviceRect.Width()) / op.rect.Width() : 1;
  double sy = op.rect.Height() ? static_cast<double>(op.deviceRect.Height()) / op.rect.Height() : 1;
  auto x = [&](int v) { return op.deviceRect.left + static_cast<int>(std::lround((v - op.rect.left) * sx)); };
  auto y = [&](int v) { return op.deviceRect.top + static_cast<int>(std::lround((v - op.rect.top) * sy)); };
  return {x(logical.left), y(logical.top), x(logical.right), y(logical.bottom)};
}

// The last drawn character whose cell satisfies `hit`, searching backwards.
template <typename Hit>
std::optional<DrawnChar> LastChar(const std::vector<DrawOp>& ops, Coords coords, Hit hit) {
  for (auto op = ops.rbegin(); op != ops.rend(); ++op) {
    if (op->kind != DrawKind::Text) continue;
    for (int i = static_cast<int>(op->text.size()) - 1; i >= 0; --i) {
      TRect logical = CharRect(*op, i);
      if (hit(coords == Coords::Logical ? logical : DeviceCharRect(*op, i))) {
        return DrawnChar{op->text[i], op->fg, op->bk, logical, &*op, i};
      }
    }
  }
  return std::nullopt;
}
}  // namespace

std::vector<DrawOp> RecordingDC::OpsOf(DrawKind kind) const {
  std::vector<DrawOp> found;
  for (const DrawOp& op : ops_) {
    if (op.kind == kind) found.push_back(op);
  }
  return found;
}

std::vector<std::string> RecordingDC::Texts() const {
  std::vector<std::string> texts;
  for (const DrawOp& op : ops_) {
    if (op.kind == DrawKind::Text) texts.push_back(op.text);
  }
  return texts;
}

bool RecordingDC::DrewText(std::string_view part) const {
  return std::any_of(ops_.begin(), ops_.end(), [&](const DrawOp& op) {
    return op.kind == DrawKind::Text && op.text.find(part) != std::string::npos;
  });
}

const DrawOp* RecordingDC::TextAt(int x, int y, Coords coords) const {
  for (auto op = ops_.rbegin(); op != ops_.rend(); ++op) {
    if (op->kind != DrawKind::Text) continue;
    TPoint corner = coords == Coords::Logical ? op->at : TPoint{op->deviceRect.left, op->deviceRect.top};
    if (corner == TPoint{x, y}) return &*op;
  }
  return nullptr;
}

std::optional<DrawnChar> RecordingDC::CharAt(int x, int y, Coords coords) const {
  return LastChar(ops_, coords, [&](const TRect& r) { return r.Contains({x, y}); });
}

std::optional<DrawnChar> RecordingDC::Cell(int col, int row, TSize cell, TPoint origin) const {
  TRect target = TRect::FromSize(origin.x + col * cell.cx, origin.y + row * cell.cy, cell.cx, cell.cy);
  return LastChar(ops_, Coords::Logical, [&](const TRect& r) { return Overlaps(r, target); });
}

std::string RecordingDC::Row(int row, int columns, TSize cell, TPoint origin, char missing) const {
  std::string text;
  for (int col = 0; col < columns; ++col) {
    std::optional<DrawnChar> found = Cell(col, row, cell, origin);
    text += found ? found->ch : missing;
  }
  return text;
}

std::optional<TColor> RecordingDC::BackgroundAt(int x, int y, Coords coords) const {
  for (auto op = ops_.rbegin(); op != ops_.rend(); ++op) {
    if (op->kind != DrawKind::Text && op->kind != DrawKind::Fill) continue;
    const TRect& r = coords == Coords::Logical ? op->rect : op->deviceRect;
    if (r.Contains({x, y})) return op->kind == DrawKind::Fill ? op->color : op->bk;
  }
  return std::nullopt;
}
