// Memory: the record of solved puzzles of the current compressed quote file, kept in a memory file.
#pragma once

#include <cstdint>
#include <string>

#include "sources/bitvector.h"

class TWindow;

// One bit per puzzle (set = solved) and the name of the file that keeps it; no name while no
// compressed quote file is current. The memory file holds the words as 32-bit little-endian
// values and nothing else, so puzzle n is bit 7 - (n % 8) of byte 4 * (n / 32) + 3 - (n % 32) / 8.
// A short file leaves the missing bits clear; bytes beyond the words are ignored.
//
// The record is written when another file's record replaces it, at once after MarkSolved (so a
// crash after a win loses nothing), and by Close at the end of the run. Every write replaces the
// file through a temporary file and a rename. Failures are reported to the player in message
// boxes captioned with the memory file name (each kind once per run, with the system's reason) and logged
// in errors.txt at every failure; reading never reports.
class Memory : public BitVector {
 public:
  Memory() = default;

  // Makes this the record of the file `fileName` (null: no compressed file) with `count`
  // puzzles. The same name (exactly) and count keep the bits in memory and leave the file alone;
  // otherwise the old record is saved, and the new one is loaded from its file.
  void OpenMemory(std::uint32_t count, const char* fileName);

  // Sets the current puzzle's bit and saves the record; nothing while no file name is set.
  void MarkSolved();
  // False while no file name is set.
  bool IsSolved(std::uint32_t n) const;
  // Puzzles among 0 .. n-1 (at most the bit count) marked solved; 0 while no file name is set.
  std::uint32_t SolvedCount(std::uint32_t n) const;

  // Clears every bit, then reads the file; a missing, unreadable or short file reads as clear.
  void LoadMemory();
  // Writes the file; a failure shows its message and leaves the old file as it was.
  void SaveMemory();
  // The end of the run: saves, then drops the name and the words. The application calls it at
  // shutdown while message boxes can still be shown; the destructor does not save.
  void Close();

  // The window the messages belong to (null: none).
  void SetOwner(TWindow* owner) { owner_ = owner; }

  bool HasFile() const { return hasFile_; }
  const std::string& FileName() const { return fileName_; }
  std::uint32_t Current() const { return current_; }
  void SetCurrent(std::uint32_t n) { current_ = n; }

 private:
  bool TakeFileName(const char* fileName);
  void DropFileName();

  std::string fileName_;
  bool hasFile_ = false;
  bool openLossTold_ = false;
  bool writeLossTold_ = false;
  TWindow* owner_ = nullptr;
  std::uint32_t current_ = 0;
};

// The record shared by the whole run.
Memory& TheMemory();
