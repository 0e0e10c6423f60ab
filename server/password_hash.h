// Salted slow password hashes (Argon2id through libsodium).
//
// Each hash costs tens of milliseconds and megabytes of memory on purpose, so
// the number of hashes computed at the same time is bounded: a burst of
// sign-ins queues instead of exhausting the machine's memory.
#pragma once

#include <semaphore>
#include <string>
#include <string_view>

namespace quarlo::server {

class PasswordHasher {
 public:
  // Work factors of each hash; tests may lower them, stored hashes carry
  // their own, so a database stays readable when the defaults change.
  struct Cost {
    unsigned long long ops = 2;
    std::size_t memory = 16u << 20;
  };
  explicit PasswordHasher(Cost cost) : cost_(cost) {}
  PasswordHasher() : PasswordHasher(Cost{}) {}

  // Empty on failure (out of memory).
  std::string Hash(std::string_view password);
  bool Verify(std::string_view stored_hash, std::string_view password);

 private:
  Cost cost_;
  std::counting_semaphore<2> slots_{2};
};

// Initialises libsodium once; false when it cannot be used.
bool InitPasswordHashing();

}  // namespace quarlo::server
