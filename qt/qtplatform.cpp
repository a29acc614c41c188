// QtPlatform: windows, message boxes, clipboard, system queries and quitting on Qt.
#include "qt/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QScreen>

#include <cmath>
#include <memory>

#include "qt/qtcharts.h"
#include "qt/qtcommondlg.h"
#include "qt/qtconvert.h"
#include "qt/qtdialog.h"
#include "qt/qtframe.h"
#include "qt/qthelp.h"
#include "qt/qtmedia.h"
#include "qt/qtsound.h"
#include "qt/qtwindow.h"

namespace {
const char* const kDisplayName = "Quillo!";

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The button set of a style, the first one the default.
QList<QMessageBox::StandardButton> ButtonsOf(unsigned flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {QMessageBox::Ok, QMessageBox::Cancel};
    case 0x2: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case MB_YESNOCANCEL: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MB_YESNO: return {QMessageBox::Yes, QMessageBox::No};
    case 0x5: return {QMessageBox::Retry, QMessageBox::Cancel};
    default: return {QMessageBox::Ok};
  }
}

int ResultOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return 0;
  }
}

// The answer of a box closed without a button (by quitting): Cancel where there is one, else the
// last button (OK for a plain message, No for a question).
int UnansweredResult(const QList<QMessageBox::StandardButton>& buttons) {
  if (buttons.contains(QMessageBox::Cancel)) return IDCANCEL;
  return ResultOf(buttons.back());
}

QPalette::ColorRole RoleOf(int index, QPalette::ColorGroup& group) {
  group = QPalette::Active;
  switch (index) {
    case 5: return QPalette::Base;              // window background
    case 6: return QPalette::Dark;              // window frame
    case 8: return QPalette::Text;              // window text
    case 4: case 0: case 1: case 2: case 3: case 10: case 11: case 12: case 25: case 30:
      return QPalette::Window;                  // menus, desktop, captions, borders
    case 7: case 9: return QPalette::WindowText;  // menu and caption text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;           // button face
    case 16: return QPalette::Mid;              // button shadow
    case 17: group = QPalette::Disabled; return QPalette::Text;  // grey text
    case 18: return QPalette::ButtonText;
    case 19: group = QPalette::Inactive; return QPalette::WindowText;
    case 20: return QPalette::Light;            // button highlight
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    case 26: return QPalette::Link;
    default: return QPalette::Window;
  }
}
}  // namespace

namespace {
// A function of a module beside the program, the module staying loaded to the end of the run;
// null (and a warning saying what is missing) when it cannot be loaded.
QFunctionPointer ModuleFunction(const char* moduleName, const char* functionName, const char* lost) {
  QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                  QLatin1String(moduleName));
  // Every symbol is bound at load, so a module that does not fit fails here, not mid-game.
  module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
  const QFunctionPointer function = module.resolve(functionName);
  if (!function) qWarning("Quillo: %s: %s", lost, qPrintable(module.errorString()));
  return function;
}
}  // namespace

QtMedia* Media() {
  static QtMedia* const media = []() -> QtMedia* {
    const auto create = reinterpret_cast<QtMediaFactory>(
        ModuleFunction(kMediaModuleName, kMediaFactoryName, "no sound and no printing"));
    return create ? create() : nullptr;  // kept to the end of the run, as the module is
  }();
  return media;
}

QtShowStatistics StatisticsWindow() {
  static const auto show = reinterpret_cast<QtShowStatistics>(
      ModuleFunction(kChartsModuleName, kChartsFactoryName, "no statistics window"));
  return show;
}

namespace {
// The application's style with its standard icons fetched when first drawn. A menu bar asks for
// one as it is built, and fetching it makes the image reader load every image format plugin
// installed, which the first paint never needs.
class LazyIconStyle : public QProxyStyle {
 public:
  explicit LazyIconStyle(const QString& base) : QProxyStyle(base) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    // The style reads only the option's common part (the direction, the palette).
    const auto common = option ? std::make_shared<QStyleOption>(*option) : nullptr;
    auto real = std::make_shared<QIcon>();
    return DrawnIcon(
        [style = QPointer<const LazyIconStyle>(this), icon, common, owner = QPointer<const QWidget>(widget),
         real](QSize size) {
          if (real->isNull() && style) *real = style->QProxyStyle::standardIcon(icon, common.get(), owner.data());
          return real->pixmap(size);
        },
        {{16, 16}, {32, 32}, {64, 64}});
  }
};
}  // namespace

QtPlatform::QtPlatform() : tones_(std::make_unique<QtTones>()) {
  if (!dynamic_cast<LazyIconStyle*>(QApplication::style())) {
    QApplication::setStyle(new LazyIconStyle(QApplication::style()->name()));
  }
  if (QApplication::windowIcon().availableSizes().isEmpty()) QApplication::setWindowIcon(ProgramIcon());
}

QtPlatform::~QtPlatform() { delete help_.data(); }

