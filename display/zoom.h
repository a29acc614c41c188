// Zoom: the steps the puzzle and panel font are scaled by, kept in the "Zoom" setting.
#pragma once

// Percentages of the chosen font's height, smallest first; 100 is actual size.
inline constexpr int kZoomSteps[] = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
inline constexpr int kActualSize = 100;

// The next step above / below percent; the largest / smallest step stays where it is. A value
// between steps (a hand-edited setting) goes to the nearest step in that direction.
int ZoomInFrom(int percent);
int ZoomOutFrom(int percent);

// "Zoom" in section quillo: a missing key, or a value outside the smallest to the largest step
// (damage, not a choice), reads as actual size.
int ReadZoom();
void WriteZoom(int percent);

// A font height (pixels; negative for the character height) at percent, rounded to the nearest
// pixel, keeping its sign and never reaching 0 from a non-zero height.
int ZoomedHeight(int height, int percent);
