// Reading the replies of the web services.
//
// A reply is a short text: "$" opens a record, "*" ends a record of a list,
// fields are cut at a separator (a space, or "~" for profile cards), and the
// tokens "ok", "is" and "no" report the outcome of a write. The final
// character of a reply is a terminator and is never read as data.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// Field 0 is the empty text before the first separator; values start at 1.
using ReplyFields = std::vector<std::string>;

// True when any two adjacent characters of the reply equal the token, also
// inside other text ("Toronto" holds "no").
bool ReplyHasToken(std::string_view reply, std::string_view token);

// The digits after the last "$" that is not the final character, up to the
// first non-digit or the final character. Nothing when there is no such "$"
// or the digits do not make a 32-bit integer.
std::optional<int> ReplyNumber(std::string_view reply);

// The text after the first "$" that is not the final character, up to the
// next "$" (or the final character), cut at every separator. Nothing when the
// reply holds no record.
std::optional<ReplyFields> ReplyRecord(std::string_view reply, char separator = ' ');

// Records from "$" to the next "*" (the last may run to the final character),
// each cut at spaces; at most `maximum` records.
std::vector<ReplyFields> ReplyRecordList(std::string_view reply, int maximum = 10);

// A number with a fraction read from one field: digits, spaces and "-" are
// taken, the first other character is read as the decimal point and ends the
// integer part; an empty or unreadable field gives 0.
double ReplyDecimal(std::string_view field);

}  // namespace quarlo
