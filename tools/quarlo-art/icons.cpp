// Icons: the menu's side icons (48 x 48), the account picture and its
// lamps, the notice window's warning sign and the four custom cursors.
#include "tools/quarlo-art/art.h"
#include "resources/pictures/pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quarlo::art {

namespace {

// A round badge that most side icons stand on, for one consistent look.
void Badge(QPainter& p, QColor base) {
  QRadialGradient g(QPointF(18, 15), 34);
  g.setColorAt(0, base.lighter(150));
  g.setColorAt(1, base.darker(120));
  p.setPen(QPen(colour::kGold, 2));
  p.setBrush(g);
  p.drawEllipse(QPointF(24, 24), 22, 22);
}

QImage Gift(QColor box) {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  const QPen edge(box.darker(170), 1.2);
  p.setPen(edge);
  QLinearGradient g(0, 18, 0, 46);
  g.setColorAt(0, box.lighter(125));
  g.setColorAt(1, box.darker(115));
  p.setBrush(g);
  p.drawRect(QRectF(7, 21, 34, 24));
  p.setBrush(box.lighter(110));
  p.drawRect(QRectF(4, 14, 40, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kGold);
  p.drawRect(QRectF(21, 14, 6, 31));
  // The bow.
  p.setPen(QPen(colour::kGoldDark, 1.2));
  p.setBrush(colour::kGold);
  QPainterPath bow;
  bow.moveTo(24, 14);
  bow.cubicTo(14, 2, 6, 8, 12, 14);
  bow.closeSubpath();
  bow.moveTo(24, 14);
  bow.cubicTo(34, 2, 42, 8, 36, 14);
  bow.closeSubpath();
  p.drawPath(bow);
  p.drawEllipse(QPointF(24, 14), 3, 3);
  return image;
}

QImage Phone() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  Badge(p, QColor(0x3A, 0xA0, 0x48));
  p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1.2));
  p.setBrush(QColor(0x30, 0x30, 0x38));
  p.drawRoundedRect(QRectF(15, 6, 18, 36), 3.5, 3.5);
  p.setBrush(QColor(0xE8, 0xF4, 0xE8));
  p.drawRect(QRectF(17, 10, 14, 25));
  FillSuit(p, Suit::Spades, QRectF(19.5, 15, 9, 9));
  FillSuit(p, Suit::Hearts, QRectF(20.5, 25, 7, 7));
  p.setBrush(QColor(0x80, 0x80, 0x88));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(24, 38.5), 1.8, 1.8);
  return image;
}

QImage Store() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  // A shopping bag with a play sign.
  p.setPen(QPen(QColor(0x30, 0x30, 0x40), 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(16, 4, 16, 16), 0, 180 * 16);
  QLinearGradient g(0, 12, 0, 46);
  g.setColorAt(0, QColor(0xF4, 0xF4, 0xF8));
  g.setColorAt(1, QColor(0xC8, 0xCC, 0xD8));
  p.setPen(QPen(QColor(0x50, 0x54, 0x60), 1.2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(8, 12, 32, 33), 3, 3);
  QPainterPath play;
  play.moveTo(19, 19);
  play.lineTo(33, 28.5);
  play.lineTo(19, 38);
  play.closeSubpath();
  QLinearGradient pg(19, 19, 33, 38);
  pg.setColorAt(0, QColor(0x20, 0xA0, 0xE0));
  pg.setColorAt(0.5, QColor(0x30, 0xB0, 0x50));
  pg.setColorAt(1, QColor(0xF0, 0xA0, 0x20));
  p.setPen(Qt::NoPen);
  p.fillPath(play, pg);
  return image;
}

QImage Globe() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  QRadialGradient sea(QPointF(18, 16), 30);
  sea.setColorAt(0, QColor(0x70, 0xB8, 0xF0));
  sea.setColorAt(1, QColor(0x15, 0x4A, 0x9A));
  QPainterPath ball;
  ball.addEllipse(QPointF(24, 24), 21, 21);
  p.fillPath(ball, sea);
  p.save();
  p.setClipPath(ball);
  // Made-up land masses.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4C, 0xA8, 0x4C));
  QPainterPath land;
  land.moveTo(8, 14);
  land.cubicTo(14, 6, 24, 8, 22, 16);
  land.cubicTo(20, 22, 26, 26, 20, 32);
  land.cubicTo(14, 36, 10, 26, 8, 14);
  land.moveTo(30, 8);
  land.cubicTo(38, 8, 44, 14, 42, 22);
  land.cubicTo(40, 30, 34, 26, 32, 20);
  land.cubicTo(30, 16, 26, 12, 30, 8);
  land.moveTo(28, 32);
  land.cubicTo(34, 30, 40, 34, 36, 40);
  land.cubicTo(32, 44, 26, 40, 28, 32);
  p.drawPath(land);
  p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
  p.setBrush(Qt::NoBrush);
  for (double w : {8.0, 15.0}) p.drawEllipse(QPointF(24, 24), w, 21);
  for (double y : {13.0, 24.0, 35.0}) p.drawLine(QPointF(3, y), QPointF(45, y));
  p.restore();
  p.setPen(QPen(colour::kGold, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(24, 24), 21, 21);
  return image;
}

QImage Chart() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(QColor(0x60, 0x60, 0x70), 1.2));
  p.setBrush(QColor(0xFA, 0xFA, 0xF4));
  p.drawRoundedRect(QRectF(3, 3, 42, 42), 5, 5);
  const QColor bars[] = {colour::kBlue, QColor(0x2A, 0x8A, 0x3C), QColor(0xE0, 0x9A, 0x10), colour::kSuitRed};
  const double heights[] = {12, 19, 15, 27};
  for (int i = 0; i < 4; ++i) {
    p.setPen(QPen(bars[i].darker(150), 1));
    p.setBrush(bars[i]);
    p.drawRect(QRectF(8 + i * 9, 40 - heights[i], 7, heights[i]));
  }
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4));
  p.drawLine(QPointF(6, 40.5), QPointF(42, 40.5));
  p.setPen(QPen(colour::kSuitBlack, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath trend;
  trend.moveTo(9, 24);
  trend.lineTo(20, 17);
  trend.lineTo(29, 21);
  trend.lineTo(41, 8);
  p.setBrush(Qt::NoBrush);
  p.drawPath(trend);
  return image;
}

QImage Help() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  Badge(p, colour::kBlue);
  DrawOutlinedText(p, QRectF(4, 4, 40, 40), "?", SerifFont(34, true), Qt::white, colour::kNavy, 2.5);
  return image;
}

