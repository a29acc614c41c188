// The six hint-button pictures, drawn at start-up from a small built-in pixel font.
#include <array>
#include <string_view>

#include "framework/types.h"
#include "resources/resources.h"

namespace {

constexpr int kPictureWidth = 80;
constexpr int kPictureHeight = 20;

// Indices into the classic 16-colour palette.
constexpr unsigned char kBlack = 0;
constexpr unsigned char kLightGrey = 7;
constexpr unsigned char kDarkGrey = 8;
constexpr unsigned char kWhite = 15;

// A glyph of the label font: nine rows of equal width, '#' for ink. Capitals and ascenders use
// rows 0..6, the descender of 'g' rows 7..8. Strokes are one pixel wide here; drawing doubles
// each one a pixel to the right, which makes the letters bold and one pixel wider.
struct Glyph {
  char letter;
  std::array<std::string_view, 9> rows;
};

// clang-format off
constexpr Glyph kFont[] = {
  {' ', {"..", "..", "..", "..", "..", "..", "..", "..", ".."}},
  {'!', {"#", "#", "#", "#", "#", ".", "#", ".", "."}},
  {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####.", ".....", "....."}},
  {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###.", ".....", "....."}},
  {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####", ".....", "....."}},
  {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####", ".....", "....."}},
  {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#", ".....", "....."}},
  {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###", "...", "..."}},
  {'L', {"#...", "#...", "#...", "#...", "#...", "#...", "####", "....", "...."}},
  {'N', {"#....#", "##...#", "#.#..#", "#..#.#", "#...##", "#....#", "#....#", "......", "......"}},
  {'S', {".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###.", ".....", "....."}},
  {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###.", ".....", "....."}},
  {'a', {"....", "....", ".##.", "...#", ".###", "#..#", ".###", "....", "...."}},
  {'d', {"...#", "...#", ".###", "#..#", "#..#", "#..#", ".###", "....", "...."}},
  {'e', {"....", "....", ".##.", "#..#", "####", "#...", ".###", "....", "...."}},
  {'f', {".##", "#..", "###", "#..", "#..", "#..", "#..", "...", "..."}},
  {'g', {"....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."}},
  {'i', {"#", ".", "#", "#", "#", "#", "#", ".", "."}},
  {'l', {"#", "#", "#", "#", "#", "#", "#", ".", "."}},
  {'m', {".......", ".......", "###.##.", "#..#..#", "#..#..#", "#..#..#", "#..#..#", ".......", "......."}},
  {'n', {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#", "....", "...."}},
  {'o', {"....", "....", ".##.", "#..#", "#..#", "#..#", ".##.", "....", "...."}},
  {'r', {"....", "....", "#.##", "##..", "#...", "#...", "#...", "....", "...."}},
  {'t', {".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#", "...", "..."}},
  {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#..", ".....", "....."}},
  {'w', {".......", ".......", "#.....#", "#..#..#", "#..#..#", "#..#..#", ".##.##.", ".......", "......."}},
};
// clang-format on

constexpr bool FontIsWellFormed() {
  for (const Glyph& glyph : kFont) {
    for (std::string_view row : glyph.rows) {
      if (row.size() != glyph.rows[0].size()) return false;
      for (char c : row) {
        if (c != '#' && c != '.') return false;
      }
    }
  }
  return true;
}
static_assert(FontIsWellFormed(), "every glyph row must be as wide as its first row");

constexpr std::string_view kLabels[6] = {"Big Hint", "Little Hint", "Undo Error",
                                         "Confirm",  "Solve It!",   "New Game"};

const Glyph* FindGlyph(char letter) {
  for (const Glyph& glyph : kFont) {
    if (glyph.letter == letter) return &glyph;
  }
  return nullptr;
}

constexpr int kLetterGap = 1;

int BoldWidth(const Glyph& glyph) { return static_cast<int>(glyph.rows[0].size()) + 1; }

int LabelWidth(std::string_view label) {
  int width = 0;
  for (char letter : label) {
    if (const Glyph* glyph = FindGlyph(letter)) width += BoldWidth(*glyph) + kLetterGap;
  }
  return width > 0 ? width - kLetterGap : 0;
}

class Canvas {
 public:
  explicit Canvas(TBitmap& bitmap) : bitmap_(bitmap) {}

  void Set(int x, int y, unsigned char color) {
    if (x < 0 || y < 0 || x >= bitmap_.width || y >= bitmap_.height) return;
    bitmap_.pixels[static_cast<std::size_t>(y) * bitmap_.width + x] = color;
  }

  // Light on the top and left, dark on the bottom and right: a button standing out.
  void RaisedBorder() {
    int right = bitmap_.width - 1;
    int bottom = bitmap_.height - 1;
    for (int x = 0; x <= right; ++x) {
      Set(x, 0, kWhite);
      Set(x, bottom - 1, kDarkGrey);
      Set(x, bottom, kBlack);
    }
    for (int y = 0; y <= bottom; ++y) {
      Set(0, y, kWhite);
      Set(right - 1, y, kDarkGrey);
      Set(right, y, kBlack);
    }
    Set(right - 1, 0, kWhite);
    Set(0, bottom - 1, kWhite);
    Set(0, bottom, kWhite);
  }

  // Draws the glyph emboldened with its top-left at (left, top); returns its width.
  int Letter(const Glyph& glyph, int left, int top) {
    for (int row = 0; row < static_cast<int>(glyph.rows.size()); ++row) {
      std::string_view line = glyph.rows[row];
      for (int column = 0; column < static_cast<int>(line.size()); ++column) {
        if (line[column] != '#') continue;
        Set(left + column, top + row, kBlack);
        Set(left + column + 1, top + row, kBlack);
      }
    }
    return BoldWidth(glyph);
  }

  // Centres the label on its capitals' height.
  void Label(std::string_view label) {
    constexpr int kCapitalHeight = 7;
    int x = (bitmap_.width - LabelWidth(label)) / 2;
    int y = (bitmap_.height - kCapitalHeight) / 2;
    for (char letter : label) {
      if (const Glyph* glyph = FindGlyph(letter)) x += Letter(*glyph, x, y) + kLetterGap;
    }
  }

 private:
  TBitmap& bitmap_;
};

TBitmap DrawHintPicture(std::string_view label) {
  TBitmap bitmap;
  bitmap.width = kPictureWidth;
  bitmap.height = kPictureHeight;
  bitmap.pixels.assign(static_cast<std::size_t>(kPictureWidth) * kPictureHeight, kLightGrey);
  Canvas canvas(bitmap);
  canvas.RaisedBorder();
  canvas.Label(label);
  return bitmap;
}

}  // namespace

const TBitmap& HintBitmap(int number) {
  static const std::array<TBitmap, 6> pictures = [] {
    std::array<TBitmap, 6> drawn;
    for (std::size_t i = 0; i < drawn.size(); ++i) drawn[i] = DrawHintPicture(kLabels[i]);
    return drawn;
  }();
  static const TBitmap none;
  if (number < 1 || number > static_cast<int>(pictures.size())) return none;
  return pictures[static_cast<std::size_t>(number - 1)];
}

const std::vector<unsigned>& BitmapPalette() {
  static const std::vector<unsigned> palette{
      MakeColor(0, 0, 0),       MakeColor(128, 0, 0),     MakeColor(0, 128, 0),
      MakeColor(128, 128, 0),   MakeColor(0, 0, 128),     MakeColor(128, 0, 128),
      MakeColor(0, 128, 128),   MakeColor(192, 192, 192), MakeColor(128, 128, 128),
      MakeColor(255, 0, 0),     MakeColor(0, 255, 0),     MakeColor(255, 255, 0),
      MakeColor(0, 0, 255),     MakeColor(255, 0, 255),   MakeColor(0, 255, 255),
      MakeColor(255, 255, 255),
  };
  return palette;
}
