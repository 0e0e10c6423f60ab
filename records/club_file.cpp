#include "records/club_file.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "records/decimal_text.h"
#include "records/line_checksum.h"
#include "records/record_io.h"

namespace quarlo {
namespace {

constexpr int kClubSumWidth = 6;
constexpr std::size_t kFlagsLength = 10;
constexpr char kMarker1 = '\xB4';  // game identifier 80 + 100
constexpr char kMarker2 = '}';

std::string RightAligned(std::string text, std::size_t width) {
  if (text.size() >= width) return text.substr(text.size() - width);
  return std::string(width - text.size(), ' ') + text;
}

// Held to what the field can show, so a line never changes length.
std::string IntField(long long value, std::size_t width) {
  long long max = 1;
  for (std::size_t i = 0; i < width; ++i) max *= 10;
  return RightAligned(std::to_string(std::clamp(value, -(max / 10 - 1), max - 1)), width);
}

std::string TrimRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::optional<int> ParseIntField(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  bool negative = false;
  if (!s.empty() && s.front() == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 9) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return negative ? -v : v;
}

std::string FixedName(std::string_view name) {
  std::string n(name.substr(0, kNameLength));
  std::replace_if(n.begin(), n.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  n.resize(kNameLength, ' ');
  return n;
}

std::string Quoted(std::string_view prefix, const std::filesystem::path& path) {
  return std::string(prefix) + " \"" + path.string() + "\"!";
}

}  // namespace

std::filesystem::path ClubFilePath(const std::filesystem::path& programDir, bool multiplayerMode) {
  return programDir / (multiplayerMode ? kNetClubFileName : kClubFileName);
}

std::string EmptySlotLine() { return std::string(37, '#') + " " + std::string(21, '#'); }
std::string EmptyTopTenLine() { return std::string(kTopTenLineLength, '#'); }
bool IsEmptySlot(std::string_view line) { return line.size() < 37 || line[36] == '#'; }

std::string FormatClubRating(double rating) {
  if (!std::isfinite(rating)) rating = 0.0;
  return RightAligned(FormatDecimalComma(std::clamp(rating, -kRatingLimit, kRatingLimit), 6), 10);
}

std::string EncodePassword(std::string_view password) {
  std::string five(password.substr(0, kPasswordLength));
  five.resize(kPasswordLength, ' ');
  std::string field;
  for (char c : five) field += std::to_string(static_cast<unsigned char>(c) + kPasswordOffset);
  return field;
}

std::optional<std::string> DecodePassword(std::string_view field) {
  if (field.size() != 3 * kPasswordLength) return std::nullopt;
  std::string password;
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    int v = 0;
    for (char c : field.substr(3 * i, 3)) {
      if (c < '0' || c > '9') return std::nullopt;
      v = v * 10 + (c - '0');
    }
    v -= kPasswordOffset;
    if (v < 0 || v > 255) return std::nullopt;
    password += static_cast<char>(v);
  }
  return password;
}

std::string FormatMemberLine(const ClubMember& m) {
  return FixedName(m.name) + FormatClubRating(m.rating) + IntField(m.games, 7) + " " + IntField(m.score, 6) +
         EncodePassword(m.password);
}

std::optional<ClubMember> ParseMemberLine(std::string_view line) {
  if (IsEmptySlot(line) || line.size() < kMemberLineLength) return std::nullopt;
  const auto rating = ParseDecimalComma(line.substr(20, 10));
  const auto games = ParseIntField(line.substr(30, 7));
  const auto score = ParseIntField(line.substr(38, 6));
  auto password = DecodePassword(line.substr(44, 15));
  if (!rating || !games || !score || !password) return std::nullopt;
  return ClubMember{TrimRight(line.substr(0, kNameLength)), *rating, *games, *score, std::move(*password)};
}

std::string FormatTopTenLine(std::string_view name, int score) { return FixedName(name) + IntField(score, 6); }

std::optional<TopTenEntry> ParseTopTenLine(std::string_view line) {
  if (line.size() < kTopTenLineLength) return std::nullopt;
  const auto score = ParseIntField(line.substr(kNameLength, 6));
  if (!score) return std::nullopt;
  return TopTenEntry{TrimRight(line.substr(0, kNameLength)), *score};
}

std::string ClubChecksum(const ClubLines& lines) {
  // Positions run on across the lines: the sums are over lines 1..16 joined.
  std::string joined;
  for (int i = 0; i < kClubLines - 1; ++i) joined += lines[static_cast<std::size_t>(i)];
  return SumsText(SumBytes(joined), kClubSumWidth);
}

void SignClubLines(ClubLines& lines) {
  std::string flags = lines[16].substr(0, kFlagsLength);
  flags.resize(kFlagsLength, '#');
  lines[16] = flags + ClubChecksum(lines);
}

ClubLines EmptyClubLines() {
  ClubLines lines;
  for (int i = 0; i < kClubSlots; ++i) lines[static_cast<std::size_t>(i)] = EmptySlotLine();
  for (int i = 0; i < kTopTenSize; ++i) lines[static_cast<std::size_t>(kClubSlots + i)] = EmptyTopTenLine();
  lines[15] = std::string{kMarker1, kMarker2} + std::string(kMarkerLineLength - 2, '#');
  lines[16] = "0#########";  // English start, start-up report on
  SignClubLines(lines);
  return lines;
}

namespace {

// The layout and signature test shared by the start-up check and every reader.
// `startFlag` receives position 1 of line 17 once the line count and lengths
// are right, even when the signature then fails.
Result<ClubLines> ParseClub(const std::filesystem::path& path, char& startFlag) {
  startFlag = '\0';
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return Result<ClubLines>::Fail("cannot read the file");
  const auto lines = SplitLines(*bytes);
  if (lines.size() != kClubLines)
    return Result<ClubLines>::Fail(std::to_string(lines.size()) + " lines, expected 17");
  for (int n = 1; n <= kClubLines; ++n) {
    std::size_t expected = 0;
    if (n <= 4) expected = kMemberLineLength;  // line 5 is not measured
    else if (n >= 6 && n <= 15) expected = kTopTenLineLength;
    else if (n >= 16) expected = kMarkerLineLength;
    const auto size = lines[static_cast<std::size_t>(n - 1)].size();
    if (expected != 0 && size != expected)
      return Result<ClubLines>::Fail("line " + std::to_string(n) + " is " + std::to_string(size) +
                                     " characters, expected " + std::to_string(expected));
  }
  startFlag = lines[16][0];
  ClubLines club;
  std::copy(lines.begin(), lines.end(), club.begin());
  if (club[15][0] != kMarker1 || club[15][1] != kMarker2)
    return Result<ClubLines>::Fail("line 16 is not the marker line");
  if (club[16].substr(kFlagsLength) != ClubChecksum(club))
    return Result<ClubLines>::Fail("the checksum does not match the lines");
  return Result<ClubLines>::Ok(std::move(club));
}

}  // namespace

Result<ClubLines> ReadClubLines(const std::filesystem::path& path) {
  char startFlag = '\0';
  return ParseClub(path, startFlag);
}

ClubCheck CheckClubFile(const std::filesystem::path& path) {
  ClubCheck check;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    check.fault = ClubFault::kMissing;
    check.detail = "the file does not exist";
    return check;
  }
  char startFlag = '\0';
  auto club = ParseClub(path, startFlag);
  // The start language is taken as soon as the layout holds.
  check.startInRussian = startFlag == '1';
  if (!club) {
    check.fault = ClubFault::kIncorrect;
    check.detail = club.error();
    return check;
  }
  const std::string& flags = (*club)[16];
  check.startReportOff = flags.substr(6, 3) == "idd";
  check.writable = CanReplaceFile(path);
  if (!check.writable) check.detail = "the file cannot be written";
  return check;
}

std::string ClubCheckMessage(const ClubCheck& check, const std::filesystem::path& path) {
  switch (check.fault) {
    case ClubFault::kMissing: return Quoted(kCantFindTheFile, path);
    case ClubFault::kIncorrect: return Quoted(kTheIncorrectFile, path);
    case ClubFault::kNone: break;
  }
  return {};
}

std::string ClubAttributesMessage(const std::filesystem::path& path) {
  return std::string(kTheFileQuote) + path.string() + std::string(kHasIncorrectAttributes);
}

Result<ClubContents> ReadClub(const std::filesystem::path& path) {
  auto lines = ReadClubLines(path);
  if (!lines) return Result<ClubContents>::Fail(lines.error());
  ClubContents contents;
  for (int i = 0; i < kClubSlots; ++i)
    contents.members[static_cast<std::size_t>(i)] = ParseMemberLine((*lines)[static_cast<std::size_t>(i)]);
  for (int i = 0; i < kTopTenSize; ++i)
    contents.topTen[static_cast<std::size_t>(i)] =
        ParseTopTenLine((*lines)[static_cast<std::size_t>(kClubSlots + i)]);
  return Result<ClubContents>::Ok(std::move(contents));
}

}  // namespace quarlo
