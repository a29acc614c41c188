// Open-file, font and colour dialogs.
#include "qt/qtcommondlg.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>

#include "qt/qtconvert.h"
#include "qt/qtdc.h"
#include "qt/qtfontchooser.h"

QStringList FileFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    if (description.isEmpty() && patterns.isEmpty()) continue;
    // Qt reads the patterns from the last parentheses, so the description loses its own.
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    if (list.isEmpty()) list << QStringLiteral("*");
    filters << QStringLiteral("%1 (%2)").arg(description.isEmpty() ? list.join(QLatin1Char(' ')) : description,
                                            list.join(QLatin1Char(' ')));
  }
  return filters;
}

TOpenFileResult RunOpenFileDialog(QWidget* parent, const TOpenFileRequest& request) {
  QFileDialog dialog(parent, ToQt(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = FileFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
  }
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  if (!request.initialFolder.empty()) dialog.setDirectory(PathToQt(request.initialFolder));
  if (!request.initialName.empty()) dialog.selectFile(PathToQt(request.initialName));
  TOpenFileResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.ok = true;
  result.path = PathFromQt(dialog.selectedFiles().front());
  return result;
}

namespace {
constexpr std::uint8_t kVariablePitch = 2;
}

TChooseResult RunFontDialog(QWidget* parent, TLogFont& font, std::string& error) {
  error.clear();
  // Open on the face actually drawn: a record naming a missing face draws a stand-in, and no
  // record at all draws the stock fixed font.
  QFont start = MakeFont(font.faceName[0] != '\0' ? &font : nullptr);
  const QFontInfo startInfo(start);
  start.setFamily(startInfo.family());
  // The dialog works in points; the record is in pixels.
  const int dpi = parent ? parent->logicalDpiY() : 96;
  start.setPointSizeF(startInfo.pixelSize() * 72.0 / (dpi > 0 ? dpi : 96));
  QtFontChooser dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return TChooseResult::Cancelled;
  const QFont chosen = dialog.selectedFont();
  const QFontInfo info(chosen);
  font.height = -std::max(info.pixelSize(), 1);
  font.width = 0;
  font.escapement = 0;
  font.orientation = 0;
  font.weight = chosen.bold() ? 700 : 400;
  font.italic = chosen.italic() ? 1 : 0;
  font.underline = 0;
  font.strikeOut = 0;
  font.charSet = 0;
  // The pitch is the face's own, so that a proportional face is measured as itself and refused
  // rather than silently swapped for a fixed one.
  font.pitchAndFamily = IsFixedPitchFamily(chosen.family()) ? (kFixedPitch | kFamilyModern) : (kVariablePitch | kFamilySwiss);
  font.SetFace(FromQt(chosen.family()).c_str());
  return TChooseResult::Ok;
}

bool RunColorDialog(QWidget* parent, TColor& color, TColor custom[16]) {
  const int slotCount = std::min(QColorDialog::customCount(), 16);
  for (int i = 0; i < slotCount; ++i) QColorDialog::setCustomColor(i, ToQColor(custom[i]));
  QColorDialog dialog(ToQColor(color), parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < slotCount; ++i) custom[i] = FromQColor(QColorDialog::customColor(i));
  if (chosen) color = FromQColor(dialog.selectedColor());
  return chosen;
}
