#include "server/seat_board.h"

#include <strings.h>

namespace quarlo::server {

namespace {

bool SameNick(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

}  // namespace

SeatAnswer SeatBoard::Take(int table, int seat, const SeatHolder& holder, Clock::time_point now) {
  if (!ValidTable(table) || !ValidSeat(seat)) return SeatAnswer::kRefused;
  std::lock_guard lock(mutex_);
  TableState& t = tables_[table];
  if (t.playing || t.seats[seat].holder) return SeatAnswer::kTaken;
  if (seat == 2 && !t.seats[1].holder) return SeatAnswer::kRefused;
  for (int n = 1; n <= kTournamentTables; ++n) {
    for (int s = 1; s <= 2; ++s) {
      const auto& other = tables_[n].seats[s].holder;
      if (other && SameNick(other->nick, holder.nick)) return SeatAnswer::kRefused;
    }
  }
  Seat& target = t.seats[seat];
  target.holder = holder;
  target.connected = false;
  target.token = next_token_++;
  target.taken = now;
  return SeatAnswer::kOk;
}

SeatAnswer SeatBoard::Leave(int table, int seat, const std::string& nick, const std::string& requester_ip) {
  if (!ValidTable(table) || !ValidSeat(seat)) return SeatAnswer::kRefused;
  std::lock_guard lock(mutex_);
  TableState& t = tables_[table];
  Seat& s = t.seats[seat];
  if (t.playing || !s.holder || s.holder->ip != requester_ip || (nick != "X" && !SameNick(s.holder->nick, nick))) {
    return SeatAnswer::kRefused;
  }
  s = Seat{};
  return SeatAnswer::kOk;
}

SeatAnswer SeatBoard::Clear(int table, int seat, const std::string& requester_ip) {
  if (!ValidTable(table) || !ValidSeat(seat)) return SeatAnswer::kRefused;
  std::lock_guard lock(mutex_);
  TableState& t = tables_[table];
  Seat& s = t.seats[seat];
  if (!s.holder) return SeatAnswer::kOk;  // already free
  if (t.playing || (s.connected && s.holder->ip != requester_ip)) return SeatAnswer::kRefused;
  s = Seat{};
  return SeatAnswer::kOk;
}

SeatBoard::TableView SeatBoard::Table(int table) const {
  TableView view;
  if (!ValidTable(table)) return view;
  std::lock_guard lock(mutex_);
  const TableState& t = tables_[table];
  view.playing = t.playing;
  for (int s = 1; s <= 2; ++s) view.seats[s] = {t.seats[s].holder, t.seats[s].connected};
  return view;
}

std::optional<std::uint64_t> SeatBoard::Connect(int table, int seat, const std::string& peer_ip) {
  if (!ValidTable(table) || !ValidSeat(seat)) return std::nullopt;
  std::lock_guard lock(mutex_);
  Seat& s = tables_[table].seats[seat];
  if (!s.holder || s.connected || s.holder->ip != peer_ip) return std::nullopt;
  s.connected = true;
  return s.token;
}

void SeatBoard::Disconnect(int table, int seat, std::uint64_t token) {
  if (!ValidTable(table) || !ValidSeat(seat)) return;
  std::lock_guard lock(mutex_);
  Seat& s = tables_[table].seats[seat];
  if (s.token == token) s = Seat{};
}

void SeatBoard::StartGame(int table) {
  if (!ValidTable(table)) return;
  std::lock_guard lock(mutex_);
  tables_[table].playing = true;
}

void SeatBoard::FreeTable(int table) {
  if (!ValidTable(table)) return;
  std::lock_guard lock(mutex_);
  tables_[table] = TableState{};
}

std::optional<SeatHolder> SeatBoard::Holder(int table, int seat, std::uint64_t token) const {
  if (!ValidTable(table) || !ValidSeat(seat)) return std::nullopt;
  std::lock_guard lock(mutex_);
  const Seat& s = tables_[table].seats[seat];
  if (s.token != token || !s.holder) return std::nullopt;
  return s.holder;
}

int SeatBoard::ExpireUnconnected(Clock::time_point now, Clock::duration max_wait) {
  std::lock_guard lock(mutex_);
  int freed = 0;
  for (int n = 1; n <= kTournamentTables; ++n) {
    for (int s = 1; s <= 2; ++s) {
      Seat& seat = tables_[n].seats[s];
      if (seat.holder && !seat.connected && !tables_[n].playing && now - seat.taken > max_wait) {
        seat = Seat{};
        ++freed;
      }
    }
  }
  return freed;
}

}  // namespace quarlo::server
