// The display options kept in memory.
#include "display/displayoptions.h"

#include "classlib/inifile.h"
#include "classlib/services.h"

namespace {
DisplayOptions& Options() { return *RequiredServices("DisplayOptions").display; }
}  // namespace

void LoadDisplayOptions() {
  Options().highlightSolution =
      Settings().ReadInt("quillo", "QuoteWindowHighlightSolution", 0) != 0;
  Options().frequencyOrder = Settings().ReadInt("quillo", "FrequencyOrder", 1) != 0;
  Options().highlightSelected = Settings().ReadInt("quillo", "HighlightSelectedLetter", 1) != 0;
}

bool HighlightSolution() { return Options().highlightSolution; }
void SetHighlightSolution(bool on) { Options().highlightSolution = on; }
bool FrequencyOrder() { return Options().frequencyOrder; }
void SetFrequencyOrder(bool byFrequency) { Options().frequencyOrder = byFrequency; }
bool HighlightSelected() { return Options().highlightSelected; }
void SetHighlightSelected(bool on) { Options().highlightSelected = on; }
