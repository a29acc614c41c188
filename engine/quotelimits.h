// The size of a quotation buffer, shared by every part that holds a quotation.
#pragma once

// A quotation is single-byte text of at most 999 characters in a zero-terminated 1000-byte buffer.
inline constexpr int kQuoteBufferSize = 1000;
inline constexpr int kMaxQuoteLength = kQuoteBufferSize - 1;
