#include "selfplay.h"

#include <chrono>
#include <cstdio>

#include "engine/seat_two_computer.h"

namespace quarlo {

SelfPlaySummary RunSelfPlay(long games, std::optional<std::uint64_t> seed) {
  SelfPlaySummary s;
  GameSetup setup;
  setup.recordEffects = false;
  setup.seed = seed;
  Game game(setup);
  const auto start = std::chrono::steady_clock::now();
  for (long g = 0; g < games; ++g) {
    SeatTwoComputer seat2;
    game.NewGame();
    int counted = -1;  // deal number already counted
    bool gameCounted = false;
    for (long steps = 0; game.Running(); ++steps) {
      if (steps > 100000) {
        s.stuck = true;
        break;
      }
      seat2.Step(game);
      const GameState& st = game.State();
      const bool ended = st.phase == phase::kDealOver || st.phase == phase::kGameOver;
      if (ended && st.dealBegun && counted != st.dealNumber) {
        counted = st.dealNumber;
        const DealState& d = game.Deal();
        ++s.deals;
        if (d.maker == 0) {
          ++s.voidedDeals;
        } else {
          if (d.dealWinner == d.maker) ++s.madeBids;
          s.points[1] += st.gains[1];
          s.points[2] += st.gains[2];
        }
      }
      if (st.phase == phase::kGameOver && st.summed && !gameCounted) {
        gameCounted = true;
        ++s.gamesWon[st.scores[2] > 0 ? 2 : 1];
      }
    }
    if (s.stuck) break;
    ++s.games;
  }
  s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return s;
}

std::string FormatSummary(const SelfPlaySummary& s) {
  const long bids = s.deals - s.voidedDeals;
  char buf[1024];
  std::snprintf(buf, sizeof buf,
                "games: %ld\n"
                "games won: player 1 %ld, player 2 %ld\n"
                "deals: %ld\n"
                "points: player 1 %ld, player 2 %ld\n"
                "maker made its bid: %ld of %ld (%.1f%%)\n"
                "voided deals: %ld (%.1f%%)\n"
                "seconds: %.3f\n"
                "deals per second: %.0f\n",
                s.games, s.gamesWon[1], s.gamesWon[2], s.deals, s.points[1], s.points[2], s.madeBids, bids,
                bids ? 100.0 * s.madeBids / bids : 0.0, s.voidedDeals,
                s.deals ? 100.0 * s.voidedDeals / s.deals : 0.0, s.seconds, s.seconds > 0 ? s.deals / s.seconds : 0.0);
  std::string out = buf;
  if (s.stuck) out += "error: a game stopped making progress\n";
  return out;
}

}  // namespace quarlo
