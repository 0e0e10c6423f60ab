#include "table/cursors.h"

#include <QPixmap>

#include "resources/pictures/pictures.h"

namespace quarlo {

QCursor DesignCursor(CursorKind kind, bool own) {
  static const struct {
    Qt::CursorShape shape;
    const char* picture;
  } kCursors[] = {{Qt::ArrowCursor, "CURARROW"},
                  {Qt::PointingHandCursor, "CURHAND"},
                  {Qt::WaitCursor, "CURWAIT"},
                  {Qt::IBeamCursor, "CUREDIT"}};
  const auto& c = kCursors[static_cast<int>(kind)];
  if (!own) return QCursor(c.shape);
  const QImage image = BuiltInPicture(c.picture);
  const auto hotspot = BuiltInCursorHotspot(c.picture);
  if (image.isNull() || !hotspot) return QCursor(c.shape);
  return QCursor(QPixmap::fromImage(image), hotspot->x(), hotspot->y());
}

}  // namespace quarlo
