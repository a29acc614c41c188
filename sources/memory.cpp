// Memory: the solved-puzzle record, its memory file and its messages.
#include "sources/memory.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <vector>

#include "classlib/safefile.h"
#include "framework/platform.h"
#include "classlib/errorlog.h"
#include "classlib/services.h"

namespace {

// The error numbers that the writing itself gives (no room, quota, device, size limit), as
// opposed to creating or renaming the file. ReplaceFileContents leaves errno from the failing
// step.
bool FailedWhileWriting(int error) {
  return error == ENOSPC || error == EDQUOT || error == EIO || error == EFBIG;
}

// Something other than a regular file (a FIFO would block the reader, a folder is no record).
bool IsUnusualFile(const std::string& path) {
  std::error_code ignored;
  const auto status = std::filesystem::status(path, ignored);
  return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

}  // namespace

void Memory::OpenMemory(std::uint32_t count, const char* fileName) {
  if (fileName && hasFile_ && fileName_ == fileName && count == BitCount()) return;
  if (hasFile_) {
    SaveMemory();
    DropFileName();
  }
  Resize(count);
  if (fileName && TakeFileName(fileName)) LoadMemory();
}

bool Memory::TakeFileName(const char* fileName) {
  try {
    fileName_ = fileName;
  } catch (const std::bad_alloc&) {
    DialogService().MessageBox(owner_, "Out of memory", fileName, MB_OK);
    return false;
  }
  hasFile_ = true;
  return true;
}

void Memory::DropFileName() {
  hasFile_ = false;
  fileName_.clear();
}

void Memory::MarkSolved() {
  if (!hasFile_) return;
  SetBit(current_);
  SaveMemory();
}

bool Memory::IsSolved(std::uint32_t n) const { return hasFile_ && TestBit(n); }

std::uint32_t Memory::SolvedCount(std::uint32_t n) const {
  if (!hasFile_) return 0;
  if (n > BitCount()) n = BitCount();
  std::uint32_t solved = 0;
  for (std::uint32_t i = 0; i < n; ++i) solved += TestBit(i) ? 1 : 0;
  return solved;
}

void Memory::LoadMemory() {
  if (!hasFile_) return;
  Fill(0);
  if (IsUnusualFile(fileName_)) return;
  std::FILE* file = std::fopen(fileName_.c_str(), "rb");
  if (!file) return;
  std::vector<unsigned char> bytes(std::size_t{WordCount()} * 4);
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  std::uint32_t* words = Words();
  for (std::size_t i = 0; i < got; ++i) {
    words[i / 4] |= std::uint32_t{bytes[i]} << (8 * (i % 4));
  }
}

void Memory::SaveMemory() {
  if (!hasFile_) return;
  std::string content(std::size_t{WordCount()} * 4, '\0');
  const std::uint32_t* words = Words();
  for (std::size_t i = 0; i < content.size(); ++i) {
    content[i] = static_cast<char>(words[i / 4] >> (8 * (i % 4)));
  }
  if (ReplaceFileContents(fileName_, content)) return;
  // LogError reads errno for its detail and leaves it as it was.
  const bool writing = FailedWhileWriting(errno);
  LogError(fileName_.c_str(), writing ? "Cannot write memory" : "Cannot open memory", nullptr);
  // The log keeps every failure; the player hears of each kind of loss once per run, not at
  // every win.
  bool& told = writing ? writeLossTold_ : openLossTold_;
  if (told) return;
  told = true;
  DialogService().MessageBox(owner_,
                        WithReason(writing ? "Cannot write memory file, memory lost."
                                           : "Cannot open memory file for writing, memory lost.",
                                   errno),
                        fileName_, MB_OK | MB_ICONSTOP);
}

void Memory::Close() {
  SaveMemory();
  DropFileName();
  Resize(0);
  current_ = 0;
}

Memory& TheMemory() { return *RequiredServices("TheMemory").memory; }
