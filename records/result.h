// A value or the reason it could not be produced, for readers and writers of
// record files. The reason is English text meant for the caller (tools print
// it, windows map it to their word tables).
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quarlo {

template <typename T>
class Result {
 public:
  static Result Ok(T value) { return Result(std::move(value), {}); }
  static Result Fail(std::string reason) { return Result(std::nullopt, std::move(reason)); }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const T& value() const { return *value_; }
  T& value() { return *value_; }
  const T& operator*() const { return *value_; }
  T& operator*() { return *value_; }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }
  const std::string& error() const { return error_; }

 private:
  Result(std::optional<T> value, std::string error) : value_(std::move(value)), error_(std::move(error)) {}
  std::optional<T> value_;
  std::string error_;
};

// Success or a reason, for operations that produce nothing.
struct Status {
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
  static Status Ok() { return {}; }
  static Status Fail(std::string reason) { return {std::move(reason)}; }
};

}  // namespace quarlo
