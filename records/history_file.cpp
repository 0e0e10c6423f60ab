#include "records/history_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "records/decimal_text.h"
#include "records/line_checksum.h"
#include "records/record_io.h"

namespace quarlo {
namespace {

constexpr int kLineSumWidth = 5;
constexpr int kTotalSumWidth = 10;
constexpr std::size_t kTotalsLength = 30;
constexpr char kEndMarker = '\xB4';  // game identifier 80 + 100

std::string RightAligned(std::string text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

// A number wider than its field would shift every later field of the line, so
// it is held to the largest value the field can show.
std::string NumberField(std::int64_t value, std::size_t width) {
  std::int64_t max = 1;
  for (std::size_t i = 0; i < width; ++i) max *= 10;
  const std::int64_t hi = max - 1;
  const std::int64_t lo = -(max / 10 - 1);
  return RightAligned(std::to_string(std::clamp(value, lo, hi)), width);
}

char KindLetter(GameKind kind) {
  switch (kind) {
    case GameKind::kAccount: return 'A';
    case GameKind::kTournament: return 'T';
    case GameKind::kLan: return 'N';
    case GameKind::kLocal: break;
  }
  return 'L';
}

std::string FormatTm(const std::tm& when, std::string_view format) {
  char buf[128];
  const std::string fmt(format);
  const std::size_t n = std::strftime(buf, sizeof buf, fmt.c_str(), &when);
  return std::string(buf, n);
}

std::string ModificationDate(const std::filesystem::path& path, std::string_view dateFormat) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  std::tm local{};
  localtime_r(&st.st_mtime, &local);
  return FormatTm(local, dateFormat);
}

struct ParsedFile {
  std::vector<std::string> entries;
  std::string endLine;
};

// The lines of a history file up to its end line, or the reason it is not valid.
Result<ParsedFile> ParseHistory(const std::filesystem::path& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return Result<ParsedFile>::Fail("cannot open " + path.string());
  const auto lines = SplitLines(*bytes);
  ParsedFile parsed;
  ByteSums sums;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.size() < kHistoryLineLength)
      return Result<ParsedFile>::Fail("line " + std::to_string(i + 1) + " is " + std::to_string(line.size()) +
                                      " characters, expected " + std::to_string(kHistoryLineLength));
    sums += SumBytes(std::string_view(line).substr(0, kHistoryBodyLength));
    if (line[0] != '$') {
      parsed.entries.push_back(line);
      continue;
    }
    parsed.endLine = line;
    if (i + 1 >= lines.size() || lines[i + 1].size() < kTotalsLength)
      return Result<ParsedFile>::Fail("the totals line is missing or short");
    ByteSums stored;
    if (!ParseSumsText(lines[i + 1], kTotalSumWidth, stored) || !(stored == sums))
      return Result<ParsedFile>::Fail("the totals do not match the lines");
    return Result<ParsedFile>::Ok(std::move(parsed));
  }
  return Result<ParsedFile>::Fail("no end line");
}

std::string TotalsLine(const std::vector<std::string>& lines) {
  ByteSums sums;
  for (const auto& l : lines) sums += SumBytes(std::string_view(l).substr(0, kHistoryBodyLength));
  return SumsText(sums, kTotalSumWidth);
}

}  // namespace

HistoryStamp MakeHistoryStamp(const std::tm& when, std::string_view dateFormat) {
  return {FormatTm(when, "%H:%M"), FormatTm(when, dateFormat)};
}

HistoryStamp HistoryStampNow(std::string_view dateFormat) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return MakeHistoryStamp(local, dateFormat);
}

std::string FormatHistoryRating(double rating) {
  // The field has ten characters: "-999999,99" and "9999999,99" at the extremes.
  if (!std::isfinite(rating)) rating = 0.0;
  return FormatDecimalComma(std::clamp(rating, -999999.99, 9999999.99), 2);
}

std::string HistoryEntryBody(const HisStr& e, const HistoryStamp& stamp) {
  std::string body;
  body.reserve(kHistoryBodyLength);
  body += RightAligned(stamp.time, 5).substr(0, 5);
  body += RightAligned(stamp.date, 10).substr(0, 10);
  std::string name = e.hName.substr(0, 51);
  // A line end inside the name would split the entry.
  std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  name.resize(51, ' ');
  body += name;
  body += NumberField(e.hKon, 3);
  body += NumberField(e.hRes, 10);
  body += RightAligned(FormatHistoryRating(e.hRei), 10);
  body += KindLetter(e.ac);
  body += std::string(9, '#');
  return body;
}

