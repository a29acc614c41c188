// Menu bar and accelerator table of the frame window.
#include "qt/qtmenu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QWindow>

#include "qt/qtconvert.h"

QKeyCombination ParseAccelerator(const std::string& name) {
  if (name.empty()) return QKeyCombination();
  QKeySequence sequence = QKeySequence::fromString(ToQt(name), QKeySequence::PortableText);
  if (sequence.isEmpty()) return QKeyCombination();
  return sequence[0];
}

std::vector<QKeyCombination> ParseAccelerators(const std::string& names) {
  std::vector<QKeyCombination> keys;
  std::size_t start = 0;
  while (start < names.size()) {
    std::size_t end = names.find(", ", start);
    if (end == std::string::npos) end = names.size();
    if (QKeyCombination key = ParseAccelerator(names.substr(start, end - start)); key.toCombined() != 0) {
      keys.push_back(key);
    }
    start = end + 2;
  }
  return keys;
}

namespace {
constexpr Qt::KeyboardModifiers kAcceleratorModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
constexpr int kOpenMenuKey = -1;  // F10, handled like an accelerator of its own

// A bare Alt tap must not arm the menu bar: the next letter is the player's guess and belongs to
// the puzzle. Alt+letter still opens a menu (mnemonics are shortcuts) and F10 arms the bar.
class NoAltTapStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
}  // namespace

QtMenuBar::QtMenuBar(QMainWindow& frame, std::function<void(int)> command)
    : frame_(frame), command_(std::move(command)), barStyle_(new NoAltTapStyle) {
  barStyle_->setParent(frame_.menuBar());
  frame_.menuBar()->setNativeMenuBar(false);
  frame_.menuBar()->setStyle(barStyle_);
  qApp->installEventFilter(this);
}

QtMenuBar::~QtMenuBar() {
  if (qApp) qApp->removeEventFilter(this);
}

void QtMenuBar::Clear() {
  frame_.menuBar()->clear();
  if (cornerBar_) {
    frame_.menuBar()->setCornerWidget(nullptr, Qt::TopRightCorner);
    delete cornerBar_;
    cornerBar_ = nullptr;
  }
  for (QMenu* menu : topMenus_) menu->deleteLater();
  topMenus_.clear();
  unfilled_.clear();
  actions_.clear();
  checked_.clear();
  enabled_.clear();
  texts_.clear();
  accels_.clear();
  accelerators_.clear();
}

void QtMenuBar::Build(const std::vector<TMenuItem>& table) {
  Clear();
  RecordAccelerators(table);
  for (const TMenuItem& item : table) {
    QMenuBar* bar = frame_.menuBar();
    if (item.rightAligned) {
      if (!cornerBar_) {
        cornerBar_ = new QMenuBar(frame_.menuBar());
        cornerBar_->setNativeMenuBar(false);
        cornerBar_->setStyle(barStyle_);
        frame_.menuBar()->setCornerWidget(cornerBar_, Qt::TopRightCorner);
      }
      bar = cornerBar_;
    }
    if (item.children.empty() && !item.separator) {
      // A command straight on the bar: a one-item popup would be wrong, so it gets an action.
      AddCommand(nullptr, item);
      bar->addAction(actions_[item.id].back());
      topMenus_.push_back(nullptr);
      continue;
    }
    if (item.separator) {
      topMenus_.push_back(nullptr);
      continue;
    }
    // A popup's items are made when it first opens: the first paint needs only the titles.
    auto* menu = new QMenu(ToQt(item.text), &frame_);
    unfilled_.emplace(menu, item.children);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { Fill(menu); });
    bar->addMenu(menu);
    topMenus_.push_back(menu);
  }
  if (cornerBar_) cornerBar_->show();
  built_ = true;
}

void QtMenuBar::Fill(QMenu* menu) {
  auto unfilled = unfilled_.extract(menu);
  if (!unfilled.empty()) AddItems(menu, unfilled.mapped());
}

void QtMenuBar::RecordAccelerators(const std::vector<TMenuItem>& items) {
  for (const TMenuItem& item : items) {
    if (item.separator) continue;
    if (!item.children.empty()) {
      RecordAccelerators(item.children);
      continue;
    }
    accels_[item.id] = item.accel;
    for (QKeyCombination key : ParseAccelerators(item.accel)) accelerators_.emplace_back(key, item.id);
  }
}

void QtMenuBar::AddItems(QMenu* menu, const std::vector<TMenuItem>& items) {
  for (const TMenuItem& item : items) {
    if (item.separator) {
      menu->addSeparator();
    } else if (!item.children.empty()) {
      AddItems(menu->addMenu(ToQt(item.text)), item.children);
    } else {
      AddCommand(menu, item);
    }
  }
}

