// Colours are given as Windows colour values 0x00BBGGRR throughout the design.
#pragma once

#include <QColor>
#include <cstdint>

namespace quarlo {

inline QColor WinColor(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace quarlo
