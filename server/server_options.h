// The command line of quarlo-server.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "records/result.h"

namespace quarlo::server {

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 8580;                 // HTTP; 0 picks a free port
  std::string db_path = "quarlo-server.sqlite";
  int tables_base_port = 8580;     // table n listens on base + n
  std::string data_dir = "server-data";
  bool pause_ranking = false;      // directory says "WTGamesPause"
  bool pause_chat = false;         // directory says "CTGamesPause"
  std::string public_url;          // base of the directory's addresses; empty: the Host the client used
  std::string relay_address;       // address in the table list; empty: the address the request came to
  int rate_limit = 100;            // requests per second per address; 0 = no limit
  int threads = 8;                 // HTTP worker threads
  std::chrono::seconds idle_timeout{300};  // relay: silent sockets are cut off
  std::chrono::seconds seat_wait{60};      // a taken seat must connect to the relay within this time
  std::string tournament_info = "Quarlo world online tournament: games to 7 points";
  bool tournament_off = false;     // server information answers "N"
  bool quiet = false;              // no request log
};

// Nothing to run (the text is the help) or the options, or the reason.
struct ParsedOptions {
  ServerOptions options;
  bool help = false;
};
Result<ParsedOptions> ParseServerOptions(const std::vector<std::string>& args);
std::string ServerUsage();

}  // namespace quarlo::server
