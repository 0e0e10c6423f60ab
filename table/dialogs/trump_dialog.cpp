#include "table/dialogs/trump_dialog.h"

#include <QCloseEvent>
#include <QPainter>

#include "resources/pictures/pictures.h"
#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"

namespace quarlo {
namespace {

constexpr int kSuitButtonWidth = 80;
constexpr int kSuitButtonHeight = 60;
constexpr int kSuitGap = 10;

bool RedSuit(Suit s) { return s == kHearts || s == kDiamonds; }

QString LargeSymbolName(Suit s) {
  switch (s) {
    case kHearts: return QStringLiteral("CherB");
    case kDiamonds: return QStringLiteral("BubiB");
    case kClubs: return QStringLiteral("KresB");
    default: return QStringLiteral("PikiB");
  }
}

}  // namespace

QImage SuitGlyph(Suit suit, bool enabled) {
  QImage glyph(kSuitGlyphSize, kSuitGlyphSize, QImage::Format_ARGB32_Premultiplied);
  glyph.fill(Qt::transparent);
  QPainter p(&glyph);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  const QString ground = !enabled        ? QStringLiteral("GMYellow")
                         : RedSuit(suit) ? QStringLiteral("GMRed")
                                         : QStringLiteral("GMBlue");
  const QImage back = BuiltInPicture(ground);
  if (!back.isNull()) p.drawImage(glyph.rect(), back);
  const QImage symbol = BuiltInPicture(LargeSymbolName(suit));
  if (!symbol.isNull()) {
    const QSize fit = symbol.size().scaled(28, 28, Qt::KeepAspectRatio);
    p.drawImage(
        QRect((kSuitGlyphSize - fit.width()) / 2, (kSuitGlyphSize - fit.height()) / 2, fit.width(), fit.height()),
        symbol);
  }
  return glyph;
}

TrumpDialog::TrumpDialog(Suit turned, const Settings& settings, QWidget* parent) : QDialog(parent) {
  const LanguageIndex lang = settings.languageIndex;
  setWindowTitle(WordText(WordId::ChoiceTrump, lang));
  // No close box: the only ways out are the five buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  SetFixedClient(this, kTrumpDialogWidth, kTrumpDialogHeight);

  auto* label = new QLabel(WordText(WordId::SelectTrump, lang), this);
  label->setFont(DesignFont(settings.fontSerif, ScaledFontHeight(20, settings.scaleSerif), true));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, 5, kTrumpDialogWidth, 30);

  const int left = (kTrumpDialogWidth - (4 * kSuitButtonWidth + 3 * kSuitGap)) / 2;
  for (int i = 0; i < 4; ++i) {
    const Suit suit = kSuitOrder[static_cast<std::size_t>(i + 1)];
    const bool enabled = suit != turned;
    auto* b = new ThemedButton(this);
    b->setGeometry(left + i * (kSuitButtonWidth + kSuitGap), 40, kSuitButtonWidth, kSuitButtonHeight);
    b->SetScheme(!enabled ? ColorScheme::DYellow : RedSuit(suit) ? ColorScheme::DRed : ColorScheme::DNavy);
    b->SetNewLook(settings.newButtonsOn);
    b->SetGlyph(SuitGlyph(suit, enabled));
    b->setEnabled(enabled);
    // Enter presses the focused button, so the choice works from the keyboard.
    b->setAutoDefault(true);
    b->setAccessibleName(QString(QChar(SuitLetter(suit))));
    connect(b, &QPushButton::clicked, this, [this, suit] { Answer(suit); });
    suits_[static_cast<std::size_t>(i)] = b;
  }

  const int passWidth = 150;
  pass_ = MakeDialogButton(this, WordText(WordId::Pass, lang), settings,
                           QRect((kTrumpDialogWidth - passWidth) / 2, 105, passWidth, 30));
  pass_->SetTextColor(0x00FFFF);  // yellow
  pass_->setAutoDefault(true);
  connect(pass_, &QPushButton::clicked, this, [this] { Answer(kNoSuit); });
  pass_->setFocus();
}

ThemedButton* TrumpDialog::SuitButton(Suit suit) const {
  const int i = SuitIndex(suit);
  return i >= 1 && i <= 4 ? suits_[static_cast<std::size_t>(i - 1)] : nullptr;
}

void TrumpDialog::reject() {
  if (answered_) QDialog::reject();
}

void TrumpDialog::closeEvent(QCloseEvent* e) {
  if (!answered_) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

void TrumpDialog::Answer(Suit suit) {
  if (answered_) return;
  answered_ = true;
  accept();
  emit Chosen(suit);
}

}  // namespace quarlo
