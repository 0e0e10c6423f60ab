// Whole games between the computer in seat 1 and a computer in seat 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quarlo {

struct SelfPlaySummary {
  long games = 0;
  long deals = 0;
  long voidedDeals = 0;
  long madeBids = 0;  // deals the maker won
  long points[3] = {0, 0, 0};
  long gamesWon[3] = {0, 0, 0};
  double seconds = 0;
  bool stuck = false;  // a game stopped making progress
};

SelfPlaySummary RunSelfPlay(long games, std::optional<std::uint64_t> seed);
std::string FormatSummary(const SelfPlaySummary& s);

}  // namespace quarlo
