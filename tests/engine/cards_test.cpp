#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/deal.h"
#include "engine/hand_search.h"
#include "fixture.h"

namespace quarlo {
namespace {

using test::C;
using test::H;
using test::Text;

TEST(Cards, CodesAreTheWindows1251Bytes) {
  EXPECT_EQ(C("9H").Bytes(), std::string("\x39\xF7"));
  EXPECT_EQ(C("AS").Bytes(), std::string("\xD2\xEF"));
  EXPECT_EQ(C("TC").Bytes(), std::string("\x31\xEA"));
  EXPECT_EQ(C("JD").Bytes(), std::string("\xC2\xE1"));
  EXPECT_EQ(CardByNumber(1), C("9H"));
  EXPECT_EQ(CardByNumber(4), C("9S"));
  EXPECT_EQ(CardByNumber(24), C("AS"));
}

TEST(Cards, BowersByTrump) {
  EXPECT_EQ(CardText(EffectiveCard(C("JD"), 3, kHearts).code), "SH");
  EXPECT_EQ(EffectiveCard(C("JD"), 3, kHearts).strength, 7);
  EXPECT_EQ(EffectiveCard(C("JH"), 3, kHearts).strength, 8);
  EXPECT_EQ(EffectiveCard(C("JS"), 3, kClubs).code, (CardCode{kLeftBowerRank, kClubs}));
  EXPECT_EQ(EffectiveCard(C("JC"), 3, kHearts).strength, 3);
  EXPECT_EQ(EffectiveCard(C("AD"), 6, kHearts).code, C("AD"));
}

TEST(Shuffle, EveryCardOnceWithItsStrength) {
  Rng rng(7);
  for (int round = 0; round < 200; ++round) {
    const Pack pack = Shuffle(rng);
    std::set<std::string> seen;
    for (int k = 1; k <= 24; ++k) {
      ASSERT_TRUE(IsValidCard(pack.cards[k]));
      ASSERT_EQ(pack.strengths[k], BaseStrength(pack.cards[k].rank));
      seen.insert(pack.cards[k].Bytes());
    }
    ASSERT_EQ(seen.size(), 24u);
  }
}

TEST(Shuffle, EveryCardIsEquallyLikelyAtEveryPosition) {
  // 24000 shuffles: each card should lie about 1000 times at a position
  // (standard deviation about 31); a skewed draw lands far outside.
  Rng rng(21);
  std::array<std::array<int, 25>, 25> seen{};
  for (int round = 0; round < 24000; ++round) {
    const Pack pack = Shuffle(rng);
    for (int k : {1, 2, 23, 24}) ++seen[static_cast<std::size_t>(k)][static_cast<std::size_t>((pack.strengths[k] - 1) * 4 + SuitIndex(pack.cards[k].suit))];
  }
  for (int k : {1, 2, 23, 24})
    for (int n = 1; n <= 24; ++n) {
      EXPECT_GT(seen[static_cast<std::size_t>(k)][static_cast<std::size_t>(n)], 850) << k << " " << n;
      EXPECT_LT(seen[static_cast<std::size_t>(k)][static_cast<std::size_t>(n)], 1150) << k << " " << n;
    }
}

TEST(DealMessage, RoundTripsAndRejectsMalformedFrames) {
  Rng rng(3);
  const Pack pack = Shuffle(rng);
  const std::string frame = DealMessage(pack);
  ASSERT_EQ(frame.size(), 73u);
  EXPECT_EQ(frame[0], 'b');
  EXPECT_EQ(frame.substr(1, 2), pack.cards[1].Bytes());
  EXPECT_EQ(frame[49], '0' + pack.strengths[1]);
  const auto back = ParseDealMessage(frame);
  ASSERT_TRUE(back);
  for (int k = 1; k <= 24; ++k) EXPECT_EQ(back->cards[k], pack.cards[k]);

  std::string duplicate = frame;
  duplicate[3] = frame[1];
  duplicate[4] = frame[2];
  duplicate[50] = frame[49];
  std::string wrongDigit = frame;
  wrongDigit[72] = wrongDigit[72] == '1' ? '2' : '1';
  for (const std::string& bad : {frame.substr(0, 72), frame + "x", "x" + frame.substr(1), duplicate, wrongDigit})
    EXPECT_FALSE(ParseDealMessage(bad)) << bad.size();
}

TEST(HandSearch, BowerAwareOnlyOnRewrittenCopy) {
  const Hand stored = H("JD 9H AH KS QC");
  const Hand copy = RewriteForTrump(stored, kHearts);
  EXPECT_EQ(CountSuit(stored, kHearts), 2);
  EXPECT_EQ(CountSuit(copy, kHearts), 3);
  EXPECT_EQ(CountSuit(stored, kDiamonds), 1);
  EXPECT_EQ(CountSuit(copy, kDiamonds), 0);
  // After the rewrite the left bower (7) is above the ace (6).
  EXPECT_EQ(PlaceOfHighestInSuit(copy, kHearts), 1);
  EXPECT_EQ(PlaceOfHighestInSuit(stored, kHearts), 3);
}

TEST(HandSearch, SearchesAndTieBreaks) {
  const Hand trumps = RewriteForTrump(H("9H QH JD AH"), kHearts);
  EXPECT_EQ(PlaceOfHighestOutsideSuit(trumps, kHearts), 3);  // only trumps: the strongest one
  const Hand mixed = H("9C TH 9S -- KS AD");
  EXPECT_EQ(PlaceOfHighestOutsideSuit(mixed, kDiamonds), 5);
  EXPECT_EQ(PlaceOfLowest(mixed), 1);  // two nines: the lower place
  EXPECT_EQ(PlaceOfLowestInSuit(mixed, kSpades), 3);
  EXPECT_EQ(PlaceOfLowestInSuitAbove(mixed, kSpades, 1), 5);
  EXPECT_EQ(PlaceOfLowestInSuitAbove(mixed, kSpades, 5), 0);
  EXPECT_EQ(HighestStrengthInSuit(mixed, kHearts), 2);
  EXPECT_EQ(HighestStrengthInSuit(mixed, kClubs), 1);
  EXPECT_EQ(PlaceOfHighestInSuit(mixed, kHearts), 2);
  EXPECT_EQ(PlaceOfHighestInSuit(H("9C"), kHearts), 0);
  EXPECT_TRUE(HasCard(mixed, C("AD")));
  EXPECT_FALSE(HasCard(mixed, C("AH")));
}

TEST(OrderHand, DisplayOrderByTrump) {
  struct Case {
    Suit trump;
    const char* hand;
    const char* ordered;
  };
  const Case cases[] = {
      {kHearts, "JH AH JD 9C TD QS", "9C TD QS AH JD JH"},
      {kHearts, "9H AC KD 9S JC --", "JC AC KD 9S 9H --"},
      {kDiamonds, "JH JD 9H 9D AS KC", "KC 9H AS 9D JH JD"},
      {kClubs, "JS JC AH AD AS AC", "AH AS AD AC JS JC"},
      {kSpades, "JC 9S TH QD KC JH", "TH JH KC QD 9S JC"},
  };
  for (const Case& c : cases) {
    Hand h = H(c.hand);
    OrderHand(h, c.trump);
    EXPECT_EQ(Text(h), c.ordered) << c.hand;
  }
  Hand empty;
  OrderHand(empty, kHearts);
  EXPECT_EQ(empty.count, 0);

  Hand six = H("AH KH QH 9S 9C JH");
  OrderHand(six, kHearts);
  EXPECT_EQ(six.count, 6);
  six.cards[2] = kNoCard;
  six.strengths[2] = kEmptyStrength;
  OrderHand(six, kHearts);
  EXPECT_EQ(six.count, 5);
  EXPECT_TRUE(six.cards[6].Empty());
  EXPECT_EQ(six.strengths[6], kOrderedEmpty);
}

// The display order written the long way, loop by loop, to check the fast
// version on many hands.
Hand OrderByLoops(const Hand& hand, Suit trump) {
  static const std::map<Suit, std::pair<std::string, std::string>> kSequences = {
      {kHearts, {"CDSH", "SCDH"}},
      {kDiamonds, {"CHSD", "SCHD"}},
      {kClubs, {"HSDC", "DHSC"}},
      {kSpades, {"HCDS", "DHCS"}},
  };
  const auto& [plain, bowers] = kSequences.at(trump);
  Hand out;
  int n = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (char letter : pass == 0 ? plain : bowers) {
      Suit suit;
      ParseSuitLetter(letter, suit);
      for (int strength = 1; strength <= 8; ++strength)
        for (int i = 1; i <= 6; ++i) {
          if (hand.strengths[i] != strength || hand.cards[i].suit != suit) continue;
          const bool bower = hand.cards[i] == RightBower(trump) || hand.cards[i] == LeftBower(trump);
          if (bower != (pass == 1)) continue;
          ++n;
          out.cards[n] = hand.cards[i];
          out.strengths[n] = hand.strengths[i];
        }
    }
  for (int i = n + 1; i <= 6; ++i) out.strengths[i] = 0;
  out.count = n;
  return out;
}

TEST(OrderHand, MatchesTheLoopDefinitionOnRandomHands) {
  Rng rng(11);
  for (int round = 0; round < 2000; ++round) {
    const Pack pack = Shuffle(rng);
    Hand hand;
    const int cards = 1 + round % 6;
    for (int i = 1; i <= 6; ++i) {
      if (i <= cards) {
        hand.cards[i] = pack.cards[i];
        hand.strengths[i] = pack.strengths[i];
      }
    }
    // Gaps in the middle too.
    if (cards > 2) {
      hand.cards[2] = kNoCard;
      hand.strengths[2] = kEmptyStrength;
    }
    const Suit trump = kSuitOrder[1 + round % 4];
    Hand fast = hand;
    OrderHand(fast, trump);
    const Hand slow = OrderByLoops(hand, trump);
    ASSERT_EQ(Text(fast), Text(slow)) << Text(hand);
    ASSERT_EQ(fast.count, slow.count);
    ASSERT_EQ(fast.strengths, slow.strengths);
    // Emptying any place of an ordered hand, a card or a gap, gives what
    // emptying it and ordering again gives.
    for (int place = 1; place <= 6; ++place) {
      Hand removed = fast;
      RemoveFromOrderedHand(removed, place);
      Hand reordered = fast;
      reordered.cards[place] = kNoCard;
      reordered.strengths[place] = kEmptyStrength;
      OrderHand(reordered, trump);
      ASSERT_EQ(Text(removed), Text(reordered)) << place;
      ASSERT_EQ(removed.count, reordered.count) << Text(fast) << " place " << place;
      ASSERT_EQ(removed.strengths, reordered.strengths) << place;
    }
  }
}

}  // namespace
}  // namespace quarlo
