// Accounts, profile cards, photos and the rated-game record, through the
// same readers the program uses.
#include <gtest/gtest.h>

#include "online/reply_reader.h"
#include "online/reply_writer.h"
#include "server_fixture.h"

namespace quarlo::server::testing {
namespace {

class AccountTest : public ::testing::Test {
 protected:
  void SetUp() override { server.Start(); }

  // Read game record as the program sends it.
  std::optional<ReplyFields> ReadRecord(const std::string& nick, const std::string& pw) {
    return ReplyRecord(server.PostList("/account", {{"nick", nick}, {"pw", pw}, {"crdqv2best", "0"}}));
  }
  std::string WriteRecord(const std::string& nick, const std::string& pw, long kon, long best, double rating,
                          long ses, long konl, long score) {
    return server.Post("/account", "nick=" + nick + "&pw=" + pw + "&crdqv2kon=" + std::to_string(kon) +
                                       "&crdqv2best=" + std::to_string(best) + "&crdqv2rating=" +
                                       FormatDecimal(rating) + "&crdqv2ses=" + std::to_string(ses) +
                                       "&crdqv2konl=" + std::to_string(konl) + "&crdqv2score=" +
                                       std::to_string(score) + "&crdqv2R1=0&crdqv2R2=#");
  }

  TestServer server;
};

TEST_F(AccountTest, CreateTwiceThenSignInRightAndWrong) {
  const std::string first = server.CreateAccount("Bob", "secret1");
  EXPECT_TRUE(ReplyHasToken(first, "ok") && !ReplyHasToken(first, "is"));
  EXPECT_TRUE(ReplyHasToken(server.CreateAccount("Bob", "other"), "is"));
  EXPECT_TRUE(ReplyHasToken(server.CreateAccount("bob", "other"), "is")) << "nicks differ in more than case";

  const std::string signed_in = server.PostList("/account", {{"nick", "Bob"}, {"pw", "secret1"}, {"label0", "0"}});
  ASSERT_FALSE(ReplyHasToken(signed_in, "no")) << signed_in;
  const auto account = ReplyRecord(signed_in);
  ASSERT_TRUE(account);
  EXPECT_EQ((*account)[1], "Paris");
  EXPECT_EQ((*account)[2], "France");
  EXPECT_EQ((*account)[3], "1-015");
  EXPECT_EQ((*account)[4], "M");
  EXPECT_EQ((*account)[5], "Bob@mail.org");
  EXPECT_EQ((*account)[6], "01.02.2024");
  EXPECT_EQ((*account)[7], "xxx");
  EXPECT_EQ((*account)[12], "0");

  for (const auto& [nick, pw] : {std::pair{"Bob", "wrong"}, {"Nobody", "secret1"}, {"Bob", ""}}) {
    EXPECT_TRUE(ReplyHasToken(server.PostList("/account", {{"nick", nick}, {"pw", pw}, {"label0", "0"}}), "no"))
        << nick << "/" << pw;
  }
  server.CreateAccount("Ann", "secret2");
  EXPECT_EQ(ReplyNumber(server.Post("/account", "label1=0")), 2);
}

TEST_F(AccountTest, InvalidAccountsAreRefused) {
  const std::string bad[] = {
      "nick=B&pw=secret&city=Paris&country1=France&country2=1-015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
      "nick=Bob$&pw=secret&city=Paris&country1=France&country2=1-015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
      "nick=Bob&pw=abc&city=Paris&country1=France&country2=1-015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
      "nick=Bob&pw=secret&city=Paris&country1=France&country2=1015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
      "nick=Bob&pw=secret&city=Paris&country1=France&country2=1-015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=z&R05=0&R06=0",
      "nick=ThirteenChars&pw=secret&city=Paris&country1=France&country2=1-015&sex=M&email=a@b.c&dater=x&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
  };
  for (const auto& body : bad) {
    const std::string reply = server.Post("/account", body);
    EXPECT_FALSE(ReplyHasToken(reply, "ok") || ReplyHasToken(reply, "is")) << body;
  }
  EXPECT_EQ(ReplyNumber(server.Post("/account", "label1=0")), 0);
}

TEST_F(AccountTest, ProfileCardNeedsThePasswordAndReadsBackInOrder) {
  server.CreateAccount("Bob", "secret1");
  const std::string card =
      "nick=Bob&pw=secret1&labelinfosave=0&namei=Robert&name2=Smith&about=I play cards&telephone=+1 555"
      "&emailo=bob@mail.org&website=bob.org&skype=bobs&ok=bok&vk=bvk&telegram=@bob&facebook=fb&twitter=tw"
      "&instagramm=in&youtube=yt";
  EXPECT_TRUE(ReplyHasToken(server.Post("/account", card), "ok"));
  const auto read = ReplyRecord(server.PostList("/account", {{"nick", "Bob"}, {"labelinforead", "0"}}), '~');
  ASSERT_TRUE(read);
  const char* expected[] = {"", "Robert", "Smith", "I play cards", "+1 555", "bob@mail.org", "bob.org", "bobs",
                            "bok", "bvk", "@bob", "fb", "tw", "in", "yt"};
  for (int i = 1; i <= 14; ++i) EXPECT_EQ((*read)[i], expected[i]) << "field " << i;

  std::string stranger = card;
  stranger.replace(stranger.find("pw=secret1"), 10, "pw=guess");
  EXPECT_TRUE(ReplyHasToken(server.Post("/account", stranger), "no"));
  std::string no_pw = card;
  no_pw.erase(no_pw.find("&pw=secret1"), 11);
  EXPECT_TRUE(ReplyHasToken(server.Post("/account", no_pw), "no"));
  EXPECT_TRUE(ReplyHasToken(server.PostList("/account", {{"nick", "Nobody"}, {"labelinforead", "0"}}), "no"));
}

TEST_F(AccountTest, RatedGameCycleStartAndFinish) {
  server.CreateAccount("Bob", "secret1");
  // Start: read, then write the worst case (a loss by 70) as the program does.
  auto record = ReadRecord("Bob", "secret1");
  ASSERT_TRUE(record);
  double k = ReplyDecimal((*record)[1]), r = ReplyDecimal((*record)[3]);
  EXPECT_EQ(k, 0);
  const double worst = (k * (r - k / 20) - 70) / (k + 1) + (k + 1) / 20;
  EXPECT_TRUE(ReplyHasToken(WriteRecord("Bob", "secret1", 1, 0, worst, 0, 0, 0), "ok"));

  // Finish after a 7:0 win: the service holds the worst case, take it back.
  record = ReadRecord("Bob", "secret1");
  ASSERT_TRUE(record);
  k = ReplyDecimal((*record)[1]);
  r = ReplyDecimal((*record)[3]);
  EXPECT_EQ(k, 1);
  EXPECT_NEAR(r, -69.95, 1e-9);
  const double settled = k / 20 + (70 + k * (r - k / 20) + 70) / k;
  EXPECT_NEAR(settled, 70.05, 1e-9);
  EXPECT_TRUE(ReplyHasToken(WriteRecord("Bob", "secret1", 1, 0, settled, 0, 1, 70), "ok"));

  record = ReadRecord("Bob", "secret1");
  ASSERT_TRUE(record);
  EXPECT_EQ((*record)[1], "1");
  EXPECT_NEAR(ReplyDecimal((*record)[3]), 70.05, 1e-9);
  EXPECT_EQ((*record)[5], "1");
  EXPECT_EQ((*record)[6], "70");
  EXPECT_EQ((*record)[8], "#");

  EXPECT_TRUE(ReplyHasToken(WriteRecord("Bob", "wrong", 5, 0, 99, 0, 0, 0), "no"));
  EXPECT_TRUE(ReplyHasToken(WriteRecord("Bob", "secret1", 5, 0, 99, 0, 20, 0), "no")) << "konl is 0..19";
  EXPECT_FALSE(ReadRecord("Bob", "wrong"));
}

TEST_F(AccountTest, RatingPlaceAndBestRatedList) {
  const std::pair<const char*, double> players[] = {{"Ann", 12.5}, {"Bob", 40.25}, {"Cid", -3}};
  for (const auto& [nick, rating] : players) {
    server.CreateAccount(nick, "secret1", "Oslo");
    WriteRecord(nick, "secret1", 3, 0, rating, 0, 3, 10);
  }
  server.CreateAccount("Dan", "secret1");  // never played: not listed
  EXPECT_EQ(ReplyNumber(server.Post("/account", "crdqv2rating=12.5")), 2);
  EXPECT_EQ(ReplyNumber(server.Post("/account", "crdqv2rating=100")), 1);
  EXPECT_EQ(ReplyNumber(server.Post("/account", "crdqv2rating=-50")), 4);

  const auto rows = ReplyRecordList(server.PostList("/account", {{"crdqv2kon", "0"}}));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][2], "Bob");
  EXPECT_EQ(rows[0][3], "Oslo");
  EXPECT_EQ(rows[0][5], "1-015");
  EXPECT_EQ(rows[0][6], "M");
  EXPECT_NEAR(ReplyDecimal(rows[0][7]), 40.25, 1e-9);
  EXPECT_EQ(rows[1][2], "Ann");
  EXPECT_EQ(rows[2][2], "Cid");
}

