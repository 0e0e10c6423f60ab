// The 24 card faces (nine to ace in four suits) in the two sizes the table
// uses: 69 x 94 for the small window and 146 x 198 ("B"), which the medium
// windows scale down. Each size has its own metrics, so indices and pips are
// drawn sharp at that size rather than scaled from the other.
#include "tools/quarlo-art/art.h"
#include "tools/quarlo-art/card_art.h"

#include <QLinearGradient>

#include <cmath>

namespace quarlo::art {

namespace {

struct FaceMetrics {
  int width;
  int height;
  double indexCentreX;  // centre of the corner index column
  double indexWidth;    // widest the rank text may be
  double rankTop;
  double rankSize;      // cap height of the rank text
  double indexPipTop;
  double indexPipSize;
  QRectF body;          // where the pips of number cards go
  double pipSize;
  double acePipSize;
  QRectF court;         // the frame of a court figure
  double line;          // stroke width of frames
  bool ownBorder;       // the large set draws its rounded border itself
};

const FaceMetrics kSmall{69, 94, 7.5, 13.0, 3.0, 11.0, 17.0, 9.0,
                         QRectF(15.5, 5.0, 38.0, 84.0), 12.5, 36.0,
                         QRectF(15.5, 4.5, 38.0, 85.0), 1.0, false};
const FaceMetrics kLarge{146, 198, 15.5, 24.0, 8.0, 21.0, 35.0, 17.0,
                         QRectF(33.0, 12.0, 80.0, 174.0), 25.0, 76.0,
                         QRectF(31.0, 11.0, 84.0, 176.0), 2.0, true};

enum class Rank { Nine, Ten, Jack, Queen, King, Ace };
constexpr Rank kRanks[] = {Rank::Nine, Rank::Ten, Rank::Jack, Rank::Queen, Rank::King, Rank::Ace};

QString RankText(Rank rank) {
  static const char* texts[] = {"9", "10", "J", "Q", "K", "A"};
  return texts[static_cast<int>(rank)];
}

// The rank text as a path whose cap height is `size`, centred on x, top at y,
// squeezed sideways when wider than maxWidth ("10" in the narrow column).
QPainterPath RankPath(Rank rank, double centreX, double top, double size, double maxWidth) {
  QFont font = SansFont(100, true);
  QPainterPath path;
  path.addText(0, 0, font, RankText(rank));
  const QRectF b = path.boundingRect();
  // Scale by the digit height so that every rank has the same cap height.
  QPainterPath ref;
  ref.addText(0, 0, font, "8");
  const double scale = size / ref.boundingRect().height();
  double sx = scale;
  if (b.width() * sx > maxWidth) sx = maxWidth / b.width();
  QTransform t;
  t.translate(centreX, top);
  t.scale(sx, scale);
  t.translate(-b.center().x(), -ref.boundingRect().top());
  return t.map(path);
}

void DrawIndex(QPainter& p, const FaceMetrics& m, Rank rank, Suit suit) {
  const QColor c = SuitColour(suit);
  p.fillPath(RankPath(rank, m.indexCentreX, m.rankTop, m.rankSize, m.indexWidth), c);
  const double s = m.indexPipSize;
  FillSuit(p, suit, QRectF(m.indexCentreX - s / 2, m.indexPipTop, s, s));
}

QPointF PipCentre(const FaceMetrics& m, double u, double v) {
  const double s = m.pipSize;
  return {m.body.left() + s / 2 + u * (m.body.width() - s),
          m.body.top() + s / 2 + v * (m.body.height() - s)};
}

void DrawNumberPips(QPainter& p, const FaceMetrics& m, Rank rank, Suit suit) {
  struct Pip { double u, v; };
  static const Pip nine[] = {{0, 0},     {1, 0},     {0, 1. / 3}, {1, 1. / 3}, {0.5, 0.5},
                             {0, 2. / 3}, {1, 2. / 3}, {0, 1},     {1, 1}};
  static const Pip ten[] = {{0, 0},     {1, 0},     {0.5, 1. / 6}, {0, 1. / 3}, {1, 1. / 3},
                            {0, 2. / 3}, {1, 2. / 3}, {0.5, 5. / 6}, {0, 1},     {1, 1}};
  const Pip* pips = rank == Rank::Nine ? nine : ten;
  const int count = rank == Rank::Nine ? 9 : 10;
  for (int i = 0; i < count; ++i) {
    const QPointF c = PipCentre(m, pips[i].u, pips[i].v);
    const double s = m.pipSize;
    // Like printed cards, the lower half of the pips stands on its head.
    FillSuit(p, suit, QRectF(c.x() - s / 2, c.y() - s / 2, s, s), pips[i].v > 0.5);
  }
}

void DrawAce(QPainter& p, const FaceMetrics& m, Suit suit) {
  const QPointF c(m.width / 2.0, m.height / 2.0);
  const double s = m.acePipSize;
  const double ring = s * 0.78;
  p.setPen(QPen(colour::kGold, m.line * 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, ring, ring);
  p.setPen(QPen(colour::kGoldDark, m.line * 0.5));
  p.drawEllipse(c, ring - m.line * 2, ring - m.line * 2);
  QRectF r(c.x() - s / 2, c.y() - s / 2, s, s);
  QLinearGradient g(r.topLeft(), r.bottomRight());
  const QColor base = SuitColour(suit);
  g.setColorAt(0, base.lighter(suit == Suit::Hearts || suit == Suit::Diamonds ? 125 : 260));
  g.setColorAt(0.45, base);
  g.setColorAt(1, base.darker(140));
  p.fillPath(SuitPath(suit, r), g);
}

}  // namespace

// The half figure of a court card: shoulders at the bottom edge of `half`,
// headgear near its top. The other half is the same turned by 180 degrees.
void DrawCourtHalf(QPainter& p, const QRectF& half, CourtKind kind, Suit suit, double line,
                   bool detailed) {
  auto at = [&](double u, double v) { return QPointF(half.left() + u * half.width(), half.top() + v * half.height()); };
  auto box = [&](double u1, double v1, double u2, double v2) { return QRectF(at(u1, v1), at(u2, v2)); };
  const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
  const QColor garment = red ? colour::kSuitRed : colour::kNavy;
  const QColor second = red ? colour::kNavy : colour::kSuitRed;
  const QColor ink = colour::kSuitBlack;
  const QPen outline(ink, line * 0.8);

  // Staff or sceptre behind the figure, on the right.
  if (kind == CourtKind::Jack) {
    p.setPen(QPen(colour::kWood, line * 1.6));
    p.drawLine(at(0.87, 0.16), at(0.87, 1.0));
    QPainterPath blade;
    blade.moveTo(at(0.87, 0.02));
    blade.lineTo(at(0.94, 0.16));
    blade.lineTo(at(0.87, 0.22));
    blade.lineTo(at(0.80, 0.16));
    blade.closeSubpath();
    p.setPen(outline);
    p.setBrush(QColor(0xB8, 0xBE, 0xC8));
    p.drawPath(blade);
  } else if (kind == CourtKind::King) {
    p.setPen(QPen(colour::kGoldDark, line * 1.8));
    p.drawLine(at(0.87, 0.18), at(0.87, 1.0));
    p.setPen(outline);
    p.setBrush(colour::kGold);
    p.drawEllipse(at(0.87, 0.14), half.width() * 0.06, half.width() * 0.06);
    p.setPen(QPen(colour::kGoldDark, line));
    p.drawLine(at(0.87, 0.0), at(0.87, 0.08));
    p.drawLine(at(0.84, 0.04), at(0.9, 0.04));
  }

  // Hair behind the queen's head.
  if (kind == CourtKind::Queen) {
    p.setPen(outline);
    p.setBrush(QColor(0x8A, 0x52, 0x1C));
    QPainterPath hair;
    hair.moveTo(at(0.3, 0.74));
    hair.cubicTo(at(0.22, 0.5), at(0.28, 0.28), at(0.5, 0.27));
    hair.cubicTo(at(0.72, 0.28), at(0.78, 0.5), at(0.7, 0.74));
    hair.closeSubpath();
    p.drawPath(hair);
  }

  // Shoulders and robe, with a gold band down the middle.
  QPainterPath robe;
  robe.moveTo(at(0.06, 1.0));
  robe.cubicTo(at(0.08, 0.8), at(0.2, 0.72), at(0.5, 0.71));
  robe.cubicTo(at(0.8, 0.72), at(0.92, 0.8), at(0.94, 1.0));
  robe.closeSubpath();
  p.setPen(outline);
  p.setBrush(garment);
  p.drawPath(robe);
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kGold);
  p.drawRect(box(0.44, 0.74, 0.56, 1.0));
  if (kind == CourtKind::Jack) {
    // The jack's tunic has a chequered yoke.
    p.setBrush(second);
    p.drawRect(box(0.22, 0.84, 0.36, 0.93));
    p.drawRect(box(0.64, 0.84, 0.78, 0.93));
  } else if (kind == CourtKind::Queen) {
    p.setBrush(colour::kGoldLight);
    p.drawEllipse(box(0.36, 0.69, 0.64, 0.79));
  } else {
    // Ermine collar of the king.
    p.setBrush(Qt::white);
    p.drawRoundedRect(box(0.26, 0.7, 0.74, 0.8), line * 2, line * 2);
    p.setBrush(ink);
    for (double u : {0.34, 0.5, 0.66}) p.drawEllipse(at(u, 0.75), line * 0.9, line * 0.9);
  }

