// quarlo-server as one object: the store, the web services on cpp-httplib
// and the tournament relay, started together and stopped together. The
// executable, the tests and the benchmark all run the server through it.
#pragma once

#include <httplib.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

#include "records/result.h"
#include "server/event_log.h"
#include "server/password_hash.h"
#include "server/rate_limiter.h"
#include "server/relay.h"
#include "server/seat_board.h"
#include "server/server_options.h"
#include "server/service_context.h"
#include "server/store.h"

namespace quarlo::server {

class QuarloServer {
 public:
  // Opens the database, prepares the data folder, binds the HTTP port (a
  // free one when the port is 0) and the ten table ports, and starts serving.
  // log may be null (no log).
  static Result<std::unique_ptr<QuarloServer>> Start(const ServerOptions& options, std::FILE* log,
                                                      PasswordHasher::Cost cost = {});
  ~QuarloServer();

  int http_port() const { return http_port_; }
  void Stop();

 private:
  explicit QuarloServer(const ServerOptions& options, std::FILE* log, PasswordHasher::Cost cost);

  ServerOptions options_;
  EventLog log_;
  PasswordHasher hasher_;
  SeatBoard seats_;
  RateLimiter limiter_;
  ReplyCache score_tables_;
  std::unique_ptr<Store> store_;
  std::unique_ptr<ServiceContext> ctx_;
  std::unique_ptr<Relay> relay_;
  httplib::Server http_;
  std::thread http_thread_;
  std::atomic<bool> http_done_{false};
  int http_port_ = 0;
};

}  // namespace quarlo::server