std::string SignHistoryBody(std::string_view body) {
  return std::string(body) + SumsText(SumBytes(body), kLineSumWidth);
}

std::string HistoryEndLine() {
  std::string body = "$";
  body += kEndMarker;
  body += '}';
  body.resize(kHistoryBodyLength, '#');
  return SignHistoryBody(body);
}

std::filesystem::path HistoryFilePath(const std::filesystem::path& programDir, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "_I%04d.hst", number);
  return programDir / kHistoryFolder / (std::string(kHistoryStem) + name);
}

HistoryCheck CheckHistoryFile(const std::filesystem::path& programDir, int number, std::string_view dateFormat) {
  HistoryCheck check;
  const auto path = HistoryFilePath(programDir, number);
  auto parsed = ParseHistory(path);
  if (!parsed) {
    check.reason = parsed.error();
    return check;
  }
  check.valid = true;
  check.entries = static_cast<int>(parsed->entries.size());
  check.modified = ModificationDate(path, dateFormat);
  return check;
}

std::string HistoryFileLabel(int number, std::string_view modified) {
  char label[32];
  std::snprintf(label, sizeof label, "File I%04d ", number);
  return label + std::string(modified);
}

std::vector<int> ValidHistoryFiles(const std::filesystem::path& programDir) {
  std::vector<int> numbers;
  for (int k = 1; k <= kMaxHistoryFiles; ++k) {
    std::error_code ec;
    if (!std::filesystem::exists(HistoryFilePath(programDir, k), ec)) break;
    if (!ParseHistory(HistoryFilePath(programDir, k))) break;
    numbers.push_back(k);
  }
  return numbers;
}

Result<int> AppendHistoryEntries(const std::filesystem::path& programDir, const std::vector<HisStr>& entries,
                                 const HistoryStamp& stamp) {
  const auto fail = [] { return Result<int>::Fail(std::string(kCantSaveHistory)); };
  std::error_code ec;
  std::filesystem::create_directories(programDir / kHistoryFolder, ec);
  if (ec) return fail();

  std::size_t next = 0;
  int k = 1;
  int written = 0;
  while (next < entries.size()) {
    // A full file is passed over; a missing or altered one is started anew.
    std::vector<std::string> lines;
    for (;; ++k) {
      if (k > kMaxHistoryFiles) return fail();
      auto parsed = ParseHistory(HistoryFilePath(programDir, k));
      if (!parsed) break;
      if (parsed->entries.size() < static_cast<std::size_t>(kHistoryEntriesPerFile)) {
        // Only the validated entries are kept, whatever follows the totals line.
        lines = std::move(parsed->entries);
        break;
      }
    }
    while (next < entries.size() && lines.size() < static_cast<std::size_t>(kHistoryEntriesPerFile))
      lines.push_back(SignHistoryBody(HistoryEntryBody(entries[next++], stamp)));
    lines.push_back(HistoryEndLine());
    lines.push_back(TotalsLine(lines));
    if (!WriteFileAtomically(HistoryFilePath(programDir, k), JoinLines(lines))) return fail();
    written = k;
  }
  return Result<int>::Ok(written);
}

Result<std::vector<HistoryRow>> ReadHistoryEntries(const std::filesystem::path& programDir, int number) {
  auto parsed = ParseHistory(HistoryFilePath(programDir, number));
  if (!parsed) return Result<std::vector<HistoryRow>>::Fail(parsed.error());
  std::vector<HistoryRow> rows;
  rows.reserve(parsed->entries.size());
  for (const auto& l : parsed->entries) {
    HistoryRow r;
    r.time = l.substr(0, 5);
    r.date = l.substr(5, 10);
    r.player = l.substr(15, 51);
    r.games = l.substr(66, 3);
    r.result = l.substr(69, 10);
    r.rating = l.substr(79, 10);
    r.kind = l[89];
    rows.push_back(std::move(r));
  }
  return Result<std::vector<HistoryRow>>::Ok(std::move(rows));
}

}  // namespace quarlo