  // Head.
  p.setPen(outline);
  p.setBrush(colour::kSkin);
  p.drawEllipse(box(0.36, 0.36, 0.64, 0.7));
  if (kind == CourtKind::King) {
    QPainterPath beard;
    beard.moveTo(at(0.37, 0.54));
    beard.cubicTo(at(0.38, 0.76), at(0.62, 0.76), at(0.63, 0.54));
    beard.cubicTo(at(0.56, 0.62), at(0.44, 0.62), at(0.37, 0.54));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawPath(beard);
  }
  if (detailed) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(at(0.45, 0.5), line * 0.9, line * 0.9);
    p.drawEllipse(at(0.55, 0.5), line * 0.9, line * 0.9);
    p.setBrush(QColor(0xD0, 0x50, 0x50));
    if (kind != CourtKind::King) p.drawEllipse(at(0.5, 0.6), line * 1.4, line * 0.7);
  }

  // Headgear: cap with a plume, tiara, crown.
  p.setPen(outline);
  if (kind == CourtKind::Jack) {
    QPainterPath plume;
    plume.moveTo(at(0.56, 0.34));
    plume.cubicTo(at(0.6, 0.16), at(0.7, 0.08), at(0.78, 0.06));
    plume.cubicTo(at(0.74, 0.16), at(0.68, 0.28), at(0.62, 0.36));
    plume.closeSubpath();
    p.setBrush(colour::kGold);
    p.drawPath(plume);
    p.setBrush(garment);
    p.drawChord(box(0.33, 0.26, 0.67, 0.5), 0, 180 * 16);
    p.setBrush(second);
    p.drawRect(box(0.3, 0.36, 0.7, 0.41));
  } else if (kind == CourtKind::Queen) {
    QPainterPath tiara;
    tiara.moveTo(at(0.36, 0.37));
    tiara.lineTo(at(0.38, 0.27));
    tiara.lineTo(at(0.44, 0.33));
    tiara.lineTo(at(0.5, 0.2));
    tiara.lineTo(at(0.56, 0.33));
    tiara.lineTo(at(0.62, 0.27));
    tiara.lineTo(at(0.64, 0.37));
    tiara.closeSubpath();
    p.setBrush(colour::kGold);
    p.drawPath(tiara);
    // A flower in the right hand.
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), line * 1.2));
    p.drawLine(at(0.8, 0.6), at(0.72, 0.98));
    p.setPen(outline);
    p.setBrush(red ? colour::kSuitRed : colour::kBlue);
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2 * M_PI / 5;
      p.drawEllipse(at(0.8 + 0.055 * std::cos(a), 0.55 + 0.05 * std::sin(a)), half.width() * 0.045,
                    half.width() * 0.045);
    }
    p.setBrush(colour::kGoldLight);
    p.drawEllipse(at(0.8, 0.55), half.width() * 0.035, half.width() * 0.035);
  } else {
    QPainterPath crown;
    crown.moveTo(at(0.33, 0.4));
    crown.lineTo(at(0.31, 0.12));
    crown.lineTo(at(0.41, 0.26));
    crown.lineTo(at(0.5, 0.06));
    crown.lineTo(at(0.59, 0.26));
    crown.lineTo(at(0.69, 0.12));
    crown.lineTo(at(0.67, 0.4));
    crown.closeSubpath();
    p.setBrush(colour::kGold);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(second);
    p.drawEllipse(at(0.5, 0.33), half.width() * 0.035, half.width() * 0.035);
  }
}

