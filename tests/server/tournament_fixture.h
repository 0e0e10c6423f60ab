// Seat requests of the tournament service, as the program sends them.
#pragma once

#include <string>

#include "server_fixture.h"

namespace quarlo::server::testing {

inline std::string SetSeat(TestServer& server, int table, int seat, int can, const std::string& nick) {
  const std::string s = std::to_string(seat);
  return server.Post("/tournament", "clienton" + s + "=0&gid=80&num=" + std::to_string(table) +
                                        "&can=" + std::to_string(can) + "&nick" + s + "=" + nick + "&score" + s +
                                        "=0&kon" + s + "=0&rating" + s + "=0&country" + s + "=France&city" + s +
                                        "=Paris&sex" + s + "=M&ip" + s + "=10.0.0.1");
}

inline std::string ReadSeat(TestServer& server, int table, int seat) {
  return server.PostList("/tournament",
                         {{"readclient" + std::to_string(seat), "0"}, {"gid", "80"}, {"num", std::to_string(table)}});
}

inline std::string ReadStanding(TestServer& server, const std::string& nick) {
  return server.Post("/tournament", "readrating80=0&nick=" + nick);
}

}  // namespace quarlo::server::testing
