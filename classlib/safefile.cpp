// Careful whole-file reading and replacing (POSIX): no hang on special files, no half-written file.
#include "classlib/safefile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

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

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
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

std::string TemporarySibling(const std::string& target) {
  static unsigned counter = 0;
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".tmp-%ld-%u", static_cast<long>(::getpid()), ++counter);
  return target + suffix;
}

// A game killed between creating its temporary sibling and the rename leaves that sibling
// behind. Siblings of target whose writing process is gone are removed; those of a living
// process (another copy of the game writing now) are left alone.
void RemoveStaleSiblings(const std::string& target) {
  namespace fs = std::filesystem;
  const fs::path path(target);
  const std::string prefix = path.filename().string() + ".tmp-";
  std::error_code error;
  fs::directory_iterator entries(path.has_parent_path() ? path.parent_path() : fs::path("."), error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    char* end = nullptr;
    const long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
    if (pid <= 0 || *end != '-' || pid == static_cast<long>(::getpid())) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      std::error_code ignored;
      fs::remove(entries->path(), ignored);
    }
  }
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
  const std::string temporary = TemporarySibling(target);
  Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;

  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
    // Some file systems keep no modes; the new file's default mode will do.
  }
  bool ok = WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
  ok = (::close(fd.release()) == 0) && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  if (ok) RemoveStaleSiblings(target);
  return ok;
}
