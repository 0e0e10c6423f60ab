// Pictures of the game table: the felt background, suit symbols, speech
// plates, the pack icons, the suit dialog's glyph tiles, the score boards
// with their turn hand and stars, the game counter and message pane frames,
// the waiting banner and the move timer plates.
#include "tools/quarlo-art/art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quarlo::art {

namespace {

// Smooth value noise: random values on a grid of `cell` pixels, blended.
class ValueNoise {
 public:
  ValueNoise(int width, int height, double cell, unsigned seed)
      : cell_(cell), cols_(static_cast<int>(width / cell) + 2), rows_(static_cast<int>(height / cell) + 2) {
    Noise random(seed);
    values_.resize(static_cast<size_t>(cols_) * rows_);
    for (double& v : values_) v = random.Next();
  }
  double At(double x, double y) const {
    const double gx = x / cell_, gy = y / cell_;
    const int ix = static_cast<int>(gx), iy = static_cast<int>(gy);
    const double fx = Fade(gx - ix), fy = Fade(gy - iy);
    const double top = Lerp(V(ix, iy), V(ix + 1, iy), fx);
    const double bottom = Lerp(V(ix, iy + 1), V(ix + 1, iy + 1), fx);
    return Lerp(top, bottom, fy);
  }
 private:
  static double Fade(double t) { return t * t * (3 - 2 * t); }
  static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
  double V(int x, int y) const { return values_[static_cast<size_t>(y) * cols_ + x]; }
  double cell_;
  int cols_, rows_;
  std::vector<double> values_;
};

// Green felt: a fine grain over soft cloudiness, lighter under the lamp in
// the middle and darker towards the edges.
QImage Felt(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  const ValueNoise clouds(width, height, 90, 11);
  const ValueNoise weave(width, height, 3.2, 12);
  Noise grain(13);
  const double cx = width / 2.0, cy = height / 2.0;
  for (int y = 0; y < height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double dx = (x - cx) / cx, dy = (y - cy) / cy;
      const double light = 1.08 - 0.3 * (dx * dx * 0.8 + dy * dy) / 1.8;
      const double shade = light * (0.93 + 0.1 * clouds.At(x, y)) * (0.95 + 0.07 * weave.At(x, y)) *
                           (0.97 + 0.06 * grain.Next());
      auto channel = [&](int base) { return std::clamp(static_cast<int>(base * shade), 0, 255); };
      line[x] = qRgb(channel(0x1F), channel(0x72), channel(0x3D));
    }
  }
  return image;
}

QImage SuitSymbol(Suit suit, int size) {
  QImage image = NewImage(size, size);
  QPainter p(&image);
  Smooth(p);
  const double m = size / 20.0;
  const QRectF r(m, m, size - 2 * m, size - 2 * m);
  const QPainterPath path = SuitPath(suit, r);
  QLinearGradient g(r.topLeft(), r.bottomRight());
  const QColor base = SuitColour(suit);
  const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
  g.setColorAt(0, red ? base.lighter(135) : QColor(0x60, 0x60, 0x6C));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(130));
  p.fillPath(path, g);
  if (size >= 40) p.strokePath(path, QPen(QColor(255, 255, 255, 200), 1.2));
  return image;
}

QImage SpeechPlate(QColor base, int width, int height) {
  QImage image = NewImage(width, height);
  QPainter p(&image);
  Smooth(p);
  DrawGlossPlate(p, QRectF(0, 0, width, height), height / 2.0, base);
  return image;
}

