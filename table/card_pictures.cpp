#include "table/card_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "resources/pictures/pictures.h"

namespace quarlo {

QString CardStem(CardCode code) {
  QString stem;
  switch (code.suit) {
    case kHearts: stem = "Ch"; break;
    case kDiamonds: stem = "Bu"; break;
    case kClubs: stem = "Kr"; break;
    case kSpades: stem = "Pi"; break;
    default: return {};
  }
  switch (code.rank) {
    case kNine: return stem + "09";
    case kTen: return stem + "10";
    case kJack: return stem + "2J";
    case kQueen: return stem + "3Q";
    case kKing: return stem + "4K";
    case kAce: return stem + "5A";
    default: return {};
  }
}

int ChooseCurrentBack(int isoWeekday, bool alwaysOne) {
  if (alwaysOne || isoWeekday < 1 || isoWeekday > 7) return 7;
  return isoWeekday;
}

void CardPictures::SetCell(const CardCell& cell, int mode) {
  if (cell.width == cell_.width && cell.height == cell_.height && cell.set == cell_.set && mode == mode_ &&
      !cache_.isEmpty())
    return;
  cell_ = cell;
  mode_ = mode;
  cache_.clear();
}

QImage CardPictures::MakeCell(const QImage& picture, bool sideways) const {
  const int w = sideways ? cell_.height : cell_.width;
  const int h = sideways ? cell_.width : cell_.height;
  QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  if (cell_.set == PictureSet::Small) {
    // A one-pixel outline with cut corners around the picture.
    p.setPen(Qt::black);
    p.drawLine(2, 0, w - 3, 0);
    p.drawLine(2, h - 1, w - 3, h - 1);
    p.drawLine(0, 2, 0, h - 3);
    p.drawLine(w - 1, 2, w - 1, h - 3);
    p.drawImage(QRect(1, 1, w - 2, h - 2), picture);
  } else {
    // Resampled to the cell, with rounded corners the table shows through.
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    const double r = RoundEven(8 * cell_.height / 96.0) / 2.0;
    clip.addRoundedRect(QRectF(0, 0, w, h), r, r);
    p.setClipPath(clip);
    p.drawImage(QRect(0, 0, w, h), picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return out;
}

const QImage& CardPictures::Face(CardCode code) {
  const QString key = "face:" + CardStem(code);
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    const QString stem = CardStem(code);
    QImage picture = BuiltInPicture(cell_.set == PictureSet::Small ? stem : stem + "B");
    it = cache_.insert(key, picture.isNull() ? QImage() : MakeCell(picture, false));
  }
  return *it;
}

const QImage& CardPictures::Back(int back, bool sideways) {
  static const char* kNames[] = {"", "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
  back = std::clamp(back, 1, 7);
  const QString name = QString(kNames[back]) + (sideways ? "R" : "") + (cell_.set == PictureSet::Small ? "" : "B");
  auto it = cache_.find(name);
  if (it == cache_.end()) {
    const QImage picture = BuiltInPicture(name);
    it = cache_.insert(name, picture.isNull() ? QImage() : MakeCell(picture, sideways));
  }
  return *it;
}

QImage CardPictures::Named(const QString& name) {
  auto it = cache_.find(name);
  if (it == cache_.end()) it = cache_.insert(name, BuiltInPicture(name));
  return *it;
}

QImage CardPictures::Named(const QString& name, int w, int h) {
  const QString key = QString("%1@%2x%3").arg(name).arg(w).arg(h);
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    const QImage picture = Named(name);
    it = cache_.insert(key, picture.isNull() || (picture.width() == w && picture.height() == h)
                                ? picture
                                : picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return *it;
}

}  // namespace quarlo
