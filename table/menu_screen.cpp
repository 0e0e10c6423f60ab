#include "table/menu_screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTime>

#include "records/club_file.h"
#include "records/cp1251.h"
#include "resources/pictures/pictures.h"
#include "resources/words.h"
#include "table/club_list.h"
#include "table/design_font.h"
#include "table/paint_helpers.h"
#include "table/win_color.h"

namespace quarlo {

namespace {

// CaptionStyle recolouring of the caption pictures; style 1 keeps them.
QImage Recoloured(QImage img, int style) {
  if (style <= 1 || img.isNull()) return img;
  img = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
      const int a = qAlpha(line[x]);
      switch (style) {
        case 2:
          if (g < r && b < r) {
            b = RoundEven(0.7 * std::min(b, g));
            g = b + RoundEven(0.4 * std::abs(r - b));
          }
          break;
        case 3: g = r; break;
        case 4: std::swap(r, g); break;
        case 5: {
          const int oldR = r, oldB = b;
          r = oldB;
          g = oldR;
          b = oldR;
          break;
        }
        case 6: std::swap(r, b); break;
        case 7: b = r; break;
        default: break;
      }
      line[x] = qRgba(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255), a);
    }
  }
  return img;
}

// A side icon: a picture with the hand cursor and a hint.
class IconLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick();
  }
};

}  // namespace

