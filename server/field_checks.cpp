#include "server/field_checks.h"

namespace quarlo::server {

namespace {

bool IsNameChar(unsigned char c, bool allow_cyrillic) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '!': case '(': case ')': case ',': case '-': case '.': case '@': case '_': return true;
    default: break;
  }
  // Windows-1251: 0xC0..0xFF are А..я, 0xA8 Ё, 0xB8 ё.
  return allow_cyrillic && (c >= 0xC0 || c == 0xA8 || c == 0xB8);
}

}  // namespace

bool IsNameText(std::string_view text, bool allow_cyrillic) {
  for (char c : text) {
    if (!IsNameChar(static_cast<unsigned char>(c), allow_cyrillic)) return false;
  }
  return true;
}

bool IsNameField(std::string_view text, std::size_t min, std::size_t max, bool allow_cyrillic) {
  return text.size() >= min && text.size() <= max && IsNameText(text, allow_cyrillic);
}

bool IsFreeText(std::string_view text, std::size_t max) {
  if (text.size() > max) return false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

}  // namespace quarlo::server
