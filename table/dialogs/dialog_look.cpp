#include "table/dialogs/dialog_look.h"

#include <QPainter>

#include "records/cp1251.h"
#include "resources/pictures/pictures.h"
#include "table/design_font.h"

namespace quarlo {

QString WordText(WordId id, LanguageIndex language) { return Utf8(Word(id, language)); }


std::string ToCp1251(const QString& text) { return Utf8ToCp1251(text.toUtf8().toStdString()); }

QPixmap FittedPicture(const QString& name, const QSize& size) {
  const QImage image = BuiltInPicture(name);
  if (image.isNull()) return {};
  return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

ThemedButton* MakeDialogButton(QWidget* parent, const QString& text, const Settings& settings, const QRect& geometry,
                               int pixelHeight) {
  auto* button = new ThemedButton(text, parent);
  button->setGeometry(geometry);
  button->SetScheme(ColorScheme::DRed);
  button->SetTextColor(0xFFFFFF);
  button->SetNewLook(settings.newButtonsOn);
  button->setFont(DesignFont(settings.fontDecor, ScaledFontHeight(pixelHeight, settings.scaleDecor), true));
  // Enter belongs to the dialog's own handling, never to a default button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

HeaderStrip::HeaderStrip(const QString& stripName, const QString& title, const QFont& font, QWidget* parent)
    : QWidget(parent), strip_(BuiltInPicture(stripName)), title_(title) {
  setFont(font);
  setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void HeaderStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!strip_.isNull()) {
    p.drawImage(rect(), strip_);
  } else {
    // Without the strip the yellow title still needs a dark ground.
    p.fillRect(rect(), QColor(96, 16, 16));
  }
  p.setFont(font());
  p.setPen(QColor(255, 255, 0));
  p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, title_);
}

void SetFixedClient(QDialog* dialog, int width, int height) {
  dialog->setFixedSize(width, height);
  dialog->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
  dialog->setSizeGripEnabled(false);
}

}  // namespace quarlo
