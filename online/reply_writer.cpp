#include "online/reply_writer.h"

#include <charconv>
#include <cmath>

namespace quarlo {

namespace {

void AppendJoined(std::string& out, const std::vector<std::string>& values, char separator) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) out += separator;
    out += ReplyText(values[i], separator);
  }
}

}  // namespace

std::string ReplyText(std::string_view text, char separator) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == separator || c == '$' || c == '*' || c == '~' || byte < 0x20 ||
        byte == 0x7F) {
      c = '_';
    }
  }
  return out;
}

std::string FormatDecimal(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (ec != std::errc()) return "0";
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string RecordReply(const std::vector<std::string>& values, char separator) {
  std::string out = "$";
  AppendJoined(out, values, separator);
  out += '$';
  return out;
}

std::string RecordListReply(const std::vector<std::vector<std::string>>& rows) {
  if (rows.empty()) return "*";
  std::string out;
  for (const auto& row : rows) {
    out += '$';
    AppendJoined(out, row, ' ');
    out += '*';
  }
  return out;
}

std::string NumberReply(long long number) { return "$" + std::to_string(number) + "$"; }

}  // namespace quarlo
