// The state of one deal and of one game, and the phase numbers that say who
// must act next.
#pragma once

#include <array>

#include "engine/cards.h"
#include "engine/deal.h"

namespace quarlo {

namespace phase {
inline constexpr int kBid1Player1 = 1;   // first round, player 1 to speak
inline constexpr int kBid1Player2 = 2;   // first round, player 2 to speak
inline constexpr int kTimeUp = 5;        // tournament game ended by the server
inline constexpr int kBid2Player1 = 11;  // second round, player 1 to speak
inline constexpr int kBid2Player2 = 12;  // second round, player 2 (suit dialog)
inline constexpr int kPickUp = 13;       // turned suit accepted, dealer to pick up
inline constexpr int kDiscard = 14;      // player 2 is the dealer and must discard
inline constexpr int kTrumpFixed = 16;   // waiting for "To Begin of Round"
inline constexpr int kPlay1 = 21;        // player 1 to play
inline constexpr int kPlay2 = 22;        // player 2 to play
inline constexpr int kTrickDone = 23;    // trick complete, waiting for "Ok"
inline constexpr int kDealOver = 30;     // deal scored or voided, game goes on
inline constexpr int kGameOver = 31;     // game over, result not yet summed
}  // namespace phase

struct DealState {
  Pack pack;
  int nextPackIndex = 11;
  std::array<Hand, 3> hands{};  // [1] player 1 (the opponent), [2] the person here
  Suit trump = kNoSuit;
  int firstBidder = 1;
  int dealer = 2;
  int maker = 0;
  bool trumpFromSecondRound = false;
  int trickNumber = 1;
  int trickPosition = 1;
  std::array<CardCode, 3> tableCards{kNoCard, kNoCard, kNoCard};
  std::array<std::uint8_t, 3> tableStrengths{kEmptyStrength, kEmptyStrength, kEmptyStrength};
  Suit ledSuit = kNoSuit;
  int trickLeader = 1;
  std::array<int, 3> tricks{};
  std::array<CardCode, 11> played{};    // trick k fills 2k-1 (led) and 2k
  std::array<bool, 5> opponentVoid{};   // by SuitOrder: player 2 failed to follow
  int dealWinner = 0;
  std::array<Hand, 3> handsAtPlayStart{};  // for the end-of-deal display
  bool pickedUp = false;                   // the turned card has left the pack
};

struct GameState {
  std::array<int, 3> scores{};
  std::array<int, 3> gains{};  // points gained in the last scored deal
  int targetScore = 7;
  int dealNumber = 0;
  int gameNumber = 1;
  bool gameOver = false;
  bool summed = false;
  int phase = phase::kBid1Player1;
  bool dealBegun = false;
  int scoreDiff = 0;
  int cycleTotal = 0;
};

inline constexpr int kCycleLength = 20;

inline constexpr int Other(int player) { return 3 - player; }

}  // namespace quarlo
