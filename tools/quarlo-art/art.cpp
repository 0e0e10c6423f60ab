#include "tools/quarlo-art/art.h"

#include <QLinearGradient>
#include <QPainterPathStroker>

#include <cmath>

namespace quarlo::art {

void AddPng(Catalog& catalog, const QString& name, const QImage& image) {
  catalog.push_back({name, FileKind::Png, {image}, 0});
}

void AddJpeg(Catalog& catalog, const QString& name, const QImage& image) {
  catalog.push_back({name, FileKind::Jpeg, {image}, 0});
}

void AddGif(Catalog& catalog, const QString& name, std::vector<QImage> frames, int delayMs) {
  catalog.push_back({name, FileKind::Gif, std::move(frames), delayMs});
}

QColor SuitColour(Suit suit) {
  return suit == Suit::Hearts || suit == Suit::Diamonds ? colour::kSuitRed : colour::kSuitBlack;
}

namespace {

// Outlines in a unit square, y downwards.
QPainterPath UnitHeart() {
  QPainterPath path;
  path.moveTo(0.5, 0.24);
  path.cubicTo(0.44, 0.04, 0.02, 0.02, 0.02, 0.36);
  path.cubicTo(0.02, 0.62, 0.34, 0.76, 0.5, 0.98);
  path.cubicTo(0.66, 0.76, 0.98, 0.62, 0.98, 0.36);
  path.cubicTo(0.98, 0.02, 0.56, 0.04, 0.5, 0.24);
  path.closeSubpath();
  return path;
}

QPainterPath UnitDiamond() {
  QPainterPath path;
  path.moveTo(0.5, 0.0);
  path.quadTo(0.66, 0.27, 0.9, 0.5);
  path.quadTo(0.66, 0.73, 0.5, 1.0);
  path.quadTo(0.34, 0.73, 0.1, 0.5);
  path.quadTo(0.34, 0.27, 0.5, 0.0);
  path.closeSubpath();
  return path;
}

QPainterPath UnitStem() {
  QPainterPath stem;
  stem.moveTo(0.46, 0.62);
  stem.quadTo(0.44, 0.86, 0.26, 0.99);
  stem.lineTo(0.74, 0.99);
  stem.quadTo(0.56, 0.86, 0.54, 0.62);
  stem.closeSubpath();
  return stem;
}

QPainterPath UnitSpade() {
  QPainterPath body;
  body.moveTo(0.5, 0.0);
  body.cubicTo(0.62, 0.2, 0.98, 0.34, 0.98, 0.6);
  body.cubicTo(0.98, 0.84, 0.66, 0.88, 0.52, 0.68);
  body.lineTo(0.48, 0.68);
  body.cubicTo(0.34, 0.88, 0.02, 0.84, 0.02, 0.6);
  body.cubicTo(0.02, 0.34, 0.38, 0.2, 0.5, 0.0);
  body.closeSubpath();
  QPainterPath path = body.united(UnitStem());
  return path.simplified();
}

QPainterPath UnitClub() {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.addEllipse(QPointF(0.5, 0.25), 0.235, 0.235);
  path.addEllipse(QPointF(0.245, 0.59), 0.235, 0.235);
  path.addEllipse(QPointF(0.755, 0.59), 0.235, 0.235);
  path.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
  path.addPath(UnitStem());
  return path.simplified();
}

}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& rect, bool upsideDown) {
  static const QPainterPath shapes[] = {UnitHeart(), UnitDiamond(), UnitClub(), UnitSpade()};
  QTransform t;
  t.translate(rect.left(), rect.top());
  t.scale(rect.width(), rect.height());
  if (upsideDown) {
    t.translate(0.5, 0.5);
    t.rotate(180);
    t.translate(-0.5, -0.5);
  }
  return t.map(shapes[static_cast<int>(suit)]);
}

void FillSuit(QPainter& p, Suit suit, const QRectF& rect, bool upsideDown) {
  p.fillPath(SuitPath(suit, rect, upsideDown), SuitColour(suit));
}

QImage NewImage(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {
QFont MakeFont(const QString& family, double pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}
}  // namespace

QFont SansFont(double pixelSize, bool bold) { return MakeFont("DejaVu Sans", pixelSize, bold); }
QFont SerifFont(double pixelSize, bool bold) { return MakeFont("DejaVu Serif", pixelSize, bold); }
QFont RoundFont(double pixelSize, bool bold) { return MakeFont("Comic Neue", pixelSize, bold); }
QFont CjkFont(double pixelSize) { return MakeFont("WenQuanYi Micro Hei", pixelSize, false); }

void DrawGlossPlate(QPainter& p, const QRectF& rect, double radius, QColor base) {
  QLinearGradient body(rect.topLeft(), rect.bottomLeft());
  body.setColorAt(0.0, base.lighter(150));
  body.setColorAt(0.5, base);
  body.setColorAt(1.0, base.darker(135));
  p.setPen(QPen(base.darker(190), std::max(1.0, rect.height() / 20.0)));
  p.setBrush(body);
  const double inset = p.pen().widthF() / 2;
  p.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
  // The highlight band over the upper half.
  QRectF gloss = rect.adjusted(rect.height() * 0.12, rect.height() * 0.1, -rect.height() * 0.12,
                               -rect.height() * 0.52);
  QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
  shine.setColorAt(0.0, QColor(255, 255, 255, 140));
  shine.setColorAt(1.0, QColor(255, 255, 255, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawRoundedRect(gloss, radius * 0.7, radius * 0.7);
}

void DrawOutlinedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                      const QBrush& fill, QColor outline, double outlineWidth) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(rect.center() - bounds.center());
  if (outlineWidth > 0) {
    p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(path, fill);
}

QImage KeyOut(const QImage& image, QColor key) {
  QImage src = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int a = qAlpha(in[x]);
      if (a < 128) {
        line[x] = key.rgb();
      } else {
        QRgb c = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
        // A drawn pixel must never equal the key by accident.
        if (c == key.rgb()) c = qRgb(qRed(c), qGreen(c), qBlue(c) ^ 1);
        line[x] = c;
      }
    }
  }
  return out;
}

QPainterPath StarPath(QPointF c, double r, double innerRatio) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? r : r * innerRatio;
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

Noise::Noise(unsigned seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}

double Noise::Next() {
  // xorshift64*: fast, and the same on every machine.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<double>((state_ * 0x2545F4914F6CDD1DULL) >> 11) / 9007199254740992.0;
}

}  // namespace quarlo::art
