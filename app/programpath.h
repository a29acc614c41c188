// The running program's own path and folder, and the data files found through that folder.
#pragma once

#include <string>

// The program's full path (resolved through /proc/self/exe; argv0 as the fallback).
std::string ProgramPath(const char* argv0);
// The path up to and including its last '/' or '\'; empty when it has none.
std::string FolderOf(const std::string& path);

// The session's paths, set at start-up from the program's own path.
struct ProgramPaths {
  std::string folder;
  std::string help;
  std::string wordList;
};

// Sets the session's paths: the program folder (with its trailing separator, empty when the
// path has none), the help pages (a folder of HTML pages: program folder + "help") and the
// word-list dictionary (program folder + "wordlist.wl"). Empty until set.
void SetProgramPaths(const std::string& programPath);
const std::string& ProgramFolder();
const std::string& HelpPath();
const std::string& WordListPath();