// A cream plaque with a gold rim, the ground of most table frames.
void Plaque(QPainter& p, const QRectF& r, double k, QColor ground = colour::kCream) {
  QLinearGradient rim(r.topLeft(), r.bottomLeft());
  rim.setColorAt(0, colour::kGoldLight);
  rim.setColorAt(0.5, colour::kGold);
  rim.setColorAt(1, colour::kGoldDark);
  p.setPen(QPen(colour::kGoldDark, 1 * k));
  p.setBrush(rim);
  p.drawRoundedRect(r.adjusted(0.5 * k, 0.5 * k, -0.5 * k, -0.5 * k), 6 * k, 6 * k);
  const QRectF inner = r.adjusted(3.5 * k, 3.5 * k, -3.5 * k, -3.5 * k);
  QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
  fill.setColorAt(0, ground.lighter(104));
  fill.setColorAt(1, ground.darker(106));
  p.setPen(QPen(colour::kGoldDark, 0.8 * k));
  p.setBrush(fill);
  p.drawRoundedRect(inner, 4 * k, 4 * k);
}

QImage PackSmall(double k) {
  const int w = static_cast<int>(std::lround(58 * k)), h = static_cast<int>(std::lround(25 * k));
  QImage image = NewImage(w, h);
  QPainter p(&image);
  Smooth(p);
  Plaque(p, QRectF(0, 0, w, h), k * 0.8);
  // Two tiny pips at each end frame the count written in the middle.
  const double s = 7 * k;
  FillSuit(p, Suit::Hearts, QRectF(4 * k, 3.5 * k, s, s));
  FillSuit(p, Suit::Diamonds, QRectF(4 * k, 13.5 * k, s, s));
  FillSuit(p, Suit::Clubs, QRectF(w - 4 * k - s, 3.5 * k, s, s));
  FillSuit(p, Suit::Spades, QRectF(w - 4 * k - s, 13.5 * k, s, s));
  return image;
}

QImage PackLarge(double k) {
  const int size = static_cast<int>(std::lround(60 * k));
  QImage image = NewImage(size, size);
  QPainter p(&image);
  Smooth(p);
  const QPointF c(size / 2.0, size / 2.0);
  QRadialGradient rim(c, size / 2.0);
  rim.setColorAt(0.8, colour::kGold);
  rim.setColorAt(1.0, colour::kGoldDark);
  p.setPen(QPen(colour::kGoldDark, 1 * k));
  p.setBrush(rim);
  p.drawEllipse(c, size / 2.0 - 0.5 * k, size / 2.0 - 0.5 * k);
  p.setBrush(colour::kCream);
  p.drawEllipse(c, size / 2.0 - 5 * k, size / 2.0 - 5 * k);
  // A ring of dots around the place where the trump symbol goes.
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kGold);
  for (int i = 0; i < 16; ++i) {
    const double a = i * M_PI / 8;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 19.5 * k, 1.2 * k, 1.2 * k);
  }
  return image;
}

QImage GlyphTile(QColor ground, QColor ring) {
  QImage image = NewImage(40, 40);
  QPainter p(&image);
  Smooth(p);
  QRadialGradient g(QPointF(16, 14), 30);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, ground);
  p.setPen(QPen(ring, 2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1, 1, 38, 38), 7, 7);
  p.setPen(QPen(ring.lighter(160), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(4, 4, 32, 32), 5, 5);
  return image;
}

// An inset field of a board, slightly sunken.
void Field(QPainter& p, const QRectF& r, double k) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(0xE6, 0xDC, 0xC4));
  g.setColorAt(0.25, colour::kCream);
  g.setColorAt(1, QColor(0xFF, 0xFB, 0xF2));
  p.setPen(QPen(colour::kGoldDark, 1 * k));
  p.setBrush(g);
  p.drawRoundedRect(r, 4 * k, 4 * k);
}

