// Every duration of the table in one place: pauses, waiting cues and card
// flights, all scaled by one factor (0 in tests, so a game runs at once).
#pragma once

#include <string>

namespace quarlo {

struct Pacing {
  double factor = 1.0;
  int cardSpeed = 4;  // 1 slowest .. 6 fastest
  bool flyCards = true;

  // How long a waiting cue holds the table, in milliseconds.
  int CueMs(const std::string& name) const;
  int PauseMs(int ms) const;
  // The whole flight over `steps` pixels.
  int FlightMs(int steps) const;

  // The factor from QUARLO_PACE (a number, e.g. 0 or 0.5) or 1.
  static Pacing FromEnvironment();
};

}  // namespace quarlo
