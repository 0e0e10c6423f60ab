// Test helper: whether bytes are well-formed UTF-8 (shortest forms, no
// surrogates), as the screen layer's conversion expects.
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    unsigned code = lead;
    if (lead >= 0x80) {
      if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F;
      } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F;
      } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07;
      } else {
        return false;
      }
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      if (i + k >= text.size()) return false;
      unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr unsigned kShortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kShortest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}
