// The HTTP side of the server: the four form-post services, the directory,
// the public-address page, the news page, the music folder, pack downloads
// and profile photos, with the size and rate limits in front of them.
#pragma once

#include <httplib.h>

#include "server/event_log.h"
#include "server/rate_limiter.h"
#include "server/service_context.h"

namespace quarlo::server {

inline constexpr std::size_t kMaxBody = 64 * 1024;
inline constexpr std::size_t kMaxPhoto = 200 * 1024;
// A photo upload carries the picture plus a few small fields.
inline constexpr std::size_t kMaxPhotoBody = kMaxPhoto + 4 * 1024;

struct HttpDeps {
  ServiceContext& ctx;
  RateLimiter& limiter;
  EventLog& log;
};

// Routes and limits; the caller binds and listens.
void SetUpRoutes(httplib::Server& http, HttpDeps deps);

// The directory text: the three service addresses enciphered, each value
// ending in "#", plus the pause words when the services are paused.
std::string DirectoryText(const ServerOptions& options, const std::string& base_url);

}  // namespace quarlo::server
