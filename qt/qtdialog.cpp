// Template dialogs: building the controls, routing their notifications and the peer calls.
#include "qt/qtdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "qt/qtcontrols.h"
#include "qt/qtconvert.h"
#include "qt/qtdc.h"

namespace {
constexpr int kDialogPoints = 9;
constexpr int kLargestUnits = 10000;
constexpr int kDefaultEditLimit = 32767;

// Detaches the dialog from its peer however the run ends.
struct AttachGuard {
  TDialog& dialog;
  AttachGuard(TDialog& d, TDialogPeer* peer) : dialog(d) { dialog.Attach(peer); }
  ~AttachGuard() { dialog.Attach(nullptr); }
};

template <class Widget>
Widget* As(QWidget* widget) {
  return qobject_cast<Widget*>(widget);
}
}  // namespace

QString ControlName(int id) { return QStringLiteral("ctl_%1").arg(id); }

int RunTemplateDialog(TDialog& dialog) {
  if (!qApp) throw std::runtime_error("Cannot show a dialog: there is no application object.");
  const TDialogTemplate& tpl = dialog.Template();
  if (tpl.size.cx <= 0 || tpl.size.cy <= 0 || tpl.size.cx > kLargestUnits || tpl.size.cy > kLargestUnits) {
    throw std::runtime_error("Cannot create dialog " + std::to_string(tpl.id) + ": its template has no usable size.");
  }
  QtDialogPeer peer(dialog, OwnerWidget(dialog.Parent()));
  AttachGuard attached(dialog, &peer);
  dialog.SetupWindow();
  return peer.Exec();
}

QtDialogPeer::QtDialogPeer(TDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
  const TDialogTemplate& tpl = dialog.Template();
  QFont font = QApplication::font();
  font.setPointSize(kDialogPoints);
  setFont(font);
  setWindowTitle(ToQt(tpl.caption));
  const DialogUnits units(font);
  setFixedSize(units.ToPixels(tpl.size));
  for (const TControlDesc& control : tpl.controls) {
    Add(control.kind, control.id, ToQt(control.text), units.ToPixels(control.rect));
  }
  GroupRadios();
}

QWidget* QtDialogPeer::Add(TControlKind kind, int id, const QString& text, const QRect& rect) {
  QWidget* widget = MakeControl(kind, text, this, [this, id](TDC& dc, const TRect& area) {
    dialog_.DrawItem(id, dc, area);
  });
  widget->setObjectName(ControlName(id));
  widget->setGeometry(ControlGeometry(kind, widget, rect));
  if (kind == TControlKind::GroupBox || kind == TControlKind::Frame) widget->lower();
  items_.push_back({id, kind, widget, rect});
  Connect(items_.back());
  return widget;
}

void QtDialogPeer::Connect(const Item& item) {
  const int id = item.id;
  QWidget* widget = item.widget;
  if (auto* button = As<QAbstractButton>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, id] { Notify(id, TNotify::Clicked); });
  } else if (auto* edit = As<QLineEdit>(widget)) {
    connect(edit, &QLineEdit::textEdited, this, [this, id] { Notify(id, TNotify::EditChange); });
  } else if (auto* list = As<QListWidget>(widget)) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, id] {
      if (!settingList_) Notify(id, TNotify::SelChange);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, id] { Notify(id, TNotify::DoubleClick); });
  } else if (auto* combo = As<QComboBox>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, id] { Notify(id, TNotify::SelChange); });
  }
}

const QtDialogPeer::Item* QtDialogPeer::BoxAround(const QRect& rect) const {
  for (const Item& item : items_) {
    if (item.kind == TControlKind::GroupBox && item.rect.contains(rect.center())) return &item;
  }
  return nullptr;
}

void QtDialogPeer::GroupRadios() {
  for (QButtonGroup* group : groups_) delete group;
  groups_.clear();
  std::map<const Item*, QButtonGroup*> byBox;
  QButtonGroup* run = nullptr;
  for (const Item& item : items_) {
    auto* radio = As<QRadioButton>(item.widget);
    if (!radio) {
      run = nullptr;
      continue;
    }
    const Item* box = BoxAround(item.rect);
    QButtonGroup*& group = box ? byBox[box] : run;
    if (!group) {
      group = new QButtonGroup(this);
      groups_.push_back(group);
    }
    group->addButton(radio);
    if (box) run = nullptr;
  }
}

