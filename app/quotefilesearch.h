// Finding a readable quote file at start-up by trying the name with the two quote-file suffixes.
#pragma once

#include <functional>

// Tries name as it is, then with ".cqt" appended, then with ".qot" appended instead. The first
// that canOpen accepts (by default: opens for reading) is left in name and the answer is true.
// When none does, name is restored and the answer is false. name is a zero-terminated buffer of
// size bytes; a suffixed name that would not fit is not tried (cutting it would name another
// file).
bool FindReadableQuoteFile(char* name, int size,
                           const std::function<bool(const char* path)>& canOpen = {});
