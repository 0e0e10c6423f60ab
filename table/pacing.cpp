#include "table/pacing.h"

#include <cmath>
#include <cstdlib>

namespace quarlo {

int Pacing::CueMs(const std::string& name) const {
  // The lengths of the recorded cues; the table waits that long after each.
  int ms = 0;
  if (name == "WTasoKo") ms = 700;
  else if (name == "WDing_1" || name == "WDiPass") ms = 450;
  else if (name == "WHodsDo") ms = 180;
  else if (name == "WKoGutX" || name == "WKoBadX") ms = 700;
  return static_cast<int>(std::lround(ms * factor));
}

int Pacing::PauseMs(int ms) const { return static_cast<int>(std::lround(ms * factor)); }

int Pacing::FlightMs(int steps) const {
  // Milliseconds per pixel step by card speed: 2, 1, every second step 1,
  // every third step 1, then no waiting at all (drawing still costs a little).
  static constexpr double kPerStep[] = {2.0, 1.0, 0.5, 1.0 / 3, 0.12, 0.08};
  const int speed = cardSpeed < 1 ? 1 : cardSpeed > 6 ? 6 : cardSpeed;
  return static_cast<int>(std::lround(steps * kPerStep[speed - 1] * factor));
}

Pacing Pacing::FromEnvironment() {
  Pacing p;
  if (const char* v = std::getenv("QUARLO_PACE")) {
    char* end = nullptr;
    const double f = std::strtod(v, &end);
    if (end != v && f >= 0 && f <= 10) p.factor = f;
  }
  return p;
}

}  // namespace quarlo
