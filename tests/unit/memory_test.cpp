// The solved-puzzle record: its bit layout, its memory file, when it is written, and its faults.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "sources/memory.h"
#include "support/fake_platform.h"
#include "support/testing.h"

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

class MemoryTest : public ::testing::Test {
 protected:
  FakePlatform fake;
  TempFolder folder{true};
  Memory memory;  // a record of its own; the destructor does not save
};

// Puzzle n is bit 7 - n % 8 of byte 4 * (n / 32) + 3 - (n % 32) / 8.
TEST_F(MemoryTest, FileLayoutShortAndLongFiles) {
  memory.OpenMemory(33, "q.cqm");
  for (std::uint32_t n : {0u, 9u, 32u}) memory.SetBit(n);
  memory.SaveMemory();
  EXPECT_EQ(ReadFile("q.cqm"), Bytes({0x00, 0x00, 0x40, 0x80, 0x00, 0x00, 0x00, 0x80}));
  WriteFile("short.cqm", Bytes({0x01, 0x02, 0x04}));  // the missing bits read clear
  memory.OpenMemory(40, "short.cqm");
  for (std::uint32_t n = 0; n < 40; ++n) EXPECT_EQ(memory.IsSolved(n), n == 13 || n == 22 || n == 31) << n;
  WriteFile("long.cqm", Bytes({0, 0, 0, 0x80, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(33, "long.cqm");  // bytes past the count are ignored
  EXPECT_TRUE(memory.SolvedCount(33) == 2u && memory.IsSolved(32));
}

TEST_F(MemoryTest, WhenTheRecordIsWritten) {
  memory.SetCurrent(0);
  memory.MarkSolved();  // no file name: nothing at all
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  memory.OpenMemory(5, "a.cqm");
  memory.SetBit(2);
  WriteFile("a.cqm", Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(5, "a.cqm");  // the same file and count keep the bits; the file is not touched
  EXPECT_TRUE(!memory.IsSolved(0) && ReadFile("a.cqm") == Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  memory.OpenMemory(6, "a.cqm");  // another count is another record: saved, then read back
  EXPECT_TRUE(ReadFile("a.cqm") == Bytes({0x00, 0x00, 0x00, 0x20}) && memory.IsSolved(2));
  memory.SetBit(4);
  memory.OpenMemory(0, nullptr);  // a plain quote file: the old record is written on the way out
  EXPECT_TRUE(ReadFile("a.cqm") == Bytes({0x00, 0x00, 0x00, 0x28}) && !memory.HasFile());
  memory.OpenMemory(33, "m.cqm");
  memory.SetCurrent(32);
  memory.MarkSolved();  // saved at once
  EXPECT_EQ(ReadFile("m.cqm"), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80}));
  EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(MemoryTest, WriteFaultsAreLoggedReportedAndKeepTheOldFile) {
  std::filesystem::create_directory("d.cqm");
  memory.OpenMemory(8, "d.cqm");  // a folder reads as a clear record, silently
  EXPECT_TRUE(fake.Messages().empty());
  memory.SetCurrent(1);
  memory.MarkSolved();
  memory.MarkSolved();  // logged again, told once
  EXPECT_EQ(fake.Messages(), (std::vector<MessageBoxRecord>{
                                 {"Cannot open memory file for writing, memory lost.\nIs a directory",
                                  "d.cqm", MB_OK | MB_ICONSTOP}}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);  // no temporary file

  WriteFile("big.cqm", "old");
  memory.OpenMemory(100000, "big.cqm");  // 12,500 bytes
  memory.SetCurrent(99999);
  // A file size limit makes the write itself fail (EFBIG) once the record passes 4 KiB.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{4096, saved.rlim_max};
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  memory.MarkSolved();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Cannot write memory file, memory lost.\nFile too large",
                                                  "big.cqm", MB_OK | MB_ICONSTOP}));
  EXPECT_EQ(ReadFile("big.cqm"), "old");
  const std::string log = ReadFile("errors.txt").value_or("");
  const std::string opening = ": Cannot open memory d.cqm: Is a directory\n";
  EXPECT_NE(log.find(opening, log.find(opening) + 1), std::string::npos) << log;  // both failures
  EXPECT_NE(log.find(": Cannot write memory big.cqm: File too large\n"), std::string::npos) << log;
}

TEST_F(MemoryTest, BitOutOfRangeIsReportedAndQuitsWithoutTouchingBits) {
  memory.Resize(10);
  memory.Fill(0);
  testing::internal::CaptureStderr();
  memory.SetBit(10);
  EXPECT_FALSE(memory.TestBit(4294967295u));
  memory.ClearBit(12);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "BitVector( 10 ): bit number out of range\nBitVector( 4294967295 ): bit number out of range\n"
            "BitVector( 12 ): bit number out of range\n");
  EXPECT_TRUE(fake.QuitCount() == 3 && memory.SolvedCount(10) == 0u);
  memory.Fill(0xFFFFFFFF);  // the last word's spare bits carry nothing into range
  memory.ClearBit(9);
  EXPECT_TRUE(memory.TestBit(8) && !memory.TestBit(9));
}

}  // namespace
