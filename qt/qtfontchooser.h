// The puzzle-font chooser: fixed-pitch families only, their styles and a size, and no effects.
#pragma once

#include <QDialog>
#include <QFont>

class QLabel;
class QListWidget;
class QSpinBox;

// True when the family's glyphs all advance by the same width. Fontconfig's spacing flag is not
// trusted: it lets proportional families through on some systems, so the glyphs are measured.
bool IsFixedPitchFamily(const QString& family);

// A modal chooser listing only the families that pass IsFixedPitchFamily. Clicking a family
// selects its regular style (upright, the weight nearest normal). The size is in points.
class QtFontChooser : public QDialog {
 public:
  QtFontChooser(const QFont& start, QWidget* parent);

  // Shows font: its family (kept even when the list lacks it), the style nearest its weight and
  // slant, and its size.
  void setCurrentFont(const QFont& font);
  QFont selectedFont() const;

  QListWidget* Families() const { return families_; }
  QListWidget* Styles() const { return styles_; }

 private:
  void FamilyChosen(const QString& family);
  void ShowStyles(int weight, bool italic);
  void UpdateSample();

  QString family_;
  QListWidget* families_;
  QListWidget* styles_;
  QSpinBox* size_;
  QLabel* sample_;
};
