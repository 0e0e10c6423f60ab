// Club files: layout and start-up check, members and top ten after games.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "records/club_file.h"
#include "records/club_record.h"
#include "records/record_io.h"
#include "scratch_dir.h"

namespace quarlo {
namespace {

using testing::Fixture;

ClubLines MakeClub(const std::vector<ClubMember>& members, const std::vector<TopTenEntry>& top = {}) {
  ClubLines l = EmptyClubLines();
  for (std::size_t i = 0; i < members.size(); ++i) l[i] = FormatMemberLine(members[i]);
  for (std::size_t i = 0; i < top.size(); ++i) l[5 + i] = FormatTopTenLine(top[i].name, top[i].score);
  SignClubLines(l);
  return l;
}

void WriteClub(const std::filesystem::path& p, const ClubLines& l) {
  testing::WriteBytes(p, JoinLines({l.begin(), l.end()}));
}

std::vector<std::string> Names(const ClubContents& c) {
  std::vector<std::string> out;
  for (const auto& m : c.members) out.push_back(m ? m->name : "-");
  return out;
}

std::vector<int> TopScores(const ClubContents& c) {
  std::vector<int> out;
  for (const auto& t : c.topTen)
    if (t) out.push_back(t->score);
  return out;
}

// A club file in a scratch folder with a seat's player loaded from it.
struct Club {
  testing::ScratchDir dir;
  std::filesystem::path file = dir.path() / "Quarlo2.clb";
  explicit Club(const ClubLines& lines) { WriteClub(file, lines); }
  ClubContents Read() const { return *ReadClub(file); }
  ClubPlayer Seat(int seat) const { return *LoadMember(file, seat); }
};

TEST(ClubFile, EmptyFileIsValidAndStartsInEnglishWithTheReportOn) {
  const ClubLines l = EmptyClubLines();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(l[static_cast<std::size_t>(i)].size(), 59u);
  for (int i = 5; i < 15; ++i) EXPECT_EQ(l[static_cast<std::size_t>(i)].size(), 26u);
  EXPECT_EQ(l[15].substr(0, 2), "\xB4}");
  Club club(l);
  const ClubCheck check = CheckClubFile(club.file);
  EXPECT_TRUE(check.ok()) << check.detail;
  EXPECT_FALSE(check.startInRussian);
  EXPECT_FALSE(check.startReportOff);
  EXPECT_TRUE(check.writable);
  EXPECT_EQ(Names(club.Read()), (std::vector<std::string>(5, "-")));
}

TEST(ClubFile, HandMadeFileAndAChangedNameCharacter) {
  const ClubCheck good = CheckClubFile(Fixture("club_two_members.clb"));
  ASSERT_TRUE(good.ok()) << good.detail;
  const auto club = ReadClub(Fixture("club_two_members.clb"));
  ASSERT_TRUE(club);
  ASSERT_TRUE(club->members[0]);
  EXPECT_EQ(club->members[0]->name, "\xC0\xED\xED\xE0");  // Анна
  EXPECT_DOUBLE_EQ(club->members[0]->rating, 3.25);
  EXPECT_EQ(club->members[0]->games, 41);
  EXPECT_EQ(club->members[0]->score, 120);
  EXPECT_EQ(club->members[0]->password, "abc  ");
  EXPECT_DOUBLE_EQ(club->members[1]->rating, -1.5);
  EXPECT_EQ(TopScores(*club), (std::vector<int>{400, 250}));

  const auto altered = Fixture("club_name_changed.clb");
  const ClubCheck bad = CheckClubFile(altered);
  EXPECT_EQ(bad.fault, ClubFault::kIncorrect);
  EXPECT_EQ(ClubCheckMessage(bad, altered), "The incorrect file \"" + altered.string() + "\"!");
}

TEST(ClubFile, StartUpCheckFaults) {
  const ClubLines good = EmptyClubLines();
  const auto resigned = [](ClubLines l) {
    SignClubLines(l);
    return l;
  };
  ClubLines shortLine = good;
  shortLine[2].pop_back();
  ClubLines badMarker = good;
  badMarker[15][1] = ')';
  ClubLines badSum = good;
  badSum[16][27] = badSum[16][27] == '0' ? '1' : '0';
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::string goodBytes = JoinLines({good.begin(), good.end()});
  const Case cases[] = {
      {"16 lines", JoinLines({good.begin(), good.end() - 1})},
      {"an empty 18th line", goodBytes + "\r\n"},
      {"line 3 of 58 characters", JoinLines({shortLine.begin(), shortLine.end()})},
      {"marker line", [&] { auto l = resigned(badMarker); return JoinLines({l.begin(), l.end()}); }()},
      {"checksum digit", JoinLines({badSum.begin(), badSum.end()})},
      {"empty file", ""},
  };
  testing::ScratchDir dir;
  const auto file = dir.path() / "Quarlo2.net";
  for (const auto& c : cases) {
    testing::WriteBytes(file, c.bytes);
    EXPECT_EQ(CheckClubFile(file).fault, ClubFault::kIncorrect) << c.what;
  }

  // Line 5 is not measured; the signature still covers it.
  ClubLines longSlot = good;
  longSlot[4] += "##";
  WriteClub(file, resigned(longSlot));
  EXPECT_TRUE(CheckClubFile(file).ok());

  const auto missing = dir.path() / "Quarlo2.clb";
  const ClubCheck check = CheckClubFile(missing);
  EXPECT_EQ(check.fault, ClubFault::kMissing);
  EXPECT_EQ(ClubCheckMessage(check, missing), "Can`t find the file \"" + missing.string() + "\"!");
}

TEST(ClubFile, FlagsAndAttributes) {
  // The flags are not covered by the checksum; the program never changes them.
  ClubLines flagged = EmptyClubLines();
  flagged[16].replace(0, 10, "1#####idd#");
  Club club(flagged);
  ClubCheck check = CheckClubFile(club.file);
  ASSERT_TRUE(check.ok());
  EXPECT_TRUE(check.startInRussian);
  EXPECT_TRUE(check.startReportOff);

  // The language flag counts as soon as the layout holds, even if the
  // signature then fails.
  ClubLines altered = flagged;
  altered[0][0] = 'X';
  WriteClub(club.file, altered);
  check = CheckClubFile(club.file);
  EXPECT_FALSE(check.ok());
  EXPECT_TRUE(check.startInRussian);

  WriteClub(club.file, flagged);
  ::chmod(club.file.c_str(), 0444);
  check = CheckClubFile(club.file);
  EXPECT_TRUE(check.ok());
  EXPECT_FALSE(check.writable);
  EXPECT_EQ(ClubAttributesMessage(club.file),
            "The file \"" + club.file.string() +
                "\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
  ::chmod(club.file.c_str(), 0644);
}

TEST(ClubFile, PasswordField) {
  EXPECT_EQ(EncodePassword("ab"), "414415349349349");
  EXPECT_EQ(EncodePassword(""), "349349349349349");
  EXPECT_EQ(EncodePassword("abcdefg"), EncodePassword("abcde"));
  const std::string edge("\x00\xFF\xE9z ", 5);
  EXPECT_EQ(DecodePassword(EncodePassword(edge)), edge);
  EXPECT_EQ(DecodePassword(EncodePassword("pw")), "pw   ");
  EXPECT_EQ(DecodePassword("41441534934934"), std::nullopt);   // 14 digits
  EXPECT_EQ(DecodePassword("41441534934934x"), std::nullopt);
  EXPECT_EQ(DecodePassword("999415349349349"), std::nullopt);  // beyond a byte
}

TEST(ClubFile, MemberLineLayout) {
  const std::string line = FormatMemberLine({"Mr.X", 0.0, 0, 0, ""});
  ASSERT_EQ(line.size(), 59u);
  EXPECT_EQ(line.substr(20, 10), "  0,000000");
  const std::string full = FormatMemberLine({"A name longer than twenty", -12.3456785, 1234, -150, "pw"});
  ASSERT_EQ(full.size(), 59u);
  EXPECT_EQ(full.substr(0, 20), "A name longer than t");
  EXPECT_EQ(full.substr(20, 24), "-12,345678   1234   -150");
  const auto back = ParseMemberLine(full);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "A name longer than t");
  EXPECT_EQ(back->games, 1234);
  EXPECT_EQ(back->password, "pw   ");
  EXPECT_TRUE(IsEmptySlot(EmptySlotLine()));
  EXPECT_FALSE(ParseMemberLine(EmptySlotLine()));
}

TEST(ClubRating, RuleRoundingAndLimits) {
  struct Case {
    int games;
    double rating;
    int score;
    double expected;
  };
  const Case cases[] = {
      {0, 0.0, 40, 2.0},         {1, 2.0, -20, 0.5},       {2, 0.5, 70, 1.5},
      {2, 0.0, 10, 0.166667},    {2, 0.0, -10, -0.166667}, {0, 0.0, 4000, 99.99},
      {0, 0.0, -4000, -99.99},   {0, 99.99, 70, 3.5},      {3, -99.99, -70, -75.8675},
      // Exact halves of a millionth go to the even one.
      {1, 0.000001, 40, 1.0},    {1, 0.000015, 40, 1.000008}, {1, -0.002979, -40, -1.00149},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(NewRating(c.games, c.rating, c.score), c.expected) << c.games << " " << c.rating << " " << c.score;
}

TEST(ClubRecord, NewPlayerJoinsAnEmptyClub) {
  Club club(EmptyClubLines());
  const auto out = RecordGameResult(club.file, NewClubPlayer("Mr.X", "pw"), 40, true);
  ASSERT_TRUE(out) << out.error();
  EXPECT_TRUE(out->inClub);
  EXPECT_TRUE(out->stored);
  EXPECT_EQ(out->gameNumber, 1);
  EXPECT_TRUE(CheckClubFile(club.file).ok());
  const ClubPlayer p = club.Seat(1);
  EXPECT_EQ(p.name, "Mr.X");
  EXPECT_EQ(p.password, "pw   ");
  EXPECT_EQ(p.gamesPlayed, 1);
  EXPECT_EQ(p.initialScore, 40);
  EXPECT_DOUBLE_EQ(p.initialRating, 2.0);
  EXPECT_FALSE(LoadMember(club.file, 2));
}

TEST(ClubRecord, MemberMovesToItsPlaceByRating) {
  Club club(MakeClub({{"A", 3.0, 5, 0, ""}, {"B", 1.0, 9, 0, ""}, {"C", 0.5, 1, 10, ""}}));
  // C: (1 x 0.5 + 70 / 20) / 2 = 2.0 passes B.
  const auto out = RecordGameResult(club.file, club.Seat(3), 70, true);
  ASSERT_TRUE(out);
  EXPECT_DOUBLE_EQ(out->newRating, 2.0);
  EXPECT_EQ(out->cycleScore, 80);
  const auto c = club.Read();
  EXPECT_EQ(Names(c), (std::vector<std::string>{"A", "C", "B", "-", "-"}));
  EXPECT_EQ(c.members[1]->games, 2);
  EXPECT_EQ(c.members[1]->score, 80);
  EXPECT_TRUE(CheckClubFile(club.file).ok());
}

TEST(ClubRecord, TwentiethGameEntersTheTopTenAboveATie) {
  Club club(MakeClub({{"Mr.X", 1.0, 19, 280, "pw"}},
                     {{"T1", 500}, {"T2", 300}, {"T3", 300}, {"T4", 200}, {"T5", 190}, {"T6", 180},
                      {"T7", 170}, {"T8", 160}, {"T9", 150}, {"T10", 140}}));
  const auto out = RecordGameResult(club.file, club.Seat(1), 20, true);
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->cycleComplete);
  EXPECT_EQ(out->cycleScore, 300);
  EXPECT_EQ(out->place, 2);
  const auto c = club.Read();
  EXPECT_EQ(TopScores(c), (std::vector<int>{500, 300, 300, 300, 200, 190, 180, 170, 160, 150}));
  EXPECT_EQ(c.topTen[1]->name, "Mr.X");
  EXPECT_EQ(c.topTen[2]->name, "T2");
  // The new cycle starts at 0; the games go on counting.
  EXPECT_EQ(c.members[0]->score, 0);
  EXPECT_EQ(c.members[0]->games, 20);
  EXPECT_EQ(ReadClubLines(club.file)->at(0).substr(38, 6), "     0");
}

TEST(ClubRecord, CompleteCycleBelowAFullTopTenIsNotPlaced) {
  std::vector<TopTenEntry> top(10, TopTenEntry{"Best", 1000});
  Club club(MakeClub({{"Mr.X", 1.0, 39, 0, ""}}, top));
  const auto out = RecordGameResult(club.file, club.Seat(1), 70, true);
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->cycleComplete);
  EXPECT_EQ(out->place, 0);
  EXPECT_EQ(TopScores(club.Read()), std::vector<int>(10, 1000));
  EXPECT_EQ(club.Read().members[0]->score, 0);

