// The display options read once at start-up and kept in memory: highlight solution, frequency order.
#pragma once

// The session's display options; the functions below read and set them.
struct DisplayOptions {
  bool highlightSolution = false;
  bool frequencyOrder = true;
  bool highlightSelected = true;
};

// Reads QuoteWindowHighlightSolution (default 0), FrequencyOrder (default 1) and
// HighlightSelectedLetter (default 1) from the settings.
void LoadDisplayOptions();

// The guess rows are drawn on a highlight band. The menu command writes the setting itself and
// sets the flag here; the client window must then be repainted.
bool HighlightSolution();
void SetHighlightSolution(bool on);

// The frequency table is ordered by falling count (true) or by ciphertext letter (false). The
// menu command writes the setting itself and sets the flag here; the panel must then be repainted.
bool FrequencyOrder();
void SetFrequencyOrder(bool byFrequency);
// Every cell of the selected ciphertext letter and its guess gets a highlight background. The
// menu command writes the setting and sets the flag here; the puzzle must then be repainted.
bool HighlightSelected();
void SetHighlightSelected(bool on);
