// The seven card backs, one per weekday, upright and sideways, in the small
// (69 x 94) and large (146 x 198, "B") sizes. A sideways back is the upright
// one turned by a quarter, which is exact and needs no resampling.
#include "tools/quarlo-art/art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace quarlo::art {

namespace {

// Draws a pattern into the inner field of a back; u is the size unit
// (1 in the small size), so patterns keep their look at every size.
using Pattern = std::function<void(QPainter&, const QRectF&, double u)>;

void Lattice(QPainter& p, const QRectF& r, double u) {
  p.fillRect(r, colour::kNavy);
  p.setPen(QPen(QColor(0x7F, 0xA8, 0xE8), 0.9 * u));
  const double step = 7 * u;
  for (double d = -r.height(); d < r.width() + r.height(); d += step) {
    p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
    p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
  }
  const QPointF c = r.center();
  p.setPen(QPen(colour::kGold, 1.2 * u));
  p.setBrush(colour::kNavy);
  p.drawEllipse(c, 14 * u, 18 * u);
  QPainterPath spade = SuitPath(Suit::Spades, QRectF(c.x() - 9 * u, c.y() - 10 * u, 18 * u, 20 * u));
  p.fillPath(spade, colour::kGold);
}

void Diamonds(QPainter& p, const QRectF& r, double u) {
  p.fillRect(r, colour::kSuitRed.darker(130));
  const double w = 10 * u, h = 13 * u;
  int row = 0;
  for (double y = r.top() - h / 2; y < r.bottom() + h; y += h / 2, ++row) {
    for (double x = r.left() - w + (row % 2) * w / 2; x < r.right() + w; x += w) {
      QPainterPath rhomb;
      rhomb.moveTo(x + w / 2, y);
      rhomb.lineTo(x + w, y + h / 2);
      rhomb.lineTo(x + w / 2, y + h);
      rhomb.lineTo(x, y + h / 2);
      rhomb.closeSubpath();
      p.fillPath(rhomb, row % 2 ? colour::kSuitRed : colour::kSuitRed.darker(115));
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kGoldLight);
  row = 0;
  for (double y = r.top() - h / 2; y < r.bottom() + h; y += h / 2, ++row) {
    for (double x = r.left() - w + (row % 2) * w / 2; x < r.right() + w; x += w) {
      p.drawEllipse(QPointF(x, y + h / 2), 0.9 * u, 0.9 * u);
    }
  }
}

void Rings(QPainter& p, const QRectF& r, double u) {
  p.fillRect(r, QColor(0x1E, 0x6E, 0x4A));
  p.setPen(QPen(QColor(0xB8, 0xE8, 0xC8), 0.8 * u));
  p.setBrush(Qt::NoBrush);
  const double rad = 6 * u;
  const double dx = rad, dy = rad * std::sqrt(3.0);
  int row = 0;
  for (double y = r.center().y() - std::ceil(r.height() / dy) * dy; y < r.bottom() + rad; y += dy / 2, ++row) {
    const double shift = (row % 2) * dx;
    for (double x = r.center().x() - std::ceil(r.width() / (2 * dx)) * 2 * dx + shift; x < r.right() + rad; x += 2 * dx) {
      p.drawEllipse(QPointF(x, y), rad, rad);
    }
  }
  const QPointF c = r.center();
  p.setPen(QPen(colour::kGold, 1.2 * u));
  p.setBrush(QColor(0x14, 0x4E, 0x33));
  p.drawEllipse(c, 14 * u, 14 * u);
  p.fillPath(SuitPath(Suit::Clubs, QRectF(c.x() - 8.5 * u, c.y() - 9 * u, 17 * u, 17 * u)), colour::kGold);
}

void Stripes(QPainter& p, const QRectF& r, double u) {
  p.fillRect(r, colour::kPurple);
  for (double x = r.left(); x < r.right(); x += 8 * u) {
    p.fillRect(QRectF(x, r.top(), 2.5 * u, r.height()), colour::kPurple.lighter(140));
    p.fillRect(QRectF(x + 4.5 * u, r.top(), 0.8 * u, r.height()), colour::kGold);
  }
  const QPointF c = r.center();
  QPainterPath medal;
  medal.moveTo(c.x(), c.y() - 22 * u);
  medal.lineTo(c.x() + 15 * u, c.y());
  medal.lineTo(c.x(), c.y() + 22 * u);
  medal.lineTo(c.x() - 15 * u, c.y());
  medal.closeSubpath();
  p.setPen(QPen(colour::kGold, 1.4 * u));
  p.setBrush(colour::kPurple.darker(150));
  p.drawPath(medal);
  p.fillPath(SuitPath(Suit::Diamonds, QRectF(c.x() - 8 * u, c.y() - 11 * u, 16 * u, 22 * u)), colour::kGold);
}

void Stars(QPainter& p, const QRectF& r, double u) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(0x10, 0x3C, 0x52));
  sky.setColorAt(1, QColor(0x0A, 0x24, 0x36));
  p.fillRect(r, sky);
  const double step = 11 * u;
  int row = 0;
  for (double y = r.top() + step / 2; y < r.bottom(); y += step * 0.8, ++row) {
    for (double x = r.left() + step / 2 + (row % 2) * step / 2; x < r.right(); x += step) {
      p.fillPath(StarPath(QPointF(x, y), (row % 3 == 1 ? 2.6 : 2.0) * u), colour::kGoldLight);
    }
  }
  const QPointF c = r.center();
  p.fillPath(StarPath(c, 13 * u), colour::kGold);
  p.strokePath(StarPath(c, 13 * u), QPen(colour::kGoldDark, 0.8 * u));
}

