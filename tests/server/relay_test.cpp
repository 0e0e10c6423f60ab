// The tournament relay between two real sockets.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/deal.h"
#include "online/reply_reader.h"
#include "tournament_fixture.h"

namespace quarlo::server::testing {
namespace {

constexpr std::size_t kDealSize = 73;

class RelayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server.options.idle_timeout = std::chrono::seconds(2);
    server.Start();
    for (const char* nick : {"Ann", "Bob", "Cid", "Dan"}) server.CreateAccount(nick, "secret1");
  }

  // Seats both players on the service, connects both sockets and checks
  // that they got the same deal.
  std::pair<std::unique_ptr<RelayClient>, std::unique_ptr<RelayClient>> StartGame(int table, const std::string& one,
                                                                                   const std::string& two) {
    EXPECT_TRUE(ReplyHasToken(SetSeat(server, table, 1, 1, one), "ok"));
    EXPECT_TRUE(ReplyHasToken(SetSeat(server, table, 2, 1, two), "ok"));
    auto a = std::make_unique<RelayClient>(server.table_port(table));
    auto b = std::make_unique<RelayClient>(server.table_port(table));
    a->Send(Frame("connect1", 1));
    b->Send(Frame("connect2", 2));
    const auto deal_a = a->Receive(kDealSize);
    const auto deal_b = b->Receive(kDealSize);
    EXPECT_TRUE(deal_a && deal_b);
    if (deal_a && deal_b) {
      EXPECT_EQ(*deal_a, *deal_b);
      EXPECT_TRUE(ParseDealMessage(*deal_a)) << "a well-formed deal frame";
    }
    return {std::move(a), std::move(b)};
  }

  std::string Standing(const std::string& nick) {
    const auto r = ReplyRecord(ReadStanding(server, nick));
    return r ? (*r)[1] + " " + (*r)[2] + " " + (*r)[3] : "none";
  }
  // The relay forwards a frame before it records the result, so a reader
  // may look a moment too early: wait up to two seconds for the value.
  std::string StandingSoon(const std::string& nick, const std::string& expected) {
    std::string now;
    for (int i = 0; i < 200; ++i) {
      now = Standing(nick);
      if (now == expected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return now;
  }

  TestServer server;
};

TEST_F(RelayTest, PlayersGetTheSameDealsExchangeFramesAndRecordTheResult) {
  auto [one, two] = StartGame(2, "Ann", "Bob");
  // Taken tables show their players while the game runs.
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 2, 2)).value()[1], "Bob");

  for (const auto& [sender, text] : {std::pair{1, std::string("t100")}, {2, "t6300"}, {2, "sHi # there"}}) {
    const std::string frame = Frame(text, sender);
    (sender == 1 ? one : two)->Send(frame);
    EXPECT_EQ((sender == 1 ? two : one)->Receive(20), frame) << text;
  }
  // Two frames in one write arrive as they were.
  one->Send(Frame("h100", 1) + Frame("xslt", 1));
  EXPECT_EQ(two->Receive(40), Frame("h100", 1) + Frame("xslt", 1));

  two->Send(Frame("bnext", 2));  // only seat 1 asks for the next deal
  one->Send(Frame("bnext", 1));
  const auto next_one = one->Receive(kDealSize);
  const auto next_two = two->Receive(kDealSize);
  ASSERT_TRUE(next_one && next_two);
  EXPECT_EQ(*next_one, *next_two);
  EXPECT_EQ((*next_one)[0], 'b');

  one->Send(Frame("o   40  -40", 1));
  EXPECT_TRUE(one->ClosedByServer());
  EXPECT_TRUE(two->ClosedByServer());
  EXPECT_EQ(StandingSoon("Ann", "40 1 40"), "40 1 40");
  EXPECT_EQ(StandingSoon("Bob", "-40 1 -40"), "-40 1 -40");
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 2, 1)).value()[1], "X") << "the table is free again";

  const auto top = ReplyRecordList(server.PostList("/tournament", {{"top10s80", "0"}, {"nick", "z"}}));
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0][2], "Ann");
  EXPECT_EQ(top[0][3], "Paris");
  EXPECT_EQ(top[0][4], "1-015");
  EXPECT_EQ(top[0][5], "M");
  EXPECT_EQ(top[0][6], "40");
  EXPECT_EQ(ReplyNumber(server.Post("/tournament", "places80=0&score1=-40")), 2);
  EXPECT_EQ(ReplyNumber(server.Post("/tournament", "placek80=0&kon1=1")), 1);
}

