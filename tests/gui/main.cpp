// Runs every registered GUI test class on the offscreen platform with the Qt back end installed.
// Naming classes on the command line ("gui_tests FrameTest") runs only those; every other
// argument goes to QtTest as usual.
#include <QApplication>
#include <QTest>

#include <cstring>
#include <vector>

#include "framework/platform.h"
#include "gui_helpers.h"
#include "qt/qtplatform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QtPlatform platform;
  SetPlatform(&platform);

  std::vector<std::unique_ptr<QObject>> tests;
  for (const GuiTestFactory& make : GuiTests()) tests.push_back(make());
  std::vector<char*> testArgs;
  std::vector<const QObject*> chosen;
  for (int i = 0; i < argc; ++i) {
    bool namesClass = false;
    for (const auto& test : tests) {
      if (i > 0 && std::strcmp(argv[i], test->metaObject()->className()) == 0) {
        chosen.push_back(test.get());
        namesClass = true;
      }
    }
    if (!namesClass) testArgs.push_back(argv[i]);
  }

  int failedClasses = 0;
  for (const auto& test : tests) {
    if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), test.get()) == chosen.end()) continue;
    if (QTest::qExec(test.get(), static_cast<int>(testArgs.size()), testArgs.data()) != 0) ++failedClasses;
  }
  SetPlatform(nullptr);
  return failedClasses == 0 ? 0 : 1;
}
