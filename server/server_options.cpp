#include "server/server_options.h"

#include "server/form_fields.h"

namespace quarlo::server {

namespace {

bool ParsePort(const std::string& text, int& out) {
  const auto n = ParseInteger(text);
  if (!n || *n < 0 || *n > 65535) return false;
  out = static_cast<int>(*n);
  return true;
}

bool ParseCount(const std::string& text, long long min, long long max, long long& out) {
  const auto n = ParseInteger(text);
  if (!n || *n < min || *n > max) return false;
  out = *n;
  return true;
}

}  // namespace

std::string ServerUsage() {
  return "usage: quarlo-server [--listen ADDR:PORT] [--db FILE] [--tables-base-port N] [--data DIR]\n"
         "                     [--pause-ranking] [--pause-chat] [--public-url URL] [--relay-address ADDR]\n"
         "                     [--rate-limit N] [--threads N] [--idle-timeout SECONDS]\n"
         "                     [--tournament-info TEXT] [--tournament-off] [--quiet]\n";
}

Result<ParsedOptions> ParseServerOptions(const std::vector<std::string>& args) {
  using R = Result<ParsedOptions>;
  ParsedOptions parsed;
  ServerOptions& o = parsed.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    long long n = 0;
    if (a == "--help" || a == "-h") {
      parsed.help = true;
    } else if (a == "--pause-ranking") {
      o.pause_ranking = true;
    } else if (a == "--pause-chat") {
      o.pause_chat = true;
    } else if (a == "--tournament-off") {
      o.tournament_off = true;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else if (!value(v)) {
      return R::Fail(a.starts_with("--") ? a + " needs a value or is unknown" : "unexpected argument " + a);
    } else if (a == "--listen") {
      const auto colon = v.rfind(':');
      if (colon == std::string::npos || colon == 0 || !ParsePort(v.substr(colon + 1), o.port)) {
        return R::Fail("--listen wants ADDR:PORT, got " + v);
      }
      o.host = v.substr(0, colon);
    } else if (a == "--db") {
      o.db_path = v;
    } else if (a == "--data") {
      o.data_dir = v;
    } else if (a == "--tables-base-port") {
      if (!ParsePort(v, o.tables_base_port) || o.tables_base_port < 1 || o.tables_base_port > 65535 - 10) {
        return R::Fail("--tables-base-port wants 1..65525, got " + v);
      }
    } else if (a == "--public-url") {
      while (!v.empty() && v.back() == '/') v.pop_back();
      o.public_url = v;
    } else if (a == "--relay-address") {
      o.relay_address = v;
    } else if (a == "--rate-limit") {
      if (!ParseCount(v, 0, 1000000, n)) return R::Fail("--rate-limit wants 0..1000000, got " + v);
      o.rate_limit = static_cast<int>(n);
    } else if (a == "--threads") {
      if (!ParseCount(v, 1, 256, n)) return R::Fail("--threads wants 1..256, got " + v);
      o.threads = static_cast<int>(n);
    } else if (a == "--idle-timeout") {
      if (!ParseCount(v, 1, 86400, n)) return R::Fail("--idle-timeout wants 1..86400 seconds, got " + v);
      o.idle_timeout = std::chrono::seconds(n);
    } else if (a == "--tournament-info") {
      o.tournament_info = v;
    } else {
      return R::Fail("unknown option " + a);
    }
  }
  return R::Ok(parsed);
}

}  // namespace quarlo::server
