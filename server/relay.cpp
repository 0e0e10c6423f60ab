#include "server/relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <vector>

#include "server/relay_frames.h"
#include "server/tournament_records.h"

namespace quarlo::server {

namespace {

constexpr std::size_t kMaxQueued = 64 * 1024;  // a peer that reads nothing is cut off beyond this
constexpr std::size_t kMaxConnections = 256;
constexpr auto kClosingGrace = std::chrono::seconds(5);

std::uint64_t DeviceSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

int Listen(const std::string& host, int port, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || !found) {
    error = "cannot resolve " + host;
    return -1;
  }
  const int fd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int on = 1;
  if (fd >= 0) setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (fd < 0 || bind(fd, found->ai_addr, found->ai_addrlen) != 0 || listen(fd, 16) != 0) {
    error = "cannot listen on " + host + ":" + service + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    freeaddrinfo(found);
    return -1;
  }
  freeaddrinfo(found);
  return fd;
}

}  // namespace

Relay::Relay(RelayConfig config, SeatBoard& seats, Store& store, EventLog& log)
    : config_(std::move(config)), seats_(seats), store_(store), log_(log), rng_(DeviceSeed()) {
  listeners_.fill(-1);
}

Relay::~Relay() { Stop(); }

Status Relay::Start() {
  for (int n = 1; n <= kTournamentTables; ++n) {
    std::string error;
    listeners_[n] = Listen(config_.host, config_.base_port + n, error);
    if (listeners_[n] < 0) {
      for (int m = 1; m < n; ++m) close(listeners_[m]);
      listeners_.fill(-1);
      return Status::Fail(error);
    }
  }
  if (pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) return Status::Fail("cannot create a pipe");
  thread_ = std::thread([this] { Run(); });
  return Status::Ok();
}

void Relay::Stop() {
  if (!thread_.joinable()) return;
  stop_ = true;
  const char byte = 0;
  [[maybe_unused]] const auto written = write(wake_[1], &byte, 1);
  thread_.join();
  for (auto& [fd, c] : conns_) close(fd);
  conns_.clear();
  for (int& fd : listeners_) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  close(wake_[0]);
  close(wake_[1]);
}

void Relay::Log(int table, int seat, const std::string& text) {
  if (!log_.enabled()) return;
  std::string line = "relay table " + std::to_string(table);
  if (seat) line += " seat " + std::to_string(seat);
  log_.Line(line + ": " + text);
}

void Relay::Run() {
  std::vector<pollfd> fds;
  auto last_sweep = Clock::now();
  while (!stop_) {
    fds.clear();
    fds.push_back({wake_[0], POLLIN, 0});
    for (int n = 1; n <= kTournamentTables; ++n) fds.push_back({listeners_[n], POLLIN, 0});
    for (const auto& [fd, c] : conns_) {
      short events = c.closing ? 0 : POLLIN;
      if (!c.out.empty()) events |= POLLOUT;
      fds.push_back({fd, events, 0});
    }
    const int ready = poll(fds.data(), fds.size(), 1000);
    if (ready < 0 && errno != EINTR) break;
    if (fds[0].revents) {
      char drain[64];
      while (read(wake_[0], drain, sizeof drain) > 0) {
      }
    }
    if (stop_) break;
    for (int n = 1; n <= kTournamentTables; ++n) {
      if (fds[n].revents & POLLIN) Accept(n);
    }
    for (std::size_t i = kTournamentTables + 1; i < fds.size(); ++i) {
      if (!fds[i].revents) continue;
      auto it = conns_.find(fds[i].fd);
      if (it == conns_.end() || it->second.dead) continue;
      Conn& c = it->second;
      if (fds[i].revents & POLLOUT) Flush(c);
      if (!c.dead && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
        if (c.closing) {
          c.dead = true;  // the peer went away before taking the rest
        } else {
          Read(c);
        }
      }
    }
    const auto now = Clock::now();
    if (now - last_sweep >= std::chrono::seconds(1)) {
      Sweep(now);
      last_sweep = now;
    }
    for (auto it = conns_.begin(); it != conns_.end();) {
      if (it->second.closing && it->second.out.empty()) it->second.dead = true;
      if (it->second.dead) {
        close(it->first);
        it = conns_.erase(it);
      } else {
        ++it;
      }
    }
  }
}

