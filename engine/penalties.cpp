// The penalty settings table.
#include "engine/penalties.h"

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
