// The rules of a deal as state transitions: dealing, the two bidding rounds,
// trick play and scoring. They change DealState and GameState only; what the
// table shows for each step is the Game's business.
#pragma once

#include "engine/state.h"

namespace quarlo {

// Resets the game for a new game (continuing false) or the deal for the next
// deal: scores, deal number, trick state. The hands are dealt by DealFromPack.
void BeginDeal(DealState& deal, GameState& game, bool continuing);
// Hands places 1..5 from pack positions 1..5 (player 1) and 6..10 (player 2),
// trump from the turned card, both hands in display order.
void DealFromPack(DealState& deal, const Pack& pack);
// Who speaks first in the local game: player 1 when (game + deal - 1) is odd.
int LocalFirstBidder(int gameNumber, int dealNumber);
// Sets FirstBidder, Dealer, TrickLeader and the opening phase.
void SetFirstBidder(DealState& deal, GameState& game, int firstBidder);

// Local deal from a freshly shuffled pack, first bidder by the local rule.
void StartDeal(DealState& deal, GameState& game, bool continuing, const Pack& pack);

void AcceptTurnedSuit(DealState& deal, GameState& game, int player);
void PassFirstRound(DealState& deal, GameState& game, int player);
void PassSecondRound(DealState& deal, GameState& game, int player);
void NameTrump(DealState& deal, GameState& game, int player, Suit suit);
// The dealer takes the turned card into place 6; returns its place after the
// hand is put into display order.
int PickUpTurnedCard(DealState& deal, int dealer);
void Discard(DealState& deal, GameState& game, int player, int place);
// Phase 16 -> the first bidder leads; the hands are kept for the end display.
void BeginPlay(DealState& deal, GameState& game);

// True when player 2 may not play the card at this place now.
bool IsIllegal(const DealState& deal, int place);
// Same test for any hand against a led card (follow suit, bowers counted).
bool IsIllegalFollow(const Hand& hand, int place, CardCode led, Suit trump);
// Plays the card; resolves the trick when it is the second card. Returns the
// slot (1 or 2) the card went to.
int PlayCard(DealState& deal, GameState& game, int player, int place);
// The winner of two cards, card 1 led by leader.
int TrickWinner(CardCode led, std::uint8_t ledStrength, CardCode second, std::uint8_t secondStrength, int leader,
                Suit trump);
int ResolveTrick(DealState& deal);
// Clears the trick; scores the deal after the fifth. Returns true then.
bool CollectTrick(DealState& deal, GameState& game, bool showCardsAtEnd);

// Points for maker m with t tricks: {points, winner}.
struct DealScore {
  int points;
  int winner;
};
DealScore ScoreForTricks(int maker, int makerTricks);
void ScoreDeal(DealState& deal, GameState& game, bool showCardsAtEnd);
void SumUpGame(GameState& game);

}  // namespace quarlo