void SuitTiles(QPainter& p, const QRectF& r, double u) {
  p.fillRect(r, colour::kWine);
  const double step = 11 * u;
  int row = 0;
  for (double y = r.top() + 1 * u; y < r.bottom(); y += step, ++row) {
    int col = 0;
    for (double x = r.left() + 1 * u + (row % 2) * step / 2; x < r.right(); x += step, ++col) {
      const Suit s = kSuits[(row + col) % 4];
      p.fillPath(SuitPath(s, QRectF(x, y, 7 * u, 7 * u)), QColor(0xF2, 0xB8, 0xC4));
    }
  }
}

void Sunburst(QPainter& p, const QRectF& r, double u) {
  const QPointF c = r.center();
  p.fillRect(r, QColor(0x9A, 0x5B, 0x12));
  const double reach = std::hypot(r.width(), r.height());
  for (int i = 0; i < 32; i += 2) {
    QPainterPath ray;
    const double a1 = i * M_PI / 16, a2 = (i + 1) * M_PI / 16;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(std::cos(a1), std::sin(a1)) * reach);
    ray.lineTo(c + QPointF(std::cos(a2), std::sin(a2)) * reach);
    ray.closeSubpath();
    p.fillPath(ray, QColor(0xC9, 0x86, 0x1E));
  }
  QRadialGradient sun(c, 15 * u);
  sun.setColorAt(0, colour::kGoldLight);
  sun.setColorAt(1, colour::kGold);
  p.setPen(QPen(colour::kGoldDark, 1 * u));
  p.setBrush(sun);
  p.drawEllipse(c, 14 * u, 14 * u);
  p.fillPath(SuitPath(Suit::Hearts, QRectF(c.x() - 7 * u, c.y() - 7 * u, 14 * u, 14 * u)), colour::kSuitRed);
}

QImage DrawBack(int width, int height, const Pattern& pattern, bool ownBorder) {
  const double u = width / 69.0;
  QImage image = NewImage(width, height, ownBorder ? QColor(Qt::transparent) : QColor(Qt::white));
  QPainter p(&image);
  Smooth(p);
  if (ownBorder) {
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.75, 0.75, width - 1.5, height - 1.5), 9, 9);
  }
  const double margin = 3.5 * u;
  const QRectF field(margin, margin, width - 2 * margin, height - 2 * margin);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(field, 2.5 * u, 2.5 * u);
  p.setClipPath(clip);
  pattern(p, field, u);
  p.restore();
  p.setPen(QPen(QColor(0x30, 0x30, 0x30, 160), 0.7 * u));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(field, 2.5 * u, 2.5 * u);
  // An inner frame line, as printed backs have.
  p.setPen(QPen(QColor(255, 255, 255, 200), 0.7 * u));
  p.drawRoundedRect(field.adjusted(2 * u, 2 * u, -2 * u, -2 * u), 1.5 * u, 1.5 * u);
  return image;
}

}  // namespace

void DrawBacks(Catalog& catalog) {
  static const char* names[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
  const Pattern patterns[] = {Lattice, Diamonds, Rings, Stripes, Stars, SuitTiles, Sunburst};
  QTransform quarter;
  quarter.rotate(90);
  for (int i = 0; i < 7; ++i) {
    const QImage small = DrawBack(69, 94, patterns[i], false);
    const QImage large = DrawBack(146, 198, patterns[i], true);
    AddPng(catalog, names[i], small);
    AddPng(catalog, QString(names[i]) + "R", small.transformed(quarter));
    AddPng(catalog, QString(names[i]) + "B", large);
    AddPng(catalog, QString(names[i]) + "RB", large.transformed(quarter));
  }
}

}  // namespace quarlo::art
