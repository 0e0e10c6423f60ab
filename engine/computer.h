// The computer player: one additive hand evaluation for bidding and the
// discard, and a short list of fixed rules for card play. It sees only its own
// hand, the finished tricks and where its opponent failed to follow.
#pragma once

#include <array>

#include "engine/state.h"

namespace quarlo {

// Scores are exact, in hundredths: 2.80 is 280, so a score equal to the
// threshold reaches it whatever the order of the additions.
using Score = int;
inline constexpr Score kBidThreshold = 280;

Score EvaluateHand(const Hand& cards, Suit suit);
// EvaluateHand for the four suits at once, by SuitOrder ([0] unused).
std::array<Score, 5> EvaluateAllSuits(const Hand& cards);
// The place whose removal leaves the strongest hand; the lower place on ties.
int ChooseDiscard(const Hand& cards, Suit trump);
// suit: the turned suit in the first round, kNoSuit in the second.
// firstBidder is seen from the deciding player: 1 when it speaks first, 2 when
// it deals. Returns the suit to take, or kNoSuit to pass.
Suit DecideBid(const Hand& cards, int firstBidder, Suit suit, CardCode turnedCard);

// What the chooser knows when it must play.
struct PlayView {
  Suit trump = kNoSuit;
  CardCode led = kNoCard;  // kNoCard when the chooser leads
  std::uint8_t ledStrength = 0;
  std::array<bool, 5> opponentVoid{};  // by SuitOrder
  std::array<CardCode, 11> played{};   // printed codes of finished tricks
};

int ChooseCard(const Hand& hand, const PlayView& view);
// Player 1's view of the deal.
PlayView PlayerOneView(const DealState& deal);

}  // namespace quarlo
