#include "server/tournament_records.h"

#include <cmath>

namespace quarlo::server {

long long TournamentRating(long long score, long long games) {
  if (games <= 0) return 0;
  const double rating = static_cast<double>(score) / static_cast<double>(games) + static_cast<double>(games) / 20.0;
  return std::llround(rating);
}

std::optional<TournamentStanding> ReadTournamentStanding(Db& db, const std::string& nick) {
  const auto rows = db.Query(
      "SELECT t.score, t.kon, t.rating FROM accounts a LEFT JOIN tournament t ON t.nick = a.nick "
      "WHERE a.nick = ?",
      {nick});
  if (rows.empty()) return std::nullopt;
  return TournamentStanding{AsInt(rows[0][0]), AsInt(rows[0][1]), AsInt(rows[0][2])};
}

namespace {

void AddGame(Db& db, const std::string& nick, long long result) {
  const auto rows = db.Query("SELECT score, kon FROM tournament WHERE nick = ?", {nick});
  const long long score = (rows.empty() ? 0 : AsInt(rows[0][0])) + result;
  const long long kon = (rows.empty() ? 0 : AsInt(rows[0][1])) + 1;
  db.Run(
      "INSERT INTO tournament (nick, score, kon, rating) VALUES (?, ?, ?, ?) "
      "ON CONFLICT(nick) DO UPDATE SET score = excluded.score, kon = excluded.kon, rating = excluded.rating",
      {nick, score, kon, TournamentRating(score, kon)});
}

}  // namespace

void RecordTournamentGame(Db& db, const std::string& nick1, long long result1, const std::string& nick2,
                          long long result2) {
  Transaction t(db);
  AddGame(db, nick1, result1);
  AddGame(db, nick2, result2);
  t.Commit();
}

}  // namespace quarlo::server
