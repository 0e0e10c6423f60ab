#include "engine/rules.h"

namespace quarlo {

DealScore ScoreForTricks(int maker, int makerTricks) {
  if (makerTricks <= 2) return {2, Other(maker)};
  if (makerTricks <= 4) return {1, maker};
  return {2, maker};
}

void ScoreDeal(DealState& deal, GameState& game, bool showCardsAtEnd) {
  if (showCardsAtEnd) {
    deal.hands = deal.handsAtPlayStart;
    deal.hands[1].count = deal.hands[2].count = 5;
  }
  const DealScore s = ScoreForTricks(deal.maker, deal.tricks[deal.maker]);
  game.gains = {0, 0, 0};
  game.gains[s.winner] = s.points;
  game.scores[s.winner] += s.points;
  deal.dealWinner = s.winner;
  game.scoreDiff = game.scores[2] - game.scores[1];
  const bool over = game.scores[1] >= game.targetScore || game.scores[2] >= game.targetScore;
  game.phase = over ? phase::kGameOver : phase::kDealOver;
}

void SumUpGame(GameState& game) {
  const int d = game.scores[1] - game.scores[2];
  game.scores[1] = 10 * d;
  game.scores[2] = -10 * d;
  game.scoreDiff = -10 * d;
  game.gains = {0, 0, 0};
  game.summed = true;
  game.gameOver = true;
}

}  // namespace quarlo
