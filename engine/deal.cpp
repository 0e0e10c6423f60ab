#include "engine/deal.h"

#include <chrono>

namespace quarlo {

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Rng::Rng(std::uint64_t seed) {
  for (auto& word : s_) word = SplitMix(seed);
}

Rng Rng::FromClock() {
  return Rng(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::uint64_t Rng::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int Rng::Uniform(int n) {
  // Multiply-shift on the top 32 bits; the bias for n <= 24 is below 1e-8.
  return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32) + 1;
}

CardCode CardByNumber(int n) {
  const int rank = (n - 1) / 4 + 1;
  const int suit = (n - 1) % 4 + 1;
  return {kRankByStrength[rank], kSuitOrder[suit]};
}

Pack Shuffle(Rng& rng) {
  // Each position takes a uniformly drawn number among those not yet placed:
  // the same distribution as drawing 1..24 and drawing again on a repeat,
  // without the repeats.
  Pack pack;
  std::array<std::uint8_t, 24> left;
  for (int n = 0; n < 24; ++n) left[n] = static_cast<std::uint8_t>(n + 1);
  int remaining = 24;
  // Two draws from each 64-bit number: its upper and its lower half.
  std::uint64_t bits = 0;
  for (int k = 1; k <= 24; ++k) {
    std::uint64_t half;
    if (k % 2 == 1) {
      bits = rng.Next();
      half = bits >> 32;
    } else {
      half = bits & 0xFFFFFFFFu;
    }
    const int pick = static_cast<int>((half * static_cast<std::uint64_t>(remaining)) >> 32);
    const int n = left[pick];
    left[pick] = left[--remaining];
    pack.cards[k] = CardByNumber(n);
    pack.strengths[k] = static_cast<std::uint8_t>((n - 1) / 4 + 1);
  }
  return pack;
}

std::string DealMessage(const Pack& pack) {
  std::string frame = "b";
  frame.reserve(73);
  for (int k = 1; k <= 24; ++k) {
    frame += pack.cards[k].rank;
    frame += pack.cards[k].suit;
  }
  for (int k = 1; k <= 24; ++k) frame += static_cast<char>('0' + pack.strengths[k]);
  return frame;
}

std::optional<Pack> ParseDealMessage(std::string_view frame) {
  if (frame.size() != 73 || frame[0] != 'b') return std::nullopt;
  Pack pack;
  std::uint32_t seen = 0;
  for (int k = 1; k <= 24; ++k) {
    const CardCode c{frame[2 * k - 1], frame[2 * k]};
    const int digit = frame[48 + k] - '0';
    if (!IsValidCard(c) || digit != BaseStrength(c.rank)) return std::nullopt;
    const int number = (digit - 1) * 4 + SuitIndex(c.suit);
    if (seen & (1u << number)) return std::nullopt;
    seen |= 1u << number;
    pack.cards[k] = c;
    pack.strengths[k] = static_cast<std::uint8_t>(digit);
  }
  return pack;
}

}  // namespace quarlo
