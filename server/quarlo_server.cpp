#include "server/quarlo_server.h"

#include <chrono>

#include "server/data_folder.h"
#include "server/http_routes.h"

namespace quarlo::server {

QuarloServer::QuarloServer(const ServerOptions& options, std::FILE* log, PasswordHasher::Cost cost)
    : options_(options), log_(options.quiet ? nullptr : log), hasher_(cost), limiter_(options.rate_limit) {}

Result<std::unique_ptr<QuarloServer>> QuarloServer::Start(const ServerOptions& options, std::FILE* log,
                                                          PasswordHasher::Cost cost) {
  using R = Result<std::unique_ptr<QuarloServer>>;
  if (!InitPasswordHashing()) return R::Fail("libsodium cannot be initialised");
  std::unique_ptr<QuarloServer> server(new QuarloServer(options, log, cost));
  const ServerOptions& o = server->options_;

  if (auto prepared = PrepareDataFolder(o.data_dir); !prepared) return R::Fail(prepared.error);
  // One connection per HTTP worker and one for the relay, so nobody waits
  // for a connection while another thread works.
  auto store = Store::Open(o.db_path, o.threads + 1);
  if (!store) return R::Fail(store.error());
  server->store_ = std::move(*store);
  server->ctx_.reset(new ServiceContext{*server->store_, server->hasher_, server->seats_, server->options_,
                                             server->score_tables_});

  server->relay_ = std::make_unique<Relay>(
      RelayConfig{o.host, o.tables_base_port, o.idle_timeout, o.seat_wait}, server->seats_, *server->store_,
      server->log_);
  if (auto started = server->relay_->Start(); !started) return R::Fail(started.error);

  httplib::Server& http = server->http_;
  const int threads = o.threads;
  http.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
  http.set_tcp_nodelay(true);  // replies are small; never wait for a delayed ACK
  http.set_keep_alive_max_count(1000);
  http.set_keep_alive_timeout(5);
  http.set_read_timeout(10);
  http.set_write_timeout(10);
  SetUpRoutes(http, HttpDeps{*server->ctx_, server->limiter_, server->log_});
  if (o.port == 0) {
    server->http_port_ = http.bind_to_any_port(o.host);
  } else if (http.bind_to_port(o.host, o.port)) {
    server->http_port_ = o.port;
  } else {
    server->http_port_ = -1;
  }
  if (server->http_port_ <= 0) {
    server->relay_->Stop();
    return R::Fail("cannot listen on " + o.host + ":" + std::to_string(o.port));
  }
  server->http_thread_ = std::thread([s = server.get()] {
    s->http_.listen_after_bind();
    s->http_done_ = true;
  });
  // stop() only reaches a server that is already running: wait for it, so a
  // Stop() right after Start() cannot miss it.
  while (!http.is_running() && !server->http_done_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  server->log_.Line("listening on " + o.host + ":" + std::to_string(server->http_port_) + ", tables on ports " +
                    std::to_string(o.tables_base_port + 1) + ".." + std::to_string(o.tables_base_port + 10) +
                    ", database " + o.db_path + ", data " + o.data_dir);
  return R::Ok(std::move(server));
}

QuarloServer::~QuarloServer() { Stop(); }

void QuarloServer::Stop() {
  if (http_thread_.joinable()) {
    http_.stop();
    http_thread_.join();
    log_.Line("stopped");
  }
  if (relay_) relay_->Stop();
}

}  // namespace quarlo::server
