// The enciphered text form of service addresses.
//
// Service addresses never appear in plain text in the settings file, in the
// program's built-in defaults or in the service directory that the server
// publishes: all three hold the same enciphered form, and the program turns it
// back into the plain address just before use. This header is the only place
// that knows the scheme; the server uses EncipherAddress to write its
// directory, the program uses DecipherAddress to read it.
//
// Scheme: each byte of the address passes a byte-wise stream cipher with
// ciphertext feedback under a 16-bit key; the resulting bytes are written as
// unpadded base-64 text (alphabet A-Z a-z 0-9 + /). The text never holds "#",
// "$", "=", spaces or line ends, so it sits safely in a settings line and in a
// directory value, which ends at the first "#".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarlo {

// The key shared by the program, its settings file and the service directory.
inline constexpr std::uint16_t kServiceAddressKey = 0x51C7;

// Plain address bytes -> enciphered text. An empty address gives an empty text.
std::string EncipherAddress(std::string_view plain, std::uint16_t key = kServiceAddressKey);

// Enciphered text -> plain address bytes; nothing when the text is not in the
// enciphered form (a character outside the alphabet or an impossible length).
// Surrounding spaces, tabs and line ends are ignored. An empty text gives an
// empty address.
std::optional<std::string> DecipherAddress(std::string_view text, std::uint16_t key = kServiceAddressKey);

}  // namespace quarlo
