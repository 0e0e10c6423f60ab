// The game table: background, both hands, score boards, speech lines, pack,
// trick area and game counter, drawn from the effects the Game produces.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "engine/effects.h"
#include "engine/game.h"
#include "table/card_pictures.h"
#include "table/layout.h"

namespace quarlo {

struct TableLook {
  int windowMode = 1;
  int fullWidth = 760, fullHeight = 500;  // client area for full screen
  int language = 0;
  int back = 1;  // CurrentBack
  std::string fontDecor = "Comic Sans MS";
  std::string fontSerif = "Comic Sans MS";
  int scaleDecor = 100, scaleSerif = 100;
  bool ownCursor = true;  // the program's red cursors
};

class TableView : public QWidget {
  Q_OBJECT
 public:
  explicit TableView(QWidget* parent = nullptr);

  void SetLook(const TableLook& look);
  const Scale& CurrentScale() const { return scale_; }
  const CardCell& Cell() const { return cell_; }
  // The game whose names, phase and dealer the table shows.
  void SetGame(const Game* game);

  // Applies one effect that draws at once.
  void Apply(const Effect& effect);
  void ClearTable();

  // A card in flight, in table coordinates; no card when `show` is false.
  void SetFlyingCard(bool show, CardCode card, bool faceUp, QPoint topLeft);
  // Takes a card off the trick area as it starts to fly away.
  void LiftTrickCard(CardCode card);
  // Where a card flight starts or ends, in table coordinates.
  QPoint SpotPosition(Spot spot, int player, int place) const;

  // The "Please, wait..." banner while a finished game is recorded.
  void ShowWaitBanner(bool on);

  // Keyboard focus over the own hand: 0 for none.
  void SetFocusPlace(int place);
  int FocusPlace() const { return focusPlace_; }

  int PlaceAt(int player, QPoint tablePos) const;
  // The card drawn at a place of a hand, which the Game may already have
  // moved on from while the timeline plays.
  CardCode ShownCard(int player, int place) const;
  // A point inside the visible part of a card of a hand.
  QPoint CardPoint(int player, int place) const;

 signals:
  void HandClicked(int player, Qt::MouseButton button, int place);
  void RightClicked(TableArea area, int index);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  void Relayout();
  void PaintHand(QPainter& p, int player);
  void PaintScoreBoard(QPainter& p, int player);
  void PaintSpeech(QPainter& p, int player);
  void PaintPack(QPainter& p);
  void PaintTrick(QPainter& p);
  void PaintCounter(QPainter& p);
  QFont Decor(int height) const;
  QFont Serif(int height) const;
  QString SpeechString(int player) const;
  std::vector<int> Positions(int player) const;
  int ToMove() const;

  TableLook look_;
  Scale scale_;
  CardCell cell_;
  int narrow_ = 0;
  mutable CardPictures pictures_;
  const Game* game_ = nullptr;

  std::array<ShowHand, 3> hands_{};
  ShowPack pack_{0, kNoCard, false};
  ShowTrick trick_{{kNoCard, kNoCard, kNoCard}, 1};
  std::array<ShowSpeech, 3> speech_{};
  std::array<bool, 3> speechShown_{};
  ShowScores scores_{};
  ShowCounter counter_{0, 1, kNoSuit};
  bool dealShown_ = false;

  bool flying_ = false;
  CardCode flyCard_ = kNoCard;
  bool flyFaceUp_ = true;
  QPoint flyPos_;
  int focusPlace_ = 0;
  bool waitBanner_ = false;
};

}  // namespace quarlo
