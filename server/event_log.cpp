#include "server/event_log.h"

#include <ctime>

namespace quarlo::server {

void EventLog::Line(std::string_view text) {
  if (!out_) return;
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
  std::lock_guard lock(mutex_);
  std::fprintf(out_, "%s %.*s\n", stamp, static_cast<int>(text.size()), text.data());
  std::fflush(out_);
}

}  // namespace quarlo::server
