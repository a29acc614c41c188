// The penalty settings table and its reader.
#include "engine/penalties.h"

#include "classlib/inifile.h"

namespace {
struct PenaltySetting {
  const char* key;
  int seconds;
};

constexpr PenaltySetting kPenalties[kPenaltyCount] = {
    {"ConfirmPenalty", 15},       {"UndoPenalty", 30},          {"LittleHintPenalty", 30},
    {"BigHintPenalty", 60},       {"WordListAlphaPenalty", 300}, {"WordListFreqPenalty", 480},
};

bool InRange(int index) { return index >= 0 && index < kPenaltyCount; }
}  // namespace

const char* PenaltyKey(int index) { return InRange(index) ? kPenalties[index].key : nullptr; }

int PenaltyDefault(int index) { return InRange(index) ? kPenalties[index].seconds : 0; }

int GetPenalty(int index) {
  if (!InRange(index)) return 0;
  return Settings().ReadInt("quillo", kPenalties[index].key, kPenalties[index].seconds);
}
