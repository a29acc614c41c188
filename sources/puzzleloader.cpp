// PuzzleLoader: the choice of a quotation from a plain or compressed quote file, and its messages.
#include "sources/puzzleloader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "classlib/inifile.h"
#include "dialogs/sounds.h"
#include "engine/random.h"
#include "framework/platform.h"
#include "sources/casestyle.h"
#include "sources/favorites.h"
#include "sources/quotefile.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Only regular files are read: opening a FIFO would hang the game, and a device never ends.
bool IsReadableKind(const char* path) {
  std::error_code ignored;
  const auto status = std::filesystem::status(path, ignored);
  return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

std::uint32_t RandomPlainPosition() {
  // Four draws, in this order; the repeatable sequence depends on it.
  const auto a = static_cast<std::uint32_t>(Random15());
  const auto b = static_cast<std::uint32_t>(Random15());
  const auto c = static_cast<std::uint32_t>(Random15());
  const auto d = static_cast<std::uint32_t>(Random15());
  return ((a << 8) ^ b ^ (c << 16) ^ (d << 24)) & 0x7FFFFFFFu;
}

std::uint32_t RandomPuzzleStart() {
  const auto high = static_cast<std::uint32_t>(Random15());
  const auto low = static_cast<std::uint32_t>(Random15());
  return ((high << 8) ^ low) & 0x7FFFFFFFu;
}

// From a random position to the line after it, then the first line with a character in it,
// going round the file once. The line lands in quote, curly quotes converted.
QuoteFileStatus ReadRandomLine(std::FILE* file, long size, char (&quote)[kQuoteBufferSize]) {
  if (std::fseek(file, static_cast<long>(RandomPlainPosition() % static_cast<std::uint64_t>(size)),
                 SEEK_SET) != 0) {
    return QuoteFileStatus::CantOpen;
  }
  // rewind also clears the stream's end state.
  if (!SkipQuoteLine(file)) std::rewind(file);
  bool wrapped = false;
  for (;;) {
    const QuoteLine line = ReadQuoteLine(file, quote);
    if (line == QuoteLine::Text) break;
    if (line == QuoteLine::EndOfFile) {
      if (wrapped) return QuoteFileStatus::EmptyLinesOnly;
      wrapped = true;
      std::rewind(file);
    }
  }
  ConvertCurlyQuotes(quote);
  return QuoteFileStatus::Ok;
}

std::string FavoritesRepairNote(const char* name) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(name, error);
  return "\n\nTo repair your favorites, open this file in a text editor:\n" +
         (error ? std::string(name) : path.string());
}

long FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(file);
  std::rewind(file);
  return size;
}

}  // namespace

PuzzleLoader::PuzzleLoader(PuzzleFields fields, PuzzleLoaderHost* host, Memory& memory)
    : fields_(fields), host_(host), memory_(memory) {}

void PuzzleLoader::LoadPuzzle(int requestedIndex) {
  fields_.currentPuzzle = -1;
  if (IsCompressedQuoteFileName(fields_.quoteFileName)) {
    if (!ReadCompressedPuzzle(fields_.quoteFileName, false, requestedIndex)) {
      fields_.currentPuzzle = -1;
      OpenPuzzleFileDialog();
    }
    return;
  }
  if (!LoadPlainPuzzle()) {
    // The next start then falls back to the default collection.
    SetQuoteFile("");
    OpenPuzzleFileDialog();
  }
}

bool PuzzleLoader::LoadPlainPuzzle() {
  fields_.puzzleCount = 0;
  const char* name = fields_.quoteFileName;
  File file(IsReadableKind(name) ? std::fopen(name, "rb") : nullptr);
  QuoteFileStatus status = QuoteFileStatus::CantOpen;
  char quote[kQuoteBufferSize];
  if (file) {
    const long size = FileSize(file.get());
    status = size < 0 ? QuoteFileStatus::CantOpen
             : size == 0 ? QuoteFileStatus::Empty
                         : CheckPlainQuoteFile(file.get());
    if (status == QuoteFileStatus::Ok) {
      memory_.OpenMemory(0, nullptr);
      status = ReadRandomLine(file.get(), size, quote);
    }
  }
  if (status != QuoteFileStatus::Ok) {
    std::string text = QuoteFileMessage(status);
    // The favourites file holds the player's own picks: say where it is so it can be repaired.
    if (IsFavoritesFileName(name)) text += FavoritesRepairNote(name);
    Tell(text.c_str(), name, MB_OK | MB_ICONSTOP);
    return false;
  }
  TakeQuotation(quote);
  return true;
}

bool PuzzleLoader::ReadCompressedPuzzle(const char* fileName, bool countOnly, int requestedIndex) {
  CompressedQuoteFile file;
  QuoteFileStatus status = IsReadableKind(fileName) ? file.Open(fileName) : QuoteFileStatus::CantOpen;
  // puzzleCount is a signed field: a count past its range cannot be a real collection.
  if (status == QuoteFileStatus::Ok && file.Count() > 0x7FFFFFFFu) status = QuoteFileStatus::Damaged;
  if (status != QuoteFileStatus::Ok) {
    if (status == QuoteFileStatus::CantOpen) fields_.currentPuzzle = -1;
    Tell(QuoteFileMessage(status), status == QuoteFileStatus::Empty ? "" : fileName,
         MB_OK | MB_ICONSTOP);
    return false;
  }
  const std::uint32_t count = file.Count();
  memory_.OpenMemory(count, MemoryFileNameFor(fileName).c_str());
  ratingsFile_.clear();  // read again: the file may have been rated since
  Ratings(fileName, count);
  fields_.puzzleCount = static_cast<std::int32_t>(count);
  if (countOnly) return true;

  const bool requested = requestedIndex >= 0 && static_cast<std::uint32_t>(requestedIndex) < count;
  const std::uint32_t index =
      requested ? static_cast<std::uint32_t>(requestedIndex) : PickUnsolvedPuzzle(count);
  char quote[kQuoteBufferSize];
  if (file.ReadQuote(index, quote) != QuoteFileStatus::Ok) {
    Tell(QuoteFileMessage(QuoteFileStatus::Damaged), fileName, MB_OK | MB_ICONSTOP);
    return false;
  }
  TakeQuotation(quote);
  memory_.SetCurrent(index);
  fields_.currentPuzzle = static_cast<std::int32_t>(index);
  return true;
}

