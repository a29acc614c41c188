// Start-up and shutdown of one run of the game.
#include "app/session.h"

#include <ctime>

#include "app/app.h"
#include "app/programpath.h"
#include "app/runservices.h"
#include "classlib/inifile.h"
#include "dialogs/workfolder.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/settingsfile.h"
#include "engine/random.h"

std::unique_ptr<QuilloSession> QuilloSession::Start(const std::string& programPath,
                                                    const std::vector<std::string>& args) {
  std::unique_ptr<QuilloSession> session(new QuilloSession);
  auto settings = std::make_unique<PrivateIniFile>("./quillo.ini");
  settings->OnWriteFailure(SettingsLossReporter(settings->FileName()));
  session->settings_ = std::move(settings);
  session->services_ = std::make_unique<RunServices>(*session->settings_);
  SetProgramPaths(programPath);
  SetWorkingFolder(programPath.c_str());
  // The store reads its file lazily, so everything read from here on comes from the working
  // folder's "./quillo.ini", not from the folder the program was started in.
  TheFont().Load();
  TheColors().Load();
  LoadDisplayOptions();
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));

  session->app_ = std::make_unique<App>(args.empty() ? nullptr : args.front().c_str());
  session->app_->InitMainWindow();
  session->app_->StartFirstGame();
  return session;
}

QuilloSession::~QuilloSession() {
  app_.reset();
  TheFont().Save();
  TheColors().Save();
  services_.reset();
  settings_.reset();
}
