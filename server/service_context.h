// What every web service handler gets, and what it answers.
#pragma once

#include <string>
#include <string_view>

#include "online/reply_writer.h"
#include "server/password_hash.h"
#include "server/reply_cache.h"
#include "server/seat_board.h"
#include "server/server_options.h"
#include "server/store.h"

namespace quarlo::server {

struct ServiceContext {
  Store& store;
  PasswordHasher& hasher;
  SeatBoard& seats;
  const ServerOptions& options;
  ReplyCache& score_tables;  // by gid
};

struct ServiceRequest {
  std::string_view body;
  std::string remote_ip;  // the caller's address
  std::string local_ip;   // the address the request came to
};

struct ServiceReply {
  int status = 200;
  std::string body;
};

inline ServiceReply Answer(std::string body) { return {200, std::move(body)}; }
inline ServiceReply Token(std::string_view token) { return {200, std::string(token)}; }
// A request the service does not know: an HTTP error, so the program reports
// a failure instead of reading an empty reply.
inline ServiceReply UnknownRequest() { return {400, std::string(kReplyRefused)}; }

}  // namespace quarlo::server
