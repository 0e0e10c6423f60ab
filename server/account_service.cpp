#include "server/account_service.h"

#include <cctype>
#include <ctime>

#include "server/field_checks.h"
#include "server/form_fields.h"

namespace quarlo::server {

namespace {

std::string Get(const FormFields& f, std::string_view name) {
  const std::string* v = f.Find(name);
  return v ? *v : std::string();
}

bool IsCountryCode(std::string_view code) {
  return code.size() == 5 && code[0] >= '1' && code[0] <= '6' && code[1] == '-' &&
         std::isdigit(static_cast<unsigned char>(code[2])) && std::isdigit(static_cast<unsigned char>(code[3])) &&
         std::isdigit(static_cast<unsigned char>(code[4]));
}

bool IsSex(std::string_view sex) { return sex.size() == 1 && IsNameText(sex, true); }

std::optional<long long> IntField(const FormFields& f, std::string_view name, long long min, long long max) {
  const std::string* v = f.Find(name);
  if (!v) return std::nullopt;
  const auto n = ParseInteger(*v);
  if (!n || *n < min || *n > max) return std::nullopt;
  return n;
}

// Profile card fields: request name, column, longest text.
struct CardField {
  const char* request;
  const char* column;
  std::size_t max;
};
// In the order the card is read back.
constexpr CardField kCardFields[] = {
    {"namei", "name1", 20},        {"name2", "name2", 20},         {"about", "about", 50},
    {"telephone", "telephone", 20}, {"emailo", "emailo", 50},       {"website", "website", 50},
    {"skype", "skype", 50},        {"ok", "ok", 50},               {"vk", "vk", 50},
    {"telegram", "telegram", 50},  {"facebook", "facebook", 60},   {"twitter", "twitter", 50},
    {"instagramm", "instagramm", 50}, {"youtube", "youtube", 50},
};

ServiceReply CreateAccount(ServiceContext& ctx, const FormFields& f) {
  const std::string nick = Get(f, "nick"), pw = Get(f, "pw"), city = Get(f, "city");
  const std::string country1 = Get(f, "country1"), country2 = Get(f, "country2"), sex = Get(f, "sex");
  const std::string email = Get(f, "email"), dater = Get(f, "dater");
  const std::string r01 = Get(f, "R01"), r02 = Get(f, "R02"), r03 = Get(f, "R03");
  const auto r04 = IntField(f, "R04", -1000000, 1000000), r05 = IntField(f, "R05", -1000000, 1000000),
             r06 = IntField(f, "R06", -1000000, 1000000);
  const bool valid = IsNameField(nick, kNickMin, kNickMax, true) && nick != "X" &&
                     IsNameField(pw, kPasswordMin, kPasswordMax, true) &&
                     IsNameField(city, kCityMin, kCityMax, true) &&
                     IsNameField(country1, 0, kShortTextMax, true) && IsCountryCode(country2) && IsSex(sex) &&
                     IsNameField(email, kEmailMin, kEmailMax, true) && IsFreeText(dater, kShortTextMax) &&
                     IsFreeText(r01, kShortTextMax) && IsFreeText(r02, kShortTextMax) &&
                     IsFreeText(r03, kShortTextMax) && r04 && r05 && r06;
  if (!valid) return Token(kReplyRefused);
  {
    auto db = ctx.store.Acquire();
    if (!db->Query("SELECT 1 FROM accounts WHERE nick = ?", {nick}).empty()) return Token(kReplyExists);
  }
  const std::string hash = ctx.hasher.Hash(pw);  // slow: outside any connection lease
  if (hash.empty()) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  const int added = db->Run(
      "INSERT OR IGNORE INTO accounts (nick, pw_hash, city, country1, country2, sex, email, dater, "
      "r01, r02, r03, r04, r05, r06, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
      {nick, hash, city, country1, country2, sex, email, dater, r01, r02, r03, *r04, *r05, *r06,
       static_cast<std::int64_t>(std::time(nullptr))});
  return Token(added ? kReplyOk : kReplyExists);
}

ServiceReply ReadAccount(ServiceContext& ctx, const FormFields& f) {
  const std::string nick = Get(f, "nick"), pw = Get(f, "pw");
  if (!CheckPassword(ctx, nick, pw)) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  const auto rows = db->Query(
      "SELECT city, country1, country2, sex, email, dater, r01, r02, r03, r04, r05, r06 FROM accounts "
      "WHERE nick = ?",
      {nick});
  if (rows.empty()) return Token(kReplyRefused);
  std::vector<std::string> values;
  for (const auto& v : rows[0]) values.push_back(AsText(v));
  return Answer(RecordReply(values));
}

ServiceReply CountMembers(ServiceContext& ctx) {
  auto db = ctx.store.Acquire();
  return Answer(NumberReply(AsInt(db->Query("SELECT COUNT(*) FROM accounts")[0][0])));
}

ServiceReply ReadCard(ServiceContext& ctx, const FormFields& f) {
  auto db = ctx.store.Acquire();
  const auto rows = db->Query(
      "SELECT name1, name2, about, telephone, emailo, website, skype, ok, vk, telegram, facebook, twitter, "
      "instagramm, youtube FROM accounts WHERE nick = ?",
      {Get(f, "nick")});
  if (rows.empty()) return Token(kReplyRefused);
  std::vector<std::string> values;
  for (const auto& v : rows[0]) values.push_back(AsText(v));
  return Answer(RecordReply(values, '~'));
}

ServiceReply SaveCard(ServiceContext& ctx, const FormFields& f) {
  const std::string nick = Get(f, "nick");
  std::vector<SqlValue> params;
  for (const auto& field : kCardFields) {
    std::string value = Get(f, field.request);
    if (!IsFreeText(value, field.max)) return Token(kReplyRefused);
    params.emplace_back(std::move(value));
  }
  // Only the owner may change a card: the password is checked like every
  // other write to an account.
  if (!CheckPassword(ctx, nick, Get(f, "pw"))) return Token(kReplyRefused);
  params.emplace_back(nick);
  auto db = ctx.store.Acquire();
  const int changed = db->Run(
      "UPDATE accounts SET name1 = ?, name2 = ?, about = ?, telephone = ?, emailo = ?, website = ?, skype = ?, "
      "ok = ?, vk = ?, telegram = ?, facebook = ?, twitter = ?, instagramm = ?, youtube = ? WHERE nick = ?",
      params);
  return Token(changed ? kReplyOk : kReplyRefused);
}

ServiceReply ReadGameRecord(ServiceContext& ctx, const FormFields& f) {
  const std::string nick = Get(f, "nick");
  if (!CheckPassword(ctx, nick, Get(f, "pw"))) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  const auto rows =
      db->Query("SELECT kon, best, rating, ses, konl, score, gr1, gr2 FROM accounts WHERE nick = ?", {nick});
  if (rows.empty()) return Token(kReplyRefused);
  const auto& r = rows[0];
  return Answer(RecordReply({AsText(r[0]), AsText(r[1]), FormatDecimal(AsDouble(r[2])), AsText(r[3]),
                             AsText(r[4]), AsText(r[5]), AsText(r[6]), AsText(r[7])}));
}

ServiceReply WriteGameRecord(ServiceContext& ctx, const FormFields& f) {
  constexpr long long kBig = 1000000000;
  const auto kon = IntField(f, "crdqv2kon", 0, kBig);
  const auto best = IntField(f, "crdqv2best", -kBig, kBig);
  const auto ses = IntField(f, "crdqv2ses", 0, kBig);
  const auto konl = IntField(f, "crdqv2konl", 0, 19);
  const auto score = IntField(f, "crdqv2score", -kBig, kBig);
  const auto r1 = IntField(f, "crdqv2R1", -kBig, kBig);
  const std::string r2 = Get(f, "crdqv2R2");
  const auto rating = ParseDecimal(Get(f, "crdqv2rating"));
  if (!kon || !best || !ses || !konl || !score || !r1 || !rating || *rating < -1e6 || *rating > 1e6 ||
      !IsFreeText(r2, kShortTextMax)) {
    return Token(kReplyRefused);
  }
  const std::string nick = Get(f, "nick");
  if (!CheckPassword(ctx, nick, Get(f, "pw"))) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  const int changed = db->Run(
      "UPDATE accounts SET kon = ?, best = ?, rating = ?, ses = ?, konl = ?, score = ?, gr1 = ?, gr2 = ? "
      "WHERE nick = ?",
      {*kon, *best, *rating, *ses, *konl, *score, *r1, r2, nick});
  return Token(changed ? kReplyOk : kReplyRefused);
}

ServiceReply RatingPlace(ServiceContext& ctx, const FormFields& f) {
  const auto rating = ParseDecimal(Get(f, "crdqv2rating"));
  if (!rating) return Token(kReplyRefused);
  auto db = ctx.store.Acquire();
  const auto above = AsInt(db->Query("SELECT COUNT(*) FROM accounts WHERE kon > 0 AND rating > ?", {*rating})[0][0]);
  return Answer(NumberReply(above + 1));
}

ServiceReply BestRated(ServiceContext& ctx) {
  auto db = ctx.store.Acquire();
  const auto rows = db->Query(
      "SELECT nick, city, country1, country2, sex, rating FROM accounts WHERE kon > 0 "
      "ORDER BY rating DESC, nick LIMIT 10");
  std::vector<std::vector<std::string>> list;
  for (const auto& r : rows) {
    list.push_back({std::to_string(list.size() + 1), AsText(r[0]), AsText(r[1]), AsText(r[2]), AsText(r[3]),
                    AsText(r[4]), FormatDecimal(AsDouble(r[5]))});
  }
  return Answer(RecordListReply(list));
}

}  // namespace

bool CheckPassword(ServiceContext& ctx, const std::string& nick, const std::string& pw) {
  if (!IsNameField(nick, kNickMin, kNickMax, true) || pw.empty() || pw.size() > kPasswordMax) return false;
  std::string hash;
  {
    auto db = ctx.store.Acquire();
    const auto rows = db->Query("SELECT pw_hash FROM accounts WHERE nick = ?", {nick});
    if (rows.empty()) return false;
    hash = AsText(rows[0][0]);
  }
  return ctx.hasher.Verify(hash, pw);
}

ServiceReply HandleAccountRequest(ServiceContext& ctx, const ServiceRequest& request) {
  FormFields f = FormFields::Parse(request.body);
  // Field lists arrive percent-encoded, raw bodies as they were typed.
  if (f.Has("labelinforead")) {
    f.DecodeValues();
    return ReadCard(ctx, f);
  }
  if (f.Has("labelinfosave")) return SaveCard(ctx, f);
  if (f.Has("label0")) {
    f.DecodeValues();
    return ReadAccount(ctx, f);
  }
  if (f.Has("label1")) return CountMembers(ctx);
  if (f.Has("crdqv2kon")) {
    if (f.Has("nick")) return WriteGameRecord(ctx, f);
    return BestRated(ctx);
  }
  if (f.Has("crdqv2best")) {
    f.DecodeValues();
    return ReadGameRecord(ctx, f);
  }
  if (f.Has("crdqv2rating")) return RatingPlace(ctx, f);
  if (f.Has("nick") && f.Has("pw") && f.Has("email")) return CreateAccount(ctx, f);
  return UnknownRequest();
}

}  // namespace quarlo::server
