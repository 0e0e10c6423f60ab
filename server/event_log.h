// One line per request and per relay event, to standard error (or nowhere,
// for benchmarks). Lines from several threads never interleave.
#pragma once

#include <cstdio>
#include <mutex>
#include <string_view>

namespace quarlo::server {

class EventLog {
 public:
  explicit EventLog(std::FILE* out) : out_(out) {}
  bool enabled() const { return out_ != nullptr; }
  void Line(std::string_view text);

 private:
  std::FILE* out_;
  std::mutex mutex_;
};

}  // namespace quarlo::server