int FlameFrame(int phase, int place) {
  static constexpr int kFrames[6][6] = {
      {0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
      {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2},
  };
  return kFrames[((phase % 6) + 6) % 6][std::clamp(place, 0, 5)];
}

MenuScreen::MenuScreen(QWidget* parent) : QWidget(parent) {
  for (int i = 1; i <= 5; ++i) {
    members_[static_cast<std::size_t>(i)] = MakeButton(ColorScheme::DNavy, 0xFFFF00);
    connect(members_[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { emit MemberChosen(i); });
  }
  newPlayer_ = MakeButton(ColorScheme::DNavy, 0xFFFF00);
  connect(newPlayer_, &QPushButton::clicked, this, [this] { emit MemberChosen(6); });
  topTen_ = MakeButton(ColorScheme::DRed, 0xFFFFFF);
  connect(topTen_, &QPushButton::clicked, this, &MenuScreen::TopTenClicked);
  options_ = MakeButton(ColorScheme::DRed, 0xFFFFFF);
  connect(options_, &QPushButton::clicked, this, &MenuScreen::OptionsClicked);
  exit_ = MakeButton(ColorScheme::DRed, 0xFFFFFF);
  connect(exit_, &QPushButton::clicked, this, &MenuScreen::ExitClicked);
  mode_ = MakeButton(ColorScheme::DRed, 0xFFFFFF);
  connect(mode_, &QPushButton::clicked, this, &MenuScreen::ModeClicked);
  history_ = MakeButton(ColorScheme::DRed, 0xFFFFFF);
  connect(history_, &QPushButton::clicked, this, &MenuScreen::HistoryClicked);
  for (int i = 1; i <= 4; ++i) {
    panels_[static_cast<std::size_t>(i)] = MakeButton(ColorScheme::DNavy, 0xFFC8FF);
    panels_[static_cast<std::size_t>(i)]->SetLabelStyle(true);
  }
  gif1_ = new QLabel(this);
  gif2_ = new QLabel(this);

  // Left column, then right column; rows top to bottom. Texts follow the
  // language in Show().
  for (const char* picture : {"AdvGiftR", "Android", "Help48", "Tour48", "AdvGiftG", "Earth48", "Stats", "Account48"}) {
    auto* label = new IconLabel(this);
    label->setCursor(Qt::PointingHandCursor);
    const QString name = picture;
    label->onClick = [this, name] {
      for (const Icon& icon : icons_)
        if (icon.name == name) emit IconClicked(name, icon.title);
    };
    icons_.push_back({label, name, QString()});
  }
}

ThemedButton* MenuScreen::MakeButton(ColorScheme scheme, std::uint32_t text) {
  auto* b = new ThemedButton(this);
  b->SetScheme(scheme);
  b->SetTextColor(text);
  b->SetMouseColor(0x00FFFF);
  return b;
}

void MenuScreen::Show(const Settings& settings, const Scale& scale, const std::filesystem::path& clubFile) {
  settings_ = settings;
  scale_ = scale;
  const double k = scale.card;
  const int H = RoundEven(30 * k);
  auto X = [&](double v) { return RoundEven(v * scale.x); };
  auto Y = [&](double v) { return RoundEven(v * scale.y); };
  const LanguageIndex lang = ValidLanguage(settings.languageIndex);
  auto word = [lang](WordId id) { return Utf8(Word(id, lang)); };

  // Fonts: the large decorative font for the command buttons, the fixed
  // pitch font for the club list.
  const double f = scale.mode == 1 ? 1.0 : 0.9;
  const QFont decor =
      DesignFont(settings.fontDecor, RoundEven(ScaledFontHeight(20, settings.scaleDecor) * k * f), true);
  const QFont fixed = scale.mode == 1 ? DesignFont(settings.fontFixed, ScaledFontHeight(11, settings.scaleFixed), false)
                                      : DesignFont(settings.fontConew,
                                                   ScaledFontHeight(RoundEven(16 * k), settings.scaleConew), true);

  const bool graphics = settings.mainMenuDesign == 1;
  for (int i = 1; i <= 5; ++i) {
    ThemedButton* b = members_[static_cast<std::size_t>(i)];
    b->setGeometry(X(180), Y(265) + (i - 1) * H, X(400), H);
    b->setFont(fixed);
    b->SetScheme(graphics ? ColorScheme::DCards : ColorScheme::DNavy);
    b->SetTextColor(graphics ? 0x32AFC8 : 0xFFFF00);
    b->SetNewLook(settings.newButtonsOn);
  }
  newPlayer_->setGeometry(X(280), Y(265) + 5 * H + RoundEven(10 * k), X(200), H);
  newPlayer_->setText(word(WordId::NewPlayer));
  for (int i = 1; i <= 3; ++i) panels_[static_cast<std::size_t>(i)]->setGeometry(X(230), Y(90) + (i - 1) * H, X(300), H);
  panels_[4]->setGeometry(X(180), Y(265) - H - RoundEven(10 * k), X(400), H);
  topTen_->setGeometry(X(40), Y(225), X(100), H);
  options_->setGeometry(X(620), Y(225), X(100), H);
  history_->setGeometry(X(40), Y(255), X(100), H);
  mode_->setGeometry(X(620), Y(255), X(100), H);
  exit_->setGeometry(X(330), Y(465), X(100), H);
  topTen_->setText(word(WordId::TopTen));
  options_->setText(word(WordId::Options));
  history_->setText(word(WordId::History));
  mode_->setText(word(WordId::Mode));
  exit_->setText(word(WordId::Exit));
  topTen_->setToolTip(word(WordId::GamesInCycle) + ": 20");
  for (ThemedButton* b : {newPlayer_, topTen_, options_, history_, mode_, exit_}) {
    b->setFont(decor);
    b->SetNewLook(settings.newButtonsOn);
    if (graphics) {
      b->SetScheme(ColorScheme::DCards);
      b->SetTextColor(0x32AFC8);
    }
  }
  newPlayer_->SetScheme(graphics ? ColorScheme::DCards : ColorScheme::DNavy);

  // The club list and the three best completed cycles.
  const QFontMetrics fm(fixed);
  const TextWidth width = [&fm](const std::string& s) {
    return fm.horizontalAdvance(Cp1251Text(s));
  };
  const auto lines = ReadClubLines(clubFile);
  for (int i = 1; i <= 5; ++i) {
    const std::string line = lines.ok() ? lines.value()[static_cast<std::size_t>(i) - 1] : std::string();
    memberLines_[static_cast<std::size_t>(i)] = line;
    const std::string row = ClubMemberRow(line, settings.clubListMode, width, RoundEven(361 * k));
    members_[static_cast<std::size_t>(i)]->setText(Cp1251Text(row));
  }
  for (int i = 1; i <= 3; ++i) {
    const std::string line = lines.ok() ? lines.value()[static_cast<std::size_t>(i) + 4] : std::string();
    const std::string row = ClubCycleRow(line, width, RoundEven(251 * k));
    ThemedButton* p = panels_[static_cast<std::size_t>(i)];
    p->setFont(fixed);
    p->setText(Cp1251Text(row));
    p->SetTextColor(settings.newButtonsOn ? 0xFFFFFF : 0xFFC8FF);
    p->SetGlyph(k >= 1.6 && settings.newButtonsOn ? BuiltInPicture(QString("GMEDAL0%1").arg(i)) : QImage());
  }
  panels_[4]->setFont(fixed);
  panels_[4]->setText(Utf8(ClubListHeader(settings.clubListMode, lang)));
  panels_[4]->SetTextColor(graphics ? 0x323280 : settings.newButtonsOn ? 0xFF0000 : 0xFFFFC8);
  panels_[4]->SetLight(graphics ? 50 : 0);

  // Pictures drawn by paintEvent.
  background_ = BuiltInPicture(scale.mode == 1 ? "FonG" : "FonGB");
  titleRect_ = QRect(X(230), Y(90) - RoundEven(5 * k), X(300), 3 * H);
  title_ = BuiltInPicture("GTitle");
  const Rect cap = PlaceControl(scale, {180, 12, 400, 70});
  captionRect_ = QRect(cap.left, cap.top, RoundEven(400 * k), RoundEven(70 * k));
  caption_ = Recoloured(BuiltInPicture(QString::fromStdString(LanguagePictureName("Cap", lang))), settings.captionStyle);
  const Rect el = PlaceControl(scale, {205, 183, 350, 40});
  eliteRect_ = QRect(el.left, el.top, RoundEven(350 * k), RoundEven(40 * k));
  elite_ = Recoloured(BuiltInPicture(QString::fromStdString(
                          LanguagePictureName(settings.multiplayerMode ? "Net__" : "Elite", lang))),
                      settings.captionStyle);
  candle_ = BuiltInPicture("Candle");
  // Flames are drawn over green, which is made transparent.
  for (int i = 0; i < 6; ++i) {
    flames_[static_cast<std::size_t>(i)] = KeyedOut(BuiltInPicture(QString("Flame%1").arg(i)), qRgb(0, 0x80, 0));
  }
  const int s = 0;  // holiday shift: the calendar is not on the menu yet
  const int cy = Y(30) + RoundEven((scale.y - 1) * 200 / 2);
  candleLeft_ = QRect(RoundEven((60 - s) * scale.x) + RoundEven((scale.x - 1) * 100 / 2), cy, 100, 200);
  candleRight_ = QRect(RoundEven((600 + s) * scale.x) + RoundEven((scale.x - 1) * 100 / 2), cy, 100, 200);

  // The clocks, in large windows only: 36 pixels above the middle between
  // the candlestick's bottom and the button below it.
  clocks_ = k >= 1.6;
  const int clockTop = (candleLeft_.bottom() + 1 + Y(225)) / 2 - 36;
  clock1_ = QRect(candleLeft_.left() - 7, clockTop, 115, 64);
  clock2_ = QRect(candleRight_.left() - 7, clockTop, 115, 64);
  if (!clock2Hint_) clock2Hint_ = new QLabel(this);
  clock2Hint_->setGeometry(clock2_);
  clock2Hint_->setVisible(clocks_);

  // The two GIF animations, not scaled.
  auto gx = [&](double v) { return RoundEven(v * scale.x) + RoundEven((scale.x - 1) * 160 / 2); };
  const int gy = RoundEven(290 * scale.y) + RoundEven((scale.y - 1) * 200 / 2);
  gif1_->setGeometry(gx(7), gy, 160, 200);
  gif2_->setGeometry(gx(592), gy, 160, 200);
  auto movie = [this](QLabel* label, QMovie*& m, const char* name) {
    delete m;
    m = new QMovie(BuiltInPicturePath(name), QByteArray(), this);
    label->setMovie(m);
    if (settings_.gifAnimationOn) {
      m->start();
    } else {
      m->jumpToFrame(1);
    }
  };
  movie(gif1_, movie1_, "GifMenu1");
  movie(gif2_, movie2_, "GifMenu2");
  // Balloon hints of the side icons: a title and a text.
  const QString title = Utf8(TitleTable(0, kEnglish));
  const std::pair<QString, QString> hints[] = {
      {word(WordId::MoreGames), word(WordId::PlayOtherGames)},
      {word(WordId::Download), "\"" + title + ".apk\""},
      {word(WordId::Help), word(WordId::OnlinePrefix) + word(WordId::Help)},
      {word(WordId::OnlineTournament), word(WordId::TakeThePlaceOf)},
      {word(WordId::SupportUs), word(WordId::ThanksForSupport)},
      {word(WordId::WorldTop10), word(WordId::WindowsAndroidAccount)},
      {word(WordId::Statistics), word(WordId::WorldPrefix) + word(WordId::Statistics)},
      {word(WordId::NotLoggedIn), word(WordId::LoginToAccount) + " / " + word(WordId::CreateAccount)},
  };
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    icons_[i].title = hints[i].first;
    icons_[i].label->setToolTip(QString("<p style='color:#800000'><b>%1</b></p><p style='color:#FF0000'>%2</p>")
                                    .arg(hints[i].first.toHtmlEscaped(), hints[i].second.toHtmlEscaped()));
  }
  PlaceIcons();
  update();
}

void MenuScreen::PlaceIcons() {
  const int rows[] = {5, 58, 111, 164, 217};
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    const bool left = i < 4;
    const int row = static_cast<int>(left ? i : i - 4);
    QLabel* l = icons_[i].label;
    l->setGeometry(left ? 5 : width() - 53, rows[row], 48, 48);
    QImage pic = BuiltInPicture(icons_[i].name);
    if (icons_[i].name == "Account48" && !pic.isNull()) {
      // The account lamp: not signed in.
      QPainter p(&pic);
      p.drawImage(24, 0, BuiltInPicture("LampR24"));
    }
    l->setPixmap(QPixmap::fromImage(pic));
  }
}

