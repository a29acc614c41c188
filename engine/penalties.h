// The six time penalties: their settings keys and defaults.
#pragma once

enum PenaltyIndex {
  kConfirmPenalty = 0,
  kUndoPenalty = 1,
  kLittleHintPenalty = 2,
  kBigHintPenalty = 3,
  kWordListAlphaPenalty = 4,
  kWordListFreqPenalty = 5,
  kPenaltyCount = 6,
};

// The settings key of a penalty ("ConfirmPenalty", ...); null outside 0..5.
const char* PenaltyKey(int index);
// The default seconds of a penalty (15, 30, 30, 60, 300, 480); 0 outside 0..5.
int PenaltyDefault(int index);