TEST_F(RelayTest, FramesThatOnlyTheRelaySendsAreNotPassedOn) {
  auto [one, two] = StartGame(3, "Ann", "Bob");
  // "a" (the opponent left), "T" (the opponent's time is up) and "b" (a deal)
  // come from the relay alone: passed on, they would end the other player's
  // game (who then disconnects and loses) or hand it a deal nobody dealt.
  for (const char* forged : {"a", "T", "Tout", "b", "bXYZ"}) {
    one->Send(Frame(forged, 1));
    one->Send(Frame("t100", 1));
    EXPECT_EQ(two->Receive(20), Frame("t100", 1)) << forged;
    two->Send(Frame(forged, 2));
    two->Send(Frame("h100", 2));
    EXPECT_EQ(one->Receive(20), Frame("h100", 2)) << forged;
  }
  EXPECT_EQ(Standing("Ann"), "0 0 0") << "the game goes on, nothing recorded";
  EXPECT_EQ(Standing("Bob"), "0 0 0");
}

TEST_F(RelayTest, LeavingPlayerLosesAndTheOtherGetsA) {
  auto [one, two] = StartGame(1, "Ann", "Bob");
  two->Close();
  EXPECT_EQ(one->Receive(20), "a" + std::string(18, '#') + "2");
  EXPECT_TRUE(one->ClosedByServer());
  EXPECT_EQ(StandingSoon("Ann", "70 1 70"), "70 1 70");
  EXPECT_EQ(StandingSoon("Bob", "-70 1 -70"), "-70 1 -70");
}

TEST_F(RelayTest, TimeOutIsPassedOnAndCountsAsALoss) {
  auto [one, two] = StartGame(4, "Ann", "Bob");
  two->Send(Frame("TOut", 2));
  const auto frame = one->Receive(20);
  ASSERT_TRUE(frame);
  EXPECT_EQ((*frame)[0], 'T');
  EXPECT_EQ(StandingSoon("Bob", "-70 1 -70"), "-70 1 -70");
}

TEST_F(RelayTest, MisbehavingSocketsAreCutOffWithoutHurtingOtherTables) {
  auto [one, two] = StartGame(1, "Ann", "Bob");

  // No seat on the service: closed at once.
  RelayClient stranger(server.table_port(3));
  stranger.Send(Frame("connect1", 1));
  EXPECT_TRUE(stranger.ClosedByServer());

  // A frame longer than 20 characters shifts the seat digit: cut off.
  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 2, 1, 1, "Cid"), "ok"));
  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 2, 2, 1, "Dan"), "ok"));
  RelayClient three(server.table_port(2)), four(server.table_port(2));
  three.Send(Frame("connect1", 1));
  four.Send(Frame("connect2", 2));
  ASSERT_TRUE(three.Receive(kDealSize));
  ASSERT_TRUE(four.Receive(kDealSize));
  four.Send("t100" + std::string(17, '#') + "2");
  EXPECT_TRUE(four.ClosedByServer());
  EXPECT_EQ(three.Receive(20), "a" + std::string(18, '#') + "2");

  // Table 1 plays on.
  one->Send(Frame("t200", 1));
  EXPECT_EQ(two->Receive(20), Frame("t200", 1));
}

TEST_F(RelayTest, WaitingSeatLeavesAndSilentSocketsAreCutOff) {
  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 6, 1, 1, "Ann"), "ok"));
  RelayClient one(server.table_port(6));
  one.Send(Frame("connect1", 1));
  one.Send(Frame("disA", 1));
  EXPECT_TRUE(one.ClosedByServer());
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 6, 1)).value()[1], "X");
  EXPECT_EQ(Standing("Ann"), "0 0 0") << "no game, nothing recorded";

  ASSERT_TRUE(ReplyHasToken(SetSeat(server, 6, 1, 1, "Ann"), "ok"));
  RelayClient quiet(server.table_port(6), std::chrono::milliseconds(4500));
  quiet.Send(Frame("connect1", 1));
  EXPECT_TRUE(quiet.ClosedByServer()) << "idle timeout of 2 s in this test";
  EXPECT_EQ(ReplyRecord(ReadSeat(server, 6, 1)).value()[1], "X");
}

}  // namespace
}  // namespace quarlo::server::testing