void QtDialogPeer::Notify(int id, TNotify notify) {
  if (ended_) return;
  CallGame([&] { dialog_.Command(id, notify); });
}

int QtDialogPeer::Exec() {
  if (ended_) return result();
  FocusFirstControl();
  return exec();
}

void QtDialogPeer::FocusFirstControl() {
  for (const Item& item : items_) {
    QWidget* widget = item.widget;
    if (!widget || !widget->isEnabled() || widget->isHidden() || !(widget->focusPolicy() & Qt::TabFocus)) continue;
    widget->setFocus();
    if (auto* edit = As<QLineEdit>(widget)) edit->selectAll();
    return;
  }
}

void QtDialogPeer::End(int result) {
  if (ended_) return;
  ended_ = true;
  setResult(result);
  done(result);
}

void QtDialogPeer::SetTimer(int milliseconds) {
  if (!timer_) {
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] {
      if (!ended_) CallGame([&] { dialog_.Timer(); });
    });
  }
  if (milliseconds > 0) {
    timer_->start(milliseconds);
  } else {
    timer_->stop();
  }
}

void QtDialogPeer::CancelRequested() {
  if (ended_) return;
  if (Control(IDCANCEL)) {
    Notify(IDCANCEL, TNotify::Clicked);
  } else {
    CallGame([&] { dialog_.End(IDCANCEL); });
  }
}

void QtDialogPeer::reject() { CancelRequested(); }

void QtDialogPeer::closeEvent(QCloseEvent* event) {
  if (ended_) {
    event->accept();
    return;
  }
  if (QuitInProgress()) {
    CallGame([&] { dialog_.End(IDCANCEL); });
    event->accept();
    return;
  }
  event->ignore();
  CancelRequested();
}

void QtDialogPeer::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
  if (plain && event->key() == Qt::Key_Escape) {
    CancelRequested();
    return;
  }
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    if (auto* focused = As<QPushButton>(focusWidget()); focused && focused->isEnabled()) {
      focused->click();
      return;
    }
    for (const Item& item : items_) {
      auto* button = As<QPushButton>(item.widget);
      if (button && button->isDefault() && button->isEnabled() && !button->isHidden()) {
        button->click();
        return;
      }
    }
    Notify(IDOK, TNotify::Clicked);
    return;
  }
  QDialog::keyPressEvent(event);
}

const QtDialogPeer::Item* QtDialogPeer::Find(int id) const {
  for (const Item& item : items_) {
    if (item.id == id && item.widget) return &item;
  }
  return nullptr;
}

QWidget* QtDialogPeer::Control(int id) const {
  const Item* item = Find(id);
  return item ? item->widget.data() : nullptr;
}

// The templates were laid out for narrower fonts than Linux desktops draw, so a one-line static
// given a longer text widens to show it whole: the frames around it and the dialog widen as
// much, and the buttons below it move by half, staying centred.
void QtDialogPeer::WidenForText(QLabel& label) {
  const QString text = label.text();
  const QFontMetrics metrics(label.font());
  if (text.contains(QLatin1Char('\n')) || label.height() >= 2 * metrics.lineSpacing()) return;
  const QMargins margins = label.contentsMargins();
  const int needed = metrics.horizontalAdvance(text) + margins.left() + margins.right() + 2 * label.margin() + 2;
  const int growth = needed - label.width();
  if (growth <= 0) return;
  const QRect before = label.geometry();
  label.resize(needed, label.height());
  for (const Item& item : items_) {
    QWidget* other = item.widget;
    if (!other || other == &label) continue;
    const QRect rect = other->geometry();
    const bool encloses = item.kind == TControlKind::Frame || item.kind == TControlKind::GroupBox;
    if (encloses && rect.contains(before)) {
      other->resize(rect.width() + growth, rect.height());
    } else if (As<QPushButton>(other) && rect.top() >= before.bottom()) {
      other->move(rect.x() + growth / 2, rect.y());
    }
  }
  setFixedSize(width() + growth, height());
}

void QtDialogPeer::SetCaption(const std::string& caption) { setWindowTitle(ToQt(caption)); }

