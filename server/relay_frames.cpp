#include "server/relay_frames.h"

#include "server/form_fields.h"
#include "server/tournament_records.h"

namespace quarlo::server {

std::string MakeFrame(std::string_view text, int seat) {
  std::string frame(text.substr(0, kFrameSize - 1));
  frame.resize(kFrameSize, '#');
  frame[kFrameSize - 1] = static_cast<char>('0' + seat);
  return frame;
}

std::optional<int> ConnectSeat(std::string_view frame) {
  if (frame.size() != kFrameSize || !frame.starts_with("connect")) return std::nullopt;
  const char digit = frame[7];
  if ((digit != '1' && digit != '2') || frame[kFrameSize - 1] != digit) return std::nullopt;
  return digit - '0';
}

std::optional<GameResults> ParseResultFrame(std::string_view frame) {
  if (frame.size() < 11 || frame[0] != 'o') return std::nullopt;
  auto number = [](std::string_view field) -> std::optional<long long> {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    return ParseInteger(field.substr(first));
  };
  const auto a = number(frame.substr(1, 5));
  const auto b = number(frame.substr(6, 5));
  if (!a || !b || *a != -*b || *a == 0 || *a % 10 != 0 || *a > kMaxGameResult || *a < -kMaxGameResult) {
    return std::nullopt;
  }
  return GameResults{static_cast<int>(*a), static_cast<int>(*b)};
}

}  // namespace quarlo::server
