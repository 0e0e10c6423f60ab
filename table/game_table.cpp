#include "table/game_table.h"

#include <QKeyEvent>
#include <cstdlib>

#include "records/settings.h"
#include "resources/words.h"
#include "table/design_font.h"
#include "table/paint_helpers.h"

namespace quarlo {

GameTable::GameTable(QWidget* parent) : QWidget(parent), pacing_(Pacing::FromEnvironment()) {
  view_ = new TableView(this);
  button7_ = new ThemedButton(this);
  button8_ = new ThemedButton(this);
  for (ThemedButton* b : {button7_, button8_}) {
    b->SetScheme(ColorScheme::DRed);
    b->SetTextColor(0xFFFFFF);
    b->SetMouseColor(0x00FFFF);
    b->SetGrayDisabled(true);
    b->setFocusPolicy(Qt::NoFocus);  // the keyboard stays on the table
  }
  button7_->setToolTip("F7");
  button8_->setToolTip("F8");
  timeline_ = new Timeline(view_, &pacing_, this);
  view_->installEventFilter(this);

  connect(button7_, &QPushButton::clicked, this, [this] { Input([](Game& g) { g.OnButton7(); }); });
  connect(button8_, &QPushButton::clicked, this, [this] { Input([](Game& g) { g.OnButton8(); }); });
  connect(view_, &TableView::HandClicked, this, [this](int player, Qt::MouseButton button, int place) {
    if (player != 2) return;
    view_->SetFocusPlace(place);
    const MouseButton b = button == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
    ClickCard(b, view_->ShownCard(2, place));
  });
  connect(view_, &TableView::RightClicked, this, [this](TableArea area, int index) {
    if (!game_) return;
    const CardCode c = game_->SpeakableCard(area, index);
    if (!c.Empty()) emit SayCardRequested(c);
  });
  connect(timeline_, &Timeline::Finished, this, &GameTable::Drain);
  connect(timeline_, &Timeline::ButtonsChanged, this, &GameTable::ShowButtons);
  connect(timeline_, &Timeline::CueRequested, this, &GameTable::CueRequested);
  connect(timeline_, &Timeline::SayCardRequested, this, &GameTable::SayCardRequested);
  connect(timeline_, &Timeline::TrumpDialogRequested, this, &GameTable::TrumpDialogRequested);
  connect(timeline_, &Timeline::ReturnToMenuRequested, this, [this](int result) {
    timer1_.stop();
    emit ReturnToMenuRequested(result);
  });

  // The 20 ms game tick: the computer acts in its phases.
  timer1_.setInterval(20);
  connect(&timer1_, &QTimer::timeout, this, &GameTable::Tick);
  ShowButtons(buttons_);
}

GameTable::~GameTable() = default;

void GameTable::SetLook(const TableLook& look) {
  look_ = look;
  view_->SetLook(look);
  const double k = view_->CurrentScale().card;
  const int h = ScaledFontHeight(RoundEven(20 * k * (look.windowMode == 1 ? 1.0 : 0.9)), look.scaleDecor);
  for (ThemedButton* b : {button7_, button8_}) b->setFont(DesignFont(look.fontDecor, h, true));
  ShowButtons(buttons_);
  PlaceButtons();
}

void GameTable::resizeEvent(QResizeEvent*) {
  view_->setGeometry(rect());
  PlaceButtons();
}

void GameTable::PlaceButtons() {
  const Scale& s = view_->CurrentScale();
  const Rect r7 = ActionButtonRect(s, 7), r8 = ActionButtonRect(s, 8);
  button7_->setGeometry(r7.left, r7.top, r7.width, r7.height);
  button8_->setGeometry(r8.left, r8.top, r8.width, r8.height);
}

void GameTable::StartGame(const GameSetup& setup, GameRecords* records) {
  timeline_->Stop();
  inputs_.clear();
  view_->ClearTable();
  GameSetup s = setup;
  if (packSource_) s.packSource = packSource_;
  if (const char* seed = std::getenv("QUARLO_SEED"); seed && !s.seed) s.seed = std::strtoull(seed, nullptr, 10);
  game_ = std::make_unique<Game>(s, records);
  view_->SetGame(game_.get());
  game_->NewGame();
  timeline_->Play(game_->TakeEffects());
  timer1_.start();
  view_->setFocus();
}

void GameTable::AbandonGame() {
  timer1_.stop();
  timeline_->Stop();
  inputs_.clear();
  view_->SetGame(nullptr);
  game_.reset();
  view_->ClearTable();
}

void GameTable::Rename(const std::string& name) {
  Input([name](Game& g) { g.SetPlayerName(name); });
}

void GameTable::AnswerTrump(Suit suit) {
  Input([suit](Game& g) { g.OnTrumpChosen(suit); });
}

void GameTable::Input(std::function<void(Game&)> input) {
  if (!game_) return;
  inputs_.push_back(std::move(input));
  if (!timeline_->Busy() && inputs_.size() == 1) Drain();
}

void GameTable::ClickCard(MouseButton button, CardCode card) {
  if (card.Empty()) return;
  // The place is looked up when the input runs: a pick-up that is still
  // being shown has already re-sorted the hand in the Game.
  Input([button, card](Game& g) {
    const Hand& hand = g.Deal().hands[2];
    for (int i = 1; i <= hand.count; ++i)
      if (hand.cards[static_cast<std::size_t>(i)] == card) {
        g.OnHandClick(button, i);
        return;
      }
  });
}

void GameTable::Drain() {
  if (!game_ || timeline_->Busy() || inputs_.empty()) return;
  auto input = std::move(inputs_.front());
  inputs_.pop_front();
  input(*game_);
  EffectList effects = game_->TakeEffects();
  if (effects.empty()) {
    // Nothing to show: take the next input on the next turn.
    if (!inputs_.empty()) QTimer::singleShot(0, this, &GameTable::Drain);
    return;
  }
  timeline_->Play(std::move(effects));
}

void GameTable::Tick() {
  // Ticks are not queued: the computer acts only when the table is idle.
  if (!game_ || !Idle()) return;
  game_->PhaseStep();
  EffectList effects = game_->TakeEffects();
  if (!effects.empty()) timeline_->Play(std::move(effects));
}

QString GameTable::CaptionText(Caption c) const {
  const LanguageIndex lang = ValidLanguage(look_.language);
  auto w = [lang](WordId id) { return Utf8(Word(id, lang)); };
  switch (c) {
    case Caption::ToBegin: return w(WordId::ToBegin);
    case Caption::ToPlay: return w(WordId::ToPlay);
    case Caption::Pass: return w(WordId::Pass);
    case Caption::Ok: return "Ok";
    case Caption::ToBeginOfRound: return w(WordId::ToBeginOfRound);
    case Caption::ExitToMenu: return w(WordId::ExitToMenu);
    case Caption::NextRound: return w(WordId::NextRound);
    case Caption::ToSumUp: return w(WordId::SumUpGame);
    case Caption::None: return {};
  }
  return {};
}

void GameTable::ShowButtons(const SetButtons& b) {
  buttons_ = b;
  button7_->setText(CaptionText(b.caption7));
  button7_->setEnabled(b.enabled7);
  button8_->setText(CaptionText(b.caption8));
  button8_->setEnabled(b.enabled8);
}

bool GameTable::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    switch (key) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Space:
      case Qt::Key_F7:
      case Qt::Key_F8:
        HandKey(key);
        return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void GameTable::HandKey(int key) {
  if (!game_) return;
  const int count = game_->Deal().hands[2].count;
  const int phase = game_->Phase();
  const bool cardPhase = phase == phase::kDiscard || phase == phase::kPlay2;
  int focus = view_->FocusPlace();
  switch (key) {
    case Qt::Key_Left:
      if (count > 0) view_->SetFocusPlace(focus <= 1 ? count : focus - 1);
      break;
    case Qt::Key_Right:
      if (count > 0) view_->SetFocusPlace(focus >= count || focus < 1 ? 1 : focus + 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      // In the phases where a card must be chosen the keys play the focused
      // card; otherwise they press the first action button.
      if (cardPhase && focus >= 1 && focus <= count)
        ClickCard(MouseButton::Left, view_->ShownCard(2, focus));
      else if (button7_->isEnabled())
        button7_->click();
      break;
    case Qt::Key_F7:
      if (button7_->isEnabled()) button7_->click();
      break;
    case Qt::Key_F8:
      if (button8_->isEnabled()) button8_->click();
      break;
    default: break;
  }
}

}  // namespace quarlo
