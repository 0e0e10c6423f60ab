// What a finished or abandoned game does to the club file in use, the rating
// rule, and the values of the general score window.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "records/club_file.h"
#include "records/result.h"

namespace quarlo {

// r' = (n r + s / 20) / (n + 1), rounded to millionths (halves to even) and
// held within -99.99..99.99.
double NewRating(int gamesBefore, double ratingBefore, int score);

// The player of the current game and the values the game starts from.
struct ClubPlayer {
  int seat = 6;  // 1..5 a member, 6 a new player; 7 account, 8 tournament
  std::string name;
  std::string password;
  int gamesPlayed = 0;
  int initialScore = 0;
  double initialRating = 0.0;
  int GameNumber() const { return gamesPlayed + 1; }
};

// Seat 1..5: the member in that line of the club file in use.
Result<ClubPlayer> LoadMember(const std::filesystem::path& clubFile, int seat);
// Seat 6: a player not yet in the club.
ClubPlayer NewClubPlayer(std::string_view name, std::string_view password);

struct GameRecordOutcome {
  int gameNumber = 0;
  int cycleScore = 0;
  double newRating = 0.0;
  bool cycleComplete = false;
  int place = 0;         // 1..10 in the top ten after a complete cycle, else 0
  bool inClub = false;   // the member line found a slot
  bool stored = false;   // false when the file may not be written this run
};

// The club file's new lines after a game; no file access.
ClubLines ApplyGameResult(ClubLines lines, const ClubPlayer& player, int score, GameRecordOutcome& outcome);

// Records a finished game: the player's old line leaves its slot, a complete
// cycle may enter the top ten (the score then starts again at 0), and the new
// line takes its place by rating. The file is replaced once, crash-safely, and
// only when `writable`; a failure to write gives kErrorOfDiskWriting.
Result<GameRecordOutcome> RecordGameResult(const std::filesystem::path& clubFile, const ClubPlayer& player,
                                           int score, bool writable);

// Re-files a member under a new name and password: its line (with the values
// it had when the game began) leaves its slot and goes back in by rating.
// Returns the member's slot now, which later steps of the game must use.
Result<int> RenameMember(const std::filesystem::path& clubFile, const ClubPlayer& player, std::string_view name,
                         std::string_view password, bool writable);

// Removes the member of a running game that the player leaves (seats 1..5);
// other seats leave the file unchanged.
Status DropCurrentMember(const std::filesystem::path& clubFile, int seat, bool writable);

// The seven texts of the general score window.
struct TCount {
  std::string count_KonAll;  // general number of games
  std::string count_KonCur;  // number of the game in the current cycle
  std::string count_ScoBeg;  // initial score
  std::string count_ScoCur;  // current score
  std::string count_ScoAll;  // general score
  std::string count_ReiBeg;  // initial rating
  std::string count_ReiCur;  // current rating
};

// A game against the computer or a LAN game, not for the global rating.
TCount LocalCountValues(const ClubPlayer& player, int currentScore);
// A game for the global rating: the account's game number in its cycle and
// the account rating.
TCount AccountCountValues(const ClubPlayer& player, int currentScore, int accountGameInCycle,
                          double accountRating);
// An online tournament game.
TCount TournamentCountValues(int gameNumber, int scoreBefore, int currentScore, double tournamentRating);

}  // namespace quarlo