  // An empty top ten takes any cycle, even a negative one.
  Club empty(MakeClub({{"Mr.X", 1.0, 19, -300, ""}}));
  EXPECT_EQ(RecordGameResult(empty.file, empty.Seat(1), -20, true)->place, 1);
  EXPECT_EQ(TopScores(empty.Read()), (std::vector<int>{-320}));
}

TEST(ClubRecord, NewPlayerInAFullClub) {
  const ClubLines full = MakeClub(
      {{"R5", 5.0, 1, 0, ""}, {"R4", 4.0, 1, 0, ""}, {"R3", 3.0, 1, 0, ""}, {"R2", 2.0, 1, 0, ""}, {"R1", 1.0, 1, 0, ""}});
  {
    // Rating -1.0 reaches nobody: the club stays as it was.
    Club club(full);
    const std::string before = testing::ReadBytes(club.file);
    const auto out = RecordGameResult(club.file, NewClubPlayer("Newcomer", ""), -20, true);
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->inClub);
    EXPECT_EQ(testing::ReadBytes(club.file), before);
  }
  {
    // Rating 1.0 equals line 5: the newcomer takes it and R1 drops out.
    Club club(full);
    const auto out = RecordGameResult(club.file, NewClubPlayer("Newcomer", ""), 20, true);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->inClub);
    EXPECT_EQ(Names(club.Read()), (std::vector<std::string>{"R5", "R4", "R3", "R2", "Newcomer"}));
  }
  {
    // A name longer than 20 characters is cut.
    Club club(full);
    ASSERT_TRUE(RecordGameResult(club.file, NewClubPlayer("Abcdefghijklmnopqrstuvwxyz", ""), 70, true));
    EXPECT_EQ(club.Read().members[2]->name, "Abcdefghijklmnopqrst");  // rating 3.5
  }
}

