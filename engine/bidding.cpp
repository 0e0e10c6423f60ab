#include "engine/hand_search.h"
#include "engine/rules.h"

namespace quarlo {

void AcceptTurnedSuit(DealState& deal, GameState& game, int player) {
  deal.maker = player;
  game.phase = phase::kPickUp;
}

void PassFirstRound(DealState& deal, GameState& game, int player) {
  if (player == deal.firstBidder)
    game.phase = Other(player) == 2 ? phase::kBid1Player2 : phase::kBid1Player1;
  else
    game.phase = deal.firstBidder == 1 ? phase::kBid2Player1 : phase::kBid2Player2;
}

void PassSecondRound(DealState& deal, GameState& game, int player) {
  if (player == deal.firstBidder)
    game.phase = deal.dealer == 2 ? phase::kBid2Player2 : phase::kBid2Player1;
  else
    game.phase = phase::kDealOver;
}

void NameTrump(DealState& deal, GameState& game, int player, Suit suit) {
  deal.trump = suit;
  deal.maker = player;
  deal.trumpFromSecondRound = true;
  OrderHand(deal.hands[1], suit);
  OrderHand(deal.hands[2], suit);
  game.phase = phase::kTrumpFixed;
}

int PickUpTurnedCard(DealState& deal, int dealer) {
  Hand& hand = deal.hands[dealer];
  const CardCode turned = deal.pack.cards[24];
  hand.cards[6] = turned;
  hand.strengths[6] = deal.pack.strengths[24];
  deal.pickedUp = true;
  OrderHand(hand, deal.trump);
  for (int i = 1; i <= kHandPlaces; ++i)
    if (hand.cards[i] == turned) return i;
  return 0;
}

void Discard(DealState& deal, GameState& game, int player, int place) {
  Hand& hand = deal.hands[player];
  RemoveFromOrderedHand(hand, place);
  game.phase = phase::kTrumpFixed;
}

void BeginPlay(DealState& deal, GameState& game) {
  deal.handsAtPlayStart = deal.hands;
  game.phase = deal.firstBidder + 20;
}

}  // namespace quarlo
