// The saved game: writing quillo.svg, and reading it back into a scratch copy that is checked
// field by field before the game takes it over.
#include "sources/savedgame.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "classlib/inifile.h"
#include "classlib/safefile.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "sources/puzzleloader.h"

namespace {

// Far more than any saved game (about 20 KB); anything bigger is not one of ours.
constexpr std::size_t kMaxSavedGameBytes = 1 << 20;
constexpr int kMaxFrequencyCount = kQuoteBufferSize - 1;
constexpr long kMaxCounter = 999999;

// Everything the file holds, read apart from the game until it is known to be sound.
struct SavedGame {
  GameState state;
  PanelState panel;
  PuzzleText text;
};

// A saved game that could not be deleted after its offer is remembered by this key, so that the
// same file is not offered at every start.
constexpr const char* kUndeletedKey = "UndeletedSavedGame";

// Size and modification time: a later saved game in the same place differs in one of them.
std::string FileStamp(const char* path) {
  struct stat info {};
  if (::stat(path, &info) != 0) return {};
  return std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
         std::to_string(info.st_mtim.tv_nsec);
}

void ForgetUndeletable(TWindow* owner, const std::string& stamp) {
  const int error = errno;
  Settings().WriteString("quillo", kUndeletedKey, stamp.c_str());
  Settings().Flush(false);
  DialogService().MessageBox(owner,
                        WithReason("The saved game quillo.svg cannot be deleted.\n"
                                   "It will not be offered again.",
                                   error),
                        "Error", MB_OK | MB_ICONEXCLAMATION);
}

void AppendNumbers(std::string& out, std::initializer_list<long> numbers) {
  const char* separator = "";
  for (long n : numbers) {
    out += separator;
    out += std::to_string(n);
    separator = " ";
  }
  out += '\n';
}

long SignedByte(char c) { return static_cast<signed char>(c); }
long Masked(char c) { return static_cast<signed char>(static_cast<unsigned char>(c) ^ kSavedGameMask); }

// Reads lines of numbers. The last line may lack its line end, as a stream reads it; a file cut
// anywhere else still fails, since the lines after the cut are missing.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  bool Line(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = std::min(rest_.find('\n'), rest_.size());
    line = rest_.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest_.remove_prefix(std::min(end + 1, rest_.size()));
    return true;
  }

  // The next line holds exactly `count` signed decimal numbers, each within [low, high].
  bool Numbers(long* values, int count, long low, long high) {
    std::string_view line;
    if (!Line(line)) return false;
    std::size_t pos = 0;
    for (int i = 0; i < count; ++i) {
      while (pos < line.size() && line[pos] == ' ') ++pos;
      if (!Number(line, pos, values[i]) || values[i] < low || values[i] > high) return false;
    }
    while (pos < line.size() && line[pos] == ' ') ++pos;
    return pos == line.size();
  }

 private:
  static bool Number(std::string_view line, std::size_t& pos, long& value) {
    const bool negative = pos < line.size() && line[pos] == '-';
    if (negative) ++pos;
    const std::size_t start = pos;
    long magnitude = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
      if (pos - start >= 9) return false;  // no field needs ten digits
      magnitude = magnitude * 10 + (line[pos++] - '0');
    }
    value = negative ? -magnitude : magnitude;
    return pos > start;
  }

  std::string_view rest_;
};

bool IsLetterOrBlank(long c) { return c == ' ' || (c >= 'A' && c <= 'Z'); }

bool ReadKeyLines(LineReader& in, GameState& state) {
  for (int i = 0; i < kLetterCount; ++i) {
    long v[4];
    if (!in.Numbers(v, 4, -128, 127)) return false;
    if (v[0] < 0 || v[0] >= kLetterCount || v[1] < 0 || v[1] >= kLetterCount) return false;
    if (!IsLetterOrBlank(v[2]) || (v[3] != 0 && v[3] != 1)) return false;
    state.key[i] = static_cast<std::int8_t>(v[0]);
    state.inverseKey[i] = static_cast<std::int8_t>(v[1]);
    state.guess[i] = static_cast<char>(v[2]);
    state.locked[i] = v[3] == 1;
  }
  return true;
}

// The engine's invariants: inverse permutations, each plaintext letter guessed at most once,
// locks only on right guesses, and a letter marked used exactly while some guess carries it.
bool KeyAndPanelAgree(const GameState& state, const PanelState& panel) {
  bool carried[kLetterCount] = {};
  for (int i = 0; i < kLetterCount; ++i) {
    if (state.inverseKey[state.key[i]] != i) return false;
    const char guess = state.guess[i];
    if (state.locked[i] && guess != 'A' + state.inverseKey[i]) return false;
    if (guess == ' ') continue;
    if (carried[guess - 'A']) return false;
    carried[guess - 'A'] = true;
  }
  for (int p = 0; p < kLetterCount; ++p) {
    if (panel.unused[p] != (carried[p] ? ' ' : 'A' + p)) return false;
  }
  return true;
}

