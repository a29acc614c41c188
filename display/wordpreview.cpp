// WordPreview: the session's preview and its merge into the guess row.
#include "display/wordpreview.h"

#include "classlib/services.h"

WordPreview& TheWordPreview() { return *RequiredServices("TheWordPreview").preview; }

void MergePreview(const char* puzzle, const char* plain, const WordPreview& preview, char* out,
                  int size) {
  if (size < 1) return;
  int i = 0;
  bool plainEnded = false;
  for (; i < size - 1 && puzzle[i] != '\0'; ++i) {
    if (!plainEnded && plain[i] == '\0') plainEnded = true;
    const char own = plainEnded ? ' ' : plain[i];
    if (own != ' ') {
      out[i] = own;
      continue;
    }
    const char c = puzzle[i];
    const int letter = Game::LetterIndex(c);
    const char entry = letter >= 0 ? preview.letters[letter] : '\0';
    if (entry == '\0' || entry == ' ') {
      out[i] = ' ';
    } else if (c >= 'A' && c <= 'Z' && entry >= 'a' && entry <= 'z') {
      out[i] = static_cast<char>(entry - 'a' + 'A');
    } else if (c >= 'a' && c <= 'z' && entry >= 'A' && entry <= 'Z') {
      out[i] = static_cast<char>(entry - 'A' + 'a');
    } else {
      out[i] = entry;
    }
  }
  out[i] = '\0';
}
