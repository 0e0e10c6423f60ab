#include "server/store.h"

#include "server/schema.h"

namespace quarlo::server {

std::int64_t AsInt(const SqlValue& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* d = std::get_if<double>(&v)) return static_cast<std::int64_t>(*d);
  return 0;
}

double AsDouble(const SqlValue& v) {
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  return 0;
}

std::string AsText(const SqlValue& v) {
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
  if (const auto* b = std::get_if<SqlBlob>(&v)) return b->bytes;
  return {};
}

Db::~Db() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  sqlite3_close(handle_);
}

void Db::Fail(const char* what) { throw StoreError(std::string(what) + ": " + sqlite3_errmsg(handle_)); }

sqlite3_stmt* Db::Prepared(const char* sql) {
  auto it = statements_.find(sql);
  if (it != statements_.end()) return it->second;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(handle_, sql, -1, &stmt, nullptr) != SQLITE_OK) Fail("prepare");
  statements_.emplace(sql, stmt);
  return stmt;
}

void Db::Bind(sqlite3_stmt* stmt, const std::vector<SqlValue>& params) {
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  for (std::size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    int rc = SQLITE_OK;
    if (const auto* n = std::get_if<std::int64_t>(&params[i])) {
      rc = sqlite3_bind_int64(stmt, index, *n);
    } else if (const auto* d = std::get_if<double>(&params[i])) {
      rc = sqlite3_bind_double(stmt, index, *d);
    } else if (const auto* s = std::get_if<std::string>(&params[i])) {
      rc = sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else if (const auto* b = std::get_if<SqlBlob>(&params[i])) {
      rc = sqlite3_bind_blob(stmt, index, b->bytes.data(), static_cast<int>(b->bytes.size()), SQLITE_TRANSIENT);
    } else {
      rc = sqlite3_bind_null(stmt, index);
    }
    if (rc != SQLITE_OK) Fail("bind");
  }
}

std::vector<SqlRow> Db::Query(const char* sql, const std::vector<SqlValue>& params) {
  sqlite3_stmt* stmt = Prepared(sql);
  Bind(stmt, params);
  std::vector<SqlRow> rows;
  for (;;) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) {
      sqlite3_reset(stmt);
      Fail("step");
    }
    const int columns = sqlite3_column_count(stmt);
    SqlRow row;
    row.reserve(columns);
    for (int c = 0; c < columns; ++c) {
      switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER: row.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(stmt, c))); break;
        case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(stmt, c)); break;
        case SQLITE_NULL: row.emplace_back(nullptr); break;
        case SQLITE_BLOB: {
          const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, c));
          row.emplace_back(SqlBlob{std::string(data ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, c)))});
          break;
        }
        default: {
          const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, c));
          row.emplace_back(std::string(data ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, c))));
        }
      }
    }
    rows.push_back(std::move(row));
  }
  sqlite3_reset(stmt);
  return rows;
}

int Db::Run(const char* sql, const std::vector<SqlValue>& params) {
  Query(sql, params);
  return sqlite3_changes(handle_);
}

void Db::ExecScript(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(handle_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : "unknown error";
    sqlite3_free(message);
    throw StoreError(text);
  }
}

Transaction::Transaction(Db& db) : db_(db) { db_.ExecScript("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (!done_) {
    try {
      db_.ExecScript("ROLLBACK");
    } catch (const StoreError&) {
      // The transaction is gone already (the statement that failed ended it).
    }
  }
}

void Transaction::Commit() {
  db_.ExecScript("COMMIT");
  done_ = true;
}

namespace {

Result<std::unique_ptr<Db>> OpenConnection(const std::string& path) {
  sqlite3* handle = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &handle,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string reason = handle ? sqlite3_errmsg(handle) : "out of memory";
    sqlite3_close(handle);
    return Result<std::unique_ptr<Db>>::Fail("cannot open " + path + ": " + reason);
  }
  auto db = std::make_unique<Db>(handle);
  sqlite3_busy_timeout(handle, 5000);
  try {
    db->ExecScript("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
  } catch (const StoreError& e) {
    return Result<std::unique_ptr<Db>>::Fail("cannot use " + path + ": " + e.what());
  }
  return Result<std::unique_ptr<Db>>::Ok(std::move(db));
}

void Migrate(Db& db) {
  db.ExecScript("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
  Transaction t(db);
  auto rows = db.Query("SELECT version FROM schema_version");
  if (rows.empty()) {
    db.Run("INSERT INTO schema_version (version) VALUES (0)");
    rows = db.Query("SELECT version FROM schema_version");
  }
  const auto& steps = SchemaSteps();
  const auto version = AsInt(rows[0][0]);
  if (version > static_cast<std::int64_t>(steps.size())) {
    throw StoreError("the database was written by a newer server (schema version " + std::to_string(version) + ")");
  }
  for (auto v = version; v < static_cast<std::int64_t>(steps.size()); ++v) {
    db.ExecScript(steps[static_cast<std::size_t>(v)]);
    db.Run("UPDATE schema_version SET version = ?", {v + 1});
  }
  t.Commit();
}

}  // namespace

Result<std::unique_ptr<Store>> Store::Open(const std::string& path, int connections) {
  std::unique_ptr<Store> store(new Store());
  for (int i = 0; i < std::max(1, connections); ++i) {
    auto db = OpenConnection(path);
    if (!db) return Result<std::unique_ptr<Store>>::Fail(db.error());
    if (i == 0) {
      try {
        Migrate(**db);
      } catch (const StoreError& e) {
        return Result<std::unique_ptr<Store>>::Fail("cannot prepare " + path + ": " + e.what());
      }
    }
    store->free_.push_back(db->get());
    store->all_.push_back(std::move(*db));
  }
  return Result<std::unique_ptr<Store>>::Ok(std::move(store));
}

Store::~Store() = default;

Store::Lease Store::Acquire() {
  std::unique_lock lock(mutex_);
  available_.wait(lock, [this] { return !free_.empty(); });
  Db* db = free_.back();
  free_.pop_back();
  return Lease(*this, db);
}

void Store::Release(Db* db) {
  {
    std::lock_guard lock(mutex_);
    free_.push_back(db);
  }
  available_.notify_one();
}

int Store::SchemaVersion() {
  auto db = Acquire();
  const auto rows = db->Query("SELECT version FROM schema_version");
  return rows.empty() ? 0 : static_cast<int>(AsInt(rows[0][0]));
}

}  // namespace quarlo::server
