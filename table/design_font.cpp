#include "table/design_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace quarlo {

namespace {

QString InstalledFamily(const std::string& family) {
  const QString wanted = QString::fromStdString(family);
  const QStringList families = QFontDatabase::families();
  auto has = [&](const QString& f) { return families.contains(f, Qt::CaseInsensitive); };
  if (wanted.compare("Comic Sans MS", Qt::CaseInsensitive) == 0 && has("Comic Neue")) return "Comic Neue";
  if (has(wanted)) return wanted;
  const bool fixed = wanted.contains("Courier", Qt::CaseInsensitive) || wanted.contains("Fixed", Qt::CaseInsensitive) ||
                     wanted.contains("Mono", Qt::CaseInsensitive);
  static const QStringList kFixed = {"DejaVu Sans Mono", "Liberation Mono", "Monospace"};
  static const QStringList kProportional = {"Comic Neue", "DejaVu Sans", "Liberation Sans"};
  for (const QString& f : fixed ? kFixed : kProportional)
    if (has(f)) return f;
  return fixed ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : QString();
}

}  // namespace

QFont DesignFont(const std::string& family, int pixelHeight, bool bold) {
  QFont font;
  const QString f = InstalledFamily(family);
  if (!f.isEmpty()) font.setFamily(f);
  font.setPixelSize(std::max(pixelHeight, 1));
  font.setBold(bold);
  if (family.find("Courier") != std::string::npos || family.find("Fixed") != std::string::npos)
    font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace quarlo
