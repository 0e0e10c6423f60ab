// The game table screen: the table view, the two action buttons, the Game
// behind them and the timeline between the two. Input that arrives while the
// timeline plays is queued and fed to the Game in order afterwards.
#pragma once

#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

#include "engine/game.h"
#include "table/pacing.h"
#include "table/table_view.h"
#include "table/themed_button.h"
#include "table/timeline.h"

namespace quarlo {

class GameTable : public QWidget {
  Q_OBJECT
 public:
  explicit GameTable(QWidget* parent = nullptr);
  ~GameTable() override;

  void SetLook(const TableLook& look);
  Pacing& GamePacing() { return pacing_; }
  // Where the packs of the next games come from (tests, replays); a fresh
  // shuffle when empty. QUARLO_SEED in the environment fixes the shuffle.
  void SetPackSource(std::function<Pack(Rng&)> source) { packSource_ = std::move(source); }

  // A new game on the table: StartDeal(false).
  void StartGame(const GameSetup& setup, GameRecords* records);
  // Leaves the game where it stands (the player left or closed the window).
  void AbandonGame();
  bool GameRunning() const { return game_ && game_->Running(); }
  const Game* CurrentGame() const { return game_.get(); }
  TableView* View() { return view_; }
  ThemedButton* Button7() { return button7_; }
  ThemedButton* Button8() { return button8_; }
  bool Idle() const { return !timeline_->Busy() && inputs_.empty(); }

  void Rename(const std::string& name);
  // The suit dialog's answer.
  void AnswerTrump(Suit suit);

 signals:
  void TrumpDialogRequested(Suit turnedSuit);
  void ReturnToMenuRequested(int result);
  void CueRequested(const QString& name, bool waits);
  void SayCardRequested(CardCode card);

 protected:
  void resizeEvent(QResizeEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Input(std::function<void(Game&)> input);
  // A click (or Enter) on a card of the own hand as the table shows it.
  void ClickCard(MouseButton button, CardCode card);
  void Drain();
  void Tick();
  void ShowButtons(const SetButtons& b);
  void PlaceButtons();
  void HandKey(int key);
  QString CaptionText(Caption c) const;

  TableView* view_;
  ThemedButton* button7_;
  ThemedButton* button8_;
  Pacing pacing_;
  Timeline* timeline_;
  QTimer timer1_;
  std::unique_ptr<Game> game_;
  std::deque<std::function<void(Game&)>> inputs_;
  TableLook look_;
  std::function<Pack(Rng&)> packSource_;
  SetButtons buttons_{Caption::ToBegin, false, Caption::ExitToMenu, false};
};

}  // namespace quarlo
