// The welcome dialog's rules without the widgets: what the fields show at
// first, the checks of "Ok" in their order, and what a confirmed choice hands
// back. Texts are Windows-1251 bytes, as the club file and settings hold them.
#pragma once

#include <string>
#include <string_view>

namespace quarlo {

inline constexpr int kFirstMemberSeat = 1;
inline constexpr int kLastMemberSeat = 5;
inline constexpr int kNewPlayerSeat = 6;
inline constexpr std::size_t kMaxNameLength = 20;

constexpr bool IsMemberSeat(int seat) { return seat >= kFirstMemberSeat && seat <= kLastMemberSeat; }

// Who the dialog is for.
struct WelcomeInput {
  int seat = kNewPlayerSeat;  // 1..5 a club member, 6 a new player
  // Seats 1..5: the member's line of the club file in use (59 characters).
  std::string memberLine;
  // Seat 6 while a game runs (renaming): the game's 20-character name.
  std::string playerNick;
  bool renaming = false;
};

// The name field's first text: the member's name (characters 1..20 of the
// line) for seats 1..5; for seat 6 the game's name without trailing blanks
// when renaming, else `playerName` (the last typed name, from the settings)
// when it has at most 20 characters (otherwise "Mr.X"), blanks removed at
// both ends.
std::string InitialWelcomeName(const WelcomeInput& input, std::string_view playerName);

enum class WelcomeFault { kNone, kIncorrectName, kPasswordsDiffer, kIncorrectPassword };
enum class WelcomeField { kName, kPassword };

// The answer of a confirmed dialog.
struct WelcomeResult {
  int seat = kNewPlayerSeat;
  std::string nick;      // the name padded with blanks to 20 characters
  std::string password;  // the typed password padded with blanks to 5
};

struct WelcomeOutcome {
  WelcomeFault fault = WelcomeFault::kNone;
  WelcomeField focus = WelcomeField::kName;  // the field to focus on a fault
  // The name to keep as the last typed one: set as soon as the name passes
  // its check, even when a password check fails afterwards.
  bool nameAccepted = false;
  std::string playerName;
  WelcomeResult result;  // valid when fault is kNone
};

// Runs the checks in their order: the name, then the confirmation (seat 6),
// then the member's stored password (seats 1..5).
WelcomeOutcome CheckWelcome(const WelcomeInput& input, std::string_view name, std::string_view password,
                            std::string_view confirmation);

}  // namespace quarlo
