// Pictures of the intro: the logo beside the version line and the four
// cards that travel round the title panel. The travelling pictures are
// opaque on the panel's silver with a clear margin, so that each step of
// one pixel paints over the trail of the step before.
#include "tools/quarlo-art/art.h"
#include "tools/quarlo-art/card_art.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace quarlo::art {

namespace {

QImage Logo() {
  // A shield with the four suits in its quarters, 64 x 64.
  QImage image = NewImage(64, 64);
  QPainter p(&image);
  Smooth(p);
  QPainterPath shield;
  shield.moveTo(32, 2);
  shield.cubicTo(44, 8, 54, 8, 60, 6);
  shield.cubicTo(62, 34, 52, 52, 32, 62);
  shield.cubicTo(12, 52, 2, 34, 4, 6);
  shield.cubicTo(10, 8, 20, 8, 32, 2);
  shield.closeSubpath();
  QLinearGradient rim(0, 0, 64, 64);
  rim.setColorAt(0, colour::kGoldLight);
  rim.setColorAt(1, colour::kGoldDark);
  p.fillPath(shield, rim);
  QTransform inset;
  inset.translate(32, 33);
  inset.scale(0.84, 0.84);
  inset.translate(-32, -33);
  const QPainterPath field = inset.map(shield);
  p.fillPath(field, colour::kCream);
  p.save();
  p.setClipPath(field);
  p.fillRect(QRectF(32, 0, 32, 32), QColor(0xF3, 0xE2, 0xB8));
  p.fillRect(QRectF(0, 32, 32, 32), QColor(0xF3, 0xE2, 0xB8));
  p.restore();
  p.strokePath(field, QPen(colour::kGoldDark, 1));
  FillSuit(p, Suit::Hearts, QRectF(13, 13, 15, 15));
  FillSuit(p, Suit::Spades, QRectF(36, 13, 15, 15));
  FillSuit(p, Suit::Clubs, QRectF(14, 35, 14, 14));
  FillSuit(p, Suit::Diamonds, QRectF(36, 35, 14, 15));
  return image;
}

// One of the four jacks, the strongest cards of the game, as a small card
// on silver.
QImage TravellingJack(int suitIndex) {
  QImage image = NewImage(55, 70, colour::kSilver);
  QPainter p(&image);
  Smooth(p);
  const QRectF card(3, 3, 48, 63);
  p.fillRect(card.translated(1.5, 1.5), QColor(0x70, 0x70, 0x70));
  p.drawImage(card, LargeCardFace(suitIndex, 2));
  return image;
}

}  // namespace

void DrawIntro(Catalog& catalog) {
  AddPng(catalog, "Logo", Logo());
  for (int i = 0; i < 4; ++i) AddPng(catalog, QString("Intro%1").arg(i + 1), TravellingJack(i));
}

}  // namespace quarlo::art
