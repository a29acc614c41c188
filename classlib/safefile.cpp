// Careful whole-file reading and replacing (POSIX): no hang on special files, no half-written file.
#include "classlib/safefile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

FileWriteCall writeCall = nullptr;

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t n = writeCall ? writeCall(fd, content.data(), content.size())
                          : ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The path a replacement must land on: the target of a symbolic link, so that a linked settings
// file stays linked.
std::string ReplacementTarget(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

// A replacement writes into one of a few fixed sibling names, locked while it is written, so
// that a sibling left by a killed writer is found by trying those names, never by listing a
// folder that may hold thousands of files.
constexpr int kSiblingSlots = 8;

std::string Sibling(const std::string& target, int slot) {
  return target + ".tmp-" + static_cast<char>('0' + slot);
}

bool IsStillAt(int fd, const std::string& name) {
  struct stat open {}, named {};
  return ::fstat(fd, &open) == 0 && ::lstat(name.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Removes the sibling if no living writer holds it: a killed writer's lock went with it.
void RemoveIfStale(const std::string& name) {
  Descriptor fd(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && IsStillAt(fd.get(), name)) ::unlink(name.c_str());
}

// Creates and locks a free sibling of target; -1 with errno set when none can be had.
int ClaimSibling(const std::string& target, std::string& name) {
  for (int slot = 0; slot < kSiblingSlots; ++slot) {
    name = Sibling(target, slot);
    for (int attempt = 0; attempt < 2; ++attempt) {
      Descriptor fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
      if (fd.get() < 0 && errno != EEXIST) return -1;
      if (fd.get() < 0) {
        RemoveIfStale(name);
        continue;
      }
      // A cleaner may have taken the new file for stale before it was locked: then try again.
      if (::flock(fd.get(), LOCK_EX) == 0 && IsStillAt(fd.get(), name)) return fd.release();
    }
  }
  errno = EBUSY;
  return -1;
}

// Appends bytes to the open file; a failure cuts the file back to its old size and keeps the
// error number of the failure.
bool AppendOrTakeBack(int fd, std::string_view bytes) {
  const off_t size = ::lseek(fd, 0, SEEK_END);
  if (size < 0) return false;
  std::string whole(bytes);
  char last = '\n';
  if (size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n') whole.insert(0, 1, '\n');
  if (WriteAll(fd, whole)) return true;
  const int error = errno;
  while (::ftruncate(fd, size) != 0 && errno == EINTR) {
  }
  errno = error;
  return false;
}

}  // namespace

LoadedFile LoadSmallFile(const std::string& path, std::size_t maxBytes) {
  LoadedFile result;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    result.state = (errno == ENOENT) ? FileState::Missing : FileState::Unusable;
    return result;
  }
  result.state = FileState::Unusable;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return result;
  if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > maxBytes) return result;

  std::string text;
  text.resize(static_cast<std::size_t>(info.st_size) + 1);  // one more byte notices growth
  std::size_t used = 0;
  while (used < text.size()) {
    ssize_t n = ::read(fd.get(), text.data() + used, text.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return result;
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (used > maxBytes) return result;  // the file grew past the cap while being read
    if (used == text.size()) text.resize(text.size() * 2);
  }
  text.resize(used);
  result.state = FileState::Text;
  result.text = std::move(text);
  return result;
}

bool ReplaceFileContents(const std::string& path, std::string_view content) {
  const std::string target = ReplacementTarget(path);
  std::string temporary;
  Descriptor fd(ClaimSibling(target, temporary));
  if (fd.get() < 0) return false;

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
    // Some file systems keep no modes; the new file's default mode will do.
  }
  // The lock is held until the rename, so no cleaner takes the synced file for a stale one.
  bool ok = WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
  }
  ::close(fd.release());
  for (int slot = 0; slot < kSiblingSlots; ++slot) RemoveIfStale(Sibling(target, slot));
  return true;
}

bool AppendLine(const std::string& path, std::string_view line) {
  std::string bytes(line);
  bytes += '\n';
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    // A new file is made whole, so that a failure leaves no empty file behind.
    return errno == ENOENT && ReplaceFileContents(path, bytes);
  }
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  Descriptor fd(::open(path.c_str(), O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return false;
  const bool ok = AppendOrTakeBack(fd.get(), bytes);
  const int error = errno;
  if (::close(fd.release()) != 0 && ok) return false;
  errno = error;
  return ok;
}

std::string WithReason(std::string_view text, int error) {
  std::string message(text);
  if (error != 0) message.append("\n").append(std::strerror(error));
  return message;
}

void SetFileWriteCall(FileWriteCall call) { writeCall = call; }
