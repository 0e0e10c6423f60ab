// Shared pieces of the picture generator: the catalogue the families fill,
// the one palette all pictures use, and small drawing helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

namespace quarlo::art {

enum class FileKind { Png, Jpeg, Gif };

struct Picture {
  QString name;
  FileKind kind = FileKind::Png;
  std::vector<QImage> frames;  // exactly one unless kind is Gif
  int frameDelayMs = 0;        // Gif only
};

using Catalog = std::vector<Picture>;

void AddPng(Catalog& catalog, const QString& name, const QImage& image);
void AddJpeg(Catalog& catalog, const QString& name, const QImage& image);
void AddGif(Catalog& catalog, const QString& name, std::vector<QImage> frames, int delayMs);

// One family of pictures per source file.
void DrawCards(Catalog& catalog);
void DrawBacks(Catalog& catalog);
void DrawTable(Catalog& catalog);
void DrawMenu(Catalog& catalog);
void DrawIntro(Catalog& catalog);
void DrawIcons(Catalog& catalog);

// The palette.
namespace colour {
inline const QColor kSuitRed{0xC6, 0x1C, 0x24};
inline const QColor kSuitBlack{0x16, 0x16, 0x1C};
inline const QColor kGold{0xE0, 0xA8, 0x22};
inline const QColor kGoldLight{0xFF, 0xE0, 0x7A};
inline const QColor kGoldDark{0x85, 0x5A, 0x0A};
inline const QColor kCream{0xFF, 0xF8, 0xE8};
inline const QColor kPaper{0xFF, 0xFF, 0xFC};
inline const QColor kNavy{0x1F, 0x35, 0x6B};
inline const QColor kBlue{0x2E, 0x62, 0xB8};
inline const QColor kFelt{0x1C, 0x6A, 0x38};
inline const QColor kFeltDark{0x0E, 0x43, 0x22};
inline const QColor kWine{0x7A, 0x12, 0x24};
inline const QColor kPurple{0x63, 0x3A, 0x94};
inline const QColor kSkin{0xF4, 0xD3, 0xB2};
inline const QColor kWood{0x6B, 0x3E, 0x1E};
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kKeyGreen{0x00, 0x80, 0x00};
}  // namespace colour

// Suits in the program's order: Hearts, Diamonds, Clubs, Spades.
enum class Suit { Hearts, Diamonds, Clubs, Spades };
inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

QColor SuitColour(Suit suit);

// The suit's outline mapped into rect, upright or turned by 180 degrees.
QPainterPath SuitPath(Suit suit, const QRectF& rect, bool upsideDown = false);
void FillSuit(QPainter& p, Suit suit, const QRectF& rect, bool upsideDown = false);

// A new image filled with one colour (transparent by default).
QImage NewImage(int width, int height, QColor fill = Qt::transparent);

// A painter with antialiasing on, as every picture wants.
void Smooth(QPainter& p);

// Fonts by role. Sizes are pixel sizes.
QFont SansFont(double pixelSize, bool bold = true);    // indices, digits
QFont SerifFont(double pixelSize, bool bold = true);   // captions
QFont RoundFont(double pixelSize, bool bold = true);   // friendly plates
QFont CjkFont(double pixelSize);

// A glossy rounded plate: base colour with a lighter top, darker rim and a
// soft highlight band.
void DrawGlossPlate(QPainter& p, const QRectF& rect, double radius, QColor base);

// Text centred on a rect, with an optional outline for legibility.
void DrawOutlinedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                      const QBrush& fill, QColor outline, double outlineWidth);

// Pixels under the 50% alpha line become the key colour and the rest
// opaque, so that a picture can be drawn with one transparent colour
// without a fringe.
QImage KeyOut(const QImage& image, QColor key);

// A five-pointed star of outer radius r around c.
QPainterPath StarPath(QPointF c, double r, double innerRatio = 0.45);

// Deterministic noise for textures.
class Noise {
 public:
  explicit Noise(unsigned seed);
  double Next();  // uniform in [0, 1)
 private:
  unsigned long long state_;
};

}  // namespace quarlo::art
