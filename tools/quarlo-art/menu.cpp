// Pictures of the main menu: the frame behind the best cycles, the caption
// and club titles in every picture language, the candlestick and its flame
// frames, the two corner animations and their stills, medals and clocks.
#include "tools/quarlo-art/art.h"
#include "tools/quarlo-art/card_art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quarlo::art {

namespace {

// Picture language code, caption subtitle, club title, network club title.
struct CaptionTexts {
  const char* code;
  const char* subtitle;
  const char* elite;
  const char* network;
};

const CaptionTexts kCaptions[] = {
    {"Eng", "Euchre for two", "Elite club", "Network club"},
    {"Rus", "Юкер на двоих", "Элитный клуб", "Сетевой клуб"},
    {"Deu", "Euchre zu zweit", "Elite-Club", "Netzwerk-Club"},
    {"Fra", "L'euchre à deux", "Club d'élite", "Club en réseau"},
    {"Spa", "Euchre para dos", "Club de élite", "Club en red"},
    {"Chi", "双人尤克牌", "精英俱乐部", "网络俱乐部"},
    {"Ita", "Euchre in due", "Circolo d'élite", "Club in rete"},
    {"Cze", "Euchre pro dva", "Elitní klub", "Síťový klub"},
};

bool IsCjk(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x2E80) return true;
  }
  return false;
}

// A text path fitted into rect (keeping its proportions), centred.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& rect) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF b = path.boundingRect();
  const double scale = std::min(rect.width() / b.width(), rect.height() / b.height());
  QTransform t;
  t.translate(rect.center().x(), rect.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(path);
}

