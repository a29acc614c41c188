// RecordingDC and the fake font metrics: drawing recorded as operations, queried by position.
#include "recording_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

FakeDeviceCaps FakeDeviceCaps::Printer() {
  FakeDeviceCaps caps;
  caps.logPixelsX = caps.logPixelsY = 600;
  caps.physicalWidth = 5100;
  caps.physicalHeight = 6600;
  caps.physicalOffsetX = caps.physicalOffsetY = 150;
  caps.horzRes = 4800;
  caps.vertRes = 6300;
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
}

void RecordingDC::FillRect(const TRect& rect, TColor color) {
  DrawOp& op = Record(DrawKind::Fill);
  op.rect = rect;
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
  Record(DrawKind::ClipRect).rect = rect;
}

void RecordingDC::OffsetClip(int dx, int dy) {
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

// The last drawn character whose cell satisfies `hit`, searching backwards.
template <typename Hit>
std::optional<DrawnChar> LastChar(const std::vector<DrawOp>& ops, Hit hit) {
  for (auto op = ops.rbegin(); op != ops.rend(); ++op) {
    if (op->kind != DrawKind::Text) continue;
    for (int i = static_cast<int>(op->text.size()) - 1; i >= 0; --i) {
      if (hit(CharRect(*op, i))) {
        return DrawnChar{op->text[i], op->fg, op->bk};
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

bool RecordingDC::DrewText(std::string_view part) const {
  return std::any_of(ops_.begin(), ops_.end(), [&](const DrawOp& op) {
    return op.kind == DrawKind::Text && op.text.find(part) != std::string::npos;
  });
}

std::optional<DrawnChar> RecordingDC::Cell(int col, int row, TSize cell, TPoint origin) const {
  TRect target = TRect::FromSize(origin.x + col * cell.cx, origin.y + row * cell.cy, cell.cx, cell.cy);
  return LastChar(ops_, [&](const TRect& r) { return Overlaps(r, target); });
}

std::string RecordingDC::Row(int row, int columns, TSize cell, TPoint origin, char missing) const {
  std::string text;
  for (int col = 0; col < columns; ++col) {
    std::optional<DrawnChar> found = Cell(col, row, cell, origin);
    text += found ? found->ch : missing;
  }
  return text;
}
