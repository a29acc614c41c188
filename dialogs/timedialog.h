// TimeDialog: "Change Time Penalties", the six penalty settings in seconds.
#pragma once

#include <string>

#include "dialogs/floatdlg.h"

// The penalty in seconds, read from section "quillo" of the settings at every call so that a
// change applies at once; 0 outside 0..5. Any number is allowed, negative ones too.
int GetPenalty(int index);

// Reads a penalty field as the dialog does: at most its first 20 characters, leading blanks
// skipped, an optional sign, then digits up to the first non-digit (saturated to the 32-bit
// range). False when no digit follows.
bool ParsePenaltyText(const std::string& text, int& seconds);

// Template 4 with placement section "TimeDialog". Each field opens with the current penalty.
// OK takes the fields in order: an unchanged one is left alone, a changed legal one is stored
// at once; at the first illegal one the error message is shown and the dialog stays open (the
// fields before it remain stored). Cancel stores nothing more.
class TimeDialog : public FloatDlg {
 public:
  // Placement and penalties both live in the process-wide settings store.
  explicit TimeDialog(TWindow* parent);
  void SetupWindow() override;
  bool CanClose() override;
};
