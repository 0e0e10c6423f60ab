#include "server/http_routes.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/address_cipher.h"
#include "server/account_service.h"
#include "server/jpeg_check.h"
#include "server/ranking_service.h"
#include "server/statistics_service.h"
#include "server/tournament_service.h"

namespace quarlo::server {

namespace {

constexpr const char* kReplyType = "text/html; charset=windows-1251";

using Handler = ServiceReply (*)(ServiceContext&, const ServiceRequest&);

httplib::Server::Handler FormService(HttpDeps deps, Handler handler) {
  return [deps, handler](const httplib::Request& req, httplib::Response& res) {
    if (req.body.size() > kMaxBody) {
      res.status = 413;
      return;
    }
    ServiceReply reply;
    try {
      reply = handler(deps.ctx, ServiceRequest{req.body, req.remote_addr, req.local_addr});
    } catch (const std::exception& e) {
      deps.log.Line(std::string("error in ") + req.path + ": " + e.what());
      reply = {500, std::string(kReplyRefused)};
    }
    res.status = reply.status;
    res.set_content(reply.body, kReplyType);
  };
}

std::string ReadWholeFile(const std::filesystem::path& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  ok = static_cast<bool>(in) || in.eof();
  return text.str();
}

std::string BaseUrl(const ServerOptions& options, const httplib::Request& req) {
  if (!options.public_url.empty()) return options.public_url;
  std::string host = req.get_header_value("Host");
  if (host.empty()) host = options.host + ":" + std::to_string(req.local_port);
  return "http://" + host;
}

void UploadPhoto(HttpDeps deps, const httplib::Request& req, httplib::Response& res) {
  res.set_content(std::string(kReplyRefused), kReplyType);
  if (!req.is_multipart_form_data() || !req.has_file("nick") || !req.has_file("pw") || !req.has_file("photo")) {
    res.status = 400;
    return;
  }
  const std::string nick = req.get_file_value("nick").content;
  const std::string pw = req.get_file_value("pw").content;
  const std::string jpeg = req.get_file_value("photo").content;
  if (jpeg.size() > kMaxPhoto) {
    res.status = 413;
    return;
  }
  const std::string problem = CheckJpeg(jpeg);
  if (!problem.empty()) {
    deps.log.Line("photo of " + nick + " refused: " + problem);
    return;
  }
  if (!CheckPassword(deps.ctx, nick, pw)) return;
  auto db = deps.ctx.store.Acquire();
  db->Run("INSERT INTO photos (nick, jpeg) VALUES ((SELECT nick FROM accounts WHERE nick = ?), ?) "
          "ON CONFLICT(nick) DO UPDATE SET jpeg = excluded.jpeg",
          {nick, SqlBlob{jpeg}});
  res.set_content(std::string(kReplyOk), kReplyType);
}

}  // namespace

std::string DirectoryText(const ServerOptions& options, const std::string& base_url) {
  std::string text;
  text += "WTGamesPatt=" + EncipherAddress(base_url + "/ranking") + "#\r\n";
  text += "StatPath=" + EncipherAddress(base_url + "/statistics") + "#\r\n";
  text += "AccPath=" + EncipherAddress(base_url + "/account") + "#\r\n";
  if (options.pause_ranking) text += "WTGamesPause#\r\n";
  if (options.pause_chat) text += "CTGamesPause#\r\n";
  return text;
}

void SetUpRoutes(httplib::Server& http, HttpDeps deps) {
  const ServerOptions& options = deps.ctx.options;
  const std::filesystem::path data(options.data_dir);

  http.set_payload_max_length(kMaxPhotoBody);
  http.set_pre_routing_handler([deps](const httplib::Request& req, httplib::Response& res) {
    if (!deps.limiter.Allow(req.remote_addr, RateLimiter::Clock::now())) {
      res.status = 429;
      return httplib::Server::HandlerResponse::Handled;
    }
    const std::size_t limit = req.path == "/avatars" ? kMaxPhotoBody : kMaxBody;
    if (req.has_header("Content-Length") && req.get_header_value<uint64_t>("Content-Length") > limit) {
      res.status = 413;
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  if (deps.log.enabled()) {
    http.set_logger([deps](const httplib::Request& req, const httplib::Response& res) {
      deps.log.Line(req.remote_addr + " " + req.method + " " + req.path + " " + std::to_string(res.status) + " " +
                    std::to_string(res.body.size()));
    });
  }

  http.Post("/account", FormService(deps, HandleAccountRequest));
  http.Post("/ranking", FormService(deps, HandleRankingRequest));
  http.Post("/statistics", FormService(deps, HandleStatisticsRequest));
  http.Post("/tournament", FormService(deps, HandleTournamentRequest));
  http.Post("/avatars", [deps](const httplib::Request& req, httplib::Response& res) {
    try {
      UploadPhoto(deps, req, res);
    } catch (const std::exception& e) {
      deps.log.Line(std::string("error in /avatars: ") + e.what());
      res.status = 500;
    }
  });

  http.Get("/directory.txt", [&options](const httplib::Request& req, httplib::Response& res) {
    res.set_content(DirectoryText(options, BaseUrl(options, req)), "text/plain; charset=utf-8");
  });
  http.Get("/get_ip.php", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.remote_addr, "text/plain");
  });
  http.Get("/news.html", [data](const httplib::Request&, httplib::Response& res) {
    bool ok = false;
    std::string page = ReadWholeFile(data / "news.html", ok);
    if (!ok) {
      res.status = 404;
      return;
    }
    res.set_content(std::move(page), "text/html; charset=utf-8");
  });
  http.Get(R"(/avatars/(.+)\.jpg)", [deps](const httplib::Request& req, httplib::Response& res) {
    try {
      auto db = deps.ctx.store.Acquire();
      const auto rows = db->Query("SELECT jpeg FROM photos WHERE nick = ?", {std::string(req.matches[1])});
      if (rows.empty()) {
        res.status = 404;
        return;
      }
      res.set_content(AsText(rows[0][0]), "image/jpeg");
    } catch (const std::exception& e) {
      deps.log.Line(std::string("error in /avatars: ") + e.what());
      res.status = 500;
    }
  });
  // Files served as they lie in the data folder; the mount refuses paths
  // that climb out of it.
  http.set_mount_point("/musik", (data / "musik").string());
  http.set_mount_point("/downloads/progr/cards", (data / "downloads").string());
  http.set_file_extension_and_mimetype_mapping("rad", "text/plain");
  http.set_file_extension_and_mimetype_mapping("dll", "application/octet-stream");
}

}  // namespace quarlo::server
