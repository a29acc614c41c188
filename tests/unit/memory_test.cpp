// The solved-puzzle record: its bit layout, its memory file, when it is written, and its faults.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "sources/memory.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class MemoryTest : public ::testing::Test {
 protected:
  FakePlatform fake;
  TempFolder folder{true};
  Memory memory;  // a record of its own; the destructor does not save
};

TEST_F(MemoryTest, FileHoldsLittleEndianWordsWithPuzzleZeroInTheTopBit) {
  memory.OpenMemory(33, "q.cqm");
  memory.SetBit(0);
  memory.SetBit(9);
  memory.SetBit(32);
  memory.SaveMemory();
  // Puzzle n: bit 7 - n % 8 of byte 4 * (n / 32) + 3 - (n % 32) / 8.
  EXPECT_EQ(ReadFile("q.cqm"), Bytes({0x00, 0x00, 0x40, 0x80, 0x00, 0x00, 0x00, 0x80}));

  Memory again;
  again.OpenMemory(33, "q.cqm");
  EXPECT_TRUE(again.IsSolved(32));
  EXPECT_FALSE(again.IsSolved(31));
  EXPECT_EQ(again.SolvedCount(10), 2u);
}

TEST_F(MemoryTest, ShortFileLeavesMissingBitsClearAndExtraBytesAreIgnored) {
  WriteFile("short.cqm", Bytes({0x01, 0x02, 0x04}));
  memory.OpenMemory(40, "short.cqm");
  for (std::uint32_t n = 0; n < 40; ++n) {
    EXPECT_EQ(memory.IsSolved(n), n == 13 || n == 22 || n == 31) << n;
  }

  WriteFile("long.cqm", Bytes({0, 0, 0, 0x80, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(33, "long.cqm");
  EXPECT_EQ(memory.SolvedCount(33), 2u);
  EXPECT_TRUE(memory.IsSolved(32));
}

TEST_F(MemoryTest, SameFileAndCountKeepTheBitsOtherwiseTheOldRecordIsSavedFirst) {
  memory.OpenMemory(5, "a.cqm");
  memory.SetBit(2);
  WriteFile("a.cqm", Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(5, "a.cqm");
  EXPECT_FALSE(memory.IsSolved(0));
  EXPECT_EQ(ReadFile("a.cqm"), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));  // not touched

  // Another count is another record: this one is saved, then read back.
  memory.OpenMemory(6, "a.cqm");
  EXPECT_EQ(ReadFile("a.cqm"), Bytes({0x00, 0x00, 0x00, 0x20}));
  EXPECT_TRUE(memory.IsSolved(2));

  // A plain quote file has no record: the compressed file's record is written on the way out.
  memory.SetBit(4);
  memory.OpenMemory(0, nullptr);
  EXPECT_EQ(ReadFile("a.cqm"), Bytes({0x00, 0x00, 0x00, 0x28}));
  EXPECT_FALSE(memory.HasFile());
}

TEST_F(MemoryTest, MarkSolvedSavesAtOnceAndNeedsAFile) {
  memory.SetCurrent(0);
  memory.MarkSolved();  // no file name: nothing at all
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

  memory.OpenMemory(33, "m.cqm");
  memory.SetCurrent(32);
  memory.MarkSolved();
  EXPECT_EQ(ReadFile("m.cqm"), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80}));

  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(MemoryTest, UnwritableFileIsLoggedAndReported) {
  std::filesystem::create_directory("d.cqm");
  memory.OpenMemory(8, "d.cqm");  // a folder reads as a clear record, silently
  EXPECT_FALSE(memory.IsSolved(0));
  EXPECT_TRUE(fake.Messages().empty());

  memory.SetCurrent(1);
  memory.MarkSolved();
  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Cannot open memory file for writing, memory lost.", "d.cqm", MB_OK}));
  const std::string log = ReadFile("errors.txt").value_or("");
  EXPECT_NE(log.find(": Cannot open memory d.cqm: Is a directory\n"), std::string::npos) << log;
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);
}

TEST_F(MemoryTest, WriteErrorKeepsTheOldFile) {
  WriteFile("big.cqm", "old");
  memory.OpenMemory(100000, "big.cqm");  // 12,500 bytes
  memory.SetCurrent(99999);

  // A file size limit makes the write itself fail (EFBIG) once the record passes 4 KiB.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  memory.MarkSolved();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_EQ(fake.LastMessage(),
            (MessageBoxRecord{"Cannot write memory file, memory lost.", "big.cqm", MB_OK}));
  const std::string log = ReadFile("errors.txt").value_or("");
  EXPECT_NE(log.find(": Cannot write memory big.cqm: File too large\n"), std::string::npos) << log;
  EXPECT_EQ(ReadFile("big.cqm"), "old");
}

TEST_F(MemoryTest, BitOutOfRangeIsReportedAndQuitsWithoutTouchingBits) {
  memory.Resize(10);
  memory.Fill(0);
  testing::internal::CaptureStderr();
  memory.SetBit(10);
  EXPECT_FALSE(memory.TestBit(4294967295u));
  memory.ClearBit(12);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "BitVector( 10 ): bit number out of range\n"
            "BitVector( 4294967295 ): bit number out of range\n"
            "BitVector( 12 ): bit number out of range\n");
  EXPECT_EQ(fake.QuitCount(), 3);
  EXPECT_EQ(memory.SolvedCount(10), 0u);

  // The last word's spare bits carry nothing into range.
  memory.Fill(0xFFFFFFFF);
  memory.ClearBit(9);
  EXPECT_TRUE(memory.TestBit(8));
  EXPECT_FALSE(memory.TestBit(9));
}

}  // namespace
