// At most N requests per second from one address; the count starts again
// every second. Forgotten addresses are pruned so the table stays small.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace quarlo::server {

class RateLimiter {
 public:
  using Clock = std::chrono::steady_clock;
  explicit RateLimiter(int per_second) : per_second_(per_second) {}
  // Always true when the limit is 0.
  bool Allow(const std::string& address, Clock::time_point now);

 private:
  struct Window {
    long long second = 0;
    int count = 0;
  };
  int per_second_;
  std::mutex mutex_;
  std::unordered_map<std::string, Window> windows_;
};

}  // namespace quarlo::server
