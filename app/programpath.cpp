// Finds the running program's path and folder, and keeps the paths derived from it.
#include "app/programpath.h"

#include <filesystem>
#include <system_error>

#include "classlib/services.h"

namespace {
ProgramPaths& Paths() { return *RequiredServices("ProgramPaths").paths; }
}  // namespace

std::string ProgramPath(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self.string();
  if (!argv0) return {};
  std::filesystem::path given = std::filesystem::absolute(argv0, error);
  return error ? std::string(argv0) : given.lexically_normal().string();
}

std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void SetProgramPaths(const std::string& programPath) {
  ProgramPaths& paths = Paths();
  paths.folder = FolderOf(programPath);
  paths.help = paths.folder + "help";
  paths.wordList = paths.folder + "wordlist.wl";
}

const std::string& ProgramFolder() { return Paths().folder; }
const std::string& HelpPath() { return Paths().help; }
const std::string& WordListPath() { return Paths().wordList; }
