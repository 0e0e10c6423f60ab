#include "table/dialogs/end_of_cycle_window.h"

#include <QMovie>
#include <QPainter>

#include "resources/pictures/pictures.h"
#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"
#include "table/win_color.h"

namespace quarlo {
namespace {

constexpr int kHeaderHeight = 90;
constexpr int kBandLeft = 125;

// An animation in `label`: run once (stopping on `lastFrame`), looped, or
// standing still on `lastFrame` when animations are off.
void PlayAnimation(QLabel* label, const QString& name, bool loops, int lastFrame, bool animate) {
  const QString path = BuiltInPicturePath(name);
  if (path.isEmpty()) return;
  auto* movie = new QMovie(path, QByteArray(), label);
  movie->setScaledSize(label->size());
  label->setMovie(movie);
  if (!animate) {
    movie->jumpToFrame(std::min(lastFrame, std::max(movie->frameCount() - 1, 0)));
    return;
  }
  if (!loops) {
    QObject::connect(movie, &QMovie::frameChanged, movie, [movie, lastFrame](int frame) {
      if (frame >= lastFrame) movie->setPaused(true);
    });
  }
  movie->start();
}

// The medal with the place number over it.
QPixmap MedalPicture(const QString& placePicture) {
  const QImage medal = BuiltInPicture(QStringLiteral("GMedal"));
  const QImage number = BuiltInPicture(placePicture);
  if (medal.isNull()) return {};
  QImage out = medal.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (!number.isNull()) {
    QPainter p(&out);
    p.drawImage((out.width() - number.width()) / 2, (out.height() - number.height()) / 2, number);
  }
  return QPixmap::fromImage(out);
}

}  // namespace

EndOfCycleWindow::EndOfCycleWindow(int place, int cycleScore, CycleMode mode, const Settings& settings, QWidget* parent)
    : QDialog(parent), content_(EndOfCycle(place, cycleScore, mode, settings.languageIndex)) {
  const LanguageIndex lang = settings.languageIndex;
  setWindowTitle(WordText(WordId::CompletionOfGame, lang));
  SetFixedClient(this, kEndOfCycleWidth, kEndOfCycleHeight);

  auto* header = new HeaderStrip(QStringLiteral("GCap550"), WordText(WordId::CompletionOfGame, lang).toUpper(),
                                 DesignFont(settings.fontSerif, ScaledFontHeight(36, settings.scaleSerif), true), this);
  header->setGeometry(0, 0, kEndOfCycleWidth, kHeaderHeight);

  auto* animation = new QLabel(this);
  animation->setGeometry(15, 110, 100, 200);
  PlayAnimation(animation, Utf8(content_.animation), content_.loops, content_.lastFrame, settings.gifAnimationOn);

  for (std::size_t i = 0; i < content_.lines.size(); ++i) {
    const CycleLine& line = content_.lines[i];
    auto* label = new QLabel(Utf8(line.text), this);
    label->setFont(DesignFont(settings.fontSerif, line.pixelHeight, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, WinColor(line.colour));
    label->setPalette(pal);
    label->setGeometry(kBandLeft, kCycleLineTops[i], kCycleBandWidth, 70);
    lines_[i] = label;
  }

  if (!content_.placePicture.empty()) {
    auto* medal = new QLabel(this);
    medal->setGeometry(kBandLeft + kCycleBandWidth / 2 - 40, 395, 80, 80);
    medal->setAlignment(Qt::AlignCenter);
    medal->setPixmap(MedalPicture(Utf8(content_.placePicture)));
  }
  if (content_.accountPicture) {
    auto* account = new QLabel(this);
    account->setGeometry(kBandLeft + kCycleBandWidth - 32, kHeaderHeight + 5, 32, 32);
    account->setPixmap(FittedPicture(QStringLiteral("Account48"), QSize(32, 32)));
  }

  auto* emblem = new QLabel(this);
  emblem->setGeometry(kEndOfCycleWidth - 70, kEndOfCycleHeight - 85, 60, 75);
  PlayAnimation(emblem, Utf8(content_.emblem), true, 0, settings.gifAnimationOn);

  ok_ = MakeDialogButton(this, Utf8(kOkCaption), settings,
                         QRect((kEndOfCycleWidth - 90) / 2, kEndOfCycleHeight - 40, 90, 30));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

}  // namespace quarlo
