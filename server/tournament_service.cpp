#include "server/tournament_service.h"

#include "server/field_checks.h"
#include "server/form_fields.h"
#include "server/tournament_records.h"

namespace quarlo::server {

namespace {

const std::string kGameIdText = std::to_string(kTournamentGameId);

std::string Get(const FormFields& f, std::string_view name) {
  const std::string* v = f.Find(name);
  return v ? *v : std::string();
}

std::optional<int> IntOf(const FormFields& f, std::string_view name) {
  const auto n = ParseInteger(Get(f, name));
  if (!n || *n < -1000000000 || *n > 1000000000) return std::nullopt;
  return static_cast<int>(*n);
}

bool ForThisGame(const FormFields& f) { return Get(f, "gid") == kGameIdText; }

std::vector<std::string> SeatFields(const std::optional<SeatHolder>& h) {
  if (!h) return {"X", "0", "0", "0", "X", "X", "M", "X"};
  return {h->nick, std::to_string(h->score), std::to_string(h->kon), std::to_string(h->rating),
          h->country, h->city, h->sex, h->ip};
}

std::string RelayAddress(ServiceContext& ctx, const ServiceRequest& request) {
  if (!ctx.options.relay_address.empty()) return ctx.options.relay_address;
  if (ctx.options.host != "0.0.0.0" && ctx.options.host != "::") return ctx.options.host;
  return request.local_ip.empty() ? "127.0.0.1" : request.local_ip;
}

ServiceReply ReadTables(ServiceContext& ctx, const ServiceRequest& request) {
  const std::string ip = RelayAddress(ctx, request);
  std::vector<std::vector<std::string>> rows;
  for (int n = 1; n <= kTournamentTables; ++n) {
    const auto table = ctx.seats.Table(n);
    const bool free = !table.playing && (!table.seats[1].holder || !table.seats[2].holder);
    std::vector<std::string> row = {std::to_string(n), ip, std::to_string(ctx.options.tables_base_port + n),
                                    free ? "Y" : "N", "0", "X"};
    for (int s = 1; s <= 2; ++s) {
      for (auto& v : SeatFields(table.seats[s].holder)) row.push_back(std::move(v));
    }
    rows.push_back(std::move(row));
  }
  return Answer(RecordListReply(rows));
}

ServiceReply ServerInformation(ServiceContext& ctx) {
  return Answer(RecordReply({ctx.options.tournament_off ? "N" : "Y", ctx.options.tournament_info}));
}

ServiceReply SetSeat(ServiceContext& ctx, const ServiceRequest& request, const FormFields& f, int seat) {
  const auto table = IntOf(f, "num");
  const auto can = IntOf(f, "can");
  if (!ForThisGame(f) || !table || !can || !SeatBoard::ValidTable(*table)) return Token(kReplyRefused);
  const std::string digit = std::to_string(seat);
  const std::string nick = Get(f, "nick" + digit);
  SeatAnswer answer = SeatAnswer::kRefused;
  if (*can == 1) {
    if (ctx.options.tournament_off) return Token(kReplyRefused);
    SeatHolder holder;
    holder.nick = nick;
    holder.country = Get(f, "country" + digit);
    holder.city = Get(f, "city" + digit);
    holder.sex = Get(f, "sex" + digit);
    holder.ip = request.remote_ip;  // the address the relay will see, not what the program says it is
    if (!IsNameField(holder.nick, kNickMin, kNickMax, true) || !IsNameField(holder.country, 0, kShortTextMax, true) ||
        !IsNameField(holder.city, kCityMin, kCityMax, true) || holder.sex.size() != 1 || !IsNameText(holder.sex, true)) {
      return Token(kReplyRefused);
    }
    {
      auto db = ctx.store.Acquire();
      const auto standing = ReadTournamentStanding(*db, holder.nick);
      if (!standing) return Token(kReplyRefused);
      holder.score = standing->score;
      holder.kon = standing->kon;
      holder.rating = standing->rating;
    }
    answer = ctx.seats.Take(*table, seat, holder, SeatBoard::Clock::now());
  } else if (*can == 2) {
    answer = ctx.seats.Leave(*table, seat, nick, request.remote_ip);
  } else if (*can == 0) {
    answer = ctx.seats.Clear(*table, seat, request.remote_ip);
  }
  switch (answer) {
    case SeatAnswer::kOk: return Token(kReplyOk);
    case SeatAnswer::kTaken: return Token(kReplyExists);
    case SeatAnswer::kRefused: break;
  }
  return Token(kReplyRefused);
}

ServiceReply ReadSeat(ServiceContext& ctx, const FormFields& f, int seat) {
  const auto table = IntOf(f, "num");
  if (!ForThisGame(f) || !table || !SeatBoard::ValidTable(*table)) return Token(kReplyRefused);
  return Answer(RecordReply(SeatFields(ctx.seats.Table(*table).seats[seat].holder)));
}

ServiceReply ReadRecord(ServiceContext& ctx, const FormFields& f) {
  auto db = ctx.store.Acquire();
  const auto standing = ReadTournamentStanding(*db, Get(f, "nick"));
  if (!standing) return Token(kReplyRefused);
  return Answer(RecordReply(
      {std::to_string(standing->score), std::to_string(standing->kon), std::to_string(standing->rating)}));
}

// Column of the tournament table for a top-ten kind letter.
const char* KindColumn(char kind) {
  switch (kind) {
    case 's': return "score";
    case 'r': return "rating";
    case 'k': return "kon";
    default: return nullptr;
  }
}

ServiceReply TopTen(ServiceContext& ctx, char kind) {
  const char* sql = nullptr;
  switch (kind) {
    case 's':
      sql = "SELECT t.nick, a.city, a.country2, a.sex, t.score FROM tournament t JOIN accounts a ON a.nick = t.nick "
            "WHERE t.kon > 0 ORDER BY t.score DESC, t.nick LIMIT 10";
      break;
    case 'r':
      sql = "SELECT t.nick, a.city, a.country2, a.sex, t.rating FROM tournament t JOIN accounts a ON a.nick = t.nick "
            "WHERE t.kon > 0 ORDER BY t.rating DESC, t.nick LIMIT 10";
      break;
    case 'k':
      sql = "SELECT t.nick, a.city, a.country2, a.sex, t.kon FROM tournament t JOIN accounts a ON a.nick = t.nick "
            "WHERE t.kon > 0 ORDER BY t.kon DESC, t.nick LIMIT 10";
      break;
    default: return Token(kReplyRefused);
  }
  auto db = ctx.store.Acquire();
  std::vector<std::vector<std::string>> list;
  for (const auto& r : db->Query(sql)) {
    std::vector<std::string> row = {std::to_string(list.size() + 1)};
    for (const auto& v : r) row.push_back(AsText(v));
    list.push_back(std::move(row));
  }
  return Answer(RecordListReply(list));
}

ServiceReply Place(ServiceContext& ctx, char kind, const FormFields& f) {
  const char* column = KindColumn(kind);
  if (!column) return Token(kReplyRefused);
  const auto value = ParseInteger(Get(f, std::string(column) + "1"));
  if (!value) return Token(kReplyRefused);
  const char* sql = kind == 's'   ? "SELECT COUNT(*) FROM tournament WHERE kon > 0 AND score > ?"
                    : kind == 'r' ? "SELECT COUNT(*) FROM tournament WHERE kon > 0 AND rating > ?"
                                  : "SELECT COUNT(*) FROM tournament WHERE kon > 0 AND kon > ?";
  auto db = ctx.store.Acquire();
  return Answer(NumberReply(AsInt(db->Query(sql, {static_cast<std::int64_t>(*value)})[0][0]) + 1));
}

// "top10s80", "places80", "readrating80": the letter and the game id ride in
// the field name.
std::optional<char> KindIn(const std::string& name, std::size_t prefix_length) {
  if (name.size() != prefix_length + 1 + kGameIdText.size()) return std::nullopt;
  if (name.compare(prefix_length + 1, std::string::npos, kGameIdText) != 0) return std::nullopt;
  return name[prefix_length];
}

std::optional<int> SeatIn(const std::string& name, std::size_t prefix_length) {
  if (name.size() != prefix_length + 1) return std::nullopt;
  const int seat = name[prefix_length] - '0';
  return SeatBoard::ValidSeat(seat) ? std::optional<int>(seat) : std::nullopt;
}

}  // namespace

ServiceReply HandleTournamentRequest(ServiceContext& ctx, const ServiceRequest& request) {
  FormFields f = FormFields::Parse(request.body);
  if (f.Has("readtable10")) {
    f.DecodeValues();
    if (*f.Find("readtable10") != kGameIdText) return Token(kReplyRefused);
    return ReadTables(ctx, request);
  }
  if (f.Has("serverinforead")) return ServerInformation(ctx);
  if (const auto* field = f.FindPrefix("clienton")) {
    const auto seat = SeatIn(field->first, 8);
    return seat ? SetSeat(ctx, request, f, *seat) : Token(kReplyRefused);
  }
  if (const auto* field = f.FindPrefix("readclient")) {
    const auto seat = SeatIn(field->first, 10);
    f.DecodeValues();
    return seat ? ReadSeat(ctx, f, *seat) : Token(kReplyRefused);
  }
  if (const auto* field = f.FindPrefix("readrating")) {
    if (field->first != "readrating" + kGameIdText) return Token(kReplyRefused);
    return ReadRecord(ctx, f);
  }
  if (const auto* field = f.FindPrefix("top10")) {
    const auto kind = KindIn(field->first, 5);
    return kind ? TopTen(ctx, *kind) : Token(kReplyRefused);
  }
  if (const auto* field = f.FindPrefix("place")) {
    const auto kind = KindIn(field->first, 5);
    return kind ? Place(ctx, *kind, f) : Token(kReplyRefused);
  }
  return UnknownRequest();
}

}  // namespace quarlo::server
