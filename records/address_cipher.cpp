#include "records/address_cipher.h"

#include <array>

namespace quarlo {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint16_t kMul = 0x6F2D;
constexpr std::uint16_t kAdd = 0x3B95;

// The keystream advances with each cipher byte, so a changed byte garbles the
// rest of the address instead of one character.
std::uint16_t NextState(std::uint16_t state, std::uint8_t cipherByte) {
  return static_cast<std::uint16_t>((cipherByte + state) * kMul + kAdd);
}

std::string Base64Encode(const std::string& bytes) {
  std::string out;
  out.reserve((bytes.size() * 4 + 2) / 3);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t v = (std::uint8_t(bytes[i]) << 16) | (std::uint8_t(bytes[i + 1]) << 8) |
                            std::uint8_t(bytes[i + 2]);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest == 1) {
    const std::uint32_t v = std::uint8_t(bytes[i]) << 16;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
  } else if (rest == 2) {
    const std::uint32_t v = (std::uint8_t(bytes[i]) << 16) | (std::uint8_t(bytes[i + 1]) << 8);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
  }
  return out;
}

std::optional<std::string> Base64Decode(std::string_view text) {
  std::array<int, 256> value{};
  value.fill(-1);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) value[std::uint8_t(kAlphabet[i])] = int(i);

  if (text.size() % 4 == 1) return std::nullopt;  // no byte count ends this way
  std::string out;
  out.reserve(text.size() * 3 / 4);
  std::uint32_t acc = 0;
  int bits = 0;
  for (char ch : text) {
    const int v = value[std::uint8_t(ch)];
    if (v < 0) return std::nullopt;
    acc = (acc << 6) | std::uint32_t(v);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((acc >> bits) & 0xFF);
    }
  }
  // Leftover bits of the last group must be zero in a text we wrote.
  if (bits > 0 && (acc & ((1u << bits) - 1)) != 0) return std::nullopt;
  return out;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string EncipherAddress(std::string_view plain, std::uint16_t key) {
  std::string cipher;
  cipher.reserve(plain.size());
  std::uint16_t state = key;
  for (char ch : plain) {
    const auto c = static_cast<std::uint8_t>(std::uint8_t(ch) ^ (state >> 8));
    cipher += static_cast<char>(c);
    state = NextState(state, c);
  }
  return Base64Encode(cipher);
}

std::optional<std::string> DecipherAddress(std::string_view text, std::uint16_t key) {
  text = Trim(text);
  // A directory value may still carry the padding of other base-64 writers.
  while (!text.empty() && text.back() == '=') text.remove_suffix(1);
  auto cipher = Base64Decode(text);
  if (!cipher) return std::nullopt;
  std::string plain;
  plain.reserve(cipher->size());
  std::uint16_t state = key;
  for (char ch : *cipher) {
    const auto c = std::uint8_t(ch);
    plain += static_cast<char>(c ^ (state >> 8));
    state = NextState(state, c);
  }
  return plain;
}

}  // namespace quarlo
