// The three byte sums that sign history lines and club files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarlo {

// Sums of the byte values of a stretch of text, positions counted from 1:
// all positions, the even positions, the positions divisible by 3.
struct ByteSums {
  std::uint64_t all = 0;
  std::uint64_t even = 0;
  std::uint64_t third = 0;

  ByteSums& operator+=(const ByteSums& o) {
    all += o.all;
    even += o.even;
    third += o.third;
    return *this;
  }
  bool operator==(const ByteSums&) const = default;
};

ByteSums SumBytes(std::string_view text);

// The three sums as zero-padded decimals of `width` digits each, concatenated.
// A sum too large for the width keeps its lowest digits, so the text always has
// 3 x width characters.
std::string SumsText(const ByteSums& sums, int width);

// Reads three `width`-digit decimals from the start of `text`; false when the
// text is too short or holds anything but digits there.
bool ParseSumsText(std::string_view text, int width, ByteSums& out);

}  // namespace quarlo