void MenuScreen::resizeEvent(QResizeEvent*) { PlaceIcons(); }

void MenuScreen::Tick() {
  flamePhase_ = (flamePhase_ + 1) % 6;
  update(candleLeft_);
  update(candleRight_);
  if (clocks_) {
    update(clock1_);
    update(clock2_);
  }
}

void MenuScreen::PaintClocks(QPainter& p) {
  if (!clocks_) return;
  const QTime now = QTime::currentTime();
  // The time: hours (tens left out when 0) and minutes; the colon blinks.
  const QImage plate = BuiltInPicture("GClockBG");
  p.drawImage(clock1_.topLeft(), plate);
  const QPoint o = clock1_.topLeft();
  auto digit = [&](const QString& set, int d, int x, int y) { p.drawImage(o + QPoint(x, y), BuiltInPicture(set + QString::number(d))); };
  if (now.hour() / 10 != 0) digit("GBClock", now.hour() / 10, 14, 15);
  digit("GBClock", now.hour() % 10, 34, 15);
  digit("GBClock", now.minute() / 10, 61, 15);
  digit("GBClock", now.minute() % 10, 81, 15);
  if (now.msec() > 500) p.drawImage(o + QPoint(55, 24), BuiltInPicture("GBClockP"));

  // The statistics clock: a different figure every minute. The world
  // statistics are not read on this menu yet, so it shows "00" and says so.
  static const char* kSets[] = {"", "GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"};
  static const char* kIcons[] = {"", "Windows", "Windows", "Windows", "Android", "Account48", "Account48", "Account48"};
  static const WordId kHints[] = {WordId::DynamicIq, WordId::DynamicIq,         WordId::GamesWithPc,
                                  WordId::BestWindowsPlayer, WordId::BestAndroidPlayer, WordId::BestAccountPlayer,
                                  WordId::ClubMembers,       WordId::ClubMembers};
  const int item = StatisticsClockItem(now.minute());
  const QPoint o2 = clock2_.topLeft();
  p.drawImage(o2, plate);
  p.drawImage(QRect(o2 + QPoint(10, 10), QSize(16, 16)), BuiltInPicture(kIcons[item]));
  p.drawImage(o2 + QPoint(61, 15), BuiltInPicture(QString(kSets[item]) + "0"));
  p.drawImage(o2 + QPoint(81, 15), BuiltInPicture(QString(kSets[item]) + "0"));
  const LanguageIndex lang = ValidLanguage(settings_.languageIndex);
  clock2Hint_->setToolTip(Utf8(Word(kHints[item], lang)).trimmed() + Utf8(Word(WordId::NoConnectSuffix, lang)));
}

void MenuScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (background_.isNull())
    p.fillRect(rect(), WinColor(0x008000));
  else
    p.drawImage(rect(), background_);
  if (!title_.isNull()) p.drawImage(titleRect_, title_);
  if (!caption_.isNull()) p.drawImage(captionRect_, caption_);
  if (!elite_.isNull()) p.drawImage(eliteRect_, elite_);
  PaintClocks(p);
  const QPoint flamePlaces[3] = {{16, 15}, {41, 1}, {66, 15}};
  const QRect candles[2] = {candleLeft_, candleRight_};
  for (int c = 0; c < 2; ++c) {
    if (!candle_.isNull()) p.drawImage(candles[c].topLeft(), candle_);
    for (int i = 0; i < 3; ++i) {
      const QImage& flame = flames_[static_cast<std::size_t>(FlameFrame(flamePhase_, c * 3 + i))];
      if (!flame.isNull()) p.drawImage(candles[c].topLeft() + flamePlaces[i], flame);
    }
  }
}

}  // namespace quarlo
