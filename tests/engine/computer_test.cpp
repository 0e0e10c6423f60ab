#include <gtest/gtest.h>

#include "engine/computer.h"
#include "engine/hand_search.h"
#include "fixture.h"

namespace quarlo {
namespace {

using test::C;
using test::H;

// Hands as the computer holds them: in display order for the turned suit.
Hand Ordered(const std::string& list, Suit trump) {
  Hand h = H(list);
  OrderHand(h, trump);
  return h;
}

TEST(EvaluateHand, WeightsInHundredths) {
  EXPECT_EQ(EvaluateHand(H("JH 9H AS KC TD"), kHearts), 305);
  // Left bower and the length bonuses: three trumps +0.10, four +1.00, five nothing.
  EXPECT_EQ(EvaluateHand(H("JD AH 9C"), kHearts), 95 + 90 + 0);
  EXPECT_EQ(EvaluateHand(H("JD AH KH 9C"), kHearts), 95 + 90 + 85 + 10 + 0);
  EXPECT_EQ(EvaluateHand(H("JD AH KH QH 9C"), kHearts), 95 + 90 + 85 + 80 + 100);
  EXPECT_EQ(EvaluateHand(H("JD AH KH QH TH"), kHearts), 95 + 90 + 85 + 80 + 75);
  // Side values by rank, whatever the suit.
  EXPECT_EQ(EvaluateHand(H("AC KS QD JC TS 9D"), kHearts), 65 + 60 + 40 + 20 + 10);
}

TEST(EvaluateHand, AllSuitsAtOnceAgreeWithOneByOne) {
  Rng rng(9);
  for (int round = 0; round < 3000; ++round) {
    const Pack pack = Shuffle(rng);
    Hand h;
    for (int i = 1; i <= 1 + round % 6; ++i) {
      h.cards[i] = pack.cards[i];
      h.strengths[i] = pack.strengths[i];
    }
    const auto all = EvaluateAllSuits(h);
    for (int s = 1; s <= 4; ++s) ASSERT_EQ(all[s], EvaluateHand(h, kSuitOrder[s])) << round << " " << s;
  }
}

TEST(ChooseDiscard, KeepsTheStrongestHandLowerPlaceOnTies) {
  // Two nines leave the same score: the one at the lower place goes.
  EXPECT_EQ(ChooseDiscard(Ordered("AH KH QH 9S 9C JH", kHearts), kHearts), 1);
  // The worthless nine of Spades goes, not the ten of Diamonds (0.10).
  EXPECT_EQ(ChooseDiscard(H("JH AH KH TD 9S QH"), kHearts), 5);
  // The card just picked up may be the one thrown.
  EXPECT_EQ(ChooseDiscard(H("JH AH KH AS KS 9C"), kHearts), 6);
  // Five trumps and a side ace: dropping the weakest trump earns the
  // four-trump bonus, which beats keeping all five.
  EXPECT_EQ(ChooseDiscard(H("JH AH KH QH TH AC"), kHearts), 5);
}

TEST(DecideBid, FirstRoundWorkedExamples) {
  const Hand hand = Ordered("AH KH QH 9S 9C", kHearts);
  // Not the dealer: 2.55 + 0.10 - 1.00 for the jack going to the opponent = 1.65.
  EXPECT_EQ(DecideBid(hand, 1, kHearts, C("JH")), kNoSuit);
  // The dealer picks the jack up, throws a nine: 4.55.
  EXPECT_EQ(DecideBid(hand, 2, kHearts, C("JH")), kHearts);
}

TEST(DecideBid, ThresholdIsReachedExactly) {
  // Dealer, turned nine of Hearts picked up, a zero card thrown:
  // TH AS KS TC 9H = 0.75 + 0.65 + 0.60 + 0.10 + 0.70 = 2.80 accepts ...
  EXPECT_EQ(DecideBid(H("TH AS KS TC 9D"), 2, kHearts, C("9H")), kHearts);
  // ... and with the ten of Clubs a nine, 2.70 passes.
  EXPECT_EQ(DecideBid(H("TH AS KS 9C 9D"), 2, kHearts, C("9H")), kNoSuit);
}

TEST(DecideBid, NotDealerNeedsTheBestSuit) {
  // Spades score 3.50 against 3.05 for Hearts: no order-up.
  EXPECT_EQ(DecideBid(H("JH AH AS KS QS"), 1, kHearts, C("9H")), kNoSuit);
  // Hearts 3.60 is the best: order up.
  EXPECT_EQ(DecideBid(H("JH AH KH AS KS"), 1, kHearts, C("9H")), kHearts);
}

TEST(DecideBid, SecondRound) {
  // Never the turned suit, even when it is the best.
  EXPECT_EQ(DecideBid(H("JH AH KH QH TH"), 1, kNoSuit, C("9H")), kNoSuit);
  // Equal scores: the later suit in Hearts, Diamonds, Clubs, Spades wins.
  EXPECT_EQ(DecideBid(H("AC KC AS KS TH"), 1, kNoSuit, C("9H")), kSpades);
  EXPECT_EQ(DecideBid(H("AC KC QC AS 9D"), 2, kNoSuit, C("9H")), kClubs);
  // The left bower counts under its printed suit for the length test: for
  // Diamonds the hand holds JH (left bower) and AD, but only one printed diamond.
  EXPECT_EQ(DecideBid(H("JH AD AC AS KS"), 1, kNoSuit, C("9C")), kNoSuit);
}

PlayView Leading(Suit trump) {
  PlayView v;
  v.trump = trump;
  v.played.fill(kNoCard);
  return v;
}

TEST(ChooseCard, Leading) {
  PlayView v = Leading(kHearts);
  // Left bower with the right bower still out: no trump lead, strongest plain card.
  EXPECT_EQ(ChooseCard(H("JD 9H AS 9C"), v), 3);
  // Right bower in hand: lead the highest trump.
  EXPECT_EQ(ChooseCard(H("9H JH AS JD"), v), 2);
  // Only trumps, no master: the strongest trump.
  EXPECT_EQ(ChooseCard(H("9H QH AH"), v), 3);
  // Player 2 is void in Clubs: the lowest club.
  v.opponentVoid[SuitIndex(kClubs)] = true;
  EXPECT_EQ(ChooseCard(H("KC AS 9C QH"), v), 3);
  // Ace of trump with both bowers gone: lead it.
  PlayView gone = Leading(kHearts);
  gone.played[1] = C("JH");
  gone.played[2] = C("9S");
  gone.played[3] = C("TS");
  gone.played[4] = C("JD");
  EXPECT_EQ(ChooseCard(H("AS AH 9H"), gone), 2);
  // King needs the ace gone too.
  EXPECT_EQ(ChooseCard(H("KH AS"), gone), 2);
  gone.played[5] = C("AH");
  gone.played[6] = C("9C");
  EXPECT_EQ(ChooseCard(H("KH AS"), gone), 1);
  // Left bower becomes master once the right bower was played.
  PlayView rightGone = Leading(kHearts);
  rightGone.played[1] = C("JH");
  EXPECT_EQ(ChooseCard(H("AS JD 9H"), rightGone), 2);
  // Opponent void in trump: skip the trump lead, go to its void suit.
  PlayView voidTrump = Leading(kHearts);
  voidTrump.opponentVoid[SuitIndex(kHearts)] = true;
  voidTrump.opponentVoid[SuitIndex(kSpades)] = true;
  EXPECT_EQ(ChooseCard(H("JH AC KS 9S"), voidTrump), 4);
}

TEST(ChooseCard, Following) {
  PlayView v = Leading(kHearts);
  auto led = [&](const char* card) {
    v.led = C(card);
    v.ledStrength = BaseStrength(v.led.rank);
  };
  led("AS");  // cannot beat it: the lowest spade, never a trump
  EXPECT_EQ(ChooseCard(H("9H 9S KS JH"), v), 2);
  led("TS");  // the cheapest winning spade
  EXPECT_EQ(ChooseCard(H("AS QS 9S"), v), 2);
  led("AC");  // cannot follow: the cheapest trump, the nine before the left bower
  EXPECT_EQ(ChooseCard(H("JD 9H AS"), v), 2);
  led("AC");  // neither: the cheapest card
  EXPECT_EQ(ChooseCard(H("KS TD AS"), v), 2);
  led("QH");  // trump led: the left bower follows and wins cheapest over the right
  EXPECT_EQ(ChooseCard(H("JH JD 9S"), v), 2);
  led("QD");  // left bower may not follow its printed suit
  EXPECT_EQ(ChooseCard(H("JD KD"), v), 2);
  led("JD");  // a led left bower is a trump of strength 7: only the right bower beats it
  EXPECT_EQ(ChooseCard(H("AH JH 9H"), v), 2);
}

}  // namespace
}  // namespace quarlo
