#include "table/table_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "records/settings.h"
#include "resources/words.h"
#include "table/cursors.h"
#include "table/design_font.h"
#include "table/paint_helpers.h"
#include "table/win_color.h"

namespace quarlo {

namespace {

QRect Q(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

QString SuitSymbolName(Suit s) {
  switch (s) {
    case kHearts: return "Cher";
    case kDiamonds: return "Bubi";
    case kClubs: return "Kres";
    case kSpades: return "Piki";
    default: return {};
  }
}

}  // namespace

TableView::TableView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  for (int p = 1; p <= 2; ++p) hands_[static_cast<std::size_t>(p)] = ShowHand{p, Hand{}, p == 2};
  Relayout();
}

void TableView::SetLook(const TableLook& look) {
  look_ = look;
  Relayout();
  update();
}

void TableView::SetGame(const Game* game) { game_ = game; }

void TableView::Relayout() {
  scale_ = ScaleForMode(look_.windowMode, look_.fullWidth, look_.fullHeight);
  cell_ = CardCellFor(scale_.card, true);
  narrow_ = NarrowShift(true, look_.windowMode);
  pictures_.SetCell(cell_, look_.windowMode);
}

QFont TableView::Decor(int height) const {
  return DesignFont(look_.fontDecor, ScaledFontHeight(height, look_.scaleDecor), true);
}
QFont TableView::Serif(int height) const {
  return DesignFont(look_.fontSerif, ScaledFontHeight(height, look_.scaleSerif), true);
}

void TableView::ClearTable() {
  for (int p = 1; p <= 2; ++p) hands_[static_cast<std::size_t>(p)] = ShowHand{p, Hand{}, p == 2};
  pack_ = {0, kNoCard, false};
  trick_ = {{kNoCard, kNoCard, kNoCard}, 1};
  speechShown_ = {};
  scores_ = {};
  counter_ = {0, 1, kNoSuit};
  dealShown_ = false;
  flying_ = false;
  focusPlace_ = 0;
  update();
}

void TableView::Apply(const Effect& effect) {
  std::visit(
      [this](const auto& e) {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, ShowHand>) {
          hands_[static_cast<std::size_t>(e.player)] = e;
          if (e.player == 2 && focusPlace_ > e.hand.count) focusPlace_ = e.hand.count;
          dealShown_ = true;
        } else if constexpr (std::is_same_v<E, ShowPack>) {
          pack_ = e;
        } else if constexpr (std::is_same_v<E, ShowTrick>) {
          trick_ = e;
        } else if constexpr (std::is_same_v<E, ShowSpeech>) {
          speech_[static_cast<std::size_t>(e.player)] = e;
          speechShown_[static_cast<std::size_t>(e.player)] = true;
        } else if constexpr (std::is_same_v<E, ShowScores>) {
          scores_ = e;
        } else if constexpr (std::is_same_v<E, ShowCounter>) {
          counter_ = e;
          setToolTip(Utf8(Word(WordId::Game, ValidLanguage(look_.language))) +
                     QString(": %1 / 20").arg(e.gameNumber));
        }
      },
      effect);
  update();
}

void TableView::SetFlyingCard(bool show, CardCode card, bool faceUp, QPoint topLeft) {
  flying_ = show;
  flyCard_ = card;
  flyFaceUp_ = faceUp;
  flyPos_ = topLeft;
  update();
}

void TableView::LiftTrickCard(CardCode card) {
  for (int k = 1; k <= 2; ++k)
    if (trick_.tableCards[static_cast<std::size_t>(k)] == card) trick_.tableCards[static_cast<std::size_t>(k)] = kNoCard;
  update();
}

void TableView::ShowWaitBanner(bool on) {
  waitBanner_ = on;
  repaint();  // drawn at once: the work that follows keeps the loop busy
}

void TableView::SetFocusPlace(int place) {
  focusPlace_ = place;
  update();
}

std::vector<int> TableView::Positions(int player) const {
  const Rect r = HandRect(scale_, player, cell_);
  return ComputeHandPositions(0, r.width, hands_[static_cast<std::size_t>(player)].hand.count, cell_.width);
}

int TableView::PlaceAt(int player, QPoint pos) const {
  const Rect r = HandRect(scale_, player, cell_);
  if (pos.y() < r.top || pos.y() >= r.Bottom() || pos.x() < r.left || pos.x() >= r.Right()) return 0;
  return CardAtPosition(Positions(player), pos.x() - r.left, cell_.width);
}

CardCode TableView::ShownCard(int player, int place) const {
  const Hand& h = hands_[static_cast<std::size_t>(player)].hand;
  return place >= 1 && place <= h.count ? h.cards[static_cast<std::size_t>(place)] : kNoCard;
}