void QtDialogPeer::SetItemText(int id, const std::string& text) {
  QWidget* widget = Control(id);
  const QString value = ToQt(text);
  if (auto* label = As<QLabel>(widget)) {
    label->setText(value);
    WidenForText(*label);
  } else if (auto* button = As<QAbstractButton>(widget)) {
    button->setText(value);
  } else if (auto* edit = As<QLineEdit>(widget)) {
    edit->setText(value);
  } else if (auto* box = As<QGroupBox>(widget)) {
    box->setTitle(value);
  } else if (auto* combo = As<QComboBox>(widget)) {
    const int index = combo->findText(value);
    if (index >= 0) combo->setCurrentIndex(index);
  }
}

std::string QtDialogPeer::GetItemText(int id) const {
  QWidget* widget = Control(id);
  if (auto* label = As<QLabel>(widget)) return FromQt(label->text());
  if (auto* button = As<QAbstractButton>(widget)) return FromQt(button->text());
  if (auto* edit = As<QLineEdit>(widget)) return FromQt(edit->text());
  if (auto* box = As<QGroupBox>(widget)) return FromQt(box->title());
  if (auto* combo = As<QComboBox>(widget)) return FromQt(combo->currentText());
  return {};
}

void QtDialogPeer::SetCheck(int id, bool checked) {
  auto* button = As<QAbstractButton>(Control(id));
  if (!button || !button->isCheckable()) return;
  // An exclusive group refuses to clear its checked button; the game may clear it anyway.
  QButtonGroup* group = button->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive && !checked) group->setExclusive(false);
  button->setChecked(checked);
  if (exclusive && !checked) group->setExclusive(true);
}

bool QtDialogPeer::IsChecked(int id) const {
  auto* button = As<QAbstractButton>(Control(id));
  return button && button->isChecked();
}

void QtDialogPeer::EnableItem(int id, bool enabled) {
  if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
}

bool QtDialogPeer::IsItemEnabled(int id) const {
  QWidget* widget = Control(id);
  return widget && widget->isEnabled();
}

void QtDialogPeer::SetEditLimit(int id, int maxChars) {
  if (auto* edit = As<QLineEdit>(Control(id))) edit->setMaxLength(maxChars > 0 ? maxChars : kDefaultEditLimit);
}

bool QtDialogPeer::IsModified(int id) const {
  auto* edit = As<QLineEdit>(Control(id));
  return edit && edit->isModified();
}

void QtDialogPeer::ClearModified(int id) {
  if (auto* edit = As<QLineEdit>(Control(id))) edit->setModified(false);
}

int QtDialogPeer::ListAdd(int id, const std::string& text, long data) {
  QWidget* widget = Control(id);
  const QString value = ToQt(text);
  if (auto* combo = As<QComboBox>(widget)) {
    combo->addItem(value, QVariant::fromValue<qlonglong>(data));
    return combo->count() - 1;
  }
  auto* list = As<QListWidget>(widget);
  if (!list) return -1;
  int row = list->count();
  if (Find(id)->kind == TControlKind::SortedListBox) {
    // Sorted lists order their strings without regard to case, the new one after its equals.
    row = 0;
    while (row < list->count() && QString::compare(list->item(row)->text(), value, Qt::CaseInsensitive) <= 0) ++row;
  }
  auto* item = new QListWidgetItem(value);
  item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(data));
  settingList_ = true;
  list->insertItem(row, item);
  settingList_ = false;
  return row;
}

// One sort and one insertion for the whole batch: placing each item by a scan from the top made
// a list of thousands of words quadratic, and each insertion had the view lay itself out anew.
void QtDialogPeer::ListAddAll(int id, const std::vector<std::string>& texts) {
  auto* list = As<QListWidget>(Control(id));
  if (!list) {
    TDialogPeer::ListAddAll(id, texts);
    return;
  }
  std::vector<std::pair<QString, qlonglong>> items;
  const bool sorted = Find(id)->kind == TControlKind::SortedListBox;
  if (sorted) {  // the present items take part in the sort
    for (int row = 0; row < list->count(); ++row) {
      items.emplace_back(list->item(row)->text(), list->item(row)->data(Qt::UserRole).toLongLong());
    }
  }
  for (const std::string& text : texts) items.emplace_back(ToQt(text), 0);
  // Stable: an item goes after its equals, as ListAdd places it.
  if (sorted) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
      return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
  }
  QStringList strings;
  strings.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& item : items) strings.append(item.first);
  settingList_ = true;
  if (sorted) list->clear();
  const int first = list->count();
  list->addItems(strings);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].second != 0) {
      list->item(first + static_cast<int>(i))->setData(Qt::UserRole, QVariant::fromValue(items[i].second));
    }
  }
  settingList_ = false;
}

