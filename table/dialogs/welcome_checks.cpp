#include "table/dialogs/welcome_checks.h"

#include <optional>

#include "records/club_file.h"

namespace quarlo {
namespace {

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return TrimRight(s);
}

std::string Padded(std::string_view s, std::size_t width) {
  std::string out(s.substr(0, width));
  out.resize(width, ' ');
  return out;
}

// The member's password as stored in the line, turned back into 5 characters.
std::optional<std::string> StoredPassword(std::string_view memberLine) {
  if (memberLine.size() < kMemberLineLength) return std::nullopt;
  return DecodePassword(memberLine.substr(44, 15));
}

}  // namespace

std::string InitialWelcomeName(const WelcomeInput& input, std::string_view playerName) {
  if (IsMemberSeat(input.seat)) return std::string(input.memberLine.substr(0, kMaxNameLength));
  if (input.renaming) return std::string(TrimRight(input.playerNick));
  return std::string(Trim(playerName.size() <= kMaxNameLength ? playerName : std::string_view("Mr.X")));
}

WelcomeOutcome CheckWelcome(const WelcomeInput& input, std::string_view name, std::string_view password,
                            std::string_view confirmation) {
  WelcomeOutcome out;
  name = name.substr(0, kMaxNameLength);
  password = password.substr(0, kPasswordLength);
  confirmation = confirmation.substr(0, kPasswordLength);

  // A name of blanks alone would leave an invisible player in the records.
  if (Trim(name).empty()) {
    out.fault = WelcomeFault::kIncorrectName;
    out.focus = WelcomeField::kName;
    return out;
  }
  out.nameAccepted = true;
  out.playerName = std::string(name);

  const bool member = IsMemberSeat(input.seat);
  if (!member && password != confirmation) {
    out.fault = WelcomeFault::kPasswordsDiffer;
    out.focus = WelcomeField::kPassword;
    return out;
  }
  if (member) {
    const std::optional<std::string> stored = StoredPassword(input.memberLine);
    if (!stored || Padded(password, kPasswordLength) != *stored) {
      out.fault = WelcomeFault::kIncorrectPassword;
      out.focus = WelcomeField::kPassword;
      return out;
    }
  }

  out.result.seat = input.seat;
  // A member keeps the name of the club line, exactly as it stands there.
  out.result.nick = Padded(member ? std::string_view(input.memberLine).substr(0, kNameLength) : name, kNameLength);
  out.result.password = Padded(password, kPasswordLength);
  return out;
}

}  // namespace quarlo
