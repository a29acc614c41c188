// The display options kept in memory.
#include "display/displayoptions.h"

#include "classlib/inifile.h"

namespace {
bool gHighlightSolution = false;
bool gFrequencyOrder = true;
}  // namespace

void LoadDisplayOptions() {
  gHighlightSolution = Settings().ReadInt("quillo", "QuoteWindowHighlightSolution", 0) != 0;
  gFrequencyOrder = Settings().ReadInt("quillo", "FrequencyOrder", 1) != 0;
}

bool HighlightSolution() { return gHighlightSolution; }
void SetHighlightSolution(bool on) { gHighlightSolution = on; }
bool FrequencyOrder() { return gFrequencyOrder; }
void SetFrequencyOrder(bool byFrequency) { gFrequencyOrder = byFrequency; }