namespace {

void DrawCourt(QPainter& p, const FaceMetrics& m, CourtKind kind, Suit suit) {
  const QRectF frame = m.court;
  p.setPen(QPen(SuitColour(suit), m.line));
  QLinearGradient tint(frame.topLeft(), frame.bottomRight());
  tint.setColorAt(0, QColor(0xFD, 0xF3, 0xD6));
  tint.setColorAt(1, QColor(0xF6, 0xE2, 0xB0));
  p.setBrush(tint);
  p.drawRect(frame);

  const QRectF top(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  p.save();
  p.setClipRect(frame.adjusted(m.line / 2, m.line / 2, -m.line / 2, -m.line / 2));
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(frame.center());
      p.rotate(180);
      p.translate(-frame.center());
    }
    DrawCourtHalf(p, top, kind, suit, m.line, m.ownBorder);
    const double s = frame.width() * 0.22;
    FillSuit(p, suit, QRectF(frame.left() + frame.width() * 0.06, frame.top() + frame.width() * 0.05, s, s));
    p.restore();
  }
  p.restore();
  p.setPen(QPen(SuitColour(suit), m.line * 0.7));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

QImage DrawFace(const FaceMetrics& m, Rank rank, Suit suit) {
  QImage image = NewImage(m.width, m.height, colour::kPaper);
  QPainter p(&image);
  Smooth(p);
  if (m.ownBorder) {
    // Outside the rounded border stays clear; the table cuts it off anyway.
    image.fill(Qt::transparent);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    p.setBrush(colour::kPaper);
    p.drawRoundedRect(QRectF(0.75, 0.75, m.width - 1.5, m.height - 1.5), 9, 9);
  }
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(m.width / 2.0, m.height / 2.0);
      p.rotate(180);
      p.translate(-m.width / 2.0, -m.height / 2.0);
    }
    DrawIndex(p, m, rank, suit);
    p.restore();
  }
  switch (rank) {
    case Rank::Nine:
    case Rank::Ten: DrawNumberPips(p, m, rank, suit); break;
    case Rank::Jack: DrawCourt(p, m, CourtKind::Jack, suit); break;
    case Rank::Queen: DrawCourt(p, m, CourtKind::Queen, suit); break;
    case Rank::King: DrawCourt(p, m, CourtKind::King, suit); break;
    case Rank::Ace: DrawAce(p, m, suit); break;
  }
  p.end();
  if (!m.ownBorder) {
    // Soften the corners inside the table's one-pixel outline.
    for (QPoint c : {QPoint(0, 0), QPoint(m.width - 1, 0), QPoint(0, m.height - 1),
                     QPoint(m.width - 1, m.height - 1)}) {
      image.setPixelColor(c, QColor(0x90, 0x90, 0x90));
    }
  }
  return image;
}

}  // namespace

QString CardStem(int suitIndex, int rankIndex) {
  static const char* suits[] = {"Ch", "Bu", "Kr", "Pi"};
  static const char* ranks[] = {"09", "10", "2J", "3Q", "4K", "5A"};
  return QString(suits[suitIndex]) + ranks[rankIndex];
}

QImage LargeCardFace(int suitIndex, int rankIndex) {
  return DrawFace(kLarge, kRanks[rankIndex], kSuits[suitIndex]);
}

void DrawCards(Catalog& catalog) {
  for (int s = 0; s < 4; ++s) {
    for (int r = 0; r < 6; ++r) {
      AddPng(catalog, CardStem(s, r), DrawFace(kSmall, kRanks[r], kSuits[s]));
      AddPng(catalog, CardStem(s, r) + "B", DrawFace(kLarge, kRanks[r], kSuits[s]));
    }
  }
}

}  // namespace quarlo::art
