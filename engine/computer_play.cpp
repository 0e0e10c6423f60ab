#include <algorithm>

#include "engine/computer.h"
#include "engine/hand_search.h"

namespace quarlo {

namespace {

bool WasPlayed(const PlayView& view, CardCode code) {
  return std::find(view.played.begin() + 1, view.played.end(), code) != view.played.end();
}

// Leading trump is only worth it with the highest trump still out.
bool HoldsTrumpMaster(const Hand& copy, const PlayView& view) {
  const Suit t = view.trump;
  const CardCode right = RightBower(t);
  const CardCode left = LeftBower(t);
  if (HasCard(copy, right)) return true;
  const bool rightGone = WasPlayed(view, right);
  if (HasCard(copy, {kLeftBowerRank, t}) && rightGone) return true;
  const bool bowersGone = rightGone && WasPlayed(view, left);
  if (HasCard(copy, {kAce, t}) && bowersGone) return true;
  return HasCard(copy, {kKing, t}) && bowersGone && WasPlayed(view, {kAce, t});
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
  const Suit trump = view.trump;
  const Hand copy = RewriteForTrump(hand, trump);

  if (view.led.Empty()) {
    if (!view.opponentVoid[SuitIndex(trump)] && HoldsTrumpMaster(copy, view))
      return PlaceOfHighestInSuit(copy, trump);
    for (int s = 1; s <= 4; ++s) {
      const Suit suit = kSuitOrder[s];
      if (suit != trump && view.opponentVoid[s] && HasSuit(copy, suit)) return PlaceOfLowestInSuit(copy, suit);
    }
    return PlaceOfHighestOutsideSuit(copy, trump);
  }

  const EffCard led = EffectiveCard(view.led, view.ledStrength, trump);
  const Suit ledSuit = led.code.suit;
  if (HasSuit(copy, ledSuit)) {
    if (HighestStrengthInSuit(copy, ledSuit) > led.strength)
      return PlaceOfLowestInSuitAbove(copy, ledSuit, led.strength);
    return PlaceOfLowestInSuit(copy, ledSuit);
  }
  if (HasSuit(copy, trump)) return PlaceOfLowestInSuit(copy, trump);
  return PlaceOfLowest(copy);
}

}  // namespace quarlo