TEST(ClubRecord, NothingIsWrittenWhenTheFileMayNotBeWritten) {
  Club club(MakeClub({{"Mr.X", 1.0, 19, 0, ""}}));
  const std::string before = testing::ReadBytes(club.file);
  const auto out = RecordGameResult(club.file, club.Seat(1), 70, false);
  ASSERT_TRUE(out);
  EXPECT_FALSE(out->stored);
  EXPECT_TRUE(out->cycleComplete);
  EXPECT_EQ(out->place, 1);  // the end-of-cycle window still shows it
  EXPECT_TRUE(DropCurrentMember(club.file, 1, false));
  EXPECT_EQ(testing::ReadBytes(club.file), before);
}

TEST(ClubRecord, FailuresLeaveTheFileAsItWas) {
  Club club(MakeClub({{"Mr.X", 1.0, 3, 0, ""}}));
  const std::string before = testing::ReadBytes(club.file);
  // A folder where the temporary file would go makes the write fail.
  std::filesystem::create_directory(club.dir.path() / ".Quarlo2.clb.tmp");
  const auto out = RecordGameResult(club.file, club.Seat(1), 70, true);
  ASSERT_FALSE(out);
  EXPECT_EQ(out.error(), "Error of disk writing!");
  EXPECT_EQ(DropCurrentMember(club.file, 1, true).error, "Error of disk writing!");
  EXPECT_EQ(testing::ReadBytes(club.file), before);

  // A file altered since start-up is not re-signed.
  std::filesystem::remove(club.dir.path() / ".Quarlo2.clb.tmp");
  std::string altered = before;
  altered[0] = 'N';
  testing::WriteBytes(club.file, altered);
  EXPECT_FALSE(RecordGameResult(club.file, NewClubPlayer("X", ""), 70, true));
  EXPECT_EQ(testing::ReadBytes(club.file), altered);
  ClubPlayer account;
  account.seat = 7;
  EXPECT_FALSE(RecordGameResult(club.file, account, 70, true));
}