QImage ScoreBoard(double k) {
  const int w = static_cast<int>(std::lround(155 * k)), h = static_cast<int>(std::lround(95 * k));
  QImage image = NewImage(w, h);
  QPainter p(&image);
  Smooth(p);
  const QRectF r(0.5 * k, 0.5 * k, w - k, h - k);
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0, colour::kNavy.lighter(140));
  body.setColorAt(1, colour::kNavy.darker(130));
  p.setPen(QPen(colour::kGold, 2 * k));
  p.setBrush(body);
  p.drawRoundedRect(r.adjusted(k, k, -k, -k), 9 * k, 9 * k);
  p.setPen(QPen(colour::kGoldLight, 0.6 * k));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(4.5 * k, 4.5 * k, -4.5 * k, -4.5 * k), 6 * k, 6 * k);
  // The fields the numbers are written into (main, left, middle, right).
  for (const QRectF& f : {QRectF(15, 15, 125, 31), QRectF(15, 50, 35, 31), QRectF(55, 50, 45, 31),
                          QRectF(105, 50, 35, 31)}) {
    Field(p, QRectF(f.left() * k, f.top() * k, f.width() * k, f.height() * k), k);
  }
  return image;
}

QImage CounterFrame(double k, int designHeight, bool lined) {
  const int w = static_cast<int>(std::lround(130 * k)), h = static_cast<int>(std::lround(designHeight * k));
  QImage image = NewImage(w, h);
  QPainter p(&image);
  Smooth(p);
  Plaque(p, QRectF(0, 0, w, h), k);
  if (lined) {
    // Faint rules under the four lines of the message pane.
    p.setPen(QPen(QColor(0x9C, 0xB4, 0xD8), 0.6 * k));
    for (int j = 1; j <= 4; ++j) {
      const double y = (14 * j + 3 + 14) * k;
      p.drawLine(QPointF(12 * k, y), QPointF(w - 12 * k, y));
    }
  } else {
    p.setPen(QPen(colour::kGold, 0.8 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7 * k, 7 * k, w - 14 * k, h - 14 * k), 3 * k, 3 * k);
  }
  return image;
}

QImage TurnHand() {
  // A white glove pointing right, 60 x 40 (drawn large, shown reduced).
  QImage image = NewImage(60, 40);
  QPainter p(&image);
  Smooth(p);
  QPainterPath glove;
  glove.setFillRule(Qt::WindingFill);
  glove.addRoundedRect(QRectF(10, 9, 24, 26), 7, 7);      // palm
  glove.addRoundedRect(QRectF(26, 10, 31, 9.5), 4.7, 4.7);  // index finger
  glove.addRoundedRect(QRectF(27, 19, 13, 6.5), 3.2, 3.2);  // curled fingers
  glove.addRoundedRect(QRectF(27, 25, 12, 6.5), 3.2, 3.2);
  glove.addRoundedRect(QRectF(26, 30.5, 10, 6), 3, 3);
  glove = glove.simplified();
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(16, 3, 15, 8.5), 4.2, 4.2);
  p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.6));
  p.setBrush(QColor(0x24, 0x52, 0xA8));
  p.drawRoundedRect(QRectF(2, 11, 10, 22), 2.5, 2.5);  // cuff
  p.setBrush(Qt::white);
  p.drawPath(glove);
  p.drawPath(thumb);
  p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
  p.drawLine(QPointF(16, 14), QPointF(16, 30));
  return image;
}

QImage Star(int size, QColor base) {
  QImage image = NewImage(size, size);
  QPainter p(&image);
  Smooth(p);
  const QPointF c(size / 2.0, size / 2.0 + size * 0.03);
  const QPainterPath star = StarPath(c, size * 0.48);
  QRadialGradient g(c - QPointF(size * 0.1, size * 0.1), size * 0.5);
  g.setColorAt(0, base.lighter(170));
  g.setColorAt(1, base);
  p.fillPath(star, g);
  p.strokePath(star, QPen(base.darker(170), std::max(1.0, size / 30.0)));
  return image;
}