QImage Trophy() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient g(8, 0, 40, 0);
  g.setColorAt(0, colour::kGoldDark);
  g.setColorAt(0.4, colour::kGoldLight);
  g.setColorAt(1, colour::kGold);
  const QPen edge(colour::kGoldDark.darker(130), 1.2);
  p.setPen(QPen(colour::kGoldDark, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 8, 14, 16), 90 * 16, 180 * 16);
  p.drawArc(QRectF(30, 8, 14, 16), 270 * 16, 180 * 16);
  p.setPen(edge);
  p.setBrush(g);
  QPainterPath cup;
  cup.moveTo(11, 5);
  cup.lineTo(37, 5);
  cup.cubicTo(37, 22, 32, 28, 24, 30);
  cup.cubicTo(16, 28, 11, 22, 11, 5);
  cup.closeSubpath();
  p.drawPath(cup);
  p.drawRect(QRectF(21, 30, 6, 7));
  p.drawRoundedRect(QRectF(13, 37, 22, 7), 2, 2);
  FillSuit(p, Suit::Spades, QRectF(18.5, 9, 11, 12));
  return image;
}

QImage Person() {
  // The account picture; its upper right quarter stays free for the lamp.
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  QRadialGradient g(QPointF(18, 20), 30);
  g.setColorAt(0, QColor(0x7C, 0xA8, 0xE8));
  g.setColorAt(1, colour::kNavy);
  p.setPen(QPen(colour::kGold, 2));
  p.setBrush(g);
  p.drawEllipse(QPointF(22, 26), 20, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF4, 0xF4, 0xF8));
  p.drawEllipse(QPointF(22, 20), 7.5, 8);
  QPainterPath body;
  body.moveTo(8, 40);
  body.cubicTo(10, 30, 16, 29, 22, 29);
  body.cubicTo(28, 29, 34, 30, 36, 40);
  body.cubicTo(28, 46, 16, 46, 8, 40);
  p.drawPath(body);
  return image;
}

QImage Desktop() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.5));
  p.setBrush(QColor(0x3C, 0x3C, 0x46));
  p.drawRoundedRect(QRectF(3, 6, 42, 29), 3, 3);
  QLinearGradient screen(0, 9, 0, 32);
  screen.setColorAt(0, colour::kFelt.lighter(140));
  screen.setColorAt(1, colour::kFelt);
  p.setBrush(screen);
  p.drawRect(QRectF(6, 9, 36, 23));
  FillSuit(p, Suit::Hearts, QRectF(13, 14, 10, 10));
  FillSuit(p, Suit::Spades, QRectF(25, 14, 10, 10));
  p.setBrush(QColor(0x50, 0x50, 0x5A));
  p.drawRect(QRectF(20, 35, 8, 5));
  p.drawRoundedRect(QRectF(12, 40, 24, 4), 2, 2);
  return image;
}

