#include "resources/pictures/pictures.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QSet>

#include <vector>

namespace quarlo {
namespace {

struct Expected {
  QString name;
  int width;
  int height;
};

const char* const kSuitStems[] = {"Ch", "Bu", "Kr", "Pi"};
const char* const kRankStems[] = {"09", "10", "2J", "3Q", "4K", "5A"};
const char* const kBacks[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
const char* const kLanguageCodes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

std::vector<QString> Faces(const QString& suffix) {
  std::vector<QString> names;
  for (const char* suit : kSuitStems) {
    for (const char* rank : kRankStems) names.push_back(QString(suit) + rank + suffix);
  }
  return names;
}

// Every picture the table, menu, intro and dialogs ask for, at the size they
// draw it (or the size they scale it from).
std::vector<Expected> ExpectedPictures() {
  std::vector<Expected> all;
  for (const QString& name : Faces("")) all.push_back({name, 69, 94});
  for (const QString& name : Faces("B")) all.push_back({name, 146, 198});
  for (const char* back : kBacks) {
    all.push_back({back, 69, 94});
    all.push_back({QString(back) + "R", 94, 69});
    all.push_back({QString(back) + "B", 146, 198});
    all.push_back({QString(back) + "RB", 198, 146});
  }
  for (const char* suit : {"Cher", "Bubi", "Kres", "Piki"}) {
    all.push_back({suit, 20, 20});
    all.push_back({QString(suit) + "B", 40, 40});
  }
  for (const char* plate : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
    all.push_back({plate, 160, 20});
    all.push_back({QString(plate) + "B", 320, 40});
  }
  for (const char* code : kLanguageCodes) {
    all.push_back({QString("Cap") + code, 800, 140});
    all.push_back({QString("Elite") + code, 700, 80});
    all.push_back({QString("Net__") + code, 700, 80});
  }
  for (int i = 0; i < 6; ++i) all.push_back({QString("Flame%1").arg(i), 20, 30});
  for (int i = 1; i <= 4; ++i) all.push_back({QString("Intro%1").arg(i), 55, 70});
  for (const char* icon : {"AdvGiftR", "Android", "GooglePlay", "AdvGiftG", "Earth48", "Stats", "Help48",
                           "Tour48", "Account48", "Windows", "Warning48"}) {
    all.push_back({icon, 48, 48});
  }
  for (const char* lamp : {"LampR24", "LampY24", "LampG24"}) all.push_back({lamp, 24, 24});
  for (const CursorHotspot& cursor : kCursorHotspots) {
    all.push_back({QString::fromLatin1(cursor.name.data(), static_cast<qsizetype>(cursor.name.size())),
                   kCursorSize, kCursorSize});
  }
  for (int d = 0; d < 10; ++d) all.push_back({QString("GBClock%1").arg(d), 18, 32});
  const std::vector<Expected> fixed = {
      {"FonG", 760, 500},          {"FonGB", 1520, 1000},      {"GKolodaSmall", 58, 25},
      {"GKolodaSmallB", 116, 50},  {"GKolodaLarge", 60, 60},   {"GKolodaLargeB", 120, 120},
      {"GMRed", 40, 40},           {"GMBlue", 40, 40},         {"GMYellow", 40, 40},
      {"TabloSm", 155, 95},        {"TabloBg", 310, 190},      {"Hand_Right", 60, 40},
      {"ZvezdaRSm", 24, 24},       {"ZvezdaR", 50, 50},        {"ZvezdaBSm", 24, 24},
      {"ZvezdaB", 50, 50},         {"RamkaDBSm", 130, 70},     {"RamkaDBBg", 260, 140},
      {"RamkaERSm", 130, 90},      {"RamkaERBg", 260, 180},    {"AdvBar3", 350, 80},
      {"GTimerY", 60, 30},         {"GTimerR", 60, 30},        {"Logo", 64, 64},
      {"GTitle", 600, 180},        {"Candle", 100, 200},       {"GifMenu1", 160, 200},
      {"GifMenu2", 160, 200},      {"PngMenu1", 160, 200},     {"PngMenu2", 160, 200},
      {"GMEDAL01", 32, 32},        {"GMEDAL02", 32, 32},       {"GMEDAL03", 32, 32},
      {"GClockBG", 115, 64},       {"GBClockP", 6, 16},
  };
  all.insert(all.end(), fixed.begin(), fixed.end());
  return all;
}

TEST(BuiltInPictures, EveryPictureTheProgramAsksForHasItsSize) {
  for (const Expected& e : ExpectedPictures()) {
    SCOPED_TRACE(e.name.toStdString());
    ASSERT_TRUE(HasBuiltInPicture(e.name));
    const QImage image = BuiltInPicture(e.name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), e.width);
    EXPECT_EQ(image.height(), e.height);
  }
}

TEST(BuiltInPictures, NamesIgnoreCaseAndUnknownNamesGiveNothing) {
  EXPECT_EQ(BuiltInPicture("ch09"), BuiltInPicture("CH09"));
  EXPECT_EQ(BuiltInPicture("ob01morb"), BuiltInPicture("Ob01MoRB"));
  EXPECT_TRUE(HasBuiltInPicture("fong"));
  for (const QString& absent : {QString("Ch09X"), QString(""), QString("Ch09Med"), QString("index.txt")}) {
    EXPECT_FALSE(HasBuiltInPicture(absent)) << absent.toStdString();
    EXPECT_TRUE(BuiltInPicture(absent).isNull()) << absent.toStdString();
    EXPECT_TRUE(BuiltInPicturePath(absent).isEmpty()) << absent.toStdString();
  }
}

TEST(BuiltInPictures, NameListIsCompleteLoadableAndUnique) {
  const QStringList names = BuiltInPictureNames();
  EXPECT_GE(names.size(), static_cast<qsizetype>(ExpectedPictures().size()));
  QSet<QString> seen;
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_FALSE(seen.contains(name.toLower()));
    seen.insert(name.toLower());
    EXPECT_FALSE(BuiltInPicture(name).isNull());
  }
  for (const Expected& e : ExpectedPictures()) EXPECT_TRUE(seen.contains(e.name.toLower())) << e.name.toStdString();
}

void ExpectAllDistinct(const std::vector<QString>& names) {
  std::vector<QImage> images;
  for (const QString& name : names) images.push_back(BuiltInPicture(name));
  for (size_t i = 0; i < images.size(); ++i) {
    for (size_t j = i + 1; j < images.size(); ++j) {
      EXPECT_NE(images[i], images[j]) << names[i].toStdString() << " looks like " << names[j].toStdString();
    }
  }
}

TEST(BuiltInPictures, CardFacesBacksAndLanguageTitlesAreDistinct) {
  ExpectAllDistinct(Faces(""));
  ExpectAllDistinct(Faces("B"));
  ExpectAllDistinct({std::begin(kBacks), std::end(kBacks)});
  std::vector<QString> titles;
  for (const char* code : kLanguageCodes) {
    titles.push_back(QString("Elite") + code);
    titles.push_back(QString("Net__") + code);
    titles.push_back(QString("Cap") + code);
  }
  ExpectAllDistinct(titles);
}

// A pixel's colour with the alpha ignored.
QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(BuiltInPictures, KeyedPicturesUseTheirKeyColourOnlyAround) {
  // Small suit symbols are keyed on silver, flame frames on green: the edge
  // is the key and the middle is drawn.
  struct Keyed { const char* name; QRgb key; };
  for (const Keyed& k : {Keyed{"Cher", 0xC0C0C0}, Keyed{"Bubi", 0xC0C0C0}, Keyed{"Kres", 0xC0C0C0},
                         Keyed{"Piki", 0xC0C0C0}, Keyed{"Flame0", 0x008000}, Keyed{"Flame3", 0x008000}}) {
    SCOPED_TRACE(k.name);
    const QImage image = BuiltInPicture(k.name);
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(Rgb(image, 0, 0), k.key);
    EXPECT_EQ(Rgb(image, image.width() - 1, 0), k.key);
    EXPECT_NE(Rgb(image, image.width() / 2, image.height() * 2 / 3), k.key);
  }
  // Red suits red, black suits dark.
  const QColor heart = BuiltInPicture("Cher").pixelColor(10, 12);
  EXPECT_GT(heart.red(), heart.green() + heart.blue());
  const QColor spade = BuiltInPicture("Piki").pixelColor(10, 12);
  EXPECT_LT(spade.red() + spade.green() + spade.blue(), 3 * 100);
}

TEST(BuiltInPictures, IntroPicturesHaveASilverRimThatCoversTheirTrail) {
  // They move one pixel per step over the silver panel and are never
  // erased, so the row or column they leave behind must be panel silver.
  for (int i = 1; i <= 4; ++i) {
    const QImage image = BuiltInPicture(QString("Intro%1").arg(i));
    ASSERT_FALSE(image.isNull());
    const int w = image.width(), h = image.height();
    int wrong = 0;
    for (int x = 0; x < w; ++x) wrong += (image.pixel(x, 0) != 0xFFC0C0C0) + (image.pixel(x, h - 1) != 0xFFC0C0C0);
    for (int y = 0; y < h; ++y) wrong += (image.pixel(0, y) != 0xFFC0C0C0) + (image.pixel(w - 1, y) != 0xFFC0C0C0);
    EXPECT_EQ(wrong, 0) << "Intro" << i;
    EXPECT_NE(Rgb(image, w / 2, h / 2), 0xC0C0C0u) << "Intro" << i;
  }
}

TEST(BuiltInPictures, LargeCardsLeaveTheirCornersClearSmallCardsFillTheirCell) {
  for (const QString& name : {QString("Ch09B"), QString("Pi5AB"), QString("Ob03WeB"), QString("Ob03WeRB")}) {
    const QImage image = BuiltInPicture(name);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name.toStdString();
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << name.toStdString();
  }
  for (const QString& name : {QString("Ch09"), QString("Pi5A"), QString("Ob03We"), QString("Ob03WeR")}) {
    const QImage image = BuiltInPicture(name).convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) opaque = opaque && qAlpha(image.pixel(x, y)) == 255;
    }
    EXPECT_TRUE(opaque) << name.toStdString();
  }
}

