#include "records/decimal_text.h"

#include <cmath>
#include <cstdint>

namespace quarlo {

std::string FormatDecimalComma(double value, int decimals) {
  double scale = 1.0;
  for (int i = 0; i < decimals; ++i) scale *= 10.0;
  double scaled = std::nearbyint(value * scale);  // default rounding mode: halves to even
  if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e17) scaled = 0.0;
  const auto v = static_cast<std::int64_t>(scaled);
  std::string digits = std::to_string(v < 0 ? -v : v);
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
  std::string out = v < 0 ? "-" : "";
  out.append(digits, 0, point);
  if (decimals > 0) out.append(",").append(digits, point, std::string::npos);
  return out;
}

std::optional<double> ParseDecimalComma(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // All digits as one integer, divided once: the nearest double to the text.
  std::int64_t mantissa = 0;
  double divisor = 1.0;
  bool seenSeparator = false;
  int digits = 0;
  for (char c : text) {
    if (c == ',' || c == '.') {
      if (seenSeparator) return std::nullopt;
      seenSeparator = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > 18) return std::nullopt;
      mantissa = mantissa * 10 + (c - '0');
      if (seenSeparator) divisor *= 10.0;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  const double v = static_cast<double>(mantissa) / divisor;
  return negative ? -v : v;
}

}  // namespace quarlo
