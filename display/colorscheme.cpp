// Colour schemes: the table of the dark and high-contrast sets; Classic is the factory defaults.
#include "display/colorscheme.h"

namespace {
// Background, headings, times, ciphertext, plaintext, selected character. Ciphertext and
// plaintext keep the classic red against blue, lightened to read on a dark ground.
constexpr TColor kDark[kColorElementCount] = {
    MakeColor(32, 32, 36),   MakeColor(210, 210, 210), MakeColor(255, 170, 90),
    MakeColor(255, 120, 120), MakeColor(120, 180, 255), MakeColor(255, 230, 90),
};
constexpr TColor kHighContrast[kColorElementCount] = {
    MakeColor(0, 0, 0),       MakeColor(255, 255, 255), MakeColor(0, 255, 0),
    MakeColor(255, 255, 255), MakeColor(255, 255, 0),   MakeColor(0, 255, 255),
};
}  // namespace

void ApplyColorScheme(Color& colors, int scheme) {
  const TColor* table = scheme == kSchemeDark ? kDark : scheme == kSchemeHighContrast ? kHighContrast : nullptr;
  for (int i = 0; i < kColorElementCount; ++i) {
    if (table) {
      colors.Set(i, table[i]);
    } else if (scheme == kSchemeClassic) {
      colors.Reset(i);
    }
  }
}