bool ReadPanelLines(LineReader& in, PanelState& panel) {
  long clock;
  if (!in.Numbers(&clock, 1, 0, kMaxClockSeconds)) return false;
  panel.elapsedSeconds = static_cast<std::int32_t>(clock);
  for (int i = 0; i < kLetterCount; ++i) {
    long v[5];
    if (!in.Numbers(v, 5, -128, kMaxFrequencyCount)) return false;
    if (v[1] < 0 || v[3] < 0) return false;
    for (int b : {0, 2, 4}) {
      if (!IsLetterOrBlank(v[b])) return false;
    }
    panel.unused[i] = static_cast<char>(v[0]);
    panel.countByFreq[i] = static_cast<int>(v[1]);
    panel.letterByFreq[i] = static_cast<char>(v[2]);
    panel.countAlpha[i] = static_cast<int>(v[3]);
    panel.letterAlpha[i] = static_cast<char>(v[4]);
  }
  long c[6];
  if (!in.Numbers(c, 6, 0, kMaxCounter)) return false;
  std::int32_t* counters[] = {&panel.erasedCount,     &panel.confirmCount, &panel.undoCount,
                              &panel.littleHintCount, &panel.bigHintCount, &panel.wordListCount};
  for (int i = 0; i < 6; ++i) *counters[i] = static_cast<std::int32_t>(c[i]);
  return true;
}

bool ReadTextLines(LineReader& in, PuzzleText& text) {
  char* buffers[] = {text.quoteText, text.displayText, text.puzzleText, text.plainText};
  for (int pos = 0; pos < kQuoteBufferSize; ++pos) {
    long v[4];
    if (!in.Numbers(v, 4, -128, 127)) return false;
    for (int b = 0; b < 4; ++b) {
      buffers[b][pos] = static_cast<char>(static_cast<unsigned char>(v[b]) ^ kSavedGameMask);
    }
  }
  for (const char* buffer : buffers) {
    if (std::memchr(buffer, '\0', kQuoteBufferSize) == nullptr) return false;
  }
  return true;
}

// The lines of the file into `saved`; false for anything cut, malformed or out of range. The
// compressed quote file itself is checked afterwards.
bool ReadSavedGame(std::string_view fileText, SavedGame& saved) {
  LineReader in(fileText);
  long kind;
  // The tutorial is never saved: kinds 0..2 only.
  if (!in.Numbers(&kind, 1, 0, 2)) return false;
  saved.state.puzzleKind = static_cast<PuzzleKind>(kind);
  if (saved.state.puzzleKind == PuzzleKind::kQuotePuzzle) {
    long current;
    std::string_view name;
    if (!in.Numbers(&current, 1, -1, 0x7FFFFFFE) || !in.Line(name)) return false;
    if (name.size() >= kFileNameSize || name.find('\0') != std::string_view::npos) return false;
    saved.state.currentPuzzle = static_cast<std::int32_t>(current);
    name.copy(saved.state.quoteFileName, name.size());
    saved.state.quoteFileName[name.size()] = '\0';
  }
  return ReadKeyLines(in, saved.state) && ReadPanelLines(in, saved.panel) &&
         KeyAndPanelAgree(saved.state, saved.panel) && ReadTextLines(in, saved.text);
}

// For kind 0: a compressed quote file is opened again with its record (the loader reports a
// failure) and the puzzle number must lie inside it; a plain file has no number and no record.
bool ReopenQuoteFile(SavedGame& saved, Memory& memory) {
  GameState& state = saved.state;
  if (!IsCompressedQuoteFileName(state.quoteFileName)) {
    if (state.currentPuzzle != -1) return false;
    state.puzzleCount = 0;
    memory.OpenMemory(0, nullptr);
    return true;
  }
  PuzzleLoader loader(PuzzleFields{state.quoteFileName, state.puzzleCount, state.currentPuzzle,
                                   saved.text.quoteText, saved.text.displayText},
                      nullptr, memory);
  const std::int32_t current = state.currentPuzzle;
  if (!loader.ReadCompressedPuzzle(state.quoteFileName, true, -1)) return false;
  if (current >= state.puzzleCount) return false;
  state.currentPuzzle = current;
  if (current >= 0) memory.SetCurrent(static_cast<std::uint32_t>(current));
  return true;
}