void QtMenuBar::AddCommand(QMenu* menu, const TMenuItem& item) {
  const int id = item.id;
  const auto text = texts_.find(id);
  auto* action = new QAction(text != texts_.end() ? text->second : Shown(id, item.text),
                             menu ? static_cast<QObject*>(menu) : &frame_);
  connect(action, &QAction::triggered, this, [this, action, id] {
    // Qt flips a checkable action on its own; the game decides about the mark.
    action->setChecked(checked_[id]);
    Send(id);
  });
  if (const auto checked = checked_.find(id); checked != checked_.end()) {
    action->setCheckable(checked->second);
    action->setChecked(checked->second);
  }
  if (const auto enabled = enabled_.find(id); enabled != enabled_.end()) action->setEnabled(enabled->second);
  if (menu) menu->addAction(action);
  actions_[id].push_back(action);
}

QString QtMenuBar::Shown(int id, const std::string& text) const {
  QString shown = ToQt(text);
  const auto accel = accels_.find(id);
  if (accel != accels_.end() && !accel->second.empty()) {
    shown += QLatin1Char('\t') + ToQt(accel->second.substr(0, accel->second.find(", ")));
  }
  return shown;
}

void QtMenuBar::Send(int id) {
  if (command_) CallGame([&] { command_(id); });
}

void QtMenuBar::Check(int id, bool checked) {
  checked_[id] = checked;
  for (QAction* action : actions_[id]) {
    action->setCheckable(checked);
    action->setChecked(checked);
  }
}

void QtMenuBar::Enable(int id, bool enabled) {
  enabled_[id] = enabled;
  for (QAction* action : actions_[id]) action->setEnabled(enabled);
}

void QtMenuBar::SetText(int id, const std::string& text) {
  const QString shown = Shown(id, text);
  texts_[id] = shown;
  for (QAction* action : actions_[id]) action->setText(shown);
}

void QtMenuBar::EnableTop(int index, bool enabled) {
  if (index < 0 || index >= static_cast<int>(topMenus_.size())) return;
  if (QMenu* menu = topMenus_[static_cast<size_t>(index)]) {
    menu->menuAction()->setEnabled(enabled);
    menu->setEnabled(enabled);
  }
}

void QtMenuBar::OpenFirstMenu() {
  QMenuBar* bar = frame_.menuBar();
  if (!bar->isVisible()) return;
  for (QAction* action : bar->actions()) {
    if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
      bar->setActiveAction(action);
      return;
    }
  }
}

bool QtMenuBar::BelongsToFrame(QObject* object) const {
  if (auto* widget = qobject_cast<QWidget*>(object)) return widget->window() == &frame_;
  if (auto* window = qobject_cast<QWindow*>(object)) return window == frame_.windowHandle();
  return false;
}

int QtMenuBar::CommandForKey(QKeyCombination key) const {
  for (const auto& [accelerator, id] : accelerators_) {
    if (accelerator == key) return id;
  }
  // "+" needs Shift on most keyboards but its accelerator is named without it; letters keep it.
  const Qt::Key symbol = key.key();
  const bool shiftedSymbol = symbol > Qt::Key_Space && symbol <= Qt::Key_AsciiTilde &&
                             !(symbol >= Qt::Key_A && symbol <= Qt::Key_Z);
  if (shiftedSymbol && (key.keyboardModifiers() & Qt::ShiftModifier)) {
    return CommandForKey(QKeyCombination(key.keyboardModifiers() & ~Qt::ShiftModifier, symbol));
  }
  return 0;
}

bool QtMenuBar::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  if (!built_ || QApplication::activePopupWidget() || !BelongsToFrame(watched)) return false;
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  const QKeyCombination key(keyEvent->modifiers() & kAcceleratorModifiers, Qt::Key(keyEvent->key()));
  const int id = key == QKeyCombination(Qt::Key_F10) ? kOpenMenuKey : CommandForKey(key);
  if (id == 0) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claiming the key keeps a menu-title mnemonic from taking it; the press then comes here.
    event->accept();
    return true;
  }
  // The window delivers the press on to the focus widget; act once, on the widget.
  if (!qobject_cast<QWidget*>(watched)) return false;
  if (id == kOpenMenuKey) {
    OpenFirstMenu();
    return true;
  }
  const auto enabled = enabled_.find(id);
  if (enabled == enabled_.end() || enabled->second) Send(id);
  return true;
}
