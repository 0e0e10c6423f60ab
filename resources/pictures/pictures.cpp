#include "resources/pictures/pictures.h"

#include <QFile>
#include <QHash>
#include <QImageReader>

#include <algorithm>

// The compiled resources live in a static library: naming the initialiser
// here makes the linker keep them.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace quarlo {

namespace {

struct Entry {
  QString name;
  QString path;
};

// Name (lower case) to entry, read once from the generator's index.
const QHash<QString, Entry>& Index() {
  static const QHash<QString, Entry> index = [] {
    InitPictureResources();
    QHash<QString, Entry> entries;
    QFile file(":/pictures/index.txt");
    if (!file.open(QIODevice::ReadOnly)) return entries;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
      const QStringList fields = line.split('\t');
      if (fields.size() != 2) continue;
      entries.insert(fields[0].toLower(), {fields[0], ":/pictures/" + fields[1]});
    }
    return entries;
  }();
  return index;
}

}  // namespace

QImage BuiltInPicture(const QString& name) {
  const auto it = Index().find(name.toLower());
  if (it == Index().end()) return {};
  QImageReader reader(it->path);
  return reader.read();
}

bool HasBuiltInPicture(const QString& name) { return Index().contains(name.toLower()); }

QStringList BuiltInPictureNames() {
  QStringList names;
  for (const Entry& entry : Index()) names.append(entry.name);
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

QString BuiltInPicturePath(const QString& name) {
  const auto it = Index().find(name.toLower());
  return it == Index().end() ? QString() : it->path;
}

std::optional<QPoint> BuiltInCursorHotspot(const QString& name) {
  for (const CursorHotspot& cursor : kCursorHotspots) {
    if (name.compare(QLatin1String(cursor.name.data(), static_cast<qsizetype>(cursor.name.size())),
                     Qt::CaseInsensitive) == 0) {
      return QPoint(cursor.x, cursor.y);
    }
  }
  return std::nullopt;
}

}  // namespace quarlo
