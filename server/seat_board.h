// Who sits where at the ten tournament tables.
//
// Seats are live state shared by the tournament web service (taking and
// leaving seats) and the relay (connecting, playing, ending a game), so they
// are held in memory behind one mutex and not stored: after a restart no
// relay connection exists, and every table starts free.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace quarlo::server {

inline constexpr int kTournamentTables = 10;

struct SeatHolder {
  std::string nick, country, city, sex, ip;
  long long score = 0, kon = 0, rating = 0;
};

enum class SeatAnswer { kOk, kTaken, kRefused };

class SeatBoard {
 public:
  using Clock = std::chrono::steady_clock;

  struct SeatView {
    std::optional<SeatHolder> holder;
    bool connected = false;
  };
  struct TableView {
    std::array<SeatView, 3> seats;  // [1] and [2]
    bool playing = false;
  };

  // can 1: seat 2 only once seat 1 is taken; one seat per nick.
  SeatAnswer Take(int table, int seat, const SeatHolder& holder, Clock::time_point now);
  // can 2: only before the game starts, and only from the holder's address
  // (nicks are public in the table list). The nick is the holder's or, as the
  // program sends it, the cleared record's "X".
  SeatAnswer Leave(int table, int seat, const std::string& nick, const std::string& requester_ip);
  // can 0 (clean-up after a failure, with no nick): frees a seat that is not
  // in a game when the request comes from the holder's address or the holder
  // has no relay connection.
  SeatAnswer Clear(int table, int seat, const std::string& requester_ip);
  TableView Table(int table) const;

  // Relay side. Connect marks a taken seat as connected when the address
  // matches and returns the seat's token; the token guards the later calls
  // against a seat that was freed and taken again meanwhile.
  std::optional<std::uint64_t> Connect(int table, int seat, const std::string& peer_ip);
  void Disconnect(int table, int seat, std::uint64_t token);
  void StartGame(int table);
  // Frees both seats of a table whose game has ended.
  void FreeTable(int table);
  std::optional<SeatHolder> Holder(int table, int seat, std::uint64_t token) const;
  // Frees seats that were taken but never connected to the relay.
  int ExpireUnconnected(Clock::time_point now, Clock::duration max_wait);

  static bool ValidTable(int table) { return table >= 1 && table <= kTournamentTables; }
  static bool ValidSeat(int seat) { return seat == 1 || seat == 2; }

 private:
  struct Seat {
    std::optional<SeatHolder> holder;
    bool connected = false;
    std::uint64_t token = 0;
    Clock::time_point taken{};
  };
  struct TableState {
    std::array<Seat, 3> seats;
    bool playing = false;
  };

  mutable std::mutex mutex_;
  std::array<TableState, kTournamentTables + 1> tables_;
  std::uint64_t next_token_ = 1;
};

}  // namespace quarlo::server
