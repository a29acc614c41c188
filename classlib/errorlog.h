// The error log "errors.txt": one line per fault of a data file, appended in the working folder.
#pragma once

// Appends one line: asctime-style local time, ": ", the context and a space when given,
// the path, ": ", then the detail, or the system's text for errno when detail is null.
// A line goes in whole or not at all. Never reports its own failure, and leaves errno as it was. context and detail may be null.
void LogError(const char* path, const char* context, const char* detail);
