// RecordingDC and the fake font metrics: drawing recorded as operations, queried by position.
#include "recording_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

int FakeFontHeight(const TLogFont* font) { return font && font->height ? std::abs(font->height) : 16; }

int FakeCharWidth(const TLogFont* font, char ch) {
  if (!font) return 8;
  const int h = FakeFontHeight(font);
  if ((font->pitchAndFamily & 3) == 2) {  // variable pitch
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

void RecordingDC::SelectFont(const TLogFont* font) {
  font_ = font ? std::optional<TLogFont>(*font) : std::nullopt;
  Record(DrawKind::SelectFont);
}

void RecordingDC::TextOut(int x, int y, std::string_view text) {
  DrawOp& op = Record(DrawKind::Text);
  op.at = {x, y};
  op.text = std::string(text);
  const TSize extent = FakeTextExtent(Font(), text);
  op.rect = TRect::FromSize(x, y, extent.cx, extent.cy);
}

void RecordingDC::FillRect(const TRect& rect, TColor color) {
  DrawOp& op = Record(DrawKind::Fill);
  op.rect = rect;
  op.color = color;
}

// Isotropic mapping keeps one scale on both axes: the smaller ratio, so the whole window extent
// fits the viewport.
TPoint RecordingDC::ToDevice(TPoint logical) const {
  const int x = logical.x - origin_.x, y = logical.y - origin_.y;
  if (windowExt_.cx == 0 || windowExt_.cy == 0) return {x, y};
  const double scale = std::min(static_cast<double>(viewportExt_.cx) / windowExt_.cx,
                                static_cast<double>(viewportExt_.cy) / windowExt_.cy);
  return {static_cast<int>(std::lround(x * scale)), static_cast<int>(std::lround(y * scale))};
}

std::vector<DrawOp> RecordingDC::OpsOf(DrawKind kind) const {
  std::vector<DrawOp> found;
  std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(found), [kind](const DrawOp& op) { return op.kind == kind; });
  return found;
}

bool RecordingDC::DrewText(std::string_view part) const {
  return std::any_of(ops_.begin(), ops_.end(), [&](const DrawOp& op) {
    return op.kind == DrawKind::Text && op.text.find(part) != std::string::npos;
  });
}

// Searches backwards for the last drawn character whose cell overlaps the target cell.
std::optional<DrawnChar> RecordingDC::Cell(int col, int row, TSize cell, TPoint origin) const {
  const TRect target = TRect::FromSize(origin.x + col * cell.cx, origin.y + row * cell.cy, cell.cx, cell.cy);
  for (auto op = ops_.rbegin(); op != ops_.rend(); ++op) {
    if (op->kind != DrawKind::Text) continue;
    const TLogFont* font = op->font ? &*op->font : nullptr;
    int right = op->at.x + FakeTextExtent(font, op->text).cx;
    for (int i = static_cast<int>(op->text.size()) - 1; i >= 0; --i) {
      const int left = right - FakeCharWidth(font, op->text[i]);
      if (left < target.right && target.left < right && op->at.y < target.bottom &&
          target.top < op->at.y + FakeFontHeight(font)) {
        return DrawnChar{op->text[i], op->fg, op->bk};
      }
      right = left;
    }
  }
  return std::nullopt;
}

std::string RecordingDC::Row(int row, int columns, TSize cell, TPoint origin, char missing) const {
  std::string text;
  for (int col = 0; col < columns; ++col) {
    const std::optional<DrawnChar> found = Cell(col, row, cell, origin);
    text += found ? found->ch : missing;
  }
  return text;
}
