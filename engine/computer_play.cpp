#include "engine/computer.h"
#include "engine/hand_search.h"

namespace quarlo {

namespace {

// The hand after the bower rewrite, by suit and strength: bit k of
// strengths[s] is set when suit s holds strength k, placeOf[s][k] is its place.
// Strengths within one suit are distinct, so this loses nothing; the rules
// below read like the hand searches but cost a few bit operations each.
struct SuitTable {
  std::array<unsigned, 5> strengths{};
  std::array<std::array<std::uint8_t, 9>, 5> placeOf;  // read only where a bit is set

  // The hand as the bower rewrite sees it: the left bower is a trump of
  // strength 7, the right bower strength 8.
  SuitTable(const Hand& hand, Suit trump) {
    const CardCode left = LeftBower(trump);
    const CardCode right = RightBower(trump);
    const int t = SuitIndex(trump);
    for (int i = 1; i <= kHandPlaces; ++i) {
      int k = hand.strengths[i];
      int s = SuitIndex(hand.cards[i].suit);
      if (k < 1 || k > 8 || s == 0) continue;
      if (hand.cards[i] == left) {
        s = t;
        k = 7;
      } else if (hand.cards[i] == right) {
        k = 8;
      }
      strengths[s] |= 1u << k;
      placeOf[s][k] = static_cast<std::uint8_t>(i);
    }
  }
  bool Has(int s) const { return strengths[s] != 0; }
  bool Holds(int s, int k) const { return strengths[s] & (1u << k); }
  int Highest(int s) const { return strengths[s] ? 31 - __builtin_clz(strengths[s]) : 0; }
  int PlaceOfLowestAbove(int s, int k) const {
    const unsigned above = strengths[s] & ~((2u << k) - 1);
    return above ? placeOf[s][__builtin_ctz(above)] : 0;
  }
  int PlaceOfLowest(int s) const { return PlaceOfLowestAbove(s, 0); }
  int PlaceOfHighest(int s) const { return strengths[s] ? placeOf[s][Highest(s)] : 0; }

  // The place of strength k in the suits of `suits` (bits 1..4); the lower
  // place when several suits hold it.
  int LowerPlaceOf(unsigned suits, int k) const {
    int best = 0;
    for (int s = 1; s <= 4; ++s)
      if ((suits & (1u << s)) && Holds(s, k) && (!best || placeOf[s][k] < best)) best = placeOf[s][k];
    return best;
  }
  unsigned Union(unsigned suits) const {
    unsigned all = 0;
    for (int s = 1; s <= 4; ++s)
      if (suits & (1u << s)) all |= strengths[s];
    return all;
  }
  // Strongest card outside suit `skip` (0 skips nothing); lower place on ties.
  int PlaceOfHighestOutside(int skip) const {
    const unsigned suits = 0x1Eu & ~(1u << skip);
    const unsigned all = Union(suits);
    return all ? LowerPlaceOf(suits, 31 - __builtin_clz(all)) : 0;
  }
  int PlaceOfLowestOverall() const {
    const unsigned all = Union(0x1Eu);
    return all ? LowerPlaceOf(0x1Eu, __builtin_ctz(all)) : 0;
  }
};

bool WasPlayed(const PlayView& view, CardCode code) {
  for (int i = 1; i <= 10; ++i)
    if (view.played[i] == code) return true;
  return false;
}

// Leading trump is only worth it with the highest trump still out. Played
// cards keep their printed codes, so the left bower is the partner's jack.
bool HoldsTrumpMaster(const SuitTable& hand, int t, const PlayView& view) {
  const Suit trump = view.trump;
  if (hand.Holds(t, 8)) return true;
  const bool rightGone = WasPlayed(view, RightBower(trump));
  if (hand.Holds(t, 7)) return rightGone;
  const bool bowersGone = rightGone && WasPlayed(view, LeftBower(trump));
  if (hand.Holds(t, 6)) return bowersGone;
  return hand.Holds(t, 5) && bowersGone && WasPlayed(view, {kAce, trump});
}

}  // namespace

PlayView PlayerOneView(const DealState& deal) {
  PlayView view;
  view.trump = deal.trump;
  if (deal.trickPosition == 2) {
    view.led = deal.tableCards[1];
    view.ledStrength = deal.tableStrengths[1];
  }
  view.opponentVoid = deal.opponentVoid;
  view.played = deal.played;
  return view;
}

int ChooseCard(const Hand& hand, const PlayView& view) {
  const int t = SuitIndex(view.trump);
  const SuitTable table(hand, view.trump);

  if (view.led.Empty()) {
    // Lead trump only with a master, unless player 2 is known to have none.
    if (!view.opponentVoid[t] && HoldsTrumpMaster(table, t, view)) return table.PlaceOfHighest(t);
    // Lead into a suit player 2 cannot follow, its lowest card.
    for (int s = 1; s <= 4; ++s)
      if (s != t && view.opponentVoid[s] && table.Has(s)) return table.PlaceOfLowest(s);
    // The strongest plain card; with only trumps, the strongest trump.
    const int plain = table.PlaceOfHighestOutside(t);
    return plain ? plain : table.PlaceOfHighestOutside(0);
  }

  const EffCard led = EffectiveCard(view.led, view.ledStrength, view.trump);
  const int ls = SuitIndex(led.code.suit);
  if (table.Has(ls)) {
    // Win as cheaply as possible, or follow with the cheapest card.
    if (table.Highest(ls) > led.strength) return table.PlaceOfLowestAbove(ls, led.strength);
    return table.PlaceOfLowest(ls);
  }
  if (table.Has(t)) return table.PlaceOfLowest(t);  // the cheapest trump
  return table.PlaceOfLowestOverall();
}

}  // namespace quarlo
