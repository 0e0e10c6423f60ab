// The tournament web service: the ten tables with their seats, server
// information, tournament records, the top ten and places.
#pragma once

#include "server/service_context.h"

namespace quarlo::server {

inline constexpr int kTournamentGameId = 80;

ServiceReply HandleTournamentRequest(ServiceContext& ctx, const ServiceRequest& request);

}  // namespace quarlo::server
