// The working folder: where the game's own relative file names (settings, error log, saved game)
// land, chosen once at start-up.
#pragma once

#include <functional>
#include <string>

// What the choice needs from the player's environment; tests supply their own.
struct WorkFolderEnvironment {
  std::string home;        // the player's home folder; empty when it cannot be found
  std::string configHome;  // XDG_CONFIG_HOME as set; empty when unset
  std::function<bool(const std::string& folder)> canWrite;  // may the player write to folder?
};

// The real environment: $HOME (else the password entry's home), $XDG_CONFIG_HOME, and access(2).
WorkFolderEnvironment RealWorkFolderEnvironment();

// The player's Documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs in the configuration
// folder ($XDG_CONFIG_HOME, else ~/.config), else ~/Documents, else /tmp when there is no home.
std::string DocumentsFolder(const WorkFolderEnvironment& env);

// Called once at start-up with the program's own path. When the game was started from its own
// folder and the player cannot write there (a system-wide install), the working folder becomes
// <Documents>/<name of the program folder> ("Default" when it has none), created with any missing
// parents. Otherwise the current folder stays. Never reports an error: a folder that cannot be
// made or entered leaves the current folder as it was.
void SetWorkingFolder(const char* programPath);
void SetWorkingFolder(const char* programPath, const WorkFolderEnvironment& env);
