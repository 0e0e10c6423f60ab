#include "engine/computer.h"
#include "engine/hand_search.h"

namespace quarlo {

namespace {

// Values by rank byte: [0] as a side card, [1] as a trump.
using RankValues = std::array<std::array<Score, 256>, 2>;

constexpr RankValues MakeRankValues() {
  RankValues v{};
  auto at = [](char rank) { return static_cast<unsigned char>(rank); };
  v[1][at(kJack)] = 100;  // right bower
  v[1][at(kAce)] = 90;
  v[1][at(kKing)] = 85;
  v[1][at(kQueen)] = 80;
  v[1][at(kTen)] = 75;
  v[1][at(kNine)] = 70;
  v[0][at(kAce)] = 65;
  v[0][at(kKing)] = 60;
  v[0][at(kQueen)] = 40;
  v[0][at(kJack)] = 20;
  v[0][at(kTen)] = 10;
  return v;
}

constexpr RankValues kValues = MakeRankValues();
constexpr Score kLeftBowerValue = 95;

// What the turned card is worth to the opponent who would pick it up.
Score TurnedCardPenalty(char rank) {
  switch (rank) {
    case kJack: return 100;
    case kAce: return 90;
    case kKing: return 80;
    case kQueen: return 70;
    case kTen: return 60;
    case kNine: return 50;
    default: return 0;
  }
}

}  // namespace

namespace {

Score LengthBonus(int trumps) { return trumps == 3 ? 10 : trumps == 4 ? 100 : 0; }

// One card's value for the suit, and whether it counts as a trump. Written
// without branches on the cards: bidding evaluates many hands and the
// outcomes are unpredictable.
struct CardValue {
  Score value;
  int trump;
};

CardValue ValueOf(CardCode c, CardCode left, Suit suit) {
  const bool isLeft = c == left;
  const bool isTrump = isLeft || c.suit == suit;
  const Score v = kValues[isTrump][static_cast<unsigned char>(c.rank)];
  return {isLeft ? kLeftBowerValue : v, isTrump};
}

}  // namespace

Score EvaluateHand(const Hand& cards, Suit suit) {
  const CardCode left = LeftBower(suit);
  Score score = 0;
  int trumps = 0;
  for (int i = 1; i <= kHandPlaces; ++i) {
    const CardValue v = ValueOf(cards.cards[i], left, suit);
    score += v.value;
    trumps += v.trump;
  }
  return score + LengthBonus(trumps);
}

int ChooseDiscard(const Hand& cards, Suit trump) {
  // The score without place i is the sum of the other cards' values plus the
  // length bonus for the trumps left: the same integers as evaluating each
  // six-place copy with that place emptied.
  const CardCode left = LeftBower(trump);
  std::array<CardValue, kHandPlaces + 1> v{};
  Score sum = 0;
  int trumps = 0;
  for (int i = 1; i <= kHandPlaces; ++i) {
    v[i] = ValueOf(cards.cards[i], left, trump);
    sum += v[i].value;
    trumps += v[i].trump;
  }
  int best = 1;
  Score bestScore = 0;
  for (int i = 1; i <= kHandPlaces; ++i) {
    const Score s = sum - v[i].value + LengthBonus(trumps - v[i].trump);
    if (s > bestScore) {
      best = i;
      bestScore = s;
    }
  }
  return best;
}

std::array<Score, 5> EvaluateAllSuits(const Hand& cards) {
  // Every card is a side card for three suits and a trump for its own (a
  // jack also for its partner's, as the left bower): start from the side
  // values of all cards and correct each suit for its trumps.
  Score side = 0;
  std::array<Score, 5> delta{};
  std::array<int, 5> trumps{};
  for (int i = 1; i <= kHandPlaces; ++i) {
    const CardCode c = cards.cards[i];
    const int s = SuitIndex(c.suit);
    if (s == 0) continue;
    const auto rank = static_cast<unsigned char>(c.rank);
    const Score asSide = kValues[0][rank];
    side += asSide;
    delta[static_cast<std::size_t>(s)] += kValues[1][rank] - asSide;
    ++trumps[static_cast<std::size_t>(s)];
    if (c.rank == kJack) {
      const int partner = SuitIndex(PartnerSuit(c.suit));
      delta[static_cast<std::size_t>(partner)] += kLeftBowerValue - asSide;
      ++trumps[static_cast<std::size_t>(partner)];
    }
  }
  std::array<Score, 5> v{};
  for (std::size_t s = 1; s <= 4; ++s) v[s] = side + delta[s] + LengthBonus(trumps[s]);
  return v;
}

Suit DecideBid(const Hand& cards, int firstBidder, Suit suit, CardCode turnedCard) {
  Hand copy = cards;
  const bool firstRound = suit != kNoSuit;
  if (firstRound && firstBidder == 2) {
    copy.cards[6] = turnedCard;
    copy.strengths[6] = BaseStrength(turnedCard.rank);
    const int thrown = ChooseDiscard(copy, suit);
    copy.cards[thrown] = kNoCard;
    copy.strengths[thrown] = kEmptyStrength;
  }

  std::array<Score, 5> value = EvaluateAllSuits(copy);

  if (firstRound) {
    const int t = SuitIndex(suit);
    if (firstBidder == 2) return value[t] >= kBidThreshold ? suit : kNoSuit;
    value[t] -= TurnedCardPenalty(turnedCard.rank);
    Score best = 0;
    for (int s = 1; s <= 4; ++s)
      if (value[s] > best) best = value[s];
    const Hand rewritten = RewriteForTrump(copy, suit);
    const bool accept = value[t] >= best && value[t] >= kBidThreshold && CountSuit(rewritten, suit) >= 2;
    return accept ? suit : kNoSuit;
  }

  // Second round: the best suit other than the turned one; a later suit with
  // an equal score wins. The left bower counts under its printed suit here.
  int chosen = 0;
  Score best = 0;
  for (int s = 1; s <= 4; ++s) {
    if (kSuitOrder[s] == turnedCard.suit) continue;
    if (value[s] >= best) {
      best = value[s];
      chosen = s;
    }
  }
  if (chosen && value[chosen] >= kBidThreshold && CountSuit(copy, kSuitOrder[chosen]) >= 2) return kSuitOrder[chosen];
  return kNoSuit;
}

}  // namespace quarlo
