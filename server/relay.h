// The tournament relay: one TCP listener per table (table n on base port +
// n), one thread, poll() over non-blocking sockets with a buffer each, so a
// slow or broken socket only ever costs its own connection.
//
// A socket sends "connect" + its seat digit first; the seat must have been
// taken on the web service from the same address. Once both seats are
// connected the relay deals to both, and again on "bnext" from seat 1; every
// other frame goes to the other seat unchanged. "o" from seat 1 records the
// result for both players and ends the game; a seat that leaves, times out
// ("TOut"), is cut off or disconnects after the deal loses by the largest
// result, and the other seat gets "a" (or the "T" frame).
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <unordered_map>

#include "engine/deal.h"
#include "records/result.h"
#include "server/event_log.h"
#include "server/seat_board.h"
#include "server/store.h"

namespace quarlo::server {

struct RelayConfig {
  std::string host = "127.0.0.1";
  int base_port = 8580;
  std::chrono::seconds idle_timeout{300};
  std::chrono::seconds seat_wait{60};
};

class Relay {
 public:
  Relay(RelayConfig config, SeatBoard& seats, Store& store, EventLog& log);
  ~Relay();
  Relay(const Relay&) = delete;
  Relay& operator=(const Relay&) = delete;

  // Binds the ten listeners and starts the relay thread.
  Status Start();
  void Stop();

 private:
  using Clock = std::chrono::steady_clock;
  struct Conn {
    int fd = -1;
    int table = 0;
    int seat = 0;  // 0 until "connect"
    std::uint64_t token = 0;
    std::string peer;
    std::string in, out;
    Clock::time_point last_heard;
    Clock::time_point closing_since;
    bool closing = false;  // flush what is queued, then close
    bool dead = false;
  };
  struct TableLink {
    std::array<int, 3> fd{-1, -1, -1};
    std::array<std::string, 3> nick;
    bool dealt = false;
  };

  void Run();
  void Accept(int table);
  void Read(Conn& c);
  void Flush(Conn& c);
  void HandleFrame(Conn& c, const std::string& frame);
  void Queue(int fd, const std::string& bytes);
  void Drop(Conn& c, const char* reason);
  void StartGame(int table);
  void SendDeal(int table);
  void EndGame(int table);
  void Record(int table, int seat1_result);
  void Sweep(Clock::time_point now);
  void Log(int table, int seat, const std::string& text);

  RelayConfig config_;
  SeatBoard& seats_;
  Store& store_;
  EventLog& log_;
  Rng rng_;
  std::array<int, kTournamentTables + 1> listeners_{};
  std::array<TableLink, kTournamentTables + 1> tables_{};
  std::unordered_map<int, Conn> conns_;
  int wake_[2] = {-1, -1};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace quarlo::server
