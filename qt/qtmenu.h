// The frame's menu bar and accelerators, built from a menu table; commands go to one callback.
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/menu.h"

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QStyle;

// The key an accelerator name stands for ("Alt+N", "F1", "Ctrl+Shift+X"); an empty combination
// for an empty or unreadable name.
QKeyCombination ParseAccelerator(const std::string& name);
// Every key of an accelerator list ("Ctrl++, Ctrl+="), unreadable names left out.
std::vector<QKeyCombination> ParseAccelerators(const std::string& names);

// Builds the menu bar of frame from a table: '&' mnemonics, separators, nested popups, the
// popup marked rightAligned in a second bar at the right-hand end. Each item shows its
// accelerator and sends its id when chosen; a check mark is shown only where Check put one
// (choosing the item does not toggle it). The accelerators work from every widget of the frame
// and win over menu-title mnemonics that use the same key, as on other window systems; an
// accelerator of a disabled item does nothing. A symbol typed with Shift ("+" on most keyboards)
// matches its accelerator named without Shift ("Ctrl++"). A bare Alt tap leaves the bar alone (the next
// letter goes to the window); F10 opens the first menu. A popup's items are made when it first
// opens (its aboutToShow), with the state Check, Enable and SetText have given them so far.
class QtMenuBar : public QObject {
 public:
  QtMenuBar(QMainWindow& frame, std::function<void(int)> command);
  ~QtMenuBar() override;

  void Build(const std::vector<TMenuItem>& table);
  bool IsBuilt() const { return built_; }
  void Check(int id, bool checked);
  void Enable(int id, bool enabled);
  void SetText(int id, const std::string& text);
  // Greys (or restores) a whole top-level menu, counted in table order.
  void EnableTop(int index, bool enabled);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Clear();
  void RecordAccelerators(const std::vector<TMenuItem>& items);
  void Fill(QMenu* menu);  // makes a popup's items the first time it opens
  void AddItems(QMenu* menu, const std::vector<TMenuItem>& items);
  void AddCommand(QMenu* menu, const TMenuItem& item);
  QString Shown(int id, const std::string& text) const;  // the text with its accelerator
  void OpenFirstMenu();
  bool BelongsToFrame(QObject* object) const;
  int CommandForKey(QKeyCombination key) const;
  void Send(int id);

  QMainWindow& frame_;
  std::function<void(int)> command_;
  QStyle* barStyle_;  // owned by the menu bar
  QMenuBar* cornerBar_ = nullptr;
  bool built_ = false;
  std::vector<QMenu*> topMenus_;
  std::map<QMenu*, std::vector<TMenuItem>> unfilled_;  // popups not yet opened, with their items
  std::map<int, std::vector<QAction*>> actions_;
  // The state Check, Enable and SetText gave each command, for its items made later.
  std::map<int, bool> checked_;
  std::map<int, bool> enabled_;
  std::map<int, QString> texts_;
  std::map<int, std::string> accels_;  // each command's accelerator name
  std::vector<std::pair<QKeyCombination, int>> accelerators_;
};