QImage Banner() {
  QImage image = NewImage(350, 80);
  QPainter p(&image);
  Smooth(p);
  // Ribbon ends behind the plaque.
  for (int side = 0; side < 2; ++side) {
    QPainterPath end;
    const double x0 = side == 0 ? 2 : 348, dir = side == 0 ? 1 : -1;
    end.moveTo(x0, 22);
    end.lineTo(x0 + dir * 34, 22);
    end.lineTo(x0 + dir * 34, 64);
    end.lineTo(x0, 64);
    end.lineTo(x0 + dir * 10, 43);
    end.closeSubpath();
    p.setPen(QPen(colour::kWine.darker(140), 1));
    p.setBrush(colour::kWine);
    p.drawPath(end);
  }
  Plaque(p, QRectF(22, 6, 306, 68), 1.4);
  return image;
}

QImage TimerPlate(QColor base) {
  QImage image = NewImage(60, 30);
  QPainter p(&image);
  Smooth(p);
  DrawGlossPlate(p, QRectF(0, 0, 60, 30), 8, base);
  return image;
}

}  // namespace

void DrawTable(Catalog& catalog) {
  AddJpeg(catalog, "FonG", Felt(760, 500));
  AddJpeg(catalog, "FonGB", Felt(1520, 1000));

  static const char* suitNames[] = {"Cher", "Bubi", "Kres", "Piki"};
  for (int s = 0; s < 4; ++s) {
    AddPng(catalog, suitNames[s], KeyOut(SuitSymbol(kSuits[s], 20), colour::kSilver));
    AddPng(catalog, QString(suitNames[s]) + "B", SuitSymbol(kSuits[s], 40));
  }

  const struct { const char* name; QColor colour; } plates[] = {
      {"SPBlue", colour::kBlue},
      {"SPGreen", QColor(0x2A, 0x8A, 0x3C)},
      {"SPRed", colour::kSuitRed},
      {"SPYellow", QColor(0xD0, 0x96, 0x00)},
      {"SPFiolet", QColor(0x80, 0x40, 0xB0)},
  };
  for (const auto& plate : plates) {
    AddPng(catalog, plate.name, SpeechPlate(plate.colour, 160, 20));
    AddPng(catalog, QString(plate.name) + "B", SpeechPlate(plate.colour, 320, 40));
  }

  AddPng(catalog, "GKolodaSmall", PackSmall(1));
  AddPng(catalog, "GKolodaSmallB", PackSmall(2));
  AddPng(catalog, "GKolodaLarge", PackLarge(1));
  AddPng(catalog, "GKolodaLargeB", PackLarge(2));

  AddPng(catalog, "GMRed", GlyphTile(QColor(0xF6, 0xC8, 0xC8), colour::kSuitRed));
  AddPng(catalog, "GMBlue", GlyphTile(QColor(0xC8, 0xD6, 0xF4), colour::kNavy));
  AddPng(catalog, "GMYellow", GlyphTile(QColor(0xF0, 0xE4, 0xA8), QColor(0xA8, 0x9A, 0x60)));

  AddPng(catalog, "TabloSm", ScoreBoard(1));
  AddPng(catalog, "TabloBg", ScoreBoard(2));
  AddPng(catalog, "Hand_Right", TurnHand());
  AddPng(catalog, "ZvezdaRSm", Star(24, colour::kSuitRed));
  AddPng(catalog, "ZvezdaR", Star(50, colour::kSuitRed));
  AddPng(catalog, "ZvezdaBSm", Star(24, colour::kBlue));
  AddPng(catalog, "ZvezdaB", Star(50, colour::kBlue));
  AddPng(catalog, "RamkaDBSm", CounterFrame(1, 70, false));
  AddPng(catalog, "RamkaDBBg", CounterFrame(2, 70, false));
  AddPng(catalog, "RamkaERSm", CounterFrame(1, 90, true));
  AddPng(catalog, "RamkaERBg", CounterFrame(2, 90, true));
  AddPng(catalog, "AdvBar3", Banner());
  AddPng(catalog, "GTimerY", TimerPlate(QColor(0xF0, 0xC8, 0x20)));
  AddPng(catalog, "GTimerR", TimerPlate(colour::kSuitRed));
}

}  // namespace quarlo::art
