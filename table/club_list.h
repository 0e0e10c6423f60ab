// The club list rows of the main menu, built from the club file's lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quarlo {

// Measures a row in the list's fixed-pitch font, in pixels.
using TextWidth = std::function<int(const std::string&)>;

// Member line (name 1-20, rating 21-30, games 31-37, score 39-44) as a row
// for club-list mode 1 (games in cycle, score) or 2 (games, rating), fitted
// to less than `maxWidth` pixels by cutting the name from its end.
std::string ClubMemberRow(std::string_view line, int mode, const TextWidth& width, int maxWidth = 361);
// A top-ten line (name 1-20, score 21-26) as a panel row.
std::string ClubCycleRow(std::string_view line, const TextWidth& width, int maxWidth = 251);

// Cuts name characters from position 20 backwards until the row fits or
// position 4 is reached; "..." replaces the last three when something other
// than blanks or "#" was cut. `rest` follows the name.
std::string FitClubRow(std::string name, const std::string& rest, const TextWidth& width, int maxWidth);

}  // namespace quarlo
