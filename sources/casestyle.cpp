// The letter case style of the run and ApplyCaseStyle.
#include "sources/casestyle.h"

#include <string>

#include "classlib/inifile.h"
#include "classlib/services.h"
#include "engine/quotelimits.h"
#include "framework/platform.h"

namespace {

constexpr int kMilitaryStopLength = 998;  // a block's blank may still follow, up to 999


bool StyleFromLetter(char letter, CaseStyle& style) {
  switch (letter) {
    case 'u': case 'U': style = kCaseUpper; return true;
    case 'l': case 'L': style = kCaseLower; return true;
    case 'd': case 'D': style = kCaseDefault; return true;
    case 'm': case 'M': style = kCaseMilitary; return true;
    default: return false;
  }
}

const char* SettingValueOf(CaseStyle style) {
  switch (style) {
    case kCaseUpper: return "Upper";
    case kCaseLower: return "Lower";
    case kCaseMilitary: return "Military";
    case kCaseDefault: break;
  }
  return "Default";
}

CaseStyle ReadCaseSetting() {
  const std::string value = Settings().ReadString("quillo", "Case", "d");
  CaseStyle style = kCaseDefault;
  if (!value.empty() && StyleFromLetter(value[0], style)) return style;
  DialogService().MessageBox(nullptr, "Invalid \"Case\" option in quillo.ini:\nchanging it to Default",
                        "Error", MB_OK);
  Settings().WriteString("quillo", "Case", "Default");
  return kCaseDefault;
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CopyInCase(const char* quote, char* display, CaseStyle style) {
  int i = 0;
  for (; i < kMaxQuoteLength && quote[i] != '\0'; ++i) {
    char c = quote[i];
    if (style == kCaseUpper && IsLower(c)) c = static_cast<char>(c - 'a' + 'A');
    if (style == kCaseLower && IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
    display[i] = c;
  }
  display[i] = '\0';
}

void CopyMilitary(const char* quote, char* display) {
  int group = 0;  // characters written since the last TAB; -1 just before writing the TAB
  int out = 0;
  for (int i = 0; i < kMaxQuoteLength && quote[i] != '\0' && out < kMilitaryStopLength; ++i) {
    char c = quote[i];
    if (IsLower(c)) c = static_cast<char>(c - 'a' + 'A');
    if (c == '\t') group = -1;
    else if (!IsUpper(c) && !IsDigit(c)) continue;
    if (group > 0 && group % 5 == 0) display[out++] = ' ';
    display[out++] = c;
    ++group;
  }
  display[out] = '\0';
}

}  // namespace

CaseStyle CurrentCaseStyle() {
  CaseStyleState& state = *RequiredServices("CurrentCaseStyle").caseStyle;
  if (!state.known) {
    state.style = ReadCaseSetting();
    state.known = true;
  }
  return state.style;
}

void SetCaseStyle(CaseStyle style) {
  CaseStyleState& state = *RequiredServices("SetCaseStyle").caseStyle;
  state.style = style;
  state.known = true;
  Settings().WriteString("quillo", "Case", SettingValueOf(style));
}

void ApplyCaseStyle(const char* quoteText, char* displayText) {
  const CaseStyle style = CurrentCaseStyle();
  if (style == kCaseMilitary) {
    CopyMilitary(quoteText, displayText);
  } else {
    CopyInCase(quoteText, displayText, style);
  }
}
