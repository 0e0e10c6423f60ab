#include "server/statistics_service.h"

#include "server/field_checks.h"
#include "server/form_fields.h"

namespace quarlo::server {

namespace {

// A game adds at most one game, one cycle and its result (at most 70) to a
// counter; anything larger is not a report of one game.
constexpr long long kMaxCounterStep = 70;

const char* const kCounterFields[] = {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10", "R11", "R12"};

void EnsureRecord(Db& db, std::int64_t gid) { db.Run("INSERT OR IGNORE INTO statistics (gid) VALUES (?)", {gid}); }

std::optional<long long> Flag(const FormFields& f, std::string_view name) {
  const std::string* v = f.Find(name);
  if (!v) return 0;
  const auto n = ParseInteger(*v);
  if (!n || *n < 0 || *n > 1) return std::nullopt;
  return n;
}

ServiceReply CountStart(ServiceContext& ctx, std::int64_t gid, const FormFields& f) {
  const auto starts = Flag(f, "stat1"), unique = Flag(f, "stat2");
  if (!starts || !unique) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  Transaction t(*db);
  EnsureRecord(*db, gid);
  db->Run("UPDATE statistics SET stat1 = stat1 + ?, stat2 = stat2 + ? WHERE gid = ?", {*starts, *unique, gid});
  t.Commit();
  return Token(kReplyOk);
}

ServiceReply Like(ServiceContext& ctx, std::int64_t gid, const FormFields& f) {
  const std::string* nick = f.Find("stat4");
  const auto likes = Flag(f, "stat3");
  if (!likes || *likes != 1 || !nick || !IsNameField(*nick, kNickMin, kNickMax, true)) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  Transaction t(*db);
  EnsureRecord(*db, gid);
  db->Run("UPDATE statistics SET stat3 = stat3 + 1, stat4 = ? WHERE gid = ?", {*nick, gid});
  t.Commit();
  return Token(kReplyOk);
}

ServiceReply CountGame(ServiceContext& ctx, std::int64_t gid, const FormFields& f) {
  std::vector<SqlValue> steps;
  for (const char* name : kCounterFields) {
    const std::string* v = f.Find(name);
    const auto n = v ? ParseInteger(*v) : std::optional<long long>(0);
    if (!n || *n < 0 || *n > kMaxCounterStep) return Token(kReplyRefused);
    steps.emplace_back(static_cast<std::int64_t>(*n));
  }
  steps.emplace_back(gid);
  auto db = ctx.store.Acquire();
  Transaction t(*db);
  EnsureRecord(*db, gid);
  db->Run(
      "UPDATE statistics SET r1 = r1 + ?, r2 = r2 + ?, r3 = r3 + ?, r4 = r4 + ?, r5 = r5 + ?, r6 = r6 + ?, "
      "r7 = r7 + ?, r8 = r8 + ?, r9 = r9 + ?, r10 = r10 + ?, r11 = r11 + ?, r12 = r12 + ? WHERE gid = ?",
      steps);
  t.Commit();
  return Token(kReplyOk);
}

ServiceReply ReadStatistics(ServiceContext& ctx, std::int64_t gid) {
  auto db = ctx.store.Acquire();
  const auto rows = db->Query(
      "SELECT stat1, stat2, stat3, stat4, r1, r2, r3, r4, r5, r6, r7, r8, r9, r10, r11, r12, staty, statz "
      "FROM statistics WHERE gid = ?",
      {gid});
  std::vector<std::string> row;
  if (rows.empty()) {
    row.assign(18, "0");
    row[3] = "#";
    row[17] = "#";
  } else {
    for (const auto& v : rows[0]) row.push_back(AsText(v));
  }
  return Answer(RecordListReply({row}));
}

}  // namespace

ServiceReply HandleStatisticsRequest(ServiceContext& ctx, const ServiceRequest& request) {
  FormFields f = FormFields::Parse(request.body);
  const std::string* gid_text = f.Find("gid");
  if (!gid_text) return UnknownRequest();
  const auto gid = ParseInteger(PercentDecode(*gid_text, true));
  if (!gid || *gid < 1 || *gid > 999) return Token(kReplyRefused);
  if (f.Has("stat1")) return CountStart(ctx, *gid, f);
  if (f.Has("stat3")) return Like(ctx, *gid, f);
  if (f.Has("R1")) return CountGame(ctx, *gid, f);
  return ReadStatistics(ctx, *gid);
}

}  // namespace quarlo::server
