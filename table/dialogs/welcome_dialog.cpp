#include "table/dialogs/welcome_dialog.h"

#include <QMovie>

#include "records/club_file.h"
#include "resources/pictures/pictures.h"
#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"

namespace quarlo {
namespace {

constexpr int kHeaderHeight = 100;

QLabel* AddLabel(QWidget* parent, const QString& text, const QFont& font, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLineEdit* AddEdit(QWidget* parent, const QFont& font, int x, int y, int width, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setFont(font);
  edit->setGeometry(x, y, width, 24);
  edit->setMaxLength(maxLength);
  return edit;
}

void MakeSecret(QLineEdit* edit) {
  edit->setEchoMode(QLineEdit::Password);
  // Every hidden character shows as "#".
  edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 35; }"));
}

}  // namespace

WelcomeDialog::WelcomeDialog(const WelcomeInput& input, Settings& settings, QWidget* parent)
    : QDialog(parent), input_(input), settings_(settings) {
  const LanguageIndex lang = settings.languageIndex;
  setWindowTitle(WordText(WordId::Welcome, lang));
  SetFixedClient(this, kWelcomeWidth, kWelcomeHeight);

  auto* header = new HeaderStrip(QStringLiteral("GCap300"), WordText(WordId::HeaderWelcome, lang),
                                 DesignFont(settings.fontSerif, ScaledFontHeight(40, settings.scaleSerif), true), this);
  header->setGeometry(0, 0, kWelcomeWidth, kHeaderHeight);

  auto* animation = new QLabel(this);
  animation->setGeometry(245, 115, 180, 100);
  if (const QString path = BuiltInPicturePath(QStringLiteral("GPw")); !path.isEmpty()) {
    auto* movie = new QMovie(path, QByteArray(), animation);
    movie->setScaledSize(QSize(180, 100));
    animation->setMovie(movie);
    if (settings.gifAnimationOn) {
      movie->start();
    } else {
      movie->jumpToFrame(0);
    }
  }

  const QFont labelFont = DesignFont(settings.fontSerif, ScaledFontHeight(16, settings.scaleSerif), true);
  const QFont editFont = DesignFont(settings.fontSerif, ScaledFontHeight(16, settings.scaleSerif), false);
  auto* nameLabel = AddLabel(this, WordText(WordId::EnterYourName, lang), labelFont, 24, 110);
  name_ = AddEdit(this, editFont, 24, 135, 185, static_cast<int>(kMaxNameLength));
  AddLabel(this, WordText(WordId::EnterYourPassword, lang), labelFont, 24, 165);
  password_ = AddEdit(this, editFont, 56, 190, 121, static_cast<int>(kPasswordLength));
  auto* confirmLabel = AddLabel(this, WordText(WordId::PasswordAgain, lang), labelFont, 16, 220);
  confirm_ = AddEdit(this, editFont, 56, 245, 121, static_cast<int>(kPasswordLength));
  MakeSecret(password_);
  MakeSecret(confirm_);

  ok_ = MakeDialogButton(this, Utf8(kOkCaption), settings, QRect(244, 240, 90, 30));
  cancel_ = MakeDialogButton(this, WordText(WordId::Cancel, lang), settings, QRect(340, 240, 90, 30));

  message_ = new QLabel(this);
  message_->setFont(labelFont);
  message_->setGeometry(16, 270, kWelcomeWidth - 32, 22);
  message_->setStyleSheet(QStringLiteral("color: red;"));
  message_->hide();

  name_->setText(Cp1251Text(InitialWelcomeName(input_, settings.playerName)));
  if (IsMemberSeat(input_.seat)) {
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(confirm_),
                       static_cast<QWidget*>(confirmLabel)}) {
      w->setEnabled(false);
    }
    password_->setFocus();
  } else {
    name_->setFocus();
  }

  connect(ok_, &QPushButton::clicked, this, &WelcomeDialog::TryConfirm);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  for (QLineEdit* edit : {name_, password_, confirm_}) {
    connect(edit, &QLineEdit::returnPressed, this, &WelcomeDialog::TryConfirm);
  }
}

void WelcomeDialog::TryConfirm() {
  const WelcomeOutcome out =
      CheckWelcome(input_, ToCp1251(name_->text()), ToCp1251(password_->text()), ToCp1251(confirm_->text()));
  if (out.nameAccepted) settings_.playerName = out.playerName;
  if (out.fault != WelcomeFault::kNone) {
    const WordId text = out.fault == WelcomeFault::kIncorrectName     ? WordId::IncorrectName
                        : out.fault == WelcomeFault::kPasswordsDiffer ? WordId::PasswordsDiffer
                                                                      : WordId::IncorrectPassword;
    message_->setText(WordText(text, settings_.languageIndex));
    message_->show();
    (out.focus == WelcomeField::kName ? name_ : password_)->setFocus();
    return;
  }
  result_ = out.result;
  emit Confirmed(*result_);
  accept();
}

}  // namespace quarlo