QPoint TableView::CardPoint(int player, int place) const {
  const Rect r = HandRect(scale_, player, cell_);
  const std::vector<int> xs = Positions(player);
  if (place < 1 || place > static_cast<int>(xs.size())) return {};
  return {r.left + xs[static_cast<std::size_t>(place) - 1] + 10, r.top + cell_.height / 2};
}

QPoint TableView::SpotPosition(Spot spot, int player, int place) const {
  const double k = scale_.card;
  switch (spot) {
    case Spot::Hand: {
      const Rect r = HandRect(scale_, player, cell_);
      const std::vector<int> xs = Positions(player);
      if (place >= 1 && place <= static_cast<int>(xs.size())) return {r.left + xs[static_cast<std::size_t>(place) - 1], r.top};
      // The middle of the hand, leaving the window at its edge.
      const int x = r.left + r.width / 2 - cell_.width / 2;
      return {x, player == 1 ? -cell_.height : scale_.clientHeight};
    }
    case Spot::Pack: {
      const Rect r = PlaceControl(scale_, kPackDesign);
      return {r.left + RoundEven((12 + narrow_) * k), r.top + RoundEven(70 * k)};
    }
    case Spot::Trick: {
      const Rect r = PlaceControl(scale_, kTrickDesign);
      const Point s = TrickSlotDesign(player, narrow_);
      return {r.left + RoundEven(s.x * k), r.top + RoundEven(s.y * k)};
    }
  }
  return {};
}

int TableView::ToMove() const {
  if (!game_ || !game_->Running() || !game_->State().dealBegun) return 0;
  switch (game_->Phase()) {
    case phase::kBid1Player1:
    case phase::kBid2Player1:
    case phase::kPlay1: return 1;
    case phase::kBid1Player2:
    case phase::kBid2Player2:
    case phase::kDiscard:
    case phase::kPlay2: return 2;
    default: return 0;
  }
}

// ---- painting ----

void TableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QImage bg = pictures_.Named(look_.windowMode == 1 ? "FonG" : "FonGB", width(), height());
  if (bg.isNull())
    p.fillRect(rect(), WinColor(0x008000));
  else
    p.drawImage(0, 0, bg);
  if (!dealShown_) return;
  for (int pl = 1; pl <= 2; ++pl) {
    PaintHand(p, pl);
    PaintScoreBoard(p, pl);
    PaintSpeech(p, pl);
  }
  PaintPack(p);
  PaintTrick(p);
  PaintCounter(p);
  if (waitBanner_) {
    const QRect r(RoundEven(width() / 2.0 - 175), RoundEven(height() / 2.0 - 40), 350, 80);
    const QImage plate = pictures_.Named("AdvBar3", r.width(), r.height());
    if (!plate.isNull()) p.drawImage(r.topLeft(), plate);
    p.setFont(DesignFont(look_.fontDecor, ScaledFontHeight(32, look_.scaleSerif), true));
    p.setPen(WinColor(0x0000FF));
    DrawCentredText(p, Utf8(Word(WordId::PleaseWait, ValidLanguage(look_.language))), r.left(), r.right(), r.top() + 22);
  }
  if (flying_) {
    const QImage& img = flyFaceUp_ && !flyCard_.Empty() ? pictures_.Face(flyCard_) : pictures_.Back(look_.back, false);
    p.drawImage(flyPos_, img);
  }
}

void TableView::PaintHand(QPainter& p, int player) {
  const ShowHand& h = hands_[static_cast<std::size_t>(player)];
  const Rect r = HandRect(scale_, player, cell_);
  const std::vector<int> xs = Positions(player);
  for (int i = 1; i <= static_cast<int>(xs.size()); ++i) {
    const CardCode c = h.hand.cards[static_cast<std::size_t>(i)];
    if (c.Empty()) continue;
    const QImage& img = h.faceUp ? pictures_.Face(c) : pictures_.Back(look_.back, false);
    p.drawImage(r.left + xs[static_cast<std::size_t>(i) - 1], r.top, img);
  }
  if (player == 2 && focusPlace_ >= 1 && focusPlace_ <= static_cast<int>(xs.size()) && hasFocus()) {
    // The keyboard focus: gold over a card that may be played, grey and
    // dashed over one that may not.
    const bool playable = game_ && game_->CursorOverHand(focusPlace_) == HandCursor::Pointer;
    const int x = r.left + xs[static_cast<std::size_t>(focusPlace_) - 1];
    const int visible = focusPlace_ < static_cast<int>(xs.size())
                            ? std::min(cell_.width, xs[static_cast<std::size_t>(focusPlace_)] - xs[static_cast<std::size_t>(focusPlace_) - 1])
                            : cell_.width;
    QPen pen(playable ? QColor(255, 200, 0) : QColor(150, 150, 150), std::max(2, RoundEven(3 * scale_.card)));
    if (!playable) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(x + 1, r.top + 1, visible - 2, cell_.height - 2), 4, 4);
  }
}