TEST(ClubRecord, LeavingAGameDropsTheMember) {
  Club club(MakeClub({{"A", 3.0, 5, 0, ""}, {"B", 2.0, 5, 0, ""}, {"C", 1.0, 5, 0, ""}}));
  const std::string before = testing::ReadBytes(club.file);
  for (int seat : {6, 7, 8}) {
    ASSERT_TRUE(DropCurrentMember(club.file, seat, true));
    EXPECT_EQ(testing::ReadBytes(club.file), before) << seat;
  }
  ASSERT_TRUE(DropCurrentMember(club.file, 1, true));
  EXPECT_EQ(Names(club.Read()), (std::vector<std::string>{"B", "C", "-", "-", "-"}));
  EXPECT_TRUE(CheckClubFile(club.file).ok());
}

TEST(ClubRecord, AnOddLengthLineFiveMovingUpKeepsTheFileValid) {
  // Line 5 is not measured by the start-up check, but lines 1..4 are: what
  // moves up from it must take the member line's length.
  ClubLines longMember = MakeClub({{"A", 3.0, 5, 0, ""}, {"B", 2.0, 5, 0, ""}, {"C", 1.5, 5, 0, ""},
                                   {"D", 1.0, 5, 0, ""}, {"E", 0.5, 5, 0, "pw"}});
  longMember[4] += "##";
  ClubLines longEmpty = MakeClub({{"A", 3.0, 5, 0, ""}});
  longEmpty[4] += "##";
  ClubLines shortText = MakeClub({{"A", 3.0, 5, 0, ""}});
  shortText[4] = "x";
  const std::pair<ClubLines, const char*> cases[] = {
      {longMember, "E"}, {longEmpty, "-"}, {shortText, "-"}};
  for (auto [lines, fourth] : cases) {
    SignClubLines(lines);
    Club club(lines);
    ASSERT_TRUE(CheckClubFile(club.file).ok());
    ASSERT_TRUE(DropCurrentMember(club.file, 1, true));
    ASSERT_TRUE(CheckClubFile(club.file).ok()) << CheckClubFile(club.file).detail;
    EXPECT_EQ(Names(club.Read())[3], fourth);
  }
}

