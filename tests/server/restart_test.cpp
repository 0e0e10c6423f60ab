// Everything the services keep survives a restart on the same database.
#include <gtest/gtest.h>

#include "online/reply_reader.h"
#include "tournament_fixture.h"

namespace quarlo::server::testing {
namespace {

TEST(RestartTest, DataIsFoundAgainAfterARestart) {
  TestServer server;
  server.Start();
  server.CreateAccount("Ann", "secret1");
  server.CreateAccount("Bob", "secret1");
  server.Post("/account", "nick=Ann&pw=secret1&crdqv2kon=3&crdqv2best=0&crdqv2rating=12.5&crdqv2ses=0"
                          "&crdqv2konl=3&crdqv2score=40&crdqv2R1=0&crdqv2R2=#");
  server.Post("/account", "nick=Ann&pw=secret1&labelinfosave=0&namei=Anna&about=Hello there");
  server.Post("/ranking", "gid=80&nick=Ann&city=Paris&country=1-015&score=300&R7=W&R8=5.7f&R9=#&R10=#*");
  server.Post("/ranking", "gid=100&nick=Ann&city=Paris&country=1-015&score=1&R7=W&R8=5.7f&R9=t&R10=Hello*");
  server.Post("/statistics", "gid=80&stat1=1&stat2=1");
  SetSeat(server, 1, 1, 1, "Ann");
  SetSeat(server, 1, 2, 1, "Bob");
  {
    RelayClient one(server.table_port(1)), two(server.table_port(1));
    one.Send(Frame("connect1", 1));
    two.Send(Frame("connect2", 2));
    ASSERT_TRUE(one.Receive(73));
    one.Send(Frame("o   20  -20", 1));
    ASSERT_TRUE(one.ClosedByServer());
  }

  server.Restart();

  EXPECT_TRUE(ReplyHasToken(server.CreateAccount("Ann", "other"), "is"));
  EXPECT_FALSE(ReplyHasToken(server.PostList("/account", {{"nick", "Ann"}, {"pw", "secret1"}, {"label0", "0"}}), "no"));
  const auto record = ReplyRecord(server.PostList("/account", {{"nick", "Ann"}, {"pw", "secret1"}, {"crdqv2best", "0"}}));
  ASSERT_TRUE(record);
  EXPECT_EQ((*record)[1], "3");
  EXPECT_NEAR(ReplyDecimal((*record)[3]), 12.5, 1e-9);
  EXPECT_EQ((*record)[6], "40");
  const auto card = ReplyRecord(server.PostList("/account", {{"nick", "Ann"}, {"labelinforead", "0"}}), '~');
  ASSERT_TRUE(card);
  EXPECT_EQ((*card)[1], "Anna");
  EXPECT_EQ((*card)[3], "Hello there");
  const auto table = ReplyRecordList(server.PostList("/ranking", {{"gid", "80"}}));
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0][3], "300");
  EXPECT_EQ(ReplyRecordList(server.PostList("/ranking", {{"gid", "100"}})).at(0)[10], "Hello");
  EXPECT_EQ(ReplyRecordList(server.PostList("/statistics", {{"gid", "80"}})).at(0)[1], "1");
  const auto standing = ReplyRecord(ReadStanding(server, "Bob"));
  ASSERT_TRUE(standing);
  EXPECT_EQ((*standing)[1], "-20");
  EXPECT_EQ((*standing)[2], "1");
  // Seats are live state of the relay: a restart frees every table.
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 1, 1)).value()[1], "X");
}

TEST(RestartTest, NewerDatabaseIsRefused) {
  TestServer server;
  server.Start();
  server.Stop();
  {
    auto store = Store::Open(server.options.db_path, 1);
    ASSERT_TRUE(store);
    auto db = (*store)->Acquire();
    db->Run("UPDATE schema_version SET version = 99");
  }
  auto started = QuarloServer::Start(server.options, nullptr);
  ASSERT_FALSE(started);
  EXPECT_NE(started.error().find("newer"), std::string::npos) << started.error();
}

}  // namespace
}  // namespace quarlo::server::testing
