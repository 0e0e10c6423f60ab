#include "server/event_log.h"

#include <ctime>
#include <string>

namespace quarlo::server {

void EventLog::Line(std::string_view text) {
  if (!out_) return;
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
  // Text from clients may carry line ends or terminal controls: one log
  // line stays one line.
  std::string clean(text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  std::lock_guard lock(mutex_);
  std::fprintf(out_, "%s %s\n", stamp, clean.c_str());
  std::fflush(out_);
}

}  // namespace quarlo::server