void QtDialogPeer::ListClear(int id) {
  QWidget* widget = Control(id);
  settingList_ = true;
  if (auto* combo = As<QComboBox>(widget)) combo->clear();
  if (auto* list = As<QListWidget>(widget)) list->clear();
  settingList_ = false;
}

int QtDialogPeer::ListCount(int id) const {
  QWidget* widget = Control(id);
  if (auto* combo = As<QComboBox>(widget)) return combo->count();
  if (auto* list = As<QListWidget>(widget)) return list->count();
  return 0;
}

int QtDialogPeer::ListSelected(int id) const {
  QWidget* widget = Control(id);
  if (auto* combo = As<QComboBox>(widget)) return combo->currentIndex();
  if (auto* list = As<QListWidget>(widget)) {
    QListWidgetItem* current = list->currentItem();
    return current && current->isSelected() ? list->row(current) : -1;
  }
  return -1;
}

void QtDialogPeer::ListSelect(int id, int index) {
  QWidget* widget = Control(id);
  if (auto* combo = As<QComboBox>(widget)) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    return;
  }
  auto* list = As<QListWidget>(widget);
  if (!list) return;
  settingList_ = true;
  if (index >= 0 && index < list->count()) {
    list->setCurrentRow(index);
    list->scrollToItem(list->item(index));
  } else {
    list->clearSelection();
  }
  settingList_ = false;
}

std::string QtDialogPeer::ListText(int id, int index) const {
  QWidget* widget = Control(id);
  if (auto* combo = As<QComboBox>(widget); combo && index >= 0 && index < combo->count()) {
    return FromQt(combo->itemText(index));
  }
  if (auto* list = As<QListWidget>(widget); list && index >= 0 && index < list->count()) {
    return FromQt(list->item(index)->text());
  }
  return {};
}

long QtDialogPeer::ListData(int id, int index) const {
  QWidget* widget = Control(id);
  if (auto* combo = As<QComboBox>(widget); combo && index >= 0 && index < combo->count()) {
    return static_cast<long>(combo->itemData(index).toLongLong());
  }
  if (auto* list = As<QListWidget>(widget); list && index >= 0 && index < list->count()) {
    return static_cast<long>(list->item(index)->data(Qt::UserRole).toLongLong());
  }
  return -1;
}

void QtDialogPeer::AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) {
  QWidget* widget = Add(kind, id, ToQt(text), ToQRect(rect));
  widget->show();
  if (kind == TControlKind::Radio || kind == TControlKind::GroupBox) GroupRadios();
}

void QtDialogPeer::SetItemFont(int id, const TLogFont& font) {
  if (QWidget* widget = Control(id)) widget->setFont(MakeFont(&font));
}

TTextMetrics QtDialogPeer::ItemFontMetrics(int id) {
  QWidget* widget = Control(id);
  const QFontMetrics metrics(widget ? widget->font() : font());
  return {metrics.height(), metrics.averageCharWidth()};
}

TRect QtDialogPeer::ItemRect(int id) const {
  QWidget* widget = Control(id);
  return widget ? FromQRect(widget->geometry()) : TRect{};
}

void QtDialogPeer::MoveItem(int id, const TRect& rect) {
  if (QWidget* widget = Control(id)) widget->setGeometry(ToQRect(rect));
}

void QtDialogPeer::InvalidateItem(int id) {
  if (QWidget* widget = Control(id)) widget->update();
}

TRect QtDialogPeer::WindowRect() const { return FromQRect(frameGeometry()); }

void QtDialogPeer::MoveWindow(const TRect& rect) {
  const QSize frameExtra = frameGeometry().size() - size();
  move(rect.left, rect.top);
  const QSize client(std::max(rect.Width() - frameExtra.width(), 1), std::max(rect.Height() - frameExtra.height(), 1));
  if (client != size()) setFixedSize(client);
}
