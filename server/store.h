// The server's SQLite store: a small pool of connections to one database file
// in WAL mode, so the HTTP threads and the relay thread each work on a
// connection of their own. Statements are prepared once per connection and
// always take their values as bound parameters.
#pragma once

#include <sqlite3.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "records/result.h"

namespace quarlo::server {

// Raised by a failing statement; the request or relay event that ran it
// answers with an error and the server goes on.
struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Bytes stored as a BLOB (photos); std::string values are stored as TEXT so
// that nick comparisons ignore the case of Latin letters.
struct SqlBlob {
  std::string bytes;
};
using SqlValue = std::variant<std::nullptr_t, std::int64_t, double, std::string, SqlBlob>;
using SqlRow = std::vector<SqlValue>;

std::int64_t AsInt(const SqlValue& v);
double AsDouble(const SqlValue& v);
std::string AsText(const SqlValue& v);

class Db {
 public:
  explicit Db(sqlite3* handle) : handle_(handle) {}
  ~Db();
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;

  std::vector<SqlRow> Query(const char* sql, const std::vector<SqlValue>& params = {});
  // Runs a statement and returns the number of rows it changed.
  int Run(const char* sql, const std::vector<SqlValue>& params = {});
  void ExecScript(const char* sql);

 private:
  sqlite3_stmt* Prepared(const char* sql);
  void Bind(sqlite3_stmt* stmt, const std::vector<SqlValue>& params);
  [[noreturn]] void Fail(const char* what);

  sqlite3* handle_;
  std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

// BEGIN IMMEDIATE ... COMMIT; rolls back when left without Commit().
class Transaction {
 public:
  explicit Transaction(Db& db);
  ~Transaction();
  void Commit();

 private:
  Db& db_;
  bool done_ = false;
};

class Store {
 public:
  // Opens (creating when missing) the database and brings its schema to the
  // current version.
  static Result<std::unique_ptr<Store>> Open(const std::string& path, int connections);
  ~Store();

  class Lease {
   public:
    Lease(Store& store, Db* db) : store_(store), db_(db) {}
    ~Lease() { store_.Release(db_); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Db& operator*() const { return *db_; }
    Db* operator->() const { return db_; }

   private:
    Store& store_;
    Db* db_;
  };

  // Waits for a free connection.
  Lease Acquire();
  int SchemaVersion();

 private:
  Store() = default;
  void Release(Db* db);

  std::vector<std::unique_ptr<Db>> all_;
  std::vector<Db*> free_;
  std::mutex mutex_;
  std::condition_variable available_;
};

}  // namespace quarlo::server
