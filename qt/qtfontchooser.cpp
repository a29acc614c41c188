// The puzzle-font chooser: lists the fixed-pitch families by measuring their glyphs.
#include "qt/qtfontchooser.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include <cstdlib>
#include <limits>

namespace {
constexpr int kMinPoints = 6;
constexpr int kMaxPoints = 96;
constexpr int kNormalWeight = 400;

// The style of family nearest the weight and slant asked for; the slant counts most. Oblique
// styles count as slanted (the database's italic flag leaves them out).
QString NearestStyle(const QString& family, int weight, bool italic) {
  QString best;
  int bestCost = std::numeric_limits<int>::max();
  for (const QString& style : QFontDatabase::styles(family)) {
    const QFont face = QFontDatabase::font(family, style, 12);
    const bool slanted = face.style() != QFont::StyleNormal;
    const int cost = (slanted != italic ? 10000 : 0) + std::abs(face.weight() - weight);
    if (cost < bestCost) {
      best = style;
      bestCost = cost;
    }
  }
  return best;
}
}  // namespace

bool IsFixedPitchFamily(const QString& family) {
  QFont font(family);
  font.setPixelSize(24);
  font.setStyleStrategy(QFont::NoFontMerging);
  if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) != 0) return false;  // a stand-in
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(QLatin1Char('W'));
  for (const char c : {'i', '.', 'M', 'l', '1'}) {
    if (metrics.horizontalAdvance(QLatin1Char(c)) != width) return false;
  }
  return width > 0;
}

QtFontChooser::QtFontChooser(const QFont& start, QWidget* parent)
    : QDialog(parent),
      families_(new QListWidget(this)),
      styles_(new QListWidget(this)),
      size_(new QSpinBox(this)),
      sample_(new QLabel(QStringLiteral("AaBbYyZz 0123"), this)) {
  setWindowTitle(tr("Font"));
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isPrivateFamily(family) && IsFixedPitchFamily(family)) families_->addItem(family);
  }
  size_->setRange(kMinPoints, kMaxPoints);
  sample_->setMinimumHeight(2 * kMaxPoints / 3);
  sample_->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(tr("&Font:"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Font st&yle:"), this), 0, 1);
  grid->addWidget(new QLabel(tr("&Size:"), this), 0, 2);
  grid->addWidget(families_, 1, 0);
  grid->addWidget(styles_, 1, 1);
  grid->addWidget(size_, 1, 2, Qt::AlignTop);
  grid->addWidget(sample_, 2, 0, 1, 3);
  grid->addWidget(buttons, 3, 0, 1, 3);
  connect(families_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { FamilyChosen(item->text()); });
  // Selection, not the current item: the list makes its first item current when it takes the
  // focus, which must not replace a family the list lacks.
  connect(families_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = families_->selectedItems();
    if (!selected.isEmpty() && selected.front()->text() != family_) FamilyChosen(selected.front()->text());
  });
  connect(styles_, &QListWidget::currentTextChanged, this, [this] { UpdateSample(); });
  connect(size_, &QSpinBox::valueChanged, this, [this] { UpdateSample(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setCurrentFont(start);
}

void QtFontChooser::FamilyChosen(const QString& family) {
  family_ = family;
  ShowStyles(kNormalWeight, false);
}

void QtFontChooser::ShowStyles(int weight, bool italic) {
  const QSignalBlocker blocker(styles_);
  styles_->clear();
  styles_->addItems(QFontDatabase::styles(family_));
  const QList<QListWidgetItem*> nearest = styles_->findItems(NearestStyle(family_, weight, italic), Qt::MatchExactly);
  if (!nearest.isEmpty()) styles_->setCurrentItem(nearest.front());
  UpdateSample();
}

void QtFontChooser::setCurrentFont(const QFont& font) {
  family_ = font.family();
  {
    const QSignalBlocker blocker(families_);
    const QList<QListWidgetItem*> found = families_->findItems(family_, Qt::MatchFixedString);
    families_->setCurrentItem(found.isEmpty() ? nullptr : found.front());
    if (!found.isEmpty()) families_->scrollToItem(found.front());
  }
  const QSignalBlocker blocker(size_);
  size_->setValue(qRound(font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF()));
  ShowStyles(font.weight(), font.italic());
}

QFont QtFontChooser::selectedFont() const {
  const QString style = styles_->currentItem() ? styles_->currentItem()->text() : QString();
  QFont font = style.isEmpty() ? QFont(family_) : QFontDatabase::font(family_, style, size_->value());
  if (font.family().isEmpty()) font.setFamily(family_);
  font.setPointSize(size_->value());
  return font;
}

void QtFontChooser::UpdateSample() { sample_->setFont(selectedFont()); }
