// The ranking service: the world score tables by gid (80 and 180 for games
// against the computer, 380 for rated account games) and the chat, whose
// messages are the rows of table 100. Rows are ordered by score, highest
// first; equal scores keep the order they arrived in.
#pragma once

#include "server/service_context.h"

namespace quarlo::server {

inline constexpr int kChatTableId = 100;

ServiceReply HandleRankingRequest(ServiceContext& ctx, const ServiceRequest& request);

}  // namespace quarlo::server
