// The plain pages and files, and the limits in front of every request.
#include <gtest/gtest.h>

#include <fstream>

#include "online/reply_reader.h"
#include "records/address_cipher.h"
#include "server_fixture.h"

namespace quarlo::server::testing {
namespace {

// The value after "key=" up to the next "#", deciphered as the program does.
std::string DirectoryValue(const std::string& text, const std::string& key) {
  const auto at = text.find(key + "=");
  if (at == std::string::npos) return "<missing>";
  const auto start = at + key.size() + 1;
  const auto end = text.find('#', start);
  if (end == std::string::npos) return "<no #>";
  return DecipherAddress(text.substr(start, end - start)).value_or("<not enciphered>");
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

TEST(HttpTest, DirectoryNamesTheServicesAndThePauses) {
  TestServer server;
  server.Start();
  auto res = server.Get("/directory.txt");
  ASSERT_TRUE(res);
  const std::string base = "http://127.0.0.1:" + std::to_string(server.port());
  EXPECT_EQ(DirectoryValue(res->body, "WTGamesPatt"), base + "/ranking");
  EXPECT_EQ(DirectoryValue(res->body, "StatPath"), base + "/statistics");
  EXPECT_EQ(DirectoryValue(res->body, "AccPath"), base + "/account");
  EXPECT_EQ(res->body.find("Pause"), std::string::npos);

  server.Stop();
  server.options.pause_ranking = true;
  server.options.pause_chat = true;
  server.options.public_url = "http://games.example.org";
  server.Start();
  res = server.Get("/directory.txt");
  ASSERT_TRUE(res);
  EXPECT_NE(res->body.find("WTGamesPause"), std::string::npos);
  EXPECT_NE(res->body.find("CTGamesPause"), std::string::npos);
  EXPECT_EQ(DirectoryValue(res->body, "AccPath"), "http://games.example.org/account");
}

TEST(HttpTest, PagesAndFilesOfTheDataFolder) {
  TestServer server;
  server.Start();
  EXPECT_EQ(server.Get("/get_ip.php")->body, "127.0.0.1");
  auto news = server.Get("/news.html");
  ASSERT_TRUE(news);
  EXPECT_NE(news->body.find("QovNews00000"), std::string::npos) << "the page made on first start";

  const std::filesystem::path data = server.options.data_dir;
  WriteFile(data / "news.html", "<p>QovNews00042 new tables</p>");
  WriteFile(data / "musik" / "_playlist.html", "Artist_One~Song_1.mp3\nArtist_Two~Song_2.mp3\n");
  WriteFile(data / "musik" / "Artist_One~Song_1.mp3", "ID3 song bytes");
  WriteFile(data / "downloads" / "QovRadio.rad", "RUS#RADIO01#Name#Russia#http://x#LOGO#\r\n");
  WriteFile(server.dir() / "secret.txt", "outside the data folder");

  EXPECT_NE(server.Get("/news.html")->body.find("QovNews00042"), std::string::npos);
  EXPECT_EQ(server.Get("/musik/_playlist.html")->body, "Artist_One~Song_1.mp3\nArtist_Two~Song_2.mp3\n");
  EXPECT_EQ(server.Get("/musik/Artist_One~Song_1.mp3")->body, "ID3 song bytes");
  EXPECT_EQ(server.Get("/downloads/progr/cards/QovRadio.rad")->body.substr(0, 3), "RUS");
  EXPECT_EQ(server.Get("/downloads/progr/cards/QovCards06A.dll")->status, 404);
  EXPECT_NE(server.Get("/musik/../../secret.txt")->body, "outside the data folder");
  EXPECT_NE(server.Get("/musik/%2e%2e/%2e%2e/secret.txt")->body, "outside the data folder");
}

TEST(HttpTest, OversizedBodiesUnknownRequestsAndTheRateLimit) {
  TestServer server;
  server.options.rate_limit = 5;
  server.Start();
  int status = 0;
  server.Post("/ranking", "gid=80&nick=" + std::string(70 * 1024, 'a'), &status);
  EXPECT_EQ(status, 413);
  server.Post("/account", "what=ever", &status);
  EXPECT_EQ(status, 400);
  int limited = 0;
  for (int i = 0; i < 10; ++i) {
    server.Post("/statistics", "gid=80", &status);
    if (status == 429) ++limited;
  }
  EXPECT_GE(limited, 3) << "at most 5 requests a second from one address";
}

}  // namespace
}  // namespace quarlo::server::testing
