#include "server/password_hash.h"

#include <sodium.h>

namespace quarlo::server {

namespace {

class SlotGuard {
 public:
  explicit SlotGuard(std::counting_semaphore<2>& slots) : slots_(slots) { slots_.acquire(); }
  ~SlotGuard() { slots_.release(); }

 private:
  std::counting_semaphore<2>& slots_;
};

}  // namespace

bool InitPasswordHashing() { return sodium_init() >= 0; }

std::string PasswordHasher::Hash(std::string_view password) {
  SlotGuard slot(slots_);
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, password.data(), password.size(), cost_.ops, cost_.memory) != 0) return {};
  return out;
}

bool PasswordHasher::Verify(std::string_view stored_hash, std::string_view password) {
  if (stored_hash.empty() || stored_hash.size() >= crypto_pwhash_STRBYTES) return false;
  std::string hash(stored_hash);  // NUL-terminated copy
  SlotGuard slot(slots_);
  return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

}  // namespace quarlo::server
