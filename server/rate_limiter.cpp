#include "server/rate_limiter.h"

namespace quarlo::server {

bool RateLimiter::Allow(const std::string& address, Clock::time_point now) {
  if (per_second_ <= 0) return true;
  const long long second = std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count();
  std::lock_guard lock(mutex_);
  if (windows_.size() > 10000) {
    std::erase_if(windows_, [second](const auto& entry) { return entry.second.second != second; });
  }
  Window& w = windows_[address];
  if (w.second != second) w = Window{second, 0};
  return ++w.count <= per_second_;
}

}  // namespace quarlo::server