void TableView::PaintScoreBoard(QPainter& p, int player) {
  const double k = scale_.card;
  const Rect r = PlaceControl(scale_, kScoreBoardDesign[static_cast<std::size_t>(player)]);
  const QImage plate = pictures_.Named(look_.windowMode == 1 ? "TabloSm" : "TabloBg", r.width, r.height);
  if (!plate.isNull()) p.drawImage(r.left, r.top, plate);
  auto K = [k](double v) { return RoundEven(v * k); };
  const std::size_t pl = static_cast<std::size_t>(player);

  // Main field: the game score, summed in red.
  const int score = scores_.scores[pl];
  p.setFont(Decor(K(30)));
  p.setPen(WinColor(scores_.summed ? 0x0000FF : 0xFF00FF));
  DrawCentredText(p, score > 0 ? QString("+%1").arg(score) : QString::number(score), r.left, r.left + K(155), r.top + K(16));
  // Right box: tricks taken in this deal.
  p.setFont(Decor(K(20)));
  p.setPen(WinColor(0xFF0000));
  if (!scores_.summed) DrawCentredText(p, QString::number(scores_.tricks[pl]), r.left + K(105), r.left + K(142), r.top + K(54));
  // Left box: the points the deal scored, or the turn hand.
  if (scores_.gains[pl] > 0) {
    DrawCentredText(p, QString::number(scores_.gains[pl]), r.left + K(15), r.left + K(50), r.top + K(54));
  } else if (ToMove() == player) {
    const QImage hand = pictures_.Named("Hand_Right", K(30), K(20));
    if (!hand.isNull()) p.drawImage(r.left + K(18), r.top + K(54), hand);
  }
  // The maker's red star, the dealer's blue star.
  const QString big = k >= 2 ? "" : "Sm";
  if (scores_.maker == player && !scores_.summed) {
    const int half = k > 2 ? 25 : 12;
    const QImage star = pictures_.Named("ZvezdaR" + big, 2 * half, 2 * half);
    if (!star.isNull()) p.drawImage(r.left + RoundEven(r.width / 2.0) - half, r.top + K(65) - half, star);
  }
  if (game_ && game_->Running() && game_->Deal().dealer == player && !scores_.summed) {
    const QImage star = pictures_.Named("ZvezdaB" + big, K(16), K(16));
    if (!star.isNull()) p.drawImage(r.left + K(17), r.top + K(17), star);
  }
}

QString TableView::SpeechString(int player) const {
  const ShowSpeech& s = speech_[static_cast<std::size_t>(player)];
  const LanguageIndex lang = ValidLanguage(look_.language);
  switch (s.text) {
    case SpeechText::Name: return game_ ? Utf8(game_->Name(player)).trimmed() : QString();
    case SpeechText::ToPlay: return Utf8(Word(WordId::ToPlay, lang));
    case SpeechText::Pass: return Utf8(Word(WordId::Pass, lang));
  }
  return {};
}

void TableView::PaintSpeech(QPainter& p, int player) {
  if (!speechShown_[static_cast<std::size_t>(player)]) return;
  const Rect r = PlaceControl(scale_, kSpeechDesign[static_cast<std::size_t>(player)]);
  const ShowSpeech& s = speech_[static_cast<std::size_t>(player)];
  QString plate;
  switch (s.plate) {
    case 'b': plate = "SPBlue"; break;
    case 'g': plate = "SPGreen"; break;
    case 'r': plate = "SPRed"; break;
    case 'o': plate = "SPFiolet"; break;
    default: plate = "SPYellow"; break;
  }
  const QImage img = pictures_.Named(plate + pictures_.Big(), r.width, r.height);
  if (!img.isNull()) p.drawImage(r.left, r.top, img);
  const QString text = SpeechString(player);
  const double k = scale_.card;
  // The largest of three heights at which the text fits, else the smallest.
  for (int h : {18, 16, 14}) {
    p.setFont(Serif(RoundEven(h * k)));
    if (QFontMetrics(p.font()).horizontalAdvance(text) <= RoundEven(150 * k)) break;
  }
  p.save();
  p.setClipRect(Q(r));
  p.setPen(Qt::white);
  const QFontMetrics fm(p.font());
  DrawCentredText(p, text, r.left, r.Right(), r.top + RoundEven((r.height - fm.height()) / 2.0));
  p.restore();
}

