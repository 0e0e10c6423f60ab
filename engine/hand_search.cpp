#include "engine/hand_search.h"

#include <bit>

namespace quarlo {

namespace {

bool Occupied(const Hand& hand, int place) {
  const int s = hand.strengths[place];
  return s >= 1 && s <= 8;
}

}  // namespace

bool HasSuit(const Hand& hand, Suit suit) { return CountSuit(hand, suit) > 0; }

bool HasCard(const Hand& hand, CardCode code) {
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && hand.cards[i] == code) return true;
  return false;
}

int CountSuit(const Hand& hand, Suit suit) {
  int n = 0;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && hand.cards[i].suit == suit) ++n;
  return n;
}

int HighestStrengthInSuit(const Hand& hand, Suit suit) {
  const int place = PlaceOfHighestInSuit(hand, suit);
  return place ? hand.strengths[place] : 0;
}

int PlaceOfHighestInSuit(const Hand& hand, Suit suit) {
  int best = 0;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && hand.cards[i].suit == suit && (!best || hand.strengths[i] > hand.strengths[best]))
      best = i;
  return best;
}

int PlaceOfLowestInSuit(const Hand& hand, Suit suit) { return PlaceOfLowestInSuitAbove(hand, suit, 0); }

int PlaceOfLowestInSuitAbove(const Hand& hand, Suit suit, int strength) {
  int best = 0;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && hand.cards[i].suit == suit && hand.strengths[i] > strength &&
        (!best || hand.strengths[i] < hand.strengths[best]))
      best = i;
  return best;
}

int PlaceOfHighestOutsideSuit(const Hand& hand, Suit suit) {
  int best = 0;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && hand.cards[i].suit != suit && (!best || hand.strengths[i] > hand.strengths[best]))
      best = i;
  if (best) return best;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && (!best || hand.strengths[i] > hand.strengths[best])) best = i;
  return best;
}

int PlaceOfLowest(const Hand& hand) {
  int best = 0;
  for (int i = 1; i <= kHandPlaces; ++i)
    if (Occupied(hand, i) && (!best || hand.strengths[i] < hand.strengths[best])) best = i;
  return best;
}

Hand RewriteForTrump(Hand hand, Suit trump) {
  const CardCode left = LeftBower(trump);
  const CardCode right = RightBower(trump);
  for (int i = 1; i <= kHandPlaces; ++i) {
    // Empty places never match a bower, so they stay as they are.
    const bool isLeft = hand.cards[i] == left;
    const bool isRight = hand.cards[i] == right;
    hand.cards[i].rank = isLeft ? kLeftBowerRank : hand.cards[i].rank;
    hand.cards[i].suit = isLeft ? trump : hand.cards[i].suit;
    hand.strengths[i] = isLeft ? 7 : isRight ? 8 : hand.strengths[i];
  }
  return hand;
}

namespace {

// Position of each suit (by SuitOrder index) in the display sequence for each
// trump: plain cards by [trump][suit], the two bowers after all of them.
// Trump is last and colours alternate; the left bower precedes the right.
//   Hearts:   Clubs, Diamonds, Spades, Hearts
//   Diamonds: Clubs, Hearts, Spades, Diamonds
//   Clubs:    Hearts, Spades, Diamonds, Clubs
//   Spades:   Hearts, Clubs, Diamonds, Spades
constexpr int kPlainPosition[5][5] = {
    {0, 0, 1, 2, 3},  // no trump yet: SuitOrder
    {0, 3, 1, 0, 2},
    {0, 1, 3, 0, 2},
    {0, 0, 2, 3, 1},
    {0, 0, 2, 1, 3},
};

}  // namespace

void OrderHand(Hand& hand, Suit trump) {
  const int t = SuitIndex(trump);
  const CardCode right = RightBower(trump);
  const CardCode left = LeftBower(trump);

  // Sort key: plain cards by suit position then strength (0..31), then the
  // left (62) and the right bower (63). Keys are distinct, so a bit set of
  // keys read from the lowest bit gives the order.
  std::uint64_t keys = 0;
  int placeOfKey[64];
  for (int i = 1; i <= kHandPlaces; ++i) {
    const int strength = hand.strengths[i];
    const int s = SuitIndex(hand.cards[i].suit);
    if (strength < 1 || strength > 8 || s == 0) continue;
    int key = kPlainPosition[t][s] * 8 + strength;
    if (t != 0 && hand.cards[i] == left) key = 62;
    if (t != 0 && hand.cards[i] == right) key = 63;
    keys |= std::uint64_t{1} << key;
    placeOfKey[key] = i;
  }
  Hand out;
  int n = 0;
  for (; keys; keys &= keys - 1) {
    const int i = placeOfKey[std::countr_zero(keys)];
    ++n;
    out.cards[n] = hand.cards[i];
    out.strengths[n] = hand.strengths[i];
  }
  for (int i = n + 1; i <= kHandPlaces; ++i) out.strengths[i] = kOrderedEmpty;
  out.count = n;
  hand = out;
}

void RemoveFromOrderedHand(Hand& hand, int place) {
  // A gap (or no place at all) holds nothing to take out: the ordered hand
  // and its count stay as they are.
  if (place < 1 || place > kHandPlaces || !Occupied(hand, place)) return;
  for (int i = place; i < kHandPlaces; ++i) {
    hand.cards[i] = hand.cards[i + 1];
    hand.strengths[i] = hand.strengths[i + 1];
  }
  hand.cards[kHandPlaces] = kNoCard;
  hand.strengths[kHandPlaces] = kOrderedEmpty;
  if (hand.count > 0) --hand.count;
}

}  // namespace quarlo
