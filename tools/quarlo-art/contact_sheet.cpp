#include "tools/quarlo-art/contact_sheet.h"

#include <algorithm>

namespace quarlo::art {

QImage ContactSheet(const Catalog& catalog, const QRegularExpression& nameFilter, int zoom) {
  constexpr int kWidth = 1400;
  constexpr int kLargest = 420;  // bigger pictures are shown reduced
  constexpr int kLabel = 13;
  constexpr int kGap = 8;
  struct Cell { QImage image; QString label; QPoint at; };
  std::vector<Cell> cells;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const Picture& picture : catalog) {
    if (!nameFilter.match(picture.name).hasMatch()) continue;
    // Animations show a strip of up to four frames.
    QImage image = picture.frames.front();
    if (picture.frames.size() > 1) {
      const int n = std::min<int>(4, static_cast<int>(picture.frames.size()));
      QImage strip = NewImage(image.width() * n + 2 * (n - 1), image.height());
      QPainter sp(&strip);
      for (int i = 0; i < n; ++i) {
        sp.drawImage(i * (image.width() + 2), 0,
                     picture.frames[static_cast<size_t>(i) * picture.frames.size() / n]);
      }
      image = strip;
    }
    if (zoom > 1) {
      image = image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else if (image.width() > kLargest || image.height() > kLargest) {
      image = image.scaled(kLargest, kLargest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const int w = std::max(image.width(), 60);
    if (x + w + kGap > kWidth) {
      x = kGap;
      y += rowHeight + kLabel + kGap;
      rowHeight = 0;
    }
    cells.push_back({image, picture.name, QPoint(x, y)});
    x += w + kGap;
    rowHeight = std::max(rowHeight, image.height());
  }
  QImage sheet = NewImage(kWidth, y + rowHeight + kLabel + kGap, QColor(0x50, 0x50, 0x58));
  QPainter p(&sheet);
  p.setFont(SansFont(10, false));
  for (const Cell& cell : cells) {
    // A checkerboard shows what is transparent.
    const QRect area(cell.at, cell.image.size());
    for (int cy = 0; cy < area.height(); cy += 8) {
      for (int cx = 0; cx < area.width(); cx += 8) {
        const bool dark = ((cx + cy) / 8) % 2;
        p.fillRect(QRect(area.left() + cx, area.top() + cy, 8, 8).intersected(area),
                   dark ? QColor(0x99, 0x99, 0x99) : QColor(0xCC, 0xCC, 0xCC));
      }
    }
    p.drawImage(cell.at, cell.image);
    p.setPen(Qt::white);
    p.drawText(cell.at.x(), cell.at.y() + cell.image.height() + 11, cell.label);
  }
  return sheet;
}

}  // namespace quarlo::art
