// A computer player in seat 2: it gives the Game the inputs a person would
// (buttons, the suit dialog, card clicks), deciding by the same rules the
// computer uses in seat 1, applied from its own side. Drives self-play and
// whole-game tests.
#pragma once

#include <array>

#include "engine/game.h"

namespace quarlo {

class SeatTwoComputer {
 public:
  // Feeds one input for the current phase (the tick in the computer's
  // phases). Returns false when the game is no longer running.
  bool Step(Game& game);

 private:
  void Observe(const Game& game);

  int dealNumber_ = -1;
  int trickNumber_ = 0;
  int trickLeader_ = 0;
  std::array<bool, 5> opponentVoid_{};  // where seat 1 failed to follow
};

}  // namespace quarlo
