#include <gtest/gtest.h>

#include "engine/rules.h"
#include "fixture.h"

namespace quarlo {
namespace {

using test::C;
using test::H;

// A deal in trick play: player 1 has led `led`, player 2 holds `hand`.
DealState AfterLead(Suit trump, const std::string& led, const std::string& hand) {
  DealState d;
  d.trump = trump;
  d.trickLeader = 1;
  d.trickPosition = 2;
  d.tableCards[1] = C(led);
  d.tableStrengths[1] = BaseStrength(d.tableCards[1].rank);
  d.hands[2] = H(hand);
  d.played.fill(kNoCard);
  return d;
}

std::string LegalPlaces(const DealState& d) {
  std::string out;
  for (int i = 1; i <= 6; ++i)
    if (!d.hands[2].cards[i].Empty() && !IsIllegal(d, i)) out += std::to_string(i);
  return out;
}

TEST(IsIllegal, FollowSuitWithBowers) {
  struct Case {
    Suit trump;
    const char* led;
    const char* hand;
    const char* legal;
  };
  const Case cases[] = {
      {kHearts, "JD", "9H AS QD", "1"},     // led left bower: follow with a trump
      {kHearts, "JD", "AS QD TS", "123"},   // no trump: anything
      {kHearts, "9D", "JD AS 9C", "123"},   // the jack of Diamonds is a trump here
      {kHearts, "9D", "JD KD AS", "2"},     // ... and may not follow Diamonds
      {kHearts, "AH", "JD KS 9C", "1"},     // a trump lead may be followed with the left bower
      {kSpades, "AC", "JC QC 9H", "2"},     // left bower of Spades cannot follow Clubs
      {kClubs, "KH", "9H TH JC", "12"},
  };
  for (const Case& c : cases) EXPECT_EQ(LegalPlaces(AfterLead(c.trump, c.led, c.hand)), c.legal) << c.led << " " << c.hand;

  DealState leading = AfterLead(kHearts, "AH", "9C 9S");
  leading.trickLeader = 2;
  EXPECT_EQ(LegalPlaces(leading), "12");
}

TEST(ResolveTrick, WinnerByTrumpAndSuit) {
  struct Case {
    Suit trump;
    int leader;
    const char* c1;
    const char* c2;
    int winner;
  };
  const Case cases[] = {
      {kHearts, 1, "JH", "JD", 1}, {kHearts, 2, "JD", "JH", 1},  // right bower beats left, whoever led
      {kHearts, 1, "AS", "9H", 2},                               // a trump on a plain lead wins
      {kHearts, 1, "9S", "AC", 1},                               // a higher plain card of another suit loses
      {kHearts, 2, "9S", "KS", 1},                               // same suit, higher wins
      {kHearts, 1, "AD", "JD", 2},                               // left bower trumps its printed suit
      {kHearts, 1, "AH", "JD", 2},                               // left bower above the ace
      {kClubs, 2, "TC", "QC", 1},
  };
  for (const Case& c : cases) {
    const CardCode a = C(c.c1), b = C(c.c2);
    EXPECT_EQ(TrickWinner(a, BaseStrength(a.rank), b, BaseStrength(b.rank), c.leader, c.trump), c.winner)
        << c.c1 << " " << c.c2;
  }
}

TEST(PlayCard, TrickFlowAndOpponentVoid) {
  DealState d;
  GameState g;
  d.trump = kHearts;
  d.trickLeader = 1;
  d.played.fill(kNoCard);
  d.hands[1] = H("AC KS");
  d.hands[2] = H("9D QS");
  g.phase = phase::kPlay1;

  EXPECT_EQ(PlayCard(d, g, 1, 1), 1);
  EXPECT_EQ(g.phase, phase::kPlay2);
  EXPECT_EQ(d.ledSuit, kClubs);
  EXPECT_EQ(d.hands[1].count, 1);
  EXPECT_EQ(PlayCard(d, g, 2, 1), 2);  // fails to follow Clubs
  EXPECT_EQ(g.phase, phase::kTrickDone);
  EXPECT_TRUE(d.opponentVoid[SuitIndex(kClubs)]);
  EXPECT_EQ(d.tricks[1], 1);
  EXPECT_EQ(d.trickLeader, 1);
  EXPECT_EQ(d.trickNumber, 2);
  EXPECT_EQ(d.played[1], C("AC"));
  EXPECT_EQ(d.played[2], C("9D"));

  EXPECT_FALSE(CollectTrick(d, g, false));
  EXPECT_EQ(g.phase, phase::kPlay1);
  EXPECT_TRUE(d.tableCards[1].Empty());
  // Following suit marks nothing.
  PlayCard(d, g, 1, 1);
  PlayCard(d, g, 2, 1);
  EXPECT_TRUE(d.opponentVoid[SuitIndex(kClubs)]);
  EXPECT_FALSE(d.opponentVoid[SuitIndex(kSpades)]);
  EXPECT_EQ(d.tricks[2], 0);
}

TEST(Scoring, PointsByMakerTricks) {
  const int points[6] = {2, 2, 2, 1, 1, 2};
  for (int t = 0; t <= 5; ++t) {
    const DealScore s = ScoreForTricks(2, t);
    EXPECT_EQ(s.points, points[t]) << t;
    EXPECT_EQ(s.winner, t <= 2 ? 1 : 2) << t;
  }
}

TEST(Scoring, GameEndsAtSevenAndSumsUp) {
  DealState d;
  GameState g;
  g.scores = {0, 6, 5};
  d.maker = 2;
  d.tricks = {0, 0, 5};
  ScoreDeal(d, g, false);
  EXPECT_EQ(g.scores[2], 7);
  EXPECT_EQ(g.phase, phase::kGameOver);
  EXPECT_EQ(d.dealWinner, 2);
  EXPECT_EQ(g.gains[2], 2);
  SumUpGame(g);
  EXPECT_EQ(g.scores[2], 10);
  EXPECT_EQ(g.scores[1], -10);
  EXPECT_EQ(g.scoreDiff, 10);
  EXPECT_TRUE(g.gameOver);

  GameState shutout;
  shutout.scores = {0, 8, 0};
  SumUpGame(shutout);
  EXPECT_EQ(shutout.scores[1], 80);
  EXPECT_EQ(shutout.scores[2], -80);

  GameState goesOn;
  goesOn.scores = {0, 2, 3};
  DealState euchred;
  euchred.maker = 1;
  euchred.tricks = {0, 2, 3};
  ScoreDeal(euchred, goesOn, false);
  EXPECT_EQ(goesOn.scores[2], 5);
  EXPECT_EQ(goesOn.phase, phase::kDealOver);
}

TEST(FirstBidder, AlternatesByDealAndGame) {
  EXPECT_EQ(LocalFirstBidder(1, 1), 1);
  EXPECT_EQ(LocalFirstBidder(1, 2), 2);
  EXPECT_EQ(LocalFirstBidder(2, 1), 2);
  EXPECT_EQ(LocalFirstBidder(2, 2), 1);
}

}  // namespace
}  // namespace quarlo