TEST_F(AccountTest, PhotoUploadIsCheckedAgainstTheAccount) {
  server.CreateAccount("Bob", "secret1");
  const std::string jpeg = MakeJpeg(40, 30);
  auto upload = [&](const std::string& pw, const std::string& photo) {
    httplib::MultipartFormDataItems items = {
        {"nick", "Bob", "", ""}, {"pw", pw, "", ""}, {"photo", photo, "Bob.jpg", "image/jpeg"}};
    auto res = server.Client().Post("/avatars", items);
    return res ? res->body : std::string("<no reply>");
  };
  EXPECT_TRUE(ReplyHasToken(upload("wrong", jpeg), "no"));
  EXPECT_TRUE(ReplyHasToken(upload("secret1", "GIF89a not a jpeg"), "no"));
  EXPECT_TRUE(ReplyHasToken(upload("secret1", jpeg.substr(0, jpeg.size() / 2)), "no")) << "a cut picture";
  EXPECT_EQ(server.Get("/avatars/Bob.jpg")->status, 404);

  EXPECT_TRUE(ReplyHasToken(upload("secret1", jpeg), "ok"));
  auto res = server.Get("/avatars/Bob.jpg");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(res->body, jpeg);
  EXPECT_EQ(res->get_header_value("Content-Type"), "image/jpeg");

  std::string huge = jpeg;
  huge.resize(210 * 1024, '\0');
  EXPECT_NE(upload("secret1", huge), "ok");
  EXPECT_EQ(server.Get("/avatars/Bob.jpg")->body, jpeg) << "the old photo stays";
}

}  // namespace
}  // namespace quarlo::server::testing
