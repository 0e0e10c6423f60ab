// The tournament web service: tables, seats, information, records.
#include <gtest/gtest.h>

#include "online/reply_reader.h"
#include "tournament_fixture.h"

namespace quarlo::server::testing {
namespace {

class TournamentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server.Start();
    for (const char* nick : {"Ann", "Bob", "Cid"}) server.CreateAccount(nick, "secret1");
  }
  std::vector<ReplyFields> Tables() {
    return ReplyRecordList(server.PostList("/tournament", {{"readtable10", "80"}, {"gid", "80"}}));
  }
  TestServer server;
};

TEST_F(TournamentTest, TableListCarriesTheRelayPorts) {
  const auto tables = Tables();
  ASSERT_EQ(tables.size(), 10u);
  EXPECT_EQ(tables[0][2], "127.0.0.1");
  // The program takes record 1's port minus one as its base and adds n.
  EXPECT_EQ(std::stoi(tables[0][3]) - 1 + 7, server.table_port(7));
  EXPECT_EQ(tables[6][3], std::to_string(server.table_port(7)));
  for (const auto& t : tables) {
    ASSERT_EQ(t.size(), 24u);
    EXPECT_EQ(t[7], "X");
    EXPECT_EQ(t[15], "X");
    EXPECT_EQ(t[13], "M");
  }
  const auto info = ReplyRecord(server.PostList("/tournament", {{"serverinforead", "0"}, {"gid", "80"}}));
  ASSERT_TRUE(info);
  EXPECT_EQ((*info)[1][0], 'Y');
  EXPECT_EQ((*info)[2].find(' '), std::string::npos) << "words joined by _";
}

TEST_F(TournamentTest, SeatsTakenAndFreed) {
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 2, 1, "Ann"), "no")) << "seat 2 before seat 1";
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 1, 1, "Nobody"), "no")) << "no account";
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 1, 1, "Ann"), "ok"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 1, 1, "Bob"), "is"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 4, 1, 1, "Ann"), "no")) << "one seat per player";

  auto seat = ReplyRecord(ReadSeat(server, 3, 1));
  ASSERT_TRUE(seat);
  EXPECT_EQ((*seat)[1], "Ann");
  EXPECT_EQ((*seat)[5], "France");
  EXPECT_EQ((*seat)[6], "Paris");
  EXPECT_EQ((*seat)[8], "127.0.0.1") << "the address the request came from";
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 3, 2)).value()[1], "X");
  EXPECT_EQ(Tables()[2][7], "Ann");

  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 1, 2, "Bob"), "no")) << "only the holder leaves";
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 3, 1, 2, "Ann"), "ok"));
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 3, 1)).value()[1], "X");

  // Clean-up after a failure carries the cleared record ("X").
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 5, 1, 1, "Bob"), "ok"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 5, 2, 1, "Cid"), "ok"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 5, 1, 0, "X"), "ok"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 5, 2, 0, "X"), "ok"));
  EXPECT_EQ(Tables()[4][7], "X");
  EXPECT_EQ(Tables()[4][15], "X");
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 11, 1, 1, "Bob"), "no"));
}

TEST_F(TournamentTest, LeavingIsForTheHoldersAddress) {
  // The program leaves with the cleared record, whose nick is "X".
  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 6, 1, 1, "Cid"), "ok"));
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 6, 1, 2, "X"), "ok"));
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 6, 1)).value()[1], "X");

  // Nicks are public in the table list: knowing one frees nobody's seat.
  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 6, 1, 1, "Cid"), "ok"));
  const std::string leave = "clienton1=0&gid=80&num=6&can=2&nick1=Cid&score1=0&kon1=0&rating1=0&country1=X"
                            "&city1=X&sex1=X&ip1=X";
  const std::string stranger = server.PostFrom("127.0.0.2", "/tournament", leave);
  EXPECT_TRUE(ReplyHasToken(stranger, "no")) << stranger;
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 6, 1)).value()[1], "Cid");
  EXPECT_TRUE(ReplyHasToken(server.Post("/tournament", leave), "ok"));
}

TEST_F(TournamentTest, RecordsOfPlayersWithoutGames) {
  auto standing = ReplyRecord(ReadStanding(server, "Ann"));
  ASSERT_TRUE(standing);
  EXPECT_EQ((*standing)[1], "0");
  EXPECT_EQ((*standing)[2], "0");
  EXPECT_EQ((*standing)[3], "0");
  EXPECT_TRUE(ReplyHasToken(ReadStanding(server, "Nobody"), "no"));
  EXPECT_TRUE(ReplyRecordList(server.PostList("/tournament", {{"top10s80", "0"}, {"nick", "z"}})).empty());
  EXPECT_EQ(ReplyNumber(server.Post("/tournament", "places80=0&score1=0")), 1);
  EXPECT_EQ(server.PostList("/tournament", {{"top10x80", "0"}, {"nick", "z"}}), "no");
}

TEST_F(TournamentTest, ServerOffRefusesSeats) {
  server.Stop();
  server.options.tournament_off = true;
  server.Start();
  const auto info = ReplyRecord(server.PostList("/tournament", {{"serverinforead", "0"}, {"gid", "80"}}));
  ASSERT_TRUE(info);
  EXPECT_EQ((*info)[1], "N");
  EXPECT_TRUE(ReplyHasToken(SetSeat(server, 1, 1, 1, "Ann"), "no"));
}

}  // namespace
}  // namespace quarlo::server::testing
