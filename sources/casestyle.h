// The letter case style: how a quotation's letters are shown (upper, lower, unchanged, military).
#pragma once

// The style letters, as the setting's first character names them.
enum CaseStyle : char {
  kCaseUpper = 'u',
  kCaseLower = 'l',
  kCaseDefault = 'd',
  kCaseMilitary = 'm',
};

// The session's style, read from the settings at its first use.
struct CaseStyleState {
  bool known = false;
  CaseStyle style = kCaseDefault;
};

// The style of the run. The first call reads `Case` (section "quillo", default "d"): its first
// character in either case picks the style; anything else shows "Invalid \"Case\" option in
// quillo.ini:\nchanging it to Default" (caption "Error", no icon), writes `Case` = "Default" and
// gives kCaseDefault. Later calls answer from memory.
CaseStyle CurrentCaseStyle();

// The menu commands: the style changes at once and `Case` is written as "Upper", "Lower",
// "Default" or "Military".
void SetCaseStyle(CaseStyle style);


// Makes displayText from quoteText in the current style. Both are 1000-byte buffers; quoteText
// is read up to its zero or 999 characters, displayText is always zero-terminated.
// Upper and lower turn the letters' case, default copies. Military keeps letters (as capitals)
// and digits in blocks of five separated by blanks, keeps the TAB before the attribution (which
// starts a new count) and drops everything else; it stops once 998 characters are written.
void ApplyCaseStyle(const char* quoteText, char* displayText);
