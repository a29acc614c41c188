// The six time penalties: their settings keys, defaults and the reader every charge goes through.
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
// The penalty in seconds, read from section "quillo" at every call so that a change applies at
// once; 0 outside 0..5. Any number is allowed, negative ones too.
int GetPenalty(int index);
