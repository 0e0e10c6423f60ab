// Card faces, backs and named pictures at the sizes the table draws them,
// resampled once per size and kept.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include "engine/cards.h"
#include "table/layout.h"

namespace quarlo {

// "Ch09", "Pi5A": the picture stem of a card.
QString CardStem(CardCode code);

// Back 1..7 of the built-in set: by weekday, or always 7.
int ChooseCurrentBack(int isoWeekday, bool alwaysOne);

class CardPictures {
 public:
  void SetCell(const CardCell& cell, int mode);
  const CardCell& Cell() const { return cell_; }

  // The face drawn into a card cell (the outline and the cut corners of the
  // small set, the rounded corners of the larger ones included).
  const QImage& Face(CardCode code);
  const QImage& Back(int back, bool sideways);
  // A named picture at its own size, or resampled to w x h.
  QImage Named(const QString& name);
  QImage Named(const QString& name, int w, int h);
  // The suffix of the larger window sizes: "" at 760 x 500, else "B".
  QString Big() const { return mode_ == 1 ? QString() : QStringLiteral("B"); }

 private:
  QImage MakeCell(const QImage& picture, bool sideways) const;

  CardCell cell_;
  int mode_ = 1;
  QHash<QString, QImage> cache_;
};

}  // namespace quarlo
