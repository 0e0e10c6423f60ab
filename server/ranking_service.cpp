#include "server/ranking_service.h"

#include <ctime>

#include "server/field_checks.h"
#include "server/form_fields.h"

namespace quarlo::server {

namespace {

// A cycle is 20 games of at most 70 points either way.
constexpr long long kMaxCycleScore = 20 * 70;
constexpr int kNeighbourhood = 2;  // rows shown above and below the player

std::string Get(const FormFields& f, std::string_view name) {
  const std::string* v = f.Find(name);
  return v ? *v : std::string();
}

std::optional<int> TableId(const std::string* text) {
  if (!text) return std::nullopt;
  const auto gid = ParseInteger(*text);
  if (!gid || (*gid != 80 && *gid != 180 && *gid != 380 && *gid != kChatTableId)) return std::nullopt;
  return static_cast<int>(*gid);
}

std::vector<std::string> Row(long long place, const SqlRow& r) {
  // r: gid, score, nick, country, city, r07, r08, r09, r10
  std::vector<std::string> row = {std::to_string(place)};
  for (const auto& v : r) row.push_back(AsText(v));
  return row;
}

// 1-based place of a row: higher scores first, then earlier rows.
long long PlaceOf(Db& db, int gid, std::int64_t score, std::int64_t id) {
  const auto rows = db.Query(
      "SELECT COUNT(*) FROM scores WHERE gid = ? AND (score > ? OR (score = ? AND id < ?))",
      {static_cast<std::int64_t>(gid), score, score, id});
  return AsInt(rows[0][0]) + 1;
}

ServiceReply ReadTable(ServiceContext& ctx, int gid) {
  auto cached = ctx.score_tables.Find(gid);
  if (cached.reply) return Answer(std::move(*cached.reply));
  auto db = ctx.store.Acquire();
  const auto rows = db->Query(
      "SELECT gid, score, nick, country, city, r07, r08, r09, r10 FROM scores WHERE gid = ? "
      "ORDER BY score DESC, id LIMIT 10",
      {static_cast<std::int64_t>(gid)});
  std::vector<std::vector<std::string>> list;
  for (const auto& r : rows) list.push_back(Row(static_cast<long long>(list.size()) + 1, r));
  std::string reply = RecordListReply(list);
  ctx.score_tables.Store(gid, cached.generation, reply);
  return Answer(std::move(reply));
}

ServiceReply ReadNeighbourhood(ServiceContext& ctx, int gid, const FormFields& f) {
  auto db = ctx.store.Acquire();
  const auto best = db->Query(
      "SELECT id, score FROM scores WHERE gid = ? AND nick = ? AND city = ? ORDER BY score DESC, id LIMIT 1",
      {static_cast<std::int64_t>(gid), Get(f, "nick"), Get(f, "city")});
  if (best.empty()) return Answer(RecordListReply({}));
  const long long place = PlaceOf(*db, gid, AsInt(best[0][1]), AsInt(best[0][0]));
  const long long first = std::max<long long>(1, place - kNeighbourhood);
  const auto rows = db->Query(
      "SELECT gid, score, nick, country, city, r07, r08, r09, r10 FROM scores WHERE gid = ? "
      "ORDER BY score DESC, id LIMIT ? OFFSET ?",
      {static_cast<std::int64_t>(gid), static_cast<std::int64_t>(2 * kNeighbourhood + 1), first - 1});
  std::vector<std::vector<std::string>> list;
  for (const auto& r : rows) list.push_back(Row(first + static_cast<long long>(list.size()), r));
  return Answer(RecordListReply(list));
}

ServiceReply CountResults(ServiceContext& ctx, int gid) {
  auto db = ctx.store.Acquire();
  return Answer(NumberReply(
      AsInt(db->Query("SELECT COUNT(*) FROM scores WHERE gid = ?", {static_cast<std::int64_t>(gid)})[0][0])));
}

ServiceReply SubmitScore(ServiceContext& ctx, int gid, const FormFields& f) {
  const bool chat = gid == kChatTableId;
  const std::string nick = Get(f, "nick"), city = Get(f, "city"), country = Get(f, "country");
  const std::string r07 = Get(f, "R7"), r08 = Get(f, "R8"), r09 = Get(f, "R9");
  std::string r10 = Get(f, "R10");
  // The program closes the body with a "*" right after the last value.
  if (!r10.empty() && r10.back() == '*') r10.pop_back();
  const auto score = ParseInteger(Get(f, "score"));
  const bool valid = IsNameField(nick, kNickMin, kNickMax, true) && IsNameField(city, kCityMin, kCityMax, true) &&
                     IsNameField(country, 0, kShortTextMax, true) && r07.size() == 1 &&
                     IsNameText(r07, true) && IsFreeText(r08, kShortTextMax) &&
                     IsFreeText(r09, chat ? kStampMax : kShortTextMax) &&
                     IsFreeText(r10, chat ? kChatTextMax : kShortTextMax) && score &&
                     (chat || (*score >= -kMaxCycleScore && *score <= kMaxCycleScore));
  if (!valid) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  Transaction t(*db);
  std::int64_t value = *score;
  if (chat) {
    // Message numbers are handed out here: two players who read the board at
    // the same moment still get two different numbers.
    value = AsInt(db->Query("SELECT COALESCE(MAX(score), 0) + 1 FROM scores WHERE gid = ?",
                            {static_cast<std::int64_t>(gid)})[0][0]);
  }
  db->Run(
      "INSERT INTO scores (gid, score, nick, country, city, r07, r08, r09, r10, created) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
      {static_cast<std::int64_t>(gid), value, nick, country, city, r07, r08, r09, r10,
       static_cast<std::int64_t>(std::time(nullptr))});
  const auto id = AsInt(db->Query("SELECT last_insert_rowid()")[0][0]);
  const long long place = PlaceOf(*db, gid, value, id);
  t.Commit();
  ctx.score_tables.Invalidate(gid);
  return Answer(NumberReply(place));
}

}  // namespace

ServiceReply HandleRankingRequest(ServiceContext& ctx, const ServiceRequest& request) {
  FormFields f = FormFields::Parse(request.body);
  if (f.Has("rgid")) {
    f.DecodeValues();
    const auto gid = TableId(f.Find("rgid"));
    return gid ? CountResults(ctx, *gid) : Token(kReplyRefused);
  }
  const auto gid = TableId(f.Find("gid"));
  if (!f.Has("gid")) return UnknownRequest();
  if (!gid) return Token(kReplyRefused);
  if (f.Has("score")) return SubmitScore(ctx, *gid, f);
  if (f.Has("nick")) return ReadNeighbourhood(ctx, *gid, f);
  return ReadTable(ctx, *gid);
}

}  // namespace quarlo::server