void TakeOver(Game& game, const SavedGame& saved) {
  GameState& state = game.state;
  state.puzzleKind = saved.state.puzzleKind;
  if (state.puzzleKind == PuzzleKind::kQuotePuzzle) {
    state.currentPuzzle = saved.state.currentPuzzle;
    state.puzzleCount = saved.state.puzzleCount;
  }
  std::memcpy(state.key, saved.state.key, sizeof state.key);
  std::memcpy(state.inverseKey, saved.state.inverseKey, sizeof state.inverseKey);
  std::memcpy(state.guess, saved.state.guess, sizeof state.guess);
  std::memcpy(state.locked, saved.state.locked, sizeof state.locked);
  state.gameOver = false;
  state.winAnnounced = false;
  state.modified = true;
  const std::uint8_t panelShown = game.panel.panelShown;
  game.panel = saved.panel;
  game.panel.panelShown = panelShown;
  game.text = saved.text;
  PuzzleLoader(PuzzleFieldsOf(game), nullptr).SetQuoteFile(saved.state.quoteFileName);
}

}  // namespace

std::string SavedGameStamp() { return FileStamp(kSavedGameFileName); }

std::string SavedGameText(const Game& game) {
  const GameState& state = game.state;
  std::string out;
  out.reserve(24000);
  AppendNumbers(out, {static_cast<long>(state.puzzleKind)});
  if (state.puzzleKind == PuzzleKind::kQuotePuzzle) {
    AppendNumbers(out, {state.currentPuzzle});
    out.append(state.quoteFileName, strnlen(state.quoteFileName, kFileNameSize - 1));
    out += '\n';
  }
  for (int i = 0; i < kLetterCount; ++i) {
    AppendNumbers(out, {state.key[i], state.inverseKey[i], SignedByte(state.guess[i]),
                        state.locked[i]});
  }
  const PanelState& panel = game.panel;
  AppendNumbers(out, {panel.elapsedSeconds});
  for (int i = 0; i < kLetterCount; ++i) {
    AppendNumbers(out, {SignedByte(panel.unused[i]), panel.countByFreq[i],
                        SignedByte(panel.letterByFreq[i]), panel.countAlpha[i],
                        SignedByte(panel.letterAlpha[i])});
  }
  AppendNumbers(out, {panel.erasedCount, panel.confirmCount, panel.undoCount,
                      panel.littleHintCount, panel.bigHintCount, panel.wordListCount});
  const PuzzleText& text = game.text;
  for (int pos = 0; pos < kQuoteBufferSize; ++pos) {
    AppendNumbers(out, {Masked(text.quoteText[pos]), Masked(text.displayText[pos]),
                        Masked(text.puzzleText[pos]), Masked(text.plainText[pos])});
  }
  return out;
}

bool SaveGame(const Game& game, TWindow* owner) {
  if (game.state.puzzleKind == PuzzleKind::kTutorialPuzzle) return true;
  if (ReplaceFileContents(kSavedGameFileName, SavedGameText(game))) return true;
  DialogService().MessageBox(owner,
                        WithReason("Cannot save the game.  Try removing the file\nquillo.svg in "
                                   "your Quillo! folder to fix the problem.",
                                   errno),
                        "Error", MB_OK | MB_ICONSTOP);
  return false;
}

int ResumeSavedGame(Game& game, TWindow* owner, Memory& memory) {
  game.state.selectedPlain = -1;
  game.state.selectedCipher = -1;
  const LoadedFile file = LoadSmallFile(kSavedGameFileName, kMaxSavedGameBytes);
  if (file.state != FileState::Text) return kSavedGameNone;
  const std::string stamp = FileStamp(kSavedGameFileName);
  if (!stamp.empty() && Settings().ReadString("quillo", kUndeletedKey, "") == stamp) {
    return kSavedGameNone;
  }

  const int answer = DialogService().MessageBox(owner, "Continue the unfinished game\nyou saved earlier?",
                                           "Quillo!", MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDNO) return kSavedGameNone;
  if (std::remove(kSavedGameFileName) != 0 && errno != ENOENT) ForgetUndeletable(owner, stamp);
  if (answer != IDYES) return kSavedGameNone;

  // The scratch copy starts as the game, so that kinds 1 and 2 keep the current quote file.
  SavedGame saved{game.state, game.panel, game.text};
  if (!ReadSavedGame(file.text, saved)) return kSavedGameBroken;
  if (saved.state.puzzleKind == PuzzleKind::kQuotePuzzle && !ReopenQuoteFile(saved, memory)) {
    return kSavedGameBroken;
  }
  TakeOver(game, saved);
  return kSavedGameResumed;
}
