// Runs every registered GUI test class on the offscreen platform with the Qt back end installed.
// Naming classes on the command line ("gui_tests FrameTest") runs only those; every other
// argument goes to QtTest as usual. Nothing of this machine's set-up reaches the tests: the home
// and XDG folders are fresh, the locale is C.UTF-8, Qt's scaling and style variables are unset
// (QUILLO_GUI_SCALE alone sets a desktop scale),
// the only fonts are the DejaVu faces the README's set-up installs, and the screen is fixed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "gui_helpers.h"
#include "qt/qtplatform.h"

namespace {
constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu";

void IsolateFromThisMachine(const QTemporaryDir& home) {
  const QByteArray root = home.path().toUtf8();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    QDir(home.path()).mkpath(name);
    qputenv(name, root + "/" + name);
  }
  qputenv("HOME", root);
  qputenv("XDG_RUNTIME_DIR", root);  // Qt wants it private (0700), as a temporary folder is
  qputenv("LC_ALL", "C.UTF-8");
  for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_STYLE_OVERRIDE",
                           "QT_QPA_PLATFORMTHEME", "QT_ENABLE_HIGHDPI_SCALING", "QT_AUTO_SCREEN_SCALE_FACTOR"}) {
    qunsetenv(name);
  }
  if (!QDir(kFontFolder).exists()) {
    qWarning("%s is missing (package fonts-dejavu-core): the tests see this machine's fonts", kFontFolder);
    return;
  }
  QFile config(home.filePath("fonts.conf"));
  if (!config.open(QIODevice::WriteOnly)) return;
  config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>%1</dir>\n<cachedir>%2</cachedir>\n"
                              "<alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>\n"
                              "<alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
                              "<alias><family>serif</family><prefer><family>DejaVu Serif</family></prefer></alias>\n"
                              "</fontconfig>\n").arg(QLatin1String(kFontFolder), home.filePath("fontcache")).toUtf8());
  config.close();
  qputenv("FONTCONFIG_FILE", config.fileName().toUtf8());
}

// The offscreen screen: 1600x1000 at 96 dots per inch, and windows framed as a window manager would.
// QUILLO_GUI_SCALE=2 makes it a screen of twice the pixels scaled by QT_SCALE_FACTOR=2, as a
// desktop at 200% is: the same 1600x1000 to the game, drawn at twice the resolution.
void UseFixedScreen(const QTemporaryDir& home) {
  const int scale = std::clamp(qEnvironmentVariableIntValue("QUILLO_GUI_SCALE"), 1, 4);
  if (scale > 1) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
  QFile config(home.filePath("screen.json"));
  if (!config.open(QIODevice::WriteOnly)) return;
  config.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [{"name": "Screen", "x": 0, "y": 0,
                "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(1600 * scale).arg(1000 * scale).toUtf8());
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
}
}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  IsolateFromThisMachine(home);
  const QByteArray qpa = qgetenv("QT_QPA_PLATFORM");
  if (qpa.isEmpty() || qpa == "offscreen") UseFixedScreen(home);
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen->size() != QSize(1600, 1000)) {
    qWarning("The tests expect a 1600x1000 screen; this one is %dx%d", screen->size().width(), screen->size().height());
  }
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
    MemoryIniFile store;
    RunServices services(store);  // each class starts from a fresh session
    if (QTest::qExec(test.get(), static_cast<int>(testArgs.size()), testArgs.data()) != 0) ++failedClasses;
    ForgetDialogAnswers();  // an answer one class left waiting must not take the next one's dialog
  }
  SetPlatform(nullptr);
  return failedClasses == 0 ? 0 : 1;
}
