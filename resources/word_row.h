// One row of a ten-language table as the generated sources store it.
#pragma once

#include <array>
#include <string_view>

#include "resources/languages.h"

namespace quarlo {

struct WordRow {
  std::string_view key;                                // the row's identifier in the table
  WordTable text;  // UTF-8
};

}  // namespace quarlo