// Title lettering: a red-to-gold fill with a dark rim and a soft shadow.
// Reds dominate so that the menu's caption styles can recolour it.
void TitleLettering(QPainter& p, const QPainterPath& path, double rim) {
  p.fillPath(path.translated(rim * 0.8, rim * 0.8), QColor(0, 0, 0, 90));
  const QRectF b = path.boundingRect();
  QLinearGradient fill(b.topLeft(), b.bottomLeft());
  fill.setColorAt(0, QColor(0xFF, 0xD0, 0x50));
  fill.setColorAt(0.45, QColor(0xF0, 0x40, 0x20));
  fill.setColorAt(1, QColor(0xA0, 0x10, 0x18));
  p.strokePath(path, QPen(QColor(0x50, 0x08, 0x0C), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, fill);
  p.strokePath(path, QPen(QColor(0xFF, 0xE8, 0xA0, 150), rim * 0.25));
}

QImage Caption(const CaptionTexts& texts) {
  QImage image = NewImage(800, 140);
  QPainter p(&image);
  Smooth(p);
  TitleLettering(p, FittedText("QUARLO", SerifFont(200, true), QRectF(150, 6, 500, 92)), 7);
  const QString subtitle = QString::fromUtf8(texts.subtitle);
  const QFont font = IsCjk(subtitle) ? CjkFont(100) : SerifFont(100, true);
  const QPainterPath sub = FittedText(subtitle, font, QRectF(200, 104, 400, 30));
  p.strokePath(sub, QPen(QColor(0x50, 0x08, 0x0C), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(sub, QColor(0xFF, 0xC8, 0x40));
  // Suit pips at the ends of the subtitle line.
  const double y = 119;
  p.setPen(QPen(QColor(0xE0, 0x90, 0x20), 3));
  p.drawLine(QPointF(120, y), QPointF(190, y));
  p.drawLine(QPointF(610, y), QPointF(680, y));
  FillSuit(p, Suit::Hearts, QRectF(90, y - 12, 24, 24));
  FillSuit(p, Suit::Spades, QRectF(686, y - 12, 24, 24));
  return image;
}

QImage ClubTitle(const QString& text) {
  QImage image = NewImage(700, 80);
  QPainter p(&image);
  Smooth(p);
  const QFont font = IsCjk(text) ? CjkFont(120) : SerifFont(120, true);
  TitleLettering(p, FittedText(text, font, QRectF(90, 8, 520, 62)), 5);
  FillSuit(p, Suit::Diamonds, QRectF(24, 18, 40, 44));
  FillSuit(p, Suit::Clubs, QRectF(636, 18, 40, 44));
  return image;
}

QImage TitleFrame() {
  // 600 x 180: the best-cycles frame, drawn at twice its 300 x 90 place.
  QImage image = NewImage(600, 180);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient rim(0, 0, 0, 180);
  rim.setColorAt(0, colour::kGoldLight);
  rim.setColorAt(0.5, colour::kGold);
  rim.setColorAt(1, colour::kGoldDark);
  p.setPen(QPen(colour::kGoldDark, 2));
  p.setBrush(rim);
  p.drawRoundedRect(QRectF(1, 1, 598, 178), 18, 18);
  p.setBrush(QColor(0x10, 0x30, 0x1E, 200));
  p.drawRoundedRect(QRectF(9, 9, 582, 162), 12, 12);
  for (double x : {24.0, 576.0}) {
    for (double y : {24.0, 156.0}) {
      p.setPen(Qt::NoPen);
      p.setBrush(colour::kGoldLight);
      p.drawEllipse(QPointF(x, y), 5, 5);
    }
  }
  return image;
}

QImage Candlestick() {
  QImage image = NewImage(100, 200);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient metal(0, 0, 100, 0);
  metal.setColorAt(0, colour::kGoldDark);
  metal.setColorAt(0.35, colour::kGoldLight);
  metal.setColorAt(0.6, colour::kGold);
  metal.setColorAt(1, colour::kGoldDark);
  const QPen edge(colour::kGoldDark.darker(130), 1.2);
  // Arms from the stem up to the two side cups.
  p.setPen(QPen(colour::kGoldDark.darker(130), 7, Qt::SolidLine, Qt::RoundCap));
  QPainterPath arms;
  arms.moveTo(26, 86);
  arms.cubicTo(26, 118, 74, 118, 74, 86);
  p.drawPath(arms);
  p.setPen(QPen(metal, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arms);
  // Stem, knop and foot.
  p.setPen(edge);
  p.setBrush(metal);
  p.drawRect(QRectF(46, 72, 8, 100));
  p.drawEllipse(QPointF(50, 112), 9, 7);
  p.drawEllipse(QPointF(50, 146), 7, 5);
  QPainterPath foot;
  foot.moveTo(44, 170);
  foot.cubicTo(40, 184, 22, 186, 20, 196);
  foot.lineTo(80, 196);
  foot.cubicTo(78, 186, 60, 184, 56, 170);
  foot.closeSubpath();
  p.drawPath(foot);
  p.drawRoundedRect(QRectF(18, 193, 64, 6), 2, 2);
  // Candles, with their tops where the flames stand.
  struct Candle { double x, top, bottom; };
  for (const Candle& c : {Candle{26, 45, 84}, Candle{51, 31, 70}, Candle{76, 45, 84}}) {
    QLinearGradient wax(c.x - 6, 0, c.x + 6, 0);
    wax.setColorAt(0, QColor(0xE8, 0xDC, 0xC0));
    wax.setColorAt(0.4, QColor(0xFF, 0xFB, 0xF0));
    wax.setColorAt(1, QColor(0xD8, 0xC8, 0xA8));
    p.setPen(QPen(QColor(0xB0, 0xA0, 0x80), 0.8));
    p.setBrush(wax);
    p.drawRoundedRect(QRectF(c.x - 5.5, c.top, 11, c.bottom - c.top), 2, 2);
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 1.2));
    p.drawLine(QPointF(c.x, c.top - 2), QPointF(c.x, c.top + 1));
    p.setPen(edge);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(c.x - 10, c.bottom - 2, 20, 5), 2, 2);
  }
  return image;
}

// Flame frame `phase` of six: the tip sways and the flame breathes.
QImage Flame(int phase) {
  QImage image = NewImage(20, 30);
  QPainter p(&image);
  Smooth(p);
  static const double sway[] = {0, 1.5, 2.5, 1, -1.5, -2.5};
  static const double height[] = {24, 26, 23, 25, 27, 24};
  const double tipX = 10 + sway[phase], tipY = 29 - height[phase];
  auto flame = [&](double w, double bottom, double top) {
    QPainterPath path;
    path.moveTo(10, bottom);
    path.cubicTo(10 - w * 1.2, bottom - 1, 10 - w, bottom - (bottom - top) * 0.55, tipX, top);
    path.cubicTo(10 + w, bottom - (bottom - top) * 0.55, 10 + w * 1.2, bottom - 1, 10, bottom);
    return path;
  };
  p.fillPath(flame(6.5, 29.5, tipY), QColor(0xFF, 0x8C, 0x1A));
  p.fillPath(flame(4.2, 28.5, tipY + 5), QColor(0xFF, 0xC8, 0x30));
  p.fillPath(flame(2.4, 28, tipY + 11), QColor(0xFF, 0xF6, 0xC0));
  p.end();
  return KeyOut(image, colour::kKeyGreen);
}

// A picture frame around a felt field, the ground of the corner animations.
void FramedField(QPainter& p, int w, int h) {
  QLinearGradient rim(0, 0, w, h);
  rim.setColorAt(0, colour::kGoldLight);
  rim.setColorAt(0.5, colour::kGold);
  rim.setColorAt(1, colour::kGoldDark);
  p.fillRect(QRect(0, 0, w, h), rim);
  QRadialGradient felt(QPointF(w / 2.0, h / 2.0), h * 0.7);
  felt.setColorAt(0, colour::kFelt.lighter(125));
  felt.setColorAt(1, colour::kFeltDark);
  p.setPen(QPen(colour::kGoldDark, 1.5));
  p.setBrush(felt);
  p.drawRect(QRectF(6.5, 6.5, w - 13, h - 13));
}

// Cards fanning out of a pile and closing again, then the next suit.
std::vector<QImage> FanFrames() {
  std::vector<QImage> cards;
  for (int r = 2; r < 6; ++r) {
    cards.push_back(LargeCardFace(0, r).scaled(62, 84, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  std::vector<QImage> frames;
  constexpr int kFrames = 40;
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = NewImage(160, 200);
    QPainter p(&frame);
    Smooth(p);
    FramedField(p, 160, 200);
    // Open over the first half, hold, close over the last part.
    const double t = f < 14 ? f / 14.0 : f < 26 ? 1.0 : (kFrames - 1 - f) / 13.0;
    const double open = 0.5 - 0.5 * std::cos(M_PI * t);
    for (int i = 0; i < 4; ++i) {
      p.save();
      p.translate(80, 150);
      p.rotate((i - 1.5) * 18 * open);
      p.drawImage(QPointF(-31, -112), cards[static_cast<size_t>(i)]);
      p.restore();
    }
    frames.push_back(frame);
  }
  return frames;
}

// A large suit symbol turning about its upright axis; each half turn shows
// the next suit.
std::vector<QImage> SpinFrames() {
  std::vector<QImage> frames;
  constexpr int kPerSuit = 12;
  for (int f = 0; f < 4 * kPerSuit; ++f) {
    QImage frame = NewImage(160, 200);
    QPainter p(&frame);
    Smooth(p);
    FramedField(p, 160, 200);
    const Suit suit = kSuits[f / kPerSuit];
    const double angle = M_PI * (f % kPerSuit) / kPerSuit - M_PI / 2;  // -90..+90 degrees
    const double sx = std::max(0.04, std::cos(angle));
    p.setPen(QPen(colour::kGold, 3));
    p.setBrush(colour::kCream);
    p.drawEllipse(QPointF(80, 100), 62, 62);
    p.translate(80, 100);
    p.scale(sx, 1);
    const QRectF r(-42, -44, 84, 88);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    const QColor base = SuitColour(suit);
    g.setColorAt(0, base.lighter(suit == Suit::Hearts || suit == Suit::Diamonds ? 140 : 300));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(150));
    p.fillPath(SuitPath(suit, r), g);
    frames.push_back(frame);
  }
  return frames;
}

QImage Medal(int place) {
  static const QColor metals[] = {QColor(0xF2, 0xC2, 0x30), QColor(0xC8, 0xCC, 0xD4), QColor(0xC8, 0x7A, 0x3A)};
  const QColor metal = metals[place - 1];
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  Smooth(p);
  // Ribbon.
  QPainterPath ribbon;
  ribbon.moveTo(9, 0);
  ribbon.lineTo(16, 14);
  ribbon.lineTo(23, 0);
  ribbon.lineTo(18, 0);
  ribbon.lineTo(16, 5);
  ribbon.lineTo(14, 0);
  ribbon.closeSubpath();
  p.fillPath(ribbon, colour::kBlue);
  p.fillPath(QPainterPath(ribbon).translated(0, 0).intersected([] {
    QPainterPath band;
    band.addRect(13, 0, 6, 14);
    return band;
  }()), colour::kSuitRed);
  QRadialGradient g(QPointF(13, 17), 14);
  g.setColorAt(0, metal.lighter(150));
  g.setColorAt(1, metal.darker(115));
  p.setPen(QPen(metal.darker(170), 1.2));
  p.setBrush(g);
  p.drawEllipse(QPointF(16, 20), 11, 11);
  p.setPen(QPen(metal.darker(140), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 20), 8, 8);
  QPainterPath digit = FittedText(QString::number(place), SansFont(40, true), QRectF(11, 14, 10, 12));
  p.fillPath(digit, metal.darker(200));
  return image;
}

// Seven-segment digits for the menu clocks, 18 x 32, lit in one colour with
// the unlit segments faintly visible.
QImage SegmentGlyph(int glyph, QColor lit) {
  // Segments a..g as bits; glyph 10 is the minus sign.
  static const int masks[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F, 0x40};
  QImage image = NewImage(18, 32);
  QPainter p(&image);
  Smooth(p);
  const double t = 3.2;
  const QRectF seg[] = {
      {3, 1, 12, t},          // a: top
      {14.8, 3, t, 12.5},     // b: upper right
      {14.8, 16.5, t, 12.5},  // c: lower right
      {3, 27.8, 12, t},       // d: bottom
      {0, 16.5, t, 12.5},     // e: lower left
      {0, 3, t, 12.5},        // f: upper left
      {3, 14.4, 12, t},       // g: middle
  };
  for (int i = 0; i < 7; ++i) {
    const bool on = masks[glyph] & (1 << i);
    QColor c = lit;
    if (!on) c.setAlpha(28);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(seg[i], t / 2, t / 2);
  }
  return image;
}

QImage ClockColon(QColor lit) {
  QImage image = NewImage(6, 16);
  QPainter p(&image);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawEllipse(QPointF(3, 3), 2.4, 2.4);
  p.drawEllipse(QPointF(3, 13), 2.4, 2.4);
  return image;
}

QImage ClockPlate() {
  QImage image = NewImage(115, 64);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient rim(0, 0, 0, 64);
  rim.setColorAt(0, colour::kGoldLight);
  rim.setColorAt(1, colour::kGoldDark);
  p.setPen(QPen(colour::kGoldDark, 1));
  p.setBrush(rim);
  p.drawRoundedRect(QRectF(0.5, 0.5, 114, 63), 10, 10);
  QLinearGradient glass(0, 6, 0, 58);
  glass.setColorAt(0, QColor(0x1A, 0x22, 0x2C));
  glass.setColorAt(1, QColor(0x06, 0x0A, 0x10));
  p.setBrush(glass);
  p.drawRoundedRect(QRectF(6, 6, 103, 52), 6, 6);
  return image;
}

}  // namespace

void DrawMenu(Catalog& catalog) {
  AddPng(catalog, "GTitle", TitleFrame());
  for (const CaptionTexts& texts : kCaptions) {
    AddPng(catalog, QString("Cap") + texts.code, Caption(texts));
    AddPng(catalog, QString("Elite") + texts.code, ClubTitle(QString::fromUtf8(texts.elite)));
    AddPng(catalog, QString("Net__") + texts.code, ClubTitle(QString::fromUtf8(texts.network)));
  }
  AddPng(catalog, "Candle", Candlestick());
  for (int i = 0; i < 6; ++i) AddPng(catalog, QString("Flame%1").arg(i), Flame(i));

  std::vector<QImage> fan = FanFrames();
  std::vector<QImage> spin = SpinFrames();
  AddPng(catalog, "PngMenu1", fan[20]);
  AddPng(catalog, "PngMenu2", spin[6]);
  AddGif(catalog, "GifMenu1", std::move(fan), 70);
  AddGif(catalog, "GifMenu2", std::move(spin), 60);

  for (int place = 1; place <= 3; ++place) AddPng(catalog, QString("GMEDAL0%1").arg(place), Medal(place));

  AddPng(catalog, "GClockBG", ClockPlate());
  const QColor clockBlue(0x70, 0xD0, 0xFF);
  for (int d = 0; d < 10; ++d) AddPng(catalog, QString("GBClock%1").arg(d), SegmentGlyph(d, clockBlue));
  AddPng(catalog, "GBClockP", ClockColon(clockBlue));
  const struct { const char* set; QColor colour; } sets[] = {
      {"GRClock", QColor(0xFF, 0x50, 0x40)}, {"GAClock", QColor(0x40, 0xF0, 0xF0)},
      {"GGClock", QColor(0x50, 0xF0, 0x60)}, {"GYClock", QColor(0xFF, 0xE0, 0x40)},
      {"GVClock", QColor(0xC8, 0x80, 0xFF)}, {"GLClock", QColor(0xA0, 0xC8, 0xFF)},
      {"GNClock", QColor(0xF0, 0xF0, 0xF0)},
  };
  for (const auto& set : sets) {
    for (int d = 0; d < 10; ++d) AddPng(catalog, QString("%1%2").arg(set.set).arg(d), SegmentGlyph(d, set.colour));
    AddPng(catalog, QString(set.set) + "M", SegmentGlyph(10, set.colour));
  }
}

}  // namespace quarlo::art
