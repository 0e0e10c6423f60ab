// The 20-character frames of the tournament relay: every frame a client
// sends is padded with "#" and carries the sender's seat digit in its last
// place; the deal is the one longer frame, and only the relay sends it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarlo::server {

inline constexpr std::size_t kFrameSize = 20;

// text + "#" up to 20 characters, the seat digit last.
std::string MakeFrame(std::string_view text, int seat);

// The seat of a "connect" frame ("connect1" ... "1"); nothing for any other.
std::optional<int> ConnectSeat(std::string_view frame);

// The two results of an "o" frame: seat 1's and seat 2's, each right-aligned
// in five characters. Nothing unless they are a possible game result: equal
// and opposite, whole tens, at most 70.
struct GameResults {
  int seat1 = 0, seat2 = 0;
};
std::optional<GameResults> ParseResultFrame(std::string_view frame);

}  // namespace quarlo::server
