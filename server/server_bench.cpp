// quarlo-server-bench: starts the server on loopback with a scratch database,
// loads it for a few seconds and prints what it measured:
//   - score table reads (POST /ranking gid=80) per second and their p50/p99,
//     from several keep-alive clients at once;
//   - relay latency: the time from one seat's send to the other seat's
//     receipt of a 20-character frame, p50/p99.
// It stops by itself and removes its scratch files.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "server/form_fields.h"
#include "server/quarlo_server.h"
#include "server/relay_frames.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace quarlo::server;

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1));
  return v[index];
}

int Connect(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, "127.0.0.1", &addr.sin_addr);
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return -1;
  }
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  timeval tv{2, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  return fd;
}

bool ReceiveExactly(int fd, std::size_t n) {
  char buffer[128];
  std::size_t got = 0;
  while (got < n) {
    const ssize_t r = recv(fd, buffer, std::min(sizeof buffer, n - got), 0);
    if (r <= 0) return false;
    got += static_cast<std::size_t>(r);
  }
  return true;
}

void Post(httplib::Client& client, const std::string& path, const std::string& body) {
  client.Post(path.c_str(), body, "application/x-www-form-urlencoded");
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 3;
  int clients = 4;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--seconds") seconds = std::max(0.1, std::atof(argv[i + 1]));
    if (a == "--clients") clients = std::clamp(std::atoi(argv[i + 1]), 1, 64);
  }

  std::random_device device;
  const auto dir = std::filesystem::temp_directory_path() / ("quarlo-server-bench-" + std::to_string(device()));
  std::filesystem::create_directories(dir);
  ServerOptions options;
  options.port = 0;
  options.db_path = (dir / "bench.sqlite").string();
  options.data_dir = (dir / "data").string();
  options.rate_limit = 0;  // every request comes from one address here
  options.quiet = true;
  std::unique_ptr<QuarloServer> server;
  for (int attempt = 0; attempt < 20 && !server; ++attempt) {
    options.tables_base_port = 20000 + static_cast<int>(device() % 30000);
    auto started = QuarloServer::Start(options, nullptr);
    if (started) server = std::move(*started);
  }
  if (!server) {
    std::fprintf(stderr, "quarlo-server-bench: cannot start the server\n");
    return 1;
  }
  const int port = server->http_port();

  {
    httplib::Client setup("127.0.0.1", port);
    for (int i = 0; i < 200; ++i) {
      Post(setup, "/ranking", "gid=80&nick=P" + std::to_string(i) + "&city=Moscow&country=1-001&score=" +
                                  std::to_string((i * 37) % 1400 - 700) + "&R7=M&R8=5.7f&R9=#&R10=#*");
    }
    for (const char* nick : {"BenchA", "BenchB"}) {
      Post(setup, "/account", std::string("nick=") + nick +
                                  "&pw=secret1&city=Paris&country1=France&country2=1-015&sex=M&email=b@x.org"
                                  "&dater=01.01.2024&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0");
    }
  }

  // Score table reads.
  std::atomic<bool> stop{false};
  std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
  std::vector<std::thread> workers;
  std::atomic<long> failures{0};
  const auto http_start = Clock::now();
  for (int c = 0; c < clients; ++c) {
    workers.emplace_back([&, c] {
      httplib::Client client("127.0.0.1", port);
      client.set_keep_alive(true);
      client.set_tcp_nodelay(true);
      auto& mine = latencies[static_cast<std::size_t>(c)];
      while (!stop) {
        const auto t0 = Clock::now();
        auto res = client.Post("/ranking", "gid=80", "application/x-www-form-urlencoded");
        const auto t1 = Clock::now();
        if (!res || res->status != 200 || res->body.empty() || res->body[0] != '$') ++failures;
        mine.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  stop = true;
  for (auto& w : workers) w.join();
  const double http_elapsed = std::chrono::duration<double>(Clock::now() - http_start).count();
  std::vector<double> all;
  for (const auto& v : latencies) all.insert(all.end(), v.begin(), v.end());

  // Relay latency.
  std::vector<double> relay;
  {
    httplib::Client setup("127.0.0.1", port);
    for (int s = 1; s <= 2; ++s) {
      const std::string d = std::to_string(s);
      Post(setup, "/tournament", "clienton" + d + "=0&gid=80&num=1&can=1&nick" + d + "=" + (s == 1 ? "BenchA" : "BenchB") +
                                     "&score" + d + "=0&kon" + d + "=0&rating" + d + "=0&country" + d +
                                     "=France&city" + d + "=Paris&sex" + d + "=M&ip" + d + "=x");
    }
    const int a = Connect(options.tables_base_port + 1);
    const int b = Connect(options.tables_base_port + 1);
    const std::string hello_a = MakeFrame("connect1", 1), hello_b = MakeFrame("connect2", 2);
    send(a, hello_a.data(), hello_a.size(), MSG_NOSIGNAL);
    send(b, hello_b.data(), hello_b.size(), MSG_NOSIGNAL);
    if (a >= 0 && b >= 0 && ReceiveExactly(a, 73) && ReceiveExactly(b, 73)) {
      const std::string from_a = MakeFrame("h100", 1), from_b = MakeFrame("h200", 2);
      const auto end = Clock::now() + std::chrono::duration<double>(std::min(seconds, 2.0));
      bool ok = true;
      while (ok && Clock::now() < end) {
        for (int turn = 0; turn < 2 && ok; ++turn) {
          const int sender = turn == 0 ? a : b, receiver = turn == 0 ? b : a;
          const std::string& frame = turn == 0 ? from_a : from_b;
          const auto t0 = Clock::now();
          send(sender, frame.data(), frame.size(), MSG_NOSIGNAL);
          ok = ReceiveExactly(receiver, 20);
          relay.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
      }
    }
    if (a >= 0) close(a);
    if (b >= 0) close(b);
  }

  server->Stop();
  server.reset();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);

  std::printf("score table reads: %zu requests in %.2f s from %d clients: %.0f requests/s, p50 %.0f us, p99 %.0f us, "
              "%ld failed\n",
              all.size(), http_elapsed, clients, static_cast<double>(all.size()) / http_elapsed,
              Percentile(all, 0.50), Percentile(all, 0.99), failures.load());
  std::printf("relay frames: %zu relayed, latency p50 %.0f us, p99 %.0f us\n", relay.size(), Percentile(relay, 0.50),
              Percentile(relay, 0.99));
  return (all.empty() || relay.empty() || failures > 0) ? 1 : 0;
}
