// The line interface of quarlo-engine: one command in, one answer out.
#pragma once

#include <string>
#include <string_view>

namespace quarlo {

// Answers one command line; malformed input answers a line starting "error:".
std::string AnswerQuery(std::string_view line);

}  // namespace quarlo
