#include "records/line_checksum.h"

namespace quarlo {
namespace {

std::string Digits(std::uint64_t value, int width) {
  std::string out(static_cast<std::size_t>(width), '0');
  for (int i = width - 1; i >= 0 && value > 0; --i) {
    out[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out;
}

bool ParseDigits(std::string_view text, std::uint64_t& out) {
  out = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    out = out * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return true;
}

}  // namespace

ByteSums SumBytes(std::string_view text) {
  ByteSums s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint64_t b = static_cast<std::uint8_t>(text[i]);
    const std::size_t pos = i + 1;
    s.all += b;
    if (pos % 2 == 0) s.even += b;
    if (pos % 3 == 0) s.third += b;
  }
  return s;
}

std::string SumsText(const ByteSums& sums, int width) {
  return Digits(sums.all, width) + Digits(sums.even, width) + Digits(sums.third, width);
}

bool ParseSumsText(std::string_view text, int width, ByteSums& out) {
  const auto w = static_cast<std::size_t>(width);
  if (text.size() < 3 * w) return false;
  return ParseDigits(text.substr(0, w), out.all) && ParseDigits(text.substr(w, w), out.even) &&
         ParseDigits(text.substr(2 * w, w), out.third);
}

}  // namespace quarlo
