// QuilloSession: the objects that live for one run, made in start-up order, destroyed in reverse.
#pragma once

#include <memory>
#include <string>
#include <vector>

class App;
class IniFile;
class RunServices;

class QuilloSession {
 public:
  // Runs start-up: the settings store on "./quillo.ini"; the program folder, help and word-list
  // paths; the working folder; the colours, the font and the display options from the settings;
  // the random generator seeded from the clock; App with the first argument as its quote file;
  // the main window; the first game. programPath is the game's own path, args the command-line
  // arguments after it. Start-up may already have asked the platform to quit (a failed file
  // dialog); the caller then skips the message loop.
  static std::unique_ptr<QuilloSession> Start(const std::string& programPath,
                                              const std::vector<std::string>& args);
  // App goes first, then the font and the colour scheme write their changes, then the run's
  // services go and the settings store flushes and goes.
  ~QuilloSession();

  App& TheApp() { return *app_; }

 private:
  QuilloSession() = default;

  std::unique_ptr<IniFile> settings_;
  std::unique_ptr<RunServices> services_;
  std::unique_ptr<App> app_;
};
