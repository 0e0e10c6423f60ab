// Writing the replies of the web services, in the grammar that reply_reader.h
// reads: "$" + fields + "$" for one record, "$" + fields + "*" per record of a
// list, "$" + digits + "$" for a number. Every reply ends with a terminator
// after its last value, because the readers never read the final character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

inline constexpr std::string_view kReplyOk = "ok";
inline constexpr std::string_view kReplyExists = "is";
inline constexpr std::string_view kReplyRefused = "no";

// A stored text made safe for a reply field: the separator, "$", "*", "~" and
// control characters become "_", so a value can never end its field, record or
// reply early.
std::string ReplyText(std::string_view text, char separator = ' ');

// A decimal number with a point whatever the locale; magnitudes below 0.00001
// (and values that are not finite) are written as 0.
std::string FormatDecimal(double value);

// One record: "$" + the values made safe and joined by the separator + "$".
std::string RecordReply(const std::vector<std::string>& values, char separator = ' ');

// A list: each row as "$" + values joined by spaces + "*". No rows gives "*".
std::string RecordListReply(const std::vector<std::vector<std::string>>& rows);

// "$" + the number + "$".
std::string NumberReply(long long number);

}  // namespace quarlo