void TableView::PaintPack(QPainter& p) {
  const double k = scale_.card;
  auto K = [k](double v) { return RoundEven(v * k); };
  const Rect r = PlaceControl(scale_, kPackDesign);
  const int left = pack_.cards;
  const bool small = look_.windowMode == 1;
  if (left > 0) {
    const QImage icon = small ? pictures_.Named("GKolodaSmall") : pictures_.Named("GKolodaSmallB", K(58), K(25));
    if (!icon.isNull()) p.drawImage(r.left + K(20), r.top + K(1), icon);
    if (pack_.turnedVisible) p.drawImage(r.left + K(12 + narrow_), r.top + K(70), pictures_.Face(pack_.turned));
    for (int y : PackBackRows(left)) p.drawImage(r.left, r.top + K(y), pictures_.Back(look_.back, true));
    p.setFont(DesignFont("Comic Sans MS", K(20), true));
    p.setPen(WinColor(0xFF0000));
    const QFontMetrics fm(p.font());
    const int top = small ? K(4) : K(1) + RoundEven((K(25) - fm.height()) / 2.0);
    DrawCentredText(p, QString::number(left), r.left + K(20), r.left + K(79), r.top + top);
  } else {
    const QImage icon = small ? pictures_.Named("GKolodaLarge") : pictures_.Named("GKolodaLargeB", K(60), K(60));
    if (!icon.isNull()) p.drawImage(r.left + K(20), r.top + K(54), icon);
  }
}

void TableView::PaintTrick(QPainter& p) {
  const int leader = trick_.leader;
  for (int k = 1; k <= 2; ++k) {
    const CardCode c = trick_.tableCards[static_cast<std::size_t>(k)];
    if (c.Empty()) continue;
    const int owner = k == 1 ? leader : Other(leader);
    p.drawImage(SpotPosition(Spot::Trick, owner, 0), pictures_.Face(c));
  }
}

void TableView::PaintCounter(QPainter& p) {
  const double k = scale_.card;
  auto K = [k](double v) { return RoundEven(v * k); };
  const Rect r = PlaceControl(scale_, kCounterDesign);
  const bool small = look_.windowMode == 1;
  const QImage frame = small ? pictures_.Named("RamkaDBSm") : pictures_.Named("RamkaDBBg", r.width, r.height);
  if (!frame.isNull()) p.drawImage(r.left, r.top, frame);
  p.setFont(Serif(K(26)));
  p.setPen(WinColor(0x0000FF));
  const QString number = QString::number(counter_.dealNumber);
  if (counter_.trump == kNoSuit) {
    DrawCentredText(p, number, r.left, r.Right(), r.top + K(25) - QFontMetrics(p.font()).descent());
    return;
  }
  const int less = cell_.set == PictureSet::Scaled ? K(25) : K(20);
  DrawCentredText(p, number, r.left, r.Right() - less, r.top + K(25) - QFontMetrics(p.font()).descent());
  if (small) {
    const QImage sym = KeyedOut(pictures_.Named(SuitSymbolName(counter_.trump)), qRgb(0xC0, 0xC0, 0xC0));
    p.drawImage(r.left + 65, r.top + 27, sym);
  } else {
    const QImage sym = pictures_.Named(SuitSymbolName(counter_.trump) + "B");
    p.drawImage(r.left + K(65), r.top + r.height / 2 - 20, sym);
  }
}

// ---- input ----

void TableView::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (const int place = PlaceAt(2, pos)) {
    emit HandClicked(2, e->button(), place);
    return;
  }
  if (e->button() != Qt::RightButton) return;
  if (const int place = PlaceAt(1, pos)) {
    emit RightClicked(TableArea::OpponentHand, place);
    return;
  }
  for (int slot = 1; slot <= 2; ++slot) {
    const int owner = slot == 1 ? trick_.leader : Other(trick_.leader);
    if (trick_.tableCards[static_cast<std::size_t>(slot)].Empty()) continue;
    if (QRect(SpotPosition(Spot::Trick, owner, 0), QSize(cell_.width, cell_.height)).contains(pos)) {
      emit RightClicked(TableArea::Trick, slot);
      return;
    }
  }
  // The visible part of the turned card below the pack.
  const double k = scale_.card;
  const Rect pr = PlaceControl(scale_, kPackDesign);
  const int x1 = pr.left + RoundEven(12 * k) + RoundEven(narrow_ * k);
  const int y1 = pr.top + RoundEven(45 * k) + cell_.width;
  const int y2 = pr.top + RoundEven(70 * k) + cell_.height;
  if (pos.x() >= x1 && pos.x() < x1 + cell_.width && pos.y() >= y1 && pos.y() < y2)
    emit RightClicked(TableArea::TurnedCard, 0);
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
  const int place = PlaceAt(2, e->position().toPoint());
  const bool pointer = game_ && place && game_->CursorOverHand(place) == HandCursor::Pointer;
  setCursor(DesignCursor(pointer ? CursorKind::Hand : CursorKind::Arrow, look_.ownCursor));
}

}  // namespace quarlo
