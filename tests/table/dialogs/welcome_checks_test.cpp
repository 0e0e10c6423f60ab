#include "table/dialogs/welcome_checks.h"

#include <gtest/gtest.h>

#include "records/club_file.h"

namespace quarlo {
namespace {

std::string MemberLine(const std::string& name, const std::string& password) {
  return FormatMemberLine(ClubMember{name, 1.5, 12, 40, password});
}

WelcomeInput Member(const std::string& password) {
  WelcomeInput in;
  in.seat = 2;
  in.memberLine = MemberLine("Anna", password);
  return in;
}

WelcomeInput NewPlayer() { return WelcomeInput{}; }

struct Case {
  const char* what;
  WelcomeInput input;
  std::string name, password, confirmation;
  WelcomeFault fault;
  WelcomeField focus;
};

TEST(WelcomeChecks, ChecksRunInOrderAndNameTheField) {
  std::string corrupt = MemberLine("Anna", "ab");
  corrupt.replace(44, 3, "9x9");
  WelcomeInput corrupted = Member("ab");
  corrupted.memberLine = corrupt;
  const Case cases[] = {
      {"empty name before any password check", NewPlayer(), "", "a", "b", WelcomeFault::kIncorrectName,
       WelcomeField::kName},
      {"blank name", NewPlayer(), "   ", "", "", WelcomeFault::kIncorrectName, WelcomeField::kName},
      {"confirmation differs", NewPlayer(), "Bob", "abc", "abd", WelcomeFault::kPasswordsDiffer,
       WelcomeField::kPassword},
      {"new player, same passwords", NewPlayer(), "Bob", "abc", "abc", WelcomeFault::kNone, WelcomeField::kName},
      {"new player, no password", NewPlayer(), "Bob", "", "", WelcomeFault::kNone, WelcomeField::kName},
      {"member, short password typed exactly", Member("ab"), "Anna", "ab", "", WelcomeFault::kNone,
       WelcomeField::kName},
      {"member, confirmation is not asked", Member("ab"), "Anna", "ab", "zz", WelcomeFault::kNone, WelcomeField::kName},
      {"member, longer password", Member("ab"), "Anna", "abc", "", WelcomeFault::kIncorrectPassword,
       WelcomeField::kPassword},
      {"member, empty password against a real one", Member("ab"), "Anna", "", "", WelcomeFault::kIncorrectPassword,
       WelcomeField::kPassword},
      {"member, case matters", Member("ab"), "Anna", "AB", "", WelcomeFault::kIncorrectPassword,
       WelcomeField::kPassword},
      {"member with blank password, empty typed", Member(""), "Anna", "", "", WelcomeFault::kNone, WelcomeField::kName},
      {"member with blank password, something typed", Member(""), "Anna", "x", "", WelcomeFault::kIncorrectPassword,
       WelcomeField::kPassword},
      {"unreadable stored password", corrupted, "Anna", "ab", "", WelcomeFault::kIncorrectPassword,
       WelcomeField::kPassword},
  };
  for (const Case& c : cases) {
    const WelcomeOutcome out = CheckWelcome(c.input, c.name, c.password, c.confirmation);
    EXPECT_EQ(out.fault, c.fault) << c.what;
    if (c.fault != WelcomeFault::kNone) {
      EXPECT_EQ(out.focus, c.focus) << c.what;
    }
    // The name is kept as soon as it passed, whatever follows.
    EXPECT_EQ(out.nameAccepted, c.fault != WelcomeFault::kIncorrectName) << c.what;
  }
}

TEST(WelcomeChecks, ResultIsPaddedForTheClubFile) {
  const WelcomeOutcome fresh = CheckWelcome(NewPlayer(), "Bob", "ab", "ab");
  ASSERT_EQ(fresh.fault, WelcomeFault::kNone);
  EXPECT_EQ(fresh.result.seat, 6);
  EXPECT_EQ(fresh.result.nick, "Bob" + std::string(17, ' '));
  EXPECT_EQ(fresh.result.password, "ab   ");
  EXPECT_EQ(fresh.playerName, "Bob");
  EXPECT_EQ(CheckWelcome(NewPlayer(), "Bob", "", "").result.password, "     ");

  const WelcomeOutcome member = CheckWelcome(Member("ab"), "Anna", "ab", "");
  ASSERT_EQ(member.fault, WelcomeFault::kNone);
  EXPECT_EQ(member.result.seat, 2);
  EXPECT_EQ(member.result.nick, "Anna" + std::string(16, ' '));
  EXPECT_EQ(member.result.password, "ab   ");
}

TEST(WelcomeChecks, InitialName) {
  WelcomeInput in;
  EXPECT_EQ(InitialWelcomeName(in, "  Bob "), "Bob");
  EXPECT_EQ(InitialWelcomeName(in, std::string(21, 'x')), "Mr.X");
  EXPECT_EQ(InitialWelcomeName(in, std::string(20, 'x')), std::string(20, 'x'));
  in.renaming = true;
  in.playerNick = " Eve" + std::string(16, ' ');
  EXPECT_EQ(InitialWelcomeName(in, "Bob"), " Eve");

  EXPECT_EQ(InitialWelcomeName(Member("ab"), "Bob"), "Anna" + std::string(16, ' '));
}

}  // namespace
}  // namespace quarlo
