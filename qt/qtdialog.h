// QtDialogPeer: any dialog template rendered as a QDialog, its controls addressed by id.
#pragma once

#include <QDialog>
#include <QPointer>

#include <vector>

#include "framework/dialog.h"

class QButtonGroup;
class QTimer;
class QLabel;

// Runs dialog modally: makes the peer from the dialog's template, attaches it, calls
// SetupWindow, runs until End and returns End's result. Throws std::runtime_error when the
// template cannot be made into a dialog.
int RunTemplateDialog(TDialog& dialog);

// The object name of the control with this id, "ctl_<id>", so that tools and tests can find a
// control by what the game calls it rather than by its place or class.
QString ControlName(int id);

// A dialog built from a template in the application font at 9 points. The player's actions
// arrive as TDialog::Command: button, radio and check clicks as Clicked; list selection changes
// by the player as SelChange and double clicks as DoubleClick; the player's edits as
// EditChange (setting a text from the game sends nothing). Enter presses the focused push
// button, else the default button, else sends Command(IDOK); Escape and the close box send
// Command(IDCANCEL) when the template has a control with that id, else end with IDCANCEL.
// Radio buttons form one exclusive group per group box around them, or per run of consecutive
// radios outside any box. Calls naming an id that no control has do nothing. A one-line static
// given a text wider than itself widens, with the dialog, to show it whole.
class QtDialogPeer : public QDialog, public TDialogPeer {
 public:
  QtDialogPeer(TDialog& dialog, QWidget* parent);

  // Shows the dialog modally; returns at once when End was called during set-up.
  int Exec();

  void SetCaption(const std::string& caption) override;
  void SetItemText(int id, const std::string& text) override;
  std::string GetItemText(int id) const override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void EnableItem(int id, bool enabled) override;
  bool IsItemEnabled(int id) const override;
  void SetEditLimit(int id, int maxChars) override;
  bool IsModified(int id) const override;
  void ClearModified(int id) override;

  int ListAdd(int id, const std::string& text, long data) override;
  void ListClear(int id) override;
  void ListAddAll(int id, const std::vector<std::string>& texts) override;
  int ListCount(int id) const override;
  int ListSelected(int id) const override;
  void ListSelect(int id, int index) override;
  std::string ListText(int id, int index) const override;
  long ListData(int id, int index) const override;

  void AddControl(TControlKind kind, int id, const std::string& text, const TRect& rect) override;
  void SetItemFont(int id, const TLogFont& font) override;
  TTextMetrics ItemFontMetrics(int id) override;
  TRect ItemRect(int id) const override;
  void MoveItem(int id, const TRect& rect) override;
  void InvalidateItem(int id) override;

  TRect WindowRect() const override;
  void MoveWindow(const TRect& rect) override;
  void End(int result) override;
  void SetTimer(int milliseconds) override;

  // The widget of a control, for tests; null for an unknown id.
  QWidget* Control(int id) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  struct Item {
    int id;
    TControlKind kind;
    QPointer<QWidget> widget;
    QRect rect;  // where the template put it, for grouping radios
  };

  const Item* Find(int id) const;
  QWidget* Add(TControlKind kind, int id, const QString& text, const QRect& rect);
  void Connect(const Item& item);
  void GroupRadios();
  void WidenForText(QLabel& label);
  const Item* BoxAround(const QRect& rect) const;
  void Notify(int id, TNotify notify);
  void CancelRequested();
  void FocusFirstControl();

  TDialog& dialog_;
  std::vector<Item> items_;
  std::vector<QButtonGroup*> groups_;
  bool ended_ = false;
  bool settingList_ = false;
  QTimer* timer_ = nullptr;  // made by the first SetTimer
};
