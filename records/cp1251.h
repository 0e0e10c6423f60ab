// The program's one Windows-1251 <-> UTF-8 codec, used where bytes from files
// and the wire meet a screen or a terminal.
#pragma once

#include <string>
#include <string_view>

namespace quarlo {

// Windows-1251 bytes -> UTF-8. Every byte has a character; 0x98, unassigned in
// the code page, becomes U+0098 so that the text survives a round trip.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 -> Windows-1251 bytes. A character with no byte in the code page and
// every malformed UTF-8 sequence become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251CodePoint(unsigned char byte);

}  // namespace quarlo
