// Replies of the most read requests (the score tables, the chat board),
// kept until the next write to their table. A reader that computed its reply
// while a write happened does not store it, so a stale table is never served.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace quarlo::server {

class ReplyCache {
 public:
  struct Lookup {
    std::optional<std::string> reply;
    std::uint64_t generation = 0;  // hand back to Store()
  };
  Lookup Find(int key) {
    std::lock_guard lock(mutex_);
    Entry& e = entries_[key];
    return {e.reply, e.generation};
  }
  void Store(int key, std::uint64_t generation, const std::string& reply) {
    std::lock_guard lock(mutex_);
    Entry& e = entries_[key];
    if (e.generation == generation) e.reply = reply;
  }
  // After a committed write to the table.
  void Invalidate(int key) {
    std::lock_guard lock(mutex_);
    Entry& e = entries_[key];
    ++e.generation;
    e.reply.reset();
  }

 private:
  struct Entry {
    std::optional<std::string> reply;
    std::uint64_t generation = 0;
  };
  std::mutex mutex_;
  std::unordered_map<int, Entry> entries_;
};

}  // namespace quarlo::server
