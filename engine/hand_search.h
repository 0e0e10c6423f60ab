// Searches over one hand and the display order of a hand.
//
// Searches look at places 1..6 and take the suit from the code's second byte,
// so callers that want bower-aware answers rewrite the hand first
// (RewriteForTrump). Among equal strengths the lower place wins; empty places
// (strength outside 1..8) never qualify. A search with no answer returns 0.
#pragma once

#include "engine/cards.h"

namespace quarlo {

bool HasSuit(const Hand& hand, Suit suit);
bool HasCard(const Hand& hand, CardCode code);
int CountSuit(const Hand& hand, Suit suit);
int HighestStrengthInSuit(const Hand& hand, Suit suit);
int PlaceOfHighestInSuit(const Hand& hand, Suit suit);
int PlaceOfLowestInSuit(const Hand& hand, Suit suit);
int PlaceOfLowestInSuitAbove(const Hand& hand, Suit suit, int strength);
// The strongest card not of the suit; with only that suit left, the strongest card.
int PlaceOfHighestOutsideSuit(const Hand& hand, Suit suit);
int PlaceOfLowest(const Hand& hand);

// A working copy for trump: the left bower becomes "S"+trump with strength 7,
// the right bower gets strength 8.
Hand RewriteForTrump(Hand hand, Suit trump);

// Puts the hand into display order for the trump suit: plain suits in an
// alternating colour sequence, trump last, then left and right bower. Empty
// places move to the end with strength 0; count becomes the cards taken.
void OrderHand(Hand& hand, Suit trump);
// Empties a place of a hand that is in display order and closes the gap: the
// same result as emptying it and calling OrderHand, without the sort.
void RemoveFromOrderedHand(Hand& hand, int place);

}  // namespace quarlo
