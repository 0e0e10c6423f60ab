// Small drawing helpers shared by the table, intro and menu.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <string_view>

#include "records/cp1251.h"

namespace quarlo {

inline QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// Windows-1251 bytes from files and the wire, for the screen.
inline QString Cp1251Text(std::string_view bytes) { return Utf8(Cp1251ToUtf8(bytes)); }

// Text centred between x1 and x2 with its top at y, in the painter's font.
inline void DrawCentredText(QPainter& p, const QString& text, int x1, int x2, int y) {
  const QFontMetrics fm(p.font());
  p.drawText(x1 + (x2 - x1 - fm.horizontalAdvance(text)) / 2, y + fm.ascent(), text);
}

// The picture with one colour (0x00RRGGBB as Qt reads it) made transparent.
inline QImage KeyedOut(QImage img, QRgb key) {
  img = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
  }
  return img;
}

}  // namespace quarlo
