// The shared pieces of the fuzz targets: the quiet platform and the scratch folder.
#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/runservices.h"
#include "classlib/inifile.h"

namespace {

// Memory-backed when the system has /dev/shm: the game syncs every file it replaces, and on a
// disk that alone would cost most of each run.
std::filesystem::path ScratchParent() {
  std::error_code ignored;
  if (std::filesystem::is_directory("/dev/shm", ignored) && access("/dev/shm", W_OK) == 0) {
    return "/dev/shm";
  }
  return std::filesystem::temp_directory_path();
}

// Made once per process, removed when the process ends normally (a crash leaves it for a look).
struct ScratchFolder {
  std::filesystem::path path;

  ScratchFolder() {
    std::string pattern = (ScratchParent() / "quillo-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) FuzzFail("cannot make the scratch folder");
    path = pattern;
    std::filesystem::current_path(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path("/", ignored);
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

// libFuzzer opens corpus files and writes artifacts by the paths on its command line, also after
// the first input has moved the process into the scratch folder; so relative paths are made
// absolute before it parses them. Flags whose value is no path are left alone.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> texts;
  static std::vector<char*> pointers;
  static const char* const kPathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                           "-merge_control_file=", "-features_dir="};
  const std::filesystem::path here = std::filesystem::current_path();
  texts.assign(*argv, *argv + *argc);
  for (std::size_t i = 1; i < texts.size(); ++i) {
    std::string& arg = texts[i];
    std::size_t valueAt = 0;
    if (arg[0] == '-') {
      valueAt = std::string::npos;
      for (const char* flag : kPathFlags) {
        if (arg.rfind(flag, 0) == 0) valueAt = std::strlen(flag);
      }
    }
    if (valueAt == std::string::npos || valueAt >= arg.size() || arg[valueAt] == '/') continue;
    arg = arg.substr(0, valueAt) + (here / arg.substr(valueAt)).string();
  }
  pointers.clear();
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  *argv = pointers.data();
  return 0;
}

QuietPlatform& FuzzSetUp() {
  static ScratchFolder folder;
  static QuietPlatform platform;
  static const bool installed = (SetPlatform(&platform), true);
  // The readers run inside one session for the whole process, as in one run of the game.
  static MemoryIniFile store;
  static RunServices services(store);
  (void)installed;
  platform.answer = IDYES;
  platform.messageCount = 0;
  platform.quitCount = 0;
  platform.lastMessage.clear();
  platform.clipboard.reset();
  return platform;
}

std::string WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(name, "wb");
  if (!f) FuzzFail("cannot write the input file");
  if (size > 0 && std::fwrite(data, 1, size, f) != size) FuzzFail("cannot write the input file");
  if (std::fclose(f) != 0) FuzzFail("cannot write the input file");
  return name;
}

void RemoveInput(const char* name) { std::remove(name); }

std::uint8_t TakeByte(const std::uint8_t*& data, std::size_t& size) {
  if (size == 0) return 0;
  --size;
  return *data++;
}

void FuzzFail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}
