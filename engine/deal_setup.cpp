#include "engine/hand_search.h"
#include "engine/rules.h"

namespace quarlo {

void BeginDeal(DealState& deal, GameState& game, bool continuing) {
  if (!continuing) {
    game.scores = {0, 0, 0};
    game.dealNumber = 0;
    game.scoreDiff = 0;
    game.summed = false;
  }
  game.gains = {0, 0, 0};
  game.dealNumber += 1;
  game.targetScore = 7;
  game.gameOver = false;
  game.dealBegun = false;

  deal = DealState{};
  deal.played.fill(kNoCard);
}

void DealFromPack(DealState& deal, const Pack& pack) {
  deal.pack = pack;
  for (int p = 1; p <= 2; ++p) {
    Hand& hand = deal.hands[p];
    hand = Hand{};
    for (int i = 1; i <= 5; ++i) {
      hand.cards[i] = pack.cards[(p - 1) * 5 + i];
      hand.strengths[i] = pack.strengths[(p - 1) * 5 + i];
    }
    hand.count = 5;
  }
  deal.nextPackIndex = 11;
  deal.trump = pack.cards[24].suit;
  OrderHand(deal.hands[1], deal.trump);
  OrderHand(deal.hands[2], deal.trump);
}

int LocalFirstBidder(int gameNumber, int dealNumber) { return (gameNumber + dealNumber - 1) % 2 == 1 ? 1 : 2; }

void SetFirstBidder(DealState& deal, GameState& game, int firstBidder) {
  deal.firstBidder = firstBidder;
  deal.dealer = Other(firstBidder);
  deal.trickLeader = firstBidder;
  game.phase = firstBidder;
}

void StartDeal(DealState& deal, GameState& game, bool continuing, const Pack& pack) {
  BeginDeal(deal, game, continuing);
  DealFromPack(deal, pack);
  SetFirstBidder(deal, game, LocalFirstBidder(game.gameNumber, game.dealNumber));
}

}  // namespace quarlo
