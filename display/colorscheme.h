// Colour schemes: the one-click sets of the six colour elements that the colour dialog offers.
#pragma once

#include "display/color.h"

// In the order of their buttons in the colour dialog.
enum ColorScheme : int {
  kSchemeClassic = 0,       // the factory defaults, the background following the system
  kSchemeDark = 1,          // light text on a near-black background
  kSchemeHighContrast = 2,  // pure colours on black
};
inline constexpr int kColorSchemeCount = 3;

// Sets the six elements of colors as six picks would (the custom colours stay); an unknown
// scheme changes nothing.
void ApplyColorScheme(Color& colors, int scheme);