TEST(ClubRecord, RenamingRefilesTheMemberAndReportsItsSlot) {
  // B ties with A; re-filed by rating it goes above the line it ties with,
  // so the game must go on with the new slot.
  Club club(MakeClub({{"A", 2.0, 5, 0, ""}, {"B", 2.0, 5, 30, "old"}, {"C", 1.0, 5, 0, ""}}));
  const ClubPlayer b = club.Seat(2);
  const auto slot = RenameMember(club.file, b, "Bella", "new", true);
  ASSERT_TRUE(slot) << slot.error();
  EXPECT_EQ(*slot, 1);
  const auto c = club.Read();
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Bella", "A", "C", "-", "-"}));
  EXPECT_EQ(c.members[0]->score, 30);
  EXPECT_EQ(club.Seat(1).password, "new  ");
  EXPECT_TRUE(CheckClubFile(club.file).ok());
  // A new player has no line yet: nothing to re-file.
  EXPECT_EQ(*RenameMember(club.file, NewClubPlayer("X", ""), "Y", "", true), 6);
}

TEST(ClubCount, GeneralScoreValues) {
  ClubPlayer p;
  p.gamesPlayed = 19;
  p.initialScore = 100;
  p.initialRating = 1.0;
  TCount c = LocalCountValues(p, 40);
  EXPECT_EQ(c.count_KonAll, "20");
  EXPECT_EQ(c.count_KonCur, "20");
  EXPECT_EQ(c.count_ScoBeg, "100");
  EXPECT_EQ(c.count_ScoCur, "40");
  EXPECT_EQ(c.count_ScoAll, "140");
  EXPECT_EQ(c.count_ReiBeg, "1,00");
  EXPECT_EQ(c.count_ReiCur, "1,05");  // (19 x 1 + 40 / 20) / 20

  p.gamesPlayed = 20;
  EXPECT_EQ(LocalCountValues(p, 0).count_KonCur, "1");

  c = AccountCountValues(p, 10, 4, 1234.5);
  EXPECT_EQ(c.count_KonCur, "5");
  EXPECT_EQ(c.count_ReiBeg, "1235");
  EXPECT_EQ(c.count_ReiCur, "?");

  c = TournamentCountValues(7, 300, -20, 15.25);
  EXPECT_EQ(c.count_KonAll, "7");
  EXPECT_EQ(c.count_KonCur, "-");
  EXPECT_EQ(c.count_ScoAll, "280");
  EXPECT_EQ(c.count_ReiBeg, "15,25");
  EXPECT_EQ(c.count_ReiCur, "?");
}

}  // namespace
}  // namespace quarlo