void Relay::Accept(int table) {
  for (;;) {
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    const int fd = accept4(listeners_[table], reinterpret_cast<sockaddr*>(&addr), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;
    if (conns_.size() >= kMaxConnections) {
      close(fd);
      continue;
    }
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    char ip[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &addr.sin_addr, ip, sizeof ip);
    Conn c;
    c.fd = fd;
    c.table = table;
    c.peer = ip;
    c.last_heard = Clock::now();
    conns_.emplace(fd, std::move(c));
  }
}

void Relay::Read(Conn& c) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
    if (n == 0) {
      Drop(c, "disconnected");
      return;
    }
    if (n < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK) return;
      if (errno == EINTR) continue;
      Drop(c, "socket error");
      return;
    }
    c.last_heard = Clock::now();
    c.in.append(buffer, static_cast<std::size_t>(n));
    std::size_t used = 0;
    while (c.in.size() - used >= kFrameSize && !c.closing && !c.dead) {
      HandleFrame(c, c.in.substr(used, kFrameSize));
      used += kFrameSize;
    }
    if (c.closing || c.dead) return;
    c.in.erase(0, used);
  }
}

void Relay::Flush(Conn& c) {
  while (!c.out.empty()) {
    const ssize_t n = send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK) return;
      if (errno == EINTR) continue;
      c.out.clear();
      if (!c.closing) {
        Drop(c, "socket error");
      } else {
        c.dead = true;
      }
      return;
    }
    c.out.erase(0, static_cast<std::size_t>(n));
  }
}

void Relay::Queue(int fd, const std::string& bytes) {
  auto it = conns_.find(fd);
  if (it == conns_.end() || it->second.dead) return;
  Conn& c = it->second;
  c.out += bytes;
  Flush(c);
  if (!c.dead && c.out.size() > kMaxQueued) Drop(c, "does not read");
}

void Relay::HandleFrame(Conn& c, const std::string& frame) {
  TableLink& link = tables_[c.table];
  if (c.seat == 0) {
    const auto seat = ConnectSeat(frame);
    if (!seat) return Drop(c, "first frame is no connect frame");
    if (link.fd[*seat] >= 0) return Drop(c, "seat already connected");
    const auto token = seats_.Connect(c.table, *seat, c.peer);
    if (!token) return Drop(c, "seat not taken from this address");
    c.seat = *seat;
    c.token = *token;
    link.fd[c.seat] = c.fd;
    Log(c.table, c.seat, "connected from " + c.peer);
    if (link.fd[1] >= 0 && link.fd[2] >= 0) StartGame(c.table);
    return;
  }
  if (frame.back() != static_cast<char>('0' + c.seat)) return Drop(c, "malformed frame");
  const int other = link.fd[3 - c.seat];
  if (ConnectSeat(frame)) return;  // a repeated hello changes nothing
  if (frame.starts_with("disA")) return Drop(c, "left the table");
  if (frame.starts_with("bnext")) {
    if (c.seat == 1 && link.dealt) SendDeal(c.table);
    return;
  }
  if (frame[0] == 'o') {
    if (c.seat != 1 || !link.dealt) return;
    const auto results = ParseResultFrame(frame);
    if (results) {
      Record(c.table, results->seat1);
    } else {
      Log(c.table, c.seat, "unreadable result frame, nothing recorded");
    }
    return EndGame(c.table);
  }
  if (frame.starts_with("TOut")) {
    if (!link.dealt) return;
    if (other >= 0) Queue(other, frame);
    Log(c.table, c.seat, "time is up");
    Record(c.table, c.seat == 1 ? -static_cast<int>(kMaxGameResult) : static_cast<int>(kMaxGameResult));
    return EndGame(c.table);
  }
  if (frame[0] == 'a' || frame[0] == 'T' || frame[0] == 'b') {
    // "a", "T" and the deal come from the relay alone: a forged one would end
    // the other player's game (who then leaves and loses) or hand it a deal
    // that nobody dealt.
    Log(c.table, c.seat, "relay frame from a player ignored");
    return;
  }
  if (link.dealt && other >= 0) Queue(other, frame);
}

