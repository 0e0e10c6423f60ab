// Decimal numbers with a decimal comma, as the record files write them
// whatever the system's own settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarlo {

// `value` rounded to `decimals` places (halves to even) with a comma before
// them: FormatDecimalComma(12.5, 2) is "12,50", (-0.07, 2) is "-0,07".
std::string FormatDecimalComma(double value, int decimals);

// Reads an optionally signed decimal with a comma or a point, surrounded by
// spaces ("  0,000000", "-99,990000"); nothing for anything else.
std::optional<double> ParseDecimalComma(std::string_view text);

}  // namespace quarlo
