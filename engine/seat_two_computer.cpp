#include "engine/seat_two_computer.h"

#include "engine/computer.h"

namespace quarlo {

void SeatTwoComputer::Observe(const Game& game) {
  const DealState& deal = game.Deal();
  if (game.State().dealNumber != dealNumber_) {
    dealNumber_ = game.State().dealNumber;
    opponentVoid_ = {};
    trickNumber_ = deal.trickNumber;
  }
  // A trick finished since the last look: did seat 1 fail to follow our lead?
  if (deal.trickNumber != trickNumber_) {
    const int t = deal.trickNumber - 1;
    if (trickLeader_ == 2 && t >= 1) {
      const Suit led = EffectiveCard(deal.played[2 * t - 1], BaseStrength(deal.played[2 * t - 1].rank), deal.trump)
                           .code.suit;
      const Suit second =
          EffectiveCard(deal.played[2 * t], BaseStrength(deal.played[2 * t].rank), deal.trump).code.suit;
      if (second != led) opponentVoid_[SuitIndex(led)] = true;
    }
    trickNumber_ = deal.trickNumber;
  }
  if (deal.trickPosition == 1) trickLeader_ = deal.trickLeader;
}

bool SeatTwoComputer::Step(Game& game) {
  if (!game.Running()) return false;
  Observe(game);
  const DealState& deal = game.Deal();
  const GameState& state = game.State();
  const CardCode turned = deal.pack.cards[24];
  const int ownFirstBidder = deal.firstBidder == 2 ? 1 : 2;

  if (!state.dealBegun) {
    game.OnButton7();
  } else {
    switch (state.phase) {
      case phase::kBid1Player2:
        if (DecideBid(deal.hands[2], ownFirstBidder, deal.trump, turned) == deal.trump)
          game.OnButton7();
        else
          game.OnButton8();
        break;
      case phase::kBid2Player2: game.OnTrumpChosen(DecideBid(deal.hands[2], ownFirstBidder, kNoSuit, turned)); break;
      case phase::kDiscard: game.OnHandClick(MouseButton::Left, ChooseDiscard(deal.hands[2], deal.trump)); break;
      case phase::kPlay2: {
        PlayView view;
        view.trump = deal.trump;
        if (deal.trickPosition == 2) {
          view.led = deal.tableCards[1];
          view.ledStrength = deal.tableStrengths[1];
        }
        view.opponentVoid = opponentVoid_;
        view.played = deal.played;
        game.OnHandClick(MouseButton::Left, ChooseCard(deal.hands[2], view));
        break;
      }
      case phase::kGameOver:
        if (state.summed)
          game.OnButton8();
        else
          game.OnButton7();
        break;
      case phase::kBid1Player1:
      case phase::kBid2Player1:
      case phase::kPlay1: game.PhaseStep(); break;
      default: game.OnButton7(); break;
    }
  }
  Observe(game);
  return game.Running();
}

}  // namespace quarlo
