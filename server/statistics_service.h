// The statistics service: starts, unique starts, likes and game counters of
// the whole player community, one record per game id.
#pragma once

#include "server/service_context.h"

namespace quarlo::server {

ServiceReply HandleStatisticsRequest(ServiceContext& ctx, const ServiceRequest& request);

}  // namespace quarlo::server
