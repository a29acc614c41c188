// String copies for the settings store: every name and value it keeps is one new[] allocation.
#pragma once

// Returns a copy of s allocated with new[] (release it with delete[]); null for a null s.
// A failed allocation is a fatal check ("newstring != 0").
char* newstrdup(const char* s);
