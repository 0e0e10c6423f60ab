// The pack, the shuffle and the deal frame that carries a pack between copies
// of the program and from the tournament server.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace quarlo {

// Small, fast, seedable generator (xoshiro256**). Seeded from the clock in
// play, from a fixed seed in tests and tools so a deal can be reproduced.
class Rng {
 public:
  explicit Rng(std::uint64_t seed);
  static Rng FromClock();
  std::uint64_t Next();
  // Uniform in 1..n.
  int Uniform(int n);

 private:
  std::array<std::uint64_t, 4> s_{};
};

// Pack positions 1..24 in dealing order; [24] is the turned card.
struct Pack {
  std::array<CardCode, 25> cards{};
  std::array<std::uint8_t, 25> strengths{};
};

// Card number n (1..24): rank (n-1)/4+1, suit (n-1)%4+1 in SuitOrder.
CardCode CardByNumber(int n);

// A random order of the 24 cards.
Pack Shuffle(Rng& rng);

// "b" + 24 two-byte codes + 24 strength digits: 73 bytes.
std::string DealMessage(const Pack& pack);
// Reads a deal frame; nothing when it is not a well-formed frame of 24
// distinct cards with matching strengths.
std::optional<Pack> ParseDealMessage(std::string_view frame);

}  // namespace quarlo
