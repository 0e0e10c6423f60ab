// World score tables, the chat board and the statistics counters.
#include <gtest/gtest.h>

#include "online/reply_reader.h"
#include "server_fixture.h"

namespace quarlo::server::testing {
namespace {

class RankingTest : public ::testing::Test {
 protected:
  void SetUp() override { server.Start(); }

  std::string Submit(int gid, const std::string& nick, int score, const std::string& r9 = "#",
                     const std::string& r10 = "#", const std::string& city = "Moscow") {
    return server.Post("/ranking", "gid=" + std::to_string(gid) + "&nick=" + nick + "&city=" + city +
                                       "&country=1-001&score=" + std::to_string(score) +
                                       "&R7=M&R8=5.7f&R9=" + r9 + "&R10=" + r10 + "*");
  }
  std::vector<ReplyFields> Table(int gid) {
    return ReplyRecordList(server.PostList("/ranking", {{"gid", std::to_string(gid)}}));
  }

  TestServer server;
};

TEST_F(RankingTest, ScoresReadBackInOrderWithThePlaceReached) {
  EXPECT_EQ(ReplyNumber(Submit(80, "Ann", 120)), 1);
  EXPECT_EQ(ReplyNumber(Submit(80, "Bob", 300)), 1);
  EXPECT_EQ(ReplyNumber(Submit(80, "Cid", 120)), 3) << "a tie goes after the earlier row";
  EXPECT_EQ(ReplyNumber(Submit(80, "Dan", -40)), 4);
  EXPECT_EQ(ReplyNumber(Submit(380, "Eve", 10)), 1) << "tables are separate";

  const auto rows = Table(80);
  ASSERT_EQ(rows.size(), 4u);
  const char* order[] = {"Bob", "Ann", "Cid", "Dan"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rows[i][1], std::to_string(i + 1));
    EXPECT_EQ(rows[i][4], order[i]);
  }
  EXPECT_EQ(rows[0][3], "300");
  EXPECT_EQ(rows[0][5], "1-001");
  EXPECT_EQ(rows[0][6], "Moscow");
  EXPECT_EQ(rows[0][7], "M");
  EXPECT_EQ(rows[0][8], "5.7f");
  EXPECT_EQ(rows[0][9], "#");
  EXPECT_EQ(rows[0][10], "#") << "the closing * of the body is not part of R10";

  EXPECT_EQ(ReplyNumber(server.PostList("/ranking", {{"rgid", "80"}})), 4);
  EXPECT_EQ(ReplyNumber(server.PostList("/ranking", {{"rgid", "180"}})), 0);
  EXPECT_TRUE(Table(180).empty());
}

TEST_F(RankingTest, TopTenAndNeighbourhood) {
  for (int i = 1; i <= 14; ++i) Submit(80, "P" + std::to_string(i), i * 10);
  EXPECT_EQ(Table(80).size(), 10u);
  // P5 has 50 points: place 10 of 14.
  const auto near = ReplyRecordList(server.Post("/ranking", "gid=80&nick=P5&city=Moscow"));
  ASSERT_EQ(near.size(), 5u);
  EXPECT_EQ(near[0][1], "8");
  EXPECT_EQ(near[2][4], "P5");
  EXPECT_EQ(near[2][1], "10");
  EXPECT_EQ(near[4][1], "12");
  EXPECT_TRUE(ReplyRecordList(server.Post("/ranking", "gid=80&nick=Nobody&city=Moscow")).empty());
}

TEST_F(RankingTest, BadSubmissionsAreRefused) {
  EXPECT_FALSE(ReplyNumber(Submit(81, "Ann", 10))) << "unknown table";
  EXPECT_FALSE(ReplyNumber(Submit(80, "A", 10))) << "nick too short";
  EXPECT_FALSE(ReplyNumber(Submit(80, "Ann", 5000))) << "more than a cycle can score";
  EXPECT_FALSE(ReplyNumber(Submit(80, "Ann", 10, "#", "#", "New York"))) << "space in the city";
  EXPECT_EQ(ReplyNumber(server.PostList("/ranking", {{"rgid", "80"}})), 0);
}

TEST_F(RankingTest, ChatMessagesAreNumberedRowsOfTable100) {
  const std::string stamp = "12:30:00_01.02.2024_Quarlo";
  EXPECT_TRUE(ReplyNumber(Submit(100, "Ann", 1, stamp, "Hi_all_:)")));
  // The program sends the newest number + 1; two writers that read the same
  // board still get distinct numbers.
  EXPECT_TRUE(ReplyNumber(Submit(100, "Bob", 2, stamp, "first")));
  EXPECT_TRUE(ReplyNumber(Submit(100, "Cid", 2, stamp, "second")));
  const auto rows = Table(100);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][3], "3");
  EXPECT_EQ(rows[0][4], "Cid");
  EXPECT_EQ(rows[0][10], "second");
  EXPECT_EQ(rows[1][3], "2");
  EXPECT_EQ(rows[2][3], "1");
  EXPECT_EQ(rows[2][9], stamp);
  EXPECT_EQ(rows[2][10], "Hi_all_:)");
  std::string long_text(81, 'a');
  EXPECT_FALSE(ReplyNumber(Submit(100, "Ann", 4, stamp, long_text)));
}

TEST_F(RankingTest, StatisticsCounters) {
  auto read = [&] {
    const auto rows = ReplyRecordList(server.PostList("/statistics", {{"gid", "80"}}));
    return rows.empty() ? ReplyFields{} : rows[0];
  };
  auto fresh = read();
  ASSERT_EQ(fresh.size(), 20u);
  EXPECT_EQ(fresh[1], "0");
  EXPECT_EQ(fresh[4], "#");

  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=80&stat1=1&stat2=1"), "ok"));
  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=80&stat1=1&stat2=0"), "ok"));
  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=80&stat3=1&stat4=Ann"), "ok"));
  EXPECT_TRUE(ReplyHasToken(
      server.Post("/statistics", "gid=80&R1=1&R2=0&R3=30&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"), "ok"));
  EXPECT_TRUE(ReplyHasToken(
      server.Post("/statistics", "gid=80&R1=1&R2=1&R3=0&R4=20&R5=0&R6=1&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"), "ok"));
  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=80&stat1=5&stat2=0"), "no"));
  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=80&R1=-1"), "no"));
  EXPECT_TRUE(ReplyHasToken(server.Post("/statistics", "gid=180&stat1=1&stat2=1"), "ok"));

  const auto s = read();
  ASSERT_EQ(s.size(), 20u);
  const char* expected[] = {"", "2", "1", "1", "Ann", "2", "1", "30", "20", "0", "1"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(s[i], expected[i]) << "field " << i;
}

}  // namespace
}  // namespace quarlo::server::testing