std::unique_ptr<TWindowPeer> QtPlatform::CreatePeer(TWindow& window) {
  if (window.IsFrame()) return std::make_unique<QtFramePeer>(window);
  QWidget* parent = nullptr;
  if (TWindow* owner = window.Parent()) {
    if (!owner->HasPeer()) owner->Create();
    if (auto* peer = dynamic_cast<QtPeer*>(&owner->Peer())) parent = peer->ClientWidget();
  }
  return std::make_unique<QtChildPeer>(window, parent);
}

int QtPlatform::RunDialog(TDialog& dialog) { return RunTemplateDialog(dialog); }

int QtPlatform::MessageBox(TWindow* owner, const std::string& text, const std::string& caption,
                           unsigned flags) {
  QMessageBox box(OwnerWidget(owner));
  box.setWindowTitle(caption.empty() ? QString::fromLatin1(kDisplayName) : ToQt(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(text));
  box.setIcon(IconOf(flags));
  const QList<QMessageBox::StandardButton> buttons = ButtonsOf(flags);
  for (QMessageBox::StandardButton button : buttons) box.addButton(button);
  box.setDefaultButton(buttons.front());
  box.exec();
  if (QAbstractButton* clicked = box.clickedButton()) {
    const int result = ResultOf(box.standardButton(clicked));
    if (result != 0) return result;
  }
  return UnansweredResult(buttons);
}

std::optional<std::string> QtPlatform::ClipboardText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return std::nullopt;
  return FromQt(clipboard->text());
}

bool QtPlatform::SetClipboardText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(ToQt(text));
  return true;
}

void QtPlatform::PlayWave(const std::string& path) {
  if (QtMedia* media = Media()) media->PlayFile(PathToQt(path));
}

void QtPlatform::Tone(int frequencyHz, int milliseconds) {
  if (QtMedia* media = Media()) media->PlayFile(tones_->FileFor(frequencyHz, milliseconds));
}

void QtPlatform::SimpleBeep() { QApplication::beep(); }

TOpenFileResult QtPlatform::OpenFile(TWindow* parent, const TOpenFileRequest& request) {
  return RunOpenFileDialog(OwnerWidget(parent), request);
}

TChooseResult QtPlatform::ChooseFont(TWindow* parent, TLogFont& font, std::string& error) {
  return RunFontDialog(OwnerWidget(parent), font, error);
}

bool QtPlatform::ChooseColor(TWindow* parent, TColor& color, TColor custom[16]) {
  return RunColorDialog(OwnerWidget(parent), color, custom);
}

std::unique_ptr<TPrinter> QtPlatform::CreatePrinter() {
  QtMedia* media = Media();
  return media ? media->CreatePrinter(printToFile_) : nullptr;
}

void QtPlatform::ShowHelp(TWindow* parent, const std::string& helpPath, int topic) {
  if (!help_) help_ = new QtHelpWindow(OwnerWidget(parent));
  help_->ShowTopic(PathToQt(helpPath), topic);
}

void QtPlatform::ShowStatistics(TWindow* parent, const TStatisticsView& view) {
  if (QtShowStatistics show = StatisticsWindow()) {
    show(OwnerWidget(parent), view);
    return;
  }
  MessageBox(parent, "The statistics window cannot be shown:\nits module " +
                         std::string(kChartsModuleName) + " is missing.",
             "Error", MB_OK | MB_ICONSTOP);
}

QtHelpWindow* QtPlatform::HelpWindow() const { return help_.data(); }

TColor QtPlatform::SysColor(int index) {
  QPalette::ColorGroup group;
  const QPalette::ColorRole role = RoleOf(index, group);
  return FromQColor(QApplication::palette().color(group, role));
}

TRect QtPlatform::WorkArea() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? FromQRect(screen->availableGeometry()) : TRect{0, 0, 800, 600};
}

std::vector<TRect> QtPlatform::Monitors() {
  std::vector<TRect> monitors;
  for (QScreen* screen : QGuiApplication::screens()) monitors.push_back(FromQRect(screen->geometry()));
  return monitors;
}

bool QtPlatform::IsKeyDown(TKey key) {
  const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
  switch (key) {
    case TKey::Shift: return held & Qt::ShiftModifier;
    case TKey::Control: return held & Qt::ControlModifier;
    case TKey::Alt: return held & Qt::AltModifier;
  }
  return false;
}

TSize QtPlatform::ScreenPixelsPerInch() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {96, 96};
  return {static_cast<int>(std::lround(screen->logicalDotsPerInchX())),
          static_cast<int>(std::lround(screen->logicalDotsPerInchY()))};
}

void QtPlatform::Quit() {
  quitRequested_ = true;
  // Posted, so the current command runs to its end. Qt's quit closes every window (dialogs and
  // message boxes included) and then leaves the application's loop; it does nothing where that
  // loop is not running, as in tests that drive the windows directly.
  QMetaObject::invokeMethod(
      qApp,
      [] {
        SetQuitInProgress(true);
        QCoreApplication::quit();
        SetQuitInProgress(false);
      },
      Qt::QueuedConnection);
}
