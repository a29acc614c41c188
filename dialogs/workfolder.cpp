// The working folder: a system-wide install keeps the player's files under Documents.
#include "dialogs/workfolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "classlib/safefile.h"

namespace {

constexpr std::size_t kMaxUserDirsBytes = 64 * 1024;

bool PlayerCanWrite(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

std::string_view TrimFront(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The quoted or bare word at the start of a shell assignment's value; false when it is
// malformed (an unclosed quote).
bool ShellWord(std::string_view text, std::string& word) {
  word.clear();
  if (text.empty() || text.front() != '"') {
    word.assign(text.substr(0, text.find_first_of(" \t#")));
    return true;
  }
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '"') return true;
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    word += text[i];
  }
  return false;
}

// "$HOME/x" or "${HOME}/x" made absolute; an absolute path as it is; empty for anything else.
std::string ExpandHome(const std::string& value, const std::string& home) {
  for (std::string_view prefix : {std::string_view("$HOME"), std::string_view("${HOME}")}) {
    if (value.compare(0, prefix.size(), prefix) != 0) continue;
    if (value.size() > prefix.size() && value[prefix.size()] != '/') continue;
    return home.empty() ? std::string() : home + value.substr(prefix.size());
  }
  return (!value.empty() && value.front() == '/') ? value : std::string();
}

// XDG_DOCUMENTS_DIR from the text of user-dirs.dirs, a file of shell assignments such as
// XDG_DOCUMENTS_DIR="$HOME/Documents" (the last one wins); empty when none is usable.
std::string DocumentsFromUserDirs(std::string_view text, const std::string& home) {
  constexpr std::string_view kName = "XDG_DOCUMENTS_DIR";
  std::string documents;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = TrimFront(text.substr(0, newline));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, kName.size()) != kName) continue;
    line = TrimFront(line.substr(kName.size()));
    if (line.empty() || line.front() != '=') continue;
    std::string word;
    if (!ShellWord(TrimFront(line.substr(1)), word)) continue;
    std::string path = ExpandHome(word, home);
    if (!path.empty()) documents = WithoutTrailingSlashes(path);
  }
  return documents;
}

// The program path cut at its last separator; empty when it has none.
std::string ProgramFolder(const std::string& programPath) {
  const std::size_t cut = programPath.find_last_of("/\\");
  if (cut == std::string::npos) return std::string();
  return programPath.substr(0, cut == 0 ? 1 : cut);
}

// The last component of a folder, or "Default" when it has none worth using.
std::string FolderName(const std::string& folder) {
  std::string trimmed = folder;
  while (!trimmed.empty() && (trimmed.back() == '/' || trimmed.back() == '\\')) trimmed.pop_back();
  const std::size_t cut = trimmed.find_last_of("/\\");
  std::string name = cut == std::string::npos ? trimmed : trimmed.substr(cut + 1);
  if (name.empty() || name == "." || name == "..") return "Default";
  return name;
}

bool CurrentFolder(std::string& folder) {
  char* path = ::getcwd(nullptr, 0);
  if (!path) return false;
  folder = path;
  std::free(path);
  return true;
}

bool SameFolder(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa {}, sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// Creates path and its missing parents; failures show when the folder is entered.
void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0777);
  }
  ::mkdir(path.c_str(), 0777);
}

}  // namespace

WorkFolderEnvironment RealWorkFolderEnvironment() {
  WorkFolderEnvironment env;
  const char* home = std::getenv("HOME");
  if (home && *home) {
    env.home = home;
  } else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
    env.home = entry->pw_dir;
  }
  if (const char* config = std::getenv("XDG_CONFIG_HOME")) env.configHome = config;
  env.canWrite = PlayerCanWrite;
  return env;
}

std::string DocumentsFolder(const WorkFolderEnvironment& env) {
  // A relative XDG_CONFIG_HOME is to be ignored.
  std::string configFolder = env.configHome;
  if (configFolder.empty() || configFolder.front() != '/') {
    configFolder = env.home.empty() ? std::string() : env.home + "/.config";
  }
  if (!configFolder.empty()) {
    const LoadedFile dirs = LoadSmallFile(configFolder + "/user-dirs.dirs", kMaxUserDirsBytes);
    if (dirs.state == FileState::Text) {
      std::string documents = DocumentsFromUserDirs(dirs.text, env.home);
      if (!documents.empty()) return documents;
    }
  }
  if (!env.home.empty()) return WithoutTrailingSlashes(env.home) + "/Documents";
  return "/tmp";
}

void SetWorkingFolder(const char* programPath) {
  SetWorkingFolder(programPath, RealWorkFolderEnvironment());
}

void SetWorkingFolder(const char* programPath, const WorkFolderEnvironment& env) {
  const std::string folder = ProgramFolder(programPath ? programPath : "");
  if (folder.empty()) return;
  std::string current;
  if (CurrentFolder(current) && !SameFolder(current, folder)) return;
  const bool writable = env.canWrite ? env.canWrite(folder) : PlayerCanWrite(folder);
  if (writable) return;
  std::string documents = DocumentsFolder(env);
  if (documents.back() == '/') documents.pop_back();  // the root folder itself
  const std::string target = documents + "/" + FolderName(folder);
  MakeFolders(target);
  if (::chdir(target.c_str()) != 0) return;  // the current folder stays
}
