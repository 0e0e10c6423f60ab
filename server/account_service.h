// The account service: accounts, profile cards, game records, the rating
// place and the best-rated list. Requests are told apart by their fields.
#pragma once

#include "server/service_context.h"

namespace quarlo::server {

ServiceReply HandleAccountRequest(ServiceContext& ctx, const ServiceRequest& request);

// True when the nick has an account and the password is its own.
bool CheckPassword(ServiceContext& ctx, const std::string& nick, const std::string& pw);

}  // namespace quarlo::server