QImage Lamp(QColor base) {
  QImage image = NewImage(24, 24);
  QPainter p(&image);
  Smooth(p);
  QRadialGradient g(QPointF(9, 8), 13);
  g.setColorAt(0, Qt::white);
  g.setColorAt(0.25, base.lighter(140));
  g.setColorAt(1, base.darker(140));
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
  p.setBrush(g);
  p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
  return image;
}

QImage Warning() {
  QImage image = NewImage(48, 48);
  QPainter p(&image);
  Smooth(p);
  QPainterPath sign;
  sign.moveTo(24, 3);
  sign.lineTo(46, 43);
  sign.lineTo(2, 43);
  sign.closeSubpath();
  QLinearGradient g(0, 3, 0, 43);
  g.setColorAt(0, QColor(0xFF, 0xE8, 0x60));
  g.setColorAt(1, QColor(0xF0, 0xB0, 0x10));
  p.setPen(QPen(QColor(0x50, 0x30, 0x00), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(sign);
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kSuitBlack);
  QPainterPath mark;
  mark.moveTo(21, 15);
  mark.lineTo(27, 15);
  mark.lineTo(25.5, 31);
  mark.lineTo(22.5, 31);
  mark.closeSubpath();
  p.drawPath(mark);
  p.drawEllipse(QPointF(24, 36.5), 2.8, 2.8);
  return image;
}

// Cursors: red with a dark rim, legible on the green table and on white.
const QColor kCursorRed(0xE0, 0x20, 0x20);
const QPen kCursorRim(QColor(0x20, 0x00, 0x00), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// The hotspots come from the table the program reads, so the two agree.
QPoint Hotspot(std::string_view name) {
  for (const CursorHotspot& cursor : kCursorHotspots) {
    if (cursor.name == name) return {cursor.x, cursor.y};
  }
  return {0, 0};
}

QImage ArrowCursor() {
  QImage image = NewImage(kCursorSize, kCursorSize);
  QPainter p(&image);
  Smooth(p);
  const QPointF tip = Hotspot("CURARROW") + QPointF(0.5, 0.5);
  QPainterPath arrow;
  arrow.moveTo(tip);
  arrow.lineTo(tip + QPointF(0, 21));
  arrow.lineTo(tip + QPointF(5, 16.5));
  arrow.lineTo(tip + QPointF(9, 25));
  arrow.lineTo(tip + QPointF(12.5, 23.5));
  arrow.lineTo(tip + QPointF(8.5, 15));
  arrow.lineTo(tip + QPointF(15, 15));
  arrow.closeSubpath();
  QLinearGradient g(tip, tip + QPointF(12, 22));
  g.setColorAt(0, kCursorRed.lighter(140));
  g.setColorAt(1, kCursorRed.darker(120));
  p.setPen(kCursorRim);
  p.setBrush(g);
  p.drawPath(arrow);
  return image;
}

QImage HandCursor() {
  QImage image = NewImage(kCursorSize, kCursorSize);
  QPainter p(&image);
  Smooth(p);
  const QPointF tip = Hotspot("CURHAND") + QPointF(0.5, 0.5);
  // A hand pointing up, the index finger's tip at the hotspot.
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(tip.x() - 3, tip.y(), 6, 17), 3, 3);            // index finger
  hand.addRoundedRect(QRectF(tip.x() + 2.5, tip.y() + 9, 5.5, 11), 2.7, 2.7);  // middle
  hand.addRoundedRect(QRectF(tip.x() + 7.5, tip.y() + 10.5, 5.5, 10), 2.7, 2.7);
  hand.addRoundedRect(QRectF(tip.x() + 12.5, tip.y() + 12, 5, 9), 2.5, 2.5);
  hand.addRoundedRect(QRectF(tip.x() - 3, tip.y() + 14, 21, 14), 5, 5);      // palm
  QPainterPath thumb;
  thumb.moveTo(tip.x() - 2, tip.y() + 22);
  thumb.lineTo(tip.x() - 8, tip.y() + 15);
  thumb.cubicTo(tip.x() - 10, tip.y() + 12, tip.x() - 5, tip.y() + 10, tip.x() - 2, tip.y() + 15);
  thumb.closeSubpath();
  hand.addPath(thumb);
  hand = hand.simplified();
  QLinearGradient g(tip, tip + QPointF(10, 28));
  g.setColorAt(0, kCursorRed.lighter(140));
  g.setColorAt(1, kCursorRed.darker(115));
  p.setPen(kCursorRim);
  p.setBrush(g);
  p.drawPath(hand);
  return image;
}

QImage WaitCursor() {
  QImage image = NewImage(kCursorSize, kCursorSize);
  QPainter p(&image);
  Smooth(p);
  const QPointF c = Hotspot("CURWAIT") + QPointF(0.5, 0.5);
  // An hourglass with red sand.
  p.setPen(kCursorRim);
  p.setBrush(colour::kGold);
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 14, 20, 4), 1.5, 1.5);
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() + 10, 20, 4), 1.5, 1.5);
  QPainterPath glass;
  glass.moveTo(c.x() - 8, c.y() - 10);
  glass.lineTo(c.x() + 8, c.y() - 10);
  glass.cubicTo(c.x() + 8, c.y() - 3, c.x() + 2, c.y() - 2, c.x() + 1.5, c.y());
  glass.cubicTo(c.x() + 2, c.y() + 2, c.x() + 8, c.y() + 3, c.x() + 8, c.y() + 10);
  glass.lineTo(c.x() - 8, c.y() + 10);
  glass.cubicTo(c.x() - 8, c.y() + 3, c.x() - 2, c.y() + 2, c.x() - 1.5, c.y());
  glass.cubicTo(c.x() - 2, c.y() - 2, c.x() - 8, c.y() - 3, c.x() - 8, c.y() - 10);
  glass.closeSubpath();
  p.setBrush(QColor(0xF4, 0xF8, 0xFF));
  p.drawPath(glass);
  p.setPen(Qt::NoPen);
  p.setBrush(kCursorRed);
  QPainterPath sand;
  sand.moveTo(c.x() - 6, c.y() - 6);
  sand.lineTo(c.x() + 6, c.y() - 6);
  sand.lineTo(c.x(), c.y() - 1);
  sand.closeSubpath();
  sand.moveTo(c.x() - 7, c.y() + 9.5);
  sand.lineTo(c.x() + 7, c.y() + 9.5);
  sand.lineTo(c.x(), c.y() + 4);
  sand.closeSubpath();
  p.drawPath(sand);
  return image;
}

