// TimeDialog: fills the six penalty fields, and reads and stores the changed ones on OK.
#include "dialogs/timedialog.h"

#include <cstdint>
#include <string>

#include "classlib/inifile.h"
#include "engine/penalties.h"
#include "framework/platform.h"
#include "resources/dlg_time.h"
#include "resources/resources.h"

namespace {
constexpr std::size_t kMostCharactersRead = 20;
}  // namespace

bool ParsePenaltyText(const std::string& text, int& seconds) {
  const std::string field = text.substr(0, kMostCharactersRead);
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  if (i >= field.size() || field[i] < '0' || field[i] > '9') return false;
  std::int64_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = value * 10 + (field[i] - '0');
    if (value > INT32_MAX) value = std::int64_t{INT32_MAX} + 1;  // keeps the sum bounded
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  if (value < INT32_MIN) value = INT32_MIN;
  seconds = static_cast<int>(value);
  return true;
}

int GetPenalty(int index) {
  if (index < 0 || index >= kPenaltyCount) return 0;
  return Settings().ReadInt("quillo", PenaltyKey(index), PenaltyDefault(index));
}

TimeDialog::TimeDialog(TWindow* parent)
    : FloatDlg(parent, TimeTemplate(), Settings(), "TimeDialog") {}

void TimeDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  for (int i = 0; i < kPenaltyCount; ++i) {
    Peer().SetItemText(kTimeFieldIds[i], std::to_string(GetPenalty(i)));
    Peer().ClearModified(kTimeFieldIds[i]);
  }
}

bool TimeDialog::CanClose() {
  for (int i = 0; i < kPenaltyCount; ++i) {
    const int id = kTimeFieldIds[i];
    if (!Peer().IsModified(id)) continue;
    int seconds = 0;
    if (!ParsePenaltyText(Peer().GetItemText(id), seconds)) {
      DialogService().MessageBox(Parent(),
                            "One or more values for the times are illegal.\nPlease correct them "
                            "and click OK,\nor click Cancel to forget it.",
                            "Error", MB_OK | MB_ICONEXCLAMATION);
      return false;
    }
    Store().WriteInt("quillo", PenaltyKey(i), seconds);
  }
  return true;
}