void Relay::Drop(Conn& c, const char* reason) {
  if (c.dead) return;
  c.dead = true;
  c.out.clear();
  if (c.seat == 0) return;
  const int table = c.table;
  const int seat = c.seat;
  c.seat = 0;
  TableLink& link = tables_[table];
  if (link.fd[seat] != c.fd) return;
  link.fd[seat] = -1;
  Log(table, seat, reason);
  if (!link.dealt) {
    seats_.Disconnect(table, seat, c.token);
    return;
  }
  if (link.fd[3 - seat] >= 0) Queue(link.fd[3 - seat], MakeFrame("a", seat));
  Record(table, seat == 1 ? -static_cast<int>(kMaxGameResult) : static_cast<int>(kMaxGameResult));
  EndGame(table);
}

void Relay::StartGame(int table) {
  TableLink& link = tables_[table];
  for (int s = 1; s <= 2; ++s) {
    const auto holder = seats_.Holder(table, s, conns_[link.fd[s]].token);
    if (!holder) {
      // The seat was left on the web service while its socket was still open.
      Drop(conns_[link.fd[s]], "seat no longer held");
      return;
    }
    link.nick[s] = holder->nick;
  }
  link.dealt = true;
  seats_.StartGame(table);
  Log(table, 0, "game starts: " + link.nick[1] + " against " + link.nick[2]);
  SendDeal(table);
}

void Relay::SendDeal(int table) {
  const std::string deal = DealMessage(Shuffle(rng_));
  const TableLink& link = tables_[table];
  for (int s = 1; s <= 2; ++s) {
    if (link.fd[s] >= 0) Queue(link.fd[s], deal);
  }
}

void Relay::Record(int table, int seat1_result) {
  const TableLink& link = tables_[table];
  try {
    auto db = store_.Acquire();
    RecordTournamentGame(*db, link.nick[1], seat1_result, link.nick[2], -seat1_result);
    Log(table, 0, "result " + link.nick[1] + " " + std::to_string(seat1_result) + ", " + link.nick[2] + " " +
                      std::to_string(-seat1_result));
  } catch (const StoreError& e) {
    Log(table, 0, std::string("result not recorded: ") + e.what());
  }
}

void Relay::EndGame(int table) {
  TableLink& link = tables_[table];
  const auto now = Clock::now();
  for (int s = 1; s <= 2; ++s) {
    if (link.fd[s] < 0) continue;
    auto it = conns_.find(link.fd[s]);
    if (it != conns_.end()) {
      it->second.seat = 0;
      it->second.closing = true;
      it->second.closing_since = now;
    }
  }
  link = TableLink{};
  seats_.FreeTable(table);
  Log(table, 0, "table free");
}

void Relay::Sweep(Clock::time_point now) {
  for (auto& [fd, c] : conns_) {
    if (c.dead) continue;
    if (c.closing) {
      if (now - c.closing_since > kClosingGrace) c.dead = true;
    } else if (now - c.last_heard > config_.idle_timeout) {
      if (c.seat == 0) {
        c.dead = true;
      } else {
        Drop(c, "silent too long");
      }
    }
  }
  const int expired = seats_.ExpireUnconnected(now, config_.seat_wait);
  if (expired) Log(0, 0, std::to_string(expired) + " seat(s) freed: never connected");
}

}  // namespace quarlo::server