QImage EditCursor() {
  QImage image = NewImage(kCursorSize, kCursorSize);
  QPainter p(&image);
  Smooth(p);
  const QPointF c = Hotspot("CUREDIT") + QPointF(0.5, 0.5);
  QPainterPath beam;
  beam.moveTo(c.x() - 6, c.y() - 11);
  beam.lineTo(c.x() - 2, c.y() - 11);
  beam.lineTo(c.x(), c.y() - 9);
  beam.lineTo(c.x() + 2, c.y() - 11);
  beam.lineTo(c.x() + 6, c.y() - 11);
  beam.moveTo(c.x(), c.y() - 9);
  beam.lineTo(c.x(), c.y() + 9);
  beam.moveTo(c.x() - 6, c.y() + 11);
  beam.lineTo(c.x() - 2, c.y() + 11);
  beam.lineTo(c.x(), c.y() + 9);
  beam.lineTo(c.x() + 2, c.y() + 11);
  beam.lineTo(c.x() + 6, c.y() + 11);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x20, 0x00, 0x00), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(beam);
  p.setPen(QPen(kCursorRed, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(beam);
  return image;
}

}  // namespace

void DrawIcons(Catalog& catalog) {
  AddPng(catalog, "AdvGiftR", Gift(colour::kSuitRed));
  AddPng(catalog, "AdvGiftG", Gift(QColor(0x2A, 0x8A, 0x3C)));
  AddPng(catalog, "Android", Phone());
  AddPng(catalog, "GooglePlay", Store());
  AddPng(catalog, "Earth48", Globe());
  AddPng(catalog, "Stats", Chart());
  AddPng(catalog, "Help48", Help());
  AddPng(catalog, "Tour48", Trophy());
  AddPng(catalog, "Account48", Person());
  AddPng(catalog, "Windows", Desktop());
  AddPng(catalog, "LampR24", Lamp(QColor(0xE0, 0x20, 0x20)));
  AddPng(catalog, "LampY24", Lamp(QColor(0xF0, 0xC0, 0x10)));
  AddPng(catalog, "LampG24", Lamp(QColor(0x20, 0xC0, 0x30)));
  AddPng(catalog, "Warning48", Warning());
  AddPng(catalog, "CURARROW", ArrowCursor());
  AddPng(catalog, "CURHAND", HandCursor());
  AddPng(catalog, "CURWAIT", WaitCursor());
  AddPng(catalog, "CUREDIT", EditCursor());
}

}  // namespace quarlo::art