TEST(BuiltInPictures, MenuAnimationsHaveManyFramesThatMove) {
  for (const char* name : {"GifMenu1", "GifMenu2"}) {
    SCOPED_TRACE(name);
    QImageReader reader(BuiltInPicturePath(name));
    ASSERT_TRUE(reader.supportsAnimation());
    EXPECT_GE(reader.imageCount(), 24);
    EXPECT_EQ(reader.loopCount(), -1);  // for ever
    const QImage first = reader.read();
    EXPECT_GT(reader.nextImageDelay(), 0);
    QImage later;
    for (int i = 0; i < reader.imageCount() / 3; ++i) later = reader.read();
    EXPECT_EQ(first.size(), QSize(160, 200));
    EXPECT_EQ(later.size(), QSize(160, 200));
    EXPECT_NE(first, later);
  }
}

TEST(BuiltInPictures, CursorHotspotsPointAtDrawnPixels) {
  for (const CursorHotspot& cursor : kCursorHotspots) {
    const QString name = QString::fromLatin1(cursor.name.data(), static_cast<qsizetype>(cursor.name.size()));
    SCOPED_TRACE(name.toStdString());
    const auto spot = BuiltInCursorHotspot(name.toLower());
    ASSERT_TRUE(spot.has_value());
    EXPECT_EQ(*spot, QPoint(cursor.x, cursor.y));
    const QImage image = BuiltInPicture(name);
    ASSERT_TRUE(image.rect().contains(*spot));
    EXPECT_GT(qAlpha(image.pixel(*spot)), 0);
  }
  EXPECT_FALSE(BuiltInCursorHotspot("Ch09").has_value());
}

}  // namespace
}  // namespace quarlo
