#include "table/club_list.h"

#include <cstdio>
#include <cstdlib>

namespace quarlo {

namespace {

std::string Field(std::string_view line, std::size_t from, std::size_t to) {  // 1-based, inclusive
  if (line.size() < from) return std::string(to - from + 1, ' ');
  std::string s(line.substr(from - 1, to - from + 1));
  s.resize(to - from + 1, ' ');
  return s;
}

}  // namespace

std::string FitClubRow(std::string name, const std::string& rest, const TextWidth& width, int maxWidth) {
  bool cutReal = false;
  while (width(name + rest) >= maxWidth && name.size() > 4) {
    const char c = name.back();
    if (c != ' ' && c != '#') cutReal = true;
    name.pop_back();
  }
  if (cutReal && name.size() >= 3) name.replace(name.size() - 3, 3, "...");
  return name + rest;
}

std::string ClubMemberRow(std::string_view line, int mode, const TextWidth& width, int maxWidth) {
  const std::string name = Field(line, 1, 20);
  const std::string ratingField = Field(line, 21, 30);
  const std::string gamesField = Field(line, 31, 37);
  const std::string score = Field(line, 39, 44);

  std::string rating;
  if (ratingField[9] == '#') {
    rating = ratingField.substr(0, 6);  // the field without characters 7 to 10
  } else {
    std::string t = ratingField;
    for (char& c : t)
      if (c == ',') c = '.';
    char buf[32];
    std::snprintf(buf, sizeof buf, "%10.2f", std::atof(t.c_str()));
    rating = buf;
  }
  std::string games;
  if (gamesField == "#######") {
    games = "###";
  } else {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", std::atoi(gamesField.c_str()) % 20);
    games = buf;
  }
  const std::string rest =
      mode == 2 ? "  " + gamesField + "  " + rating : "    " + games + "    " + score;
  return FitClubRow(name, rest, width, maxWidth);
}

std::string ClubCycleRow(std::string_view line, const TextWidth& width, int maxWidth) {
  return FitClubRow(Field(line, 1, 20), "  " + Field(line, 21, 26), width, maxWidth);
}

}  // namespace quarlo
