#include "engine/hand_search.h"
#include "engine/rules.h"

namespace quarlo {

bool IsIllegalFollow(const Hand& hand, int place, CardCode led, Suit trump) {
  const Hand copy = RewriteForTrump(hand, trump);
  const Suit ledSuit = EffectiveCard(led, BaseStrength(led.rank), trump).code.suit;
  return copy.cards[place].suit != ledSuit && HasSuit(copy, ledSuit);
}

bool IsIllegal(const DealState& deal, int place) {
  if (deal.trickLeader == 2 || deal.tableCards[1].Empty()) return false;
  return IsIllegalFollow(deal.hands[2], place, deal.tableCards[1], deal.trump);
}

int PlayCard(DealState& deal, GameState& game, int player, int place) {
  Hand& hand = deal.hands[player];
  const int k = deal.trickPosition;
  deal.tableCards[k] = hand.cards[place];
  deal.tableStrengths[k] = hand.strengths[place];
  RemoveFromOrderedHand(hand, place);

  const Suit led = EffectiveCard(deal.tableCards[1], deal.tableStrengths[1], deal.trump).code.suit;
  deal.ledSuit = led;
  if (k == 2 && deal.trickLeader == 1) {
    const Suit followed = EffectiveCard(deal.tableCards[2], deal.tableStrengths[2], deal.trump).code.suit;
    if (followed != led) deal.opponentVoid[SuitIndex(led)] = true;
  }

  deal.trickPosition += 1;
  game.phase = game.phase == phase::kPlay1 ? phase::kPlay2 : phase::kPlay1;
  if (deal.trickPosition == 3) {
    game.phase = phase::kTrickDone;
    ResolveTrick(deal);
  }
  return k;
}

int TrickWinner(CardCode led, std::uint8_t ledStrength, CardCode second, std::uint8_t secondStrength, int leader,
                Suit trump) {
  const EffCard c1 = EffectiveCard(led, ledStrength, trump);
  const EffCard c2 = EffectiveCard(second, secondStrength, trump);
  if (c1.code.suit == c2.code.suit) return c1.strength > c2.strength ? leader : Other(leader);
  if (c2.code.suit == trump) return Other(leader);
  return leader;  // a card that neither follows nor trumps never wins
}

int ResolveTrick(DealState& deal) {
  const int t = deal.trickNumber;
  deal.played[2 * t - 1] = deal.tableCards[1];
  deal.played[2 * t] = deal.tableCards[2];
  const int winner = TrickWinner(deal.tableCards[1], deal.tableStrengths[1], deal.tableCards[2],
                                 deal.tableStrengths[2], deal.trickLeader, deal.trump);
  deal.tricks[winner] += 1;
  deal.trickLeader = winner;
  deal.trickNumber += 1;
  deal.trickPosition = 1;
  return winner;
}

bool CollectTrick(DealState& deal, GameState& game, bool showCardsAtEnd) {
  deal.tableCards[1] = deal.tableCards[2] = kNoCard;
  deal.tableStrengths[1] = deal.tableStrengths[2] = 0;
  game.phase = 20 + deal.trickLeader;
  if (deal.trickNumber != 6) return false;
  ScoreDeal(deal, game, showCardsAtEnd);
  return true;
}

}  // namespace quarlo