std::uint32_t PuzzleLoader::PickUnsolvedPuzzle(std::uint32_t count) {
  const std::uint32_t start = RandomPuzzleStart() % count;
  const std::optional<Band> band = ChosenBand();
  if (band && ratings_) {
    if (auto pick = FindInBand(start, count, *band, true)) return *pick;
    if (auto pick = BandExhausted(start, count, *band)) return *pick;
  }
  std::uint32_t i = start;
  while (memory_.IsSolved(i)) {
    i = (i + 1 == count) ? 0 : i + 1;
    if (i == start) {
      PlayEventSound(kSoundStartingOver);
      Tell("All puzzles in this collection have been solved;\nstarting over now.", "Notice",
           MB_OK | MB_ICONINFORMATION);
      memory_.Fill(0);
    }
  }
  return i;
}

std::optional<std::uint32_t> PuzzleLoader::FindInBand(std::uint32_t start, std::uint32_t count,
                                                      Band band, bool unsolvedOnly) {
  for (std::uint32_t n = 0, i = start; n < count; ++n, i = (i + 1 == count) ? 0 : i + 1) {
    if ((*ratings_)[i].band == band && !(unsolvedOnly && memory_.IsSolved(i))) return i;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> PuzzleLoader::BandExhausted(std::uint32_t start, std::uint32_t count,
                                                         Band band) {
  const std::string name = BandName(band);
  const std::string text = "No unsolved " + name + " puzzles are left in this collection.\n" +
                           "Play a puzzle of any difficulty?\n\n(No plays a " + name +
                           " puzzle you have solved before.)";
  const int answer = DialogService().MessageBox(host_ ? host_->MessageOwner() : nullptr, text,
                                                "Difficulty", MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) {
    ChooseBand(std::nullopt);
    return std::nullopt;
  }
  // A band without any puzzle at all has nothing to repeat: any difficulty then.
  return FindInBand(start, count, band, false);
}

const std::vector<PuzzleRating>* PuzzleLoader::Ratings(const char* fileName, std::uint32_t count) {
  if (ratingsFile_ != fileName || ratingsCount_ != count) {
    ratingsFile_ = fileName;
    ratingsCount_ = count;
    ratings_ = ReadRatings(RatingsFileNameFor(fileName), count);
  }
  return ratings_ ? &*ratings_ : nullptr;
}

std::optional<Band> PuzzleLoader::CurrentBand() {
  const std::int32_t index = fields_.currentPuzzle;
  if (index < 0 || fields_.puzzleCount <= 0 || !IsCompressedQuoteFileName(fields_.quoteFileName)) {
    return std::nullopt;
  }
  const auto* ratings =
      Ratings(fields_.quoteFileName, static_cast<std::uint32_t>(fields_.puzzleCount));
  if (!ratings || static_cast<std::size_t>(index) >= ratings->size()) return std::nullopt;
  return (*ratings)[static_cast<std::size_t>(index)].band;
}

void PuzzleLoader::TakeQuotation(const char (&quote)[kQuoteBufferSize]) {
  static_assert(sizeof quote == sizeof fields_.quoteText);
  std::memcpy(fields_.quoteText, quote, sizeof quote);
  ApplyCaseStyle(fields_.quoteText, fields_.displayText);
}

void PuzzleLoader::Tell(const char* text, const char* caption, unsigned flags) {
  DialogService().MessageBox(host_ ? host_->MessageOwner() : nullptr, text, caption, flags);
}

void PuzzleLoader::OpenPuzzleFileDialog() {
  if (host_) host_->OpenPuzzleFileDialog();
}

void PuzzleLoader::SetQuoteFile(const char* name) {
  char (&stored)[256] = fields_.quoteFileName;
  // memmove: the name may be (part of) the buffer itself.
  const auto length =
      static_cast<std::size_t>(std::find(name, name + (sizeof stored - 1), '\0') - name);
  std::memmove(stored, name, length);
  stored[length] = '\0';
  Settings().WriteString("quillo", "QuoteFile", stored);
}

std::optional<Band> ChosenBand() {
  switch (Settings().ReadInt("quillo", "Difficulty", 0)) {
    case 1: return Band::Easy;
    case 2: return Band::Medium;
    case 3: return Band::Hard;
    default: return std::nullopt;
  }
}

void ChooseBand(std::optional<Band> band) {
  Settings().WriteInt("quillo", "Difficulty", band ? static_cast<int>(*band) + 1 : 0);
}

bool IsCompressedQuoteFileName(const char* name) {
  const char* dot = std::strrchr(name, '.');
  return dot && std::strlen(dot) == 4 && (dot[1] == 'c' || dot[1] == 'C') &&
         (dot[2] == 'q' || dot[2] == 'Q') && (dot[3] == 't' || dot[3] == 'T');
}

std::string MemoryFileNameFor(const char* quoteFileName) {
  std::string name(quoteFileName);
  const std::size_t separator = name.find_last_of("/\\");
  if (separator != std::string::npos) name.erase(0, separator + 1);
  name.erase(name.size() - std::min<std::size_t>(3, name.size()));
  return name + "cqm";
}
