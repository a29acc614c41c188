// AppFixture: the real start-up of the game on the fake platform, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/session.h"
#include "classlib/inifile.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/quillowindow.h"
#include "sources/casestyle.h"
#include "support/fake_platform.h"
#include "support/testing.h"

// The program "lives" in <folder>/bin/; the game runs in <folder>, which holds its settings.
// A quotation file "quotes.qot" with one line makes every new game the same quotation.
class AppFixture : public testing::Test {
 protected:
  static constexpr const char* kQuotation = "Hello, world";

  AppFixture() { WriteFile(folder.File("quotes.qot"), std::string(kQuotation) + "\n"); }
  // The session goes while the fake can still take its calls; the process-wide options then
  // go back to their defaults for the tests that follow.
  ~AppFixture() override {
    session.reset();
    LoadDisplayOptions();
    ForgetCaseStyle();
    TheFont().Load();
    TheColors().Load();
  }

  // Writes the settings file the run starts from, e.g. "HintButtons=0\nWindowX=5\n".
  void WriteSettings(const std::string& lines) { WriteFile(folder.File("quillo.ini"), "[quillo]\n" + lines); }

  App& Start(std::vector<std::string> args = {"quotes.qot"}) {
    session = QuilloSession::Start(folder.File("bin/quillo"), args);
    return session->TheApp();
  }
  App& app() { return session->TheApp(); }
  FakeWindowPeer& FramePeer() { return fake.Peer(app().Frame()); }
  std::string Setting(const char* key) { return Settings().ReadString("quillo", key, "<absent>"); }

  TempFolder folder{true};
  FakePlatform fake;
  std::unique_ptr<QuilloSession> session;
};
