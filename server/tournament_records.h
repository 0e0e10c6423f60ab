// Players' tournament records: score (the sum of their game results), the
// number of games and a rating computed from both.
#pragma once

#include <optional>
#include <string>

#include "server/store.h"

namespace quarlo::server {

// The rating follows the account rating, in whole points: the average result
// per game plus one point for every 20 games played, rounded to the nearest
// integer (halves away from zero); 0 before the first game.
long long TournamentRating(long long score, long long games);

struct TournamentStanding {
  long long score = 0, kon = 0, rating = 0;
};

// Nothing when the nick has no account; zeros for an account that never
// played in the tournament.
std::optional<TournamentStanding> ReadTournamentStanding(Db& db, const std::string& nick);

// Adds one game with its result to each of the two players' records.
void RecordTournamentGame(Db& db, const std::string& nick1, long long result1, const std::string& nick2,
                          long long result2);

// The largest result of one game (a game is won 7:0 at most, ten points per
// point of difference); a forfeit counts as this result.
inline constexpr long long kMaxGameResult = 70;

}  // namespace quarlo::server
