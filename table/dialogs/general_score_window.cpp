#include "table/dialogs/general_score_window.h"

#include <QMovie>

#include "resources/pictures/pictures.h"
#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"

namespace quarlo {
namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 370;
constexpr int kHeaderHeight = 64;
constexpr int kRowTop = 110;
constexpr int kRowStep = 28;
constexpr std::array<WordId, 7> kRowTitles = {WordId::GeneralNumberOfGame, WordId::GameInCycle, WordId::InitialScore,
                                              WordId::CurrentScore,        WordId::TotalScore,  WordId::InitialRating,
                                              WordId::CurrentRating};

QLabel* AddPicture(QWidget* parent, const QString& name, const QRect& where, bool animate) {
  auto* label = new QLabel(parent);
  label->setGeometry(where);
  label->setAlignment(Qt::AlignCenter);
  const QString path = BuiltInPicturePath(name);
  if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
    auto* movie = new QMovie(path, QByteArray(), label);
    movie->setScaledSize(where.size());
    label->setMovie(movie);
    if (animate) {
      movie->start();
    } else {
      movie->jumpToFrame(0);
    }
  } else {
    label->setPixmap(FittedPicture(name, where.size()));
  }
  return label;
}

}  // namespace

std::array<const char*, 2> ScoreEmblems(ScoreMode mode) {
  switch (mode) {
    case ScoreMode::kRated: return {"GClubA", "GClubB"};
    case ScoreMode::kTournament: return {"GClubE", ""};
    case ScoreMode::kLan: return {"GClubG", ""};
    default: return {"GClubC", "GClubF"};
  }
}

const char* AccountLampPicture(int accountState) {
  return accountState == 3 ? "LampG24" : accountState == 2 ? "LampY24" : "LampR24";
}

GeneralScoreWindow::GeneralScoreWindow(const GeneralScoreInput& input, const Settings& settings, QWidget* parent)
    : QDialog(parent) {
  const LanguageIndex lang = settings.languageIndex;
  setWindowTitle(WordText(WordId::Player, lang) + QStringLiteral(":  ") + Cp1251Text(input.playerName));
  SetFixedClient(this, kWidth, kHeight);

  auto* header = new HeaderStrip(QStringLiteral("GCap300"), WordText(WordId::HeaderInfo, lang),
                                 DesignFont(settings.fontSerif, ScaledFontHeight(40, settings.scaleSerif), true), this);
  header->setGeometry(0, 0, kWidth, kHeaderHeight);

  const QFont titleFont = DesignFont(settings.fontSerif, ScaledFontHeight(20, settings.scaleSerif), true);
  const QFont rowFont = DesignFont(settings.fontSerif, ScaledFontHeight(16, settings.scaleSerif), false);
  const QFont valueFont = DesignFont(settings.fontSerif, ScaledFontHeight(16, settings.scaleSerif), true);

  auto* title = new QLabel(WordText(WordId::InfoAboutGame, lang), this);
  title->setFont(titleFont);
  title->setGeometry(16, kHeaderHeight + 8, 360, 30);

  const TCount& v = input.values;
  const std::array<const std::string*, 7> texts = {&v.count_KonAll, &v.count_KonCur, &v.count_ScoBeg, &v.count_ScoCur,
                                                   &v.count_ScoAll, &v.count_ReiBeg, &v.count_ReiCur};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int y = kRowTop + static_cast<int>(i) * kRowStep;
    auto* name = new QLabel(WordText(kRowTitles[i], lang), this);
    name->setFont(rowFont);
    name->setGeometry(16, y, 290, 24);
    auto* value = new QLabel(Cp1251Text(*texts[i]), this);
    value->setFont(valueFont);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setStyleSheet(QStringLiteral("color: navy;"));
    value->setGeometry(306, y, 70, 24);
    values_[i] = value;
  }

  const auto emblems = ScoreEmblems(input.mode);
  AddPicture(this, QString::fromLatin1(emblems[0]), QRect(388, kRowTop, 60, 75), false);
  if (*emblems[1] != '\0')
    AddPicture(this, QString::fromLatin1(emblems[1]), QRect(388, kRowTop + 80, 60, 75), settings.gifAnimationOn);
  AddPicture(this, QString::fromLatin1(AccountLampPicture(input.accountState)), QRect(406, kHeaderHeight + 10, 24, 24),
             false);
  AddPicture(this, QStringLiteral("GGenCount"), QRect(388, kRowTop + 160, 60, 60), settings.gifAnimationOn);

  ok_ = MakeDialogButton(this, Utf8(kOkCaption), settings, QRect((kWidth - 90) / 2, kHeight - 42, 90, 30));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

}  // namespace quarlo
