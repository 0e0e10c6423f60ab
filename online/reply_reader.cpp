#include "online/reply_reader.h"

#include <charconv>

namespace quarlo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

ReplyFields CutFields(std::string_view record, char separator) {
  ReplyFields fields;
  fields.emplace_back();  // the empty text before the leading separator
  std::size_t start = 0;
  for (std::size_t i = 0; i <= record.size(); ++i) {
    if (i == record.size() || record[i] == separator) {
      fields.emplace_back(record.substr(start, i - start));
      start = i + 1;
    }
  }
  fields.emplace_back();  // the empty text after the trailing separator
  return fields;
}

}  // namespace

bool ReplyHasToken(std::string_view reply, std::string_view token) {
  if (token.size() != 2 || reply.size() < 2) return false;
  return reply.find(token) != std::string_view::npos;
}

std::optional<int> ReplyNumber(std::string_view reply) {
  if (reply.size() < 2) return std::nullopt;
  const std::size_t last = reply.size() - 1;  // the terminator
  std::size_t dollar = std::string_view::npos;
  for (std::size_t i = last; i-- > 0;) {
    if (reply[i] == '$') {
      dollar = i;
      break;
    }
  }
  if (dollar == std::string_view::npos) return std::nullopt;
  std::size_t end = dollar + 1;
  while (end < last && IsDigit(reply[end])) ++end;
  const std::string_view digits = reply.substr(dollar + 1, end - dollar - 1);
  if (digits.empty()) return std::nullopt;
  int value = 0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<ReplyFields> ReplyRecord(std::string_view reply, char separator) {
  if (reply.size() < 2) return std::nullopt;
  const std::size_t last = reply.size() - 1;
  const std::size_t open = reply.find('$');
  if (open == std::string_view::npos || open >= last) return std::nullopt;
  std::size_t close = reply.find('$', open + 1);
  if (close == std::string_view::npos || close > last) close = last;
  return CutFields(reply.substr(open + 1, close - open - 1), separator);
}

std::vector<ReplyFields> ReplyRecordList(std::string_view reply, int maximum) {
  std::vector<ReplyFields> records;
  if (reply.size() < 2) return records;
  const std::size_t last = reply.size() - 1;
  std::size_t pos = 0;
  while (static_cast<int>(records.size()) < maximum) {
    const std::size_t open = reply.find('$', pos);
    if (open == std::string_view::npos || open >= last) break;
    std::size_t close = reply.find('*', open + 1);
    if (close == std::string_view::npos || close > last) close = last;
    records.push_back(CutFields(reply.substr(open + 1, close - open - 1), ' '));
    pos = close + 1;
  }
  return records;
}

double ReplyDecimal(std::string_view field) {
  // The first character that is no digit, space or "-" is the decimal point,
  // whatever it is; the rest of the field is the fraction.
  std::string text(field);
  for (char& c : text) {
    if (!IsDigit(c) && c != ' ' && c != '-') {
      c = '.';
      break;
    }
  }
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0;
  const std::size_t end = text.find_last_not_of(' ') + 1;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data() + first, text.data() + end, value);
  if (ec != std::errc()) return 0;
  (void)ptr;
  return value;
}

}  // namespace quarlo
