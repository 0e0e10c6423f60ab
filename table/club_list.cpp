#include "table/club_list.h"

#include <charconv>
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

// "  12,500000" as "     12.50". Read and written without the C library's
// locale, which the windowing toolkit sets from the environment (a German or
// Russian locale would stop the reading at the point).
std::string RatingText(const std::string& field) {
  std::string t;
  for (char c : field)
    if (c != ' ') t += c == ',' ? '.' : c;
  double value = 0.0;
  std::from_chars(t.data(), t.data() + t.size(), value);
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2).ptr;
  std::string out(buf, end);
  if (out.size() < 10) out.insert(0, 10 - out.size(), ' ');
  return out;
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
    rating = RatingText(ratingField);
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
