// The small pieces under the services: body parsing, frames, the rating rule,
// the command line and the JPEG check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "server/event_log.h"
#include "server/form_fields.h"
#include "server/jpeg_check.h"
#include "server/relay_frames.h"
#include "server/server_options.h"
#include "server/tournament_records.h"
#include "server_fixture.h"

namespace quarlo::server {
namespace {

TEST(FormFieldsTest, RawBodiesKeepValuesListsDecodeThem) {
  auto raw = FormFields::Parse("nick=Bob&about=50%25+more&&telephone=+1 555&empty=&flag\r\n");
  EXPECT_EQ(*raw.Find("about"), "50%25+more");
  EXPECT_EQ(*raw.Find("telephone"), "+1 555");
  EXPECT_EQ(*raw.Find("empty"), "");
  EXPECT_EQ(*raw.Find("flag"), "");
  EXPECT_FALSE(raw.Find("missing"));
  raw.DecodeValues();
  EXPECT_EQ(*raw.Find("about"), "50% more");

  auto list = FormFields::Parse("nick=%C0%ED%FF&pw=a%26b%3Dc&%zz=1");
  list.DecodeValues();
  EXPECT_EQ(*list.Find("nick"), "\xC0\xED\xFF");
  EXPECT_EQ(*list.Find("pw"), "a&b=c");
  EXPECT_TRUE(list.Find("%zz")) << "a broken escape stays as it is";
  EXPECT_EQ(list.FindPrefix("p")->first, "pw");
}

TEST(EventLogTest, ClientTextCannotForgeLines) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  EventLog log(f);
  log.Line("photo of Bob\n2099-01-01T00:00:00Z admin signed in\x1b[2J refused");
  std::rewind(f);
  char buf[256] = {};
  const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
  std::fclose(f);
  const std::string out(buf, n);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
  EXPECT_NE(out.find("Bob?2099"), std::string::npos);
  EXPECT_EQ(out.find('\x1b'), std::string::npos);
}

TEST(RelayFramesTest, ConnectAndResultFrames) {
  EXPECT_EQ(MakeFrame("TOut", 2), "TOut" + std::string(15, '#') + "2");
  EXPECT_EQ(ConnectSeat(MakeFrame("connect1", 1)), 1);
  EXPECT_EQ(ConnectSeat(MakeFrame("connect2", 2)), 2);
  EXPECT_FALSE(ConnectSeat(MakeFrame("connect2", 1)));
  EXPECT_FALSE(ConnectSeat(MakeFrame("connect3", 3)));
  EXPECT_FALSE(ConnectSeat("connect1"));

  struct Case {
    const char* text;
    std::optional<int> seat1;
  } cases[] = {
      {"o   10  -10", 10}, {"o  -20   20", -20}, {"o   70  -70", 70}, {"o   80  -80", std::nullopt},
      {"o   40   40", std::nullopt}, {"o   15  -15", std::nullopt}, {"o    0    0", std::nullopt},
      {"o  abc  -10", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto r = ParseResultFrame(MakeFrame(c.text, 1));
    EXPECT_EQ(r ? std::optional<int>(r->seat1) : std::nullopt, c.seat1) << c.text;
  }
}

TEST(TournamentRatingTest, AverageResultPlusGamesOverTwenty) {
  EXPECT_EQ(TournamentRating(0, 0), 0);
  EXPECT_EQ(TournamentRating(40, 1), 40);     // 40.05
  EXPECT_EQ(TournamentRating(-40, 1), -40);   // -39.95
  EXPECT_EQ(TournamentRating(300, 20), 16);   // 15 + 1
  EXPECT_EQ(TournamentRating(-10, 10), -1);   // -1 + 0.5 = -0.5, away from zero
  EXPECT_EQ(TournamentRating(1000, 100), 15); // 10 + 5
}

TEST(ServerOptionsTest, CommandLine) {
  auto parsed = ParseServerOptions({"--listen", "0.0.0.0:9000", "--db", "x.sqlite", "--tables-base-port", "9100",
                                    "--data", "d", "--pause-chat", "--rate-limit", "0"});
  ASSERT_TRUE(parsed) << parsed.error();
  EXPECT_EQ(parsed->options.host, "0.0.0.0");
  EXPECT_EQ(parsed->options.port, 9000);
  EXPECT_EQ(parsed->options.db_path, "x.sqlite");
  EXPECT_EQ(parsed->options.tables_base_port, 9100);
  EXPECT_EQ(parsed->options.data_dir, "d");
  EXPECT_TRUE(parsed->options.pause_chat);
  EXPECT_FALSE(parsed->options.pause_ranking);
  EXPECT_EQ(parsed->options.rate_limit, 0);

  const ServerOptions defaults = ParseServerOptions({})->options;
  EXPECT_EQ(defaults.host, "127.0.0.1");
  EXPECT_EQ(defaults.port, 8580);
  EXPECT_EQ(defaults.tables_base_port, 8580);
  EXPECT_EQ(defaults.db_path, "quarlo-server.sqlite");
  EXPECT_EQ(defaults.data_dir, "server-data");

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--listen", "9000"}, {"--tables-base-port", "65530"}, {"--db"}, {"--bogus", "1"},
        {"stray"}}) {
    EXPECT_FALSE(ParseServerOptions(bad)) << bad[0];
  }
}

TEST(JpegCheckTest, DecodesOrSaysWhy) {
  const std::string jpeg = testing::MakeJpeg(16, 16);
  EXPECT_EQ(CheckJpeg(jpeg), "");
  EXPECT_NE(CheckJpeg(""), "");
  EXPECT_NE(CheckJpeg(jpeg.substr(0, 100)), "");
  // Cut inside the picture data, past all headers: the decoder only warns
  // and pads the rest, which must still count as damaged.
  const std::string large = testing::MakeJpeg(256, 256);
  EXPECT_NE(CheckJpeg(large.substr(0, large.size() * 3 / 4)), "") << "cut in the picture data";
  EXPECT_NE(CheckJpeg(testing::MakeJpeg(64, 8), 32), "") << "wider than allowed";
  std::string broken = jpeg;
  for (std::size_t i = 200; i < broken.size() - 2; i += 7) broken[i] = '\xFF';
  EXPECT_NE(CheckJpeg(broken), "");
}

}  // namespace
}  // namespace quarlo::server
