#include "resources/generator/table_text.h"

#include <array>
#include <cstdio>
#include <set>

namespace quarlo::tablegen {
namespace {

constexpr std::array<std::string_view, 11> kWordHeader = {"id", "en", "ru", "de", "fr", "es",
                                                          "zh", "it", "cs", "ja", "ko"};
constexpr std::array<std::string_view, 5> kCountryHeader = {"continent", "number", "picture", "en",
                                                            "ru"};
constexpr std::size_t kHolidayTexts = 10;

TableError Error(int line, std::string reason) { return TableError{line, std::move(reason)}; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = line.find(separator, start);
    if (end == std::string_view::npos) {
      parts.push_back(line.substr(start));
      return parts;
    }
    parts.push_back(line.substr(start, end - start));
    start = end + 1;
  }
}

bool IsIdentifier(std::string_view id) {
  if (id.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(id[0])) return false;
  for (char c : id) {
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  }
  return true;
}

template <std::size_t N>
bool HeaderIs(const std::vector<std::string>& header, const std::array<std::string_view, N>& want) {
  if (header.size() != N) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (header[i] != want[i]) return false;
  }
  return true;
}

template <std::size_t N>
std::string Joined(const std::array<std::string_view, N>& names) {
  std::string out;
  for (std::string_view name : names) {
    if (!out.empty()) out += ' ';
    out += name;
  }
  return out;
}

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty() || text.size() > 4) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

Parsed<std::string> UnescapeCell(std::string_view cell) {
  if (!cell.empty() && (cell.front() == ' ' || cell.back() == ' ')) {
    return Error(0, "literal blank at the edge of a cell (write \\s)");
  }
  std::string out;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '\\') {
      out += cell[i];
      continue;
    }
    if (i + 1 == cell.size()) return Error(0, "lone backslash at the end of a cell");
    switch (cell[++i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 's': out += ' '; break;
      case '\\': out += '\\'; break;
      default: return Error(0, std::string("unknown escape \\") + cell[i]);
    }
  }
  return out;
}

Parsed<TextTable> ReadTable(std::string_view text) {
  TextTable table;
  bool haveHeader = false;
  int number = 0;
  for (std::string_view line : SplitLines(text)) {
    ++number;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string_view> raw = Split(line, '\t');
    if (!haveHeader) {
      for (std::string_view name : raw) table.header.emplace_back(name);
      haveHeader = true;
      continue;
    }
    if (raw.size() != table.header.size()) {
      return Error(number, "expected " + std::to_string(table.header.size()) + " cells, found " +
                               std::to_string(raw.size()));
    }
    TableRow row{number, {}};
    for (std::size_t i = 0; i < raw.size(); ++i) {
      Parsed<std::string> cell = UnescapeCell(raw[i]);
      if (auto* error = std::get_if<TableError>(&cell)) {
        return Error(number, "column " + table.header[i] + ": " + error->reason);
      }
      row.cells.push_back(std::get<std::string>(std::move(cell)));
    }
    table.rows.push_back(std::move(row));
  }
  if (!haveHeader) return Error(number, "no header line");
  return table;
}

Parsed<TextTable> ReadWordTable(std::string_view text) {
  Parsed<TextTable> parsed = ReadTable(text);
  if (std::holds_alternative<TableError>(parsed)) return parsed;
  const TextTable& table = std::get<TextTable>(parsed);
  if (!HeaderIs(table.header, kWordHeader)) return Error(1, "header must be: " + Joined(kWordHeader));
  if (table.rows.empty()) return Error(1, "no rows");
  std::set<std::string> ids;
  for (const TableRow& row : table.rows) {
    if (!IsIdentifier(row.cells[0])) return Error(row.line, "id is not an identifier: " + row.cells[0]);
    if (!ids.insert(row.cells[0]).second) return Error(row.line, "duplicate id " + row.cells[0]);
    for (std::size_t i = 1; i < row.cells.size(); ++i) {
      if (row.cells[i].empty()) return Error(row.line, row.cells[0] + ": empty " + table.header[i] + " text");
    }
  }
  return parsed;
}

Parsed<TextTable> ReadCountryTable(std::string_view text) {
  Parsed<TextTable> parsed = ReadTable(text);
  if (std::holds_alternative<TableError>(parsed)) return parsed;
  const TextTable& table = std::get<TextTable>(parsed);
  if (!HeaderIs(table.header, kCountryHeader)) {
    return Error(1, "header must be: " + Joined(kCountryHeader));
  }
  int continent = 0;
  int expected = 0;
  for (const TableRow& row : table.rows) {
    int rowContinent = 0;
    int rowNumber = 0;
    if (!ParseNumber(row.cells[0], rowContinent) || !ParseNumber(row.cells[1], rowNumber)) {
      return Error(row.line, "continent and number must be decimal");
    }
    if (rowContinent == continent + 1 && rowNumber == 0) {
      continent = rowContinent;
      expected = 0;
    }
    if (rowContinent != continent || rowNumber != expected) {
      return Error(row.line, "expected country " + std::to_string(continent) + "-" + std::to_string(expected) +
                                 " or the next continent's row 0");
    }
    ++expected;
    if (rowNumber == 0 && row.cells[3] != "Unknown") return Error(row.line, "row 0 must be Unknown");
    if (row.cells[2].find(' ') != std::string::npos) return Error(row.line, "picture name holds a blank");
    if (row.cells[3].empty() || row.cells[4].empty()) return Error(row.line, "empty country name");
  }
  if (continent != 6) return Error(0, "expected six continents, found " + std::to_string(continent));
  return parsed;
}

Parsed<std::vector<HolidayLine>> ReadHolidayTable(std::string_view text) {
  std::vector<HolidayLine> entries;
  int number = 0;
  for (std::string_view line : SplitLines(text)) {
    ++number;
    if (line.empty() || line.substr(0, 2) == "//") continue;
    if (line.size() < 26 || line[10] != '#' || line[14] != '#' || line[24] != '#') {
      return Error(number, "expected rule(10) # region(3) # picture(9) # texts");
    }
    HolidayLine entry{number, std::string(line), std::string(line.substr(0, 10)),
                      std::string(line.substr(11, 3)), std::string(line.substr(15, 9)), {}};
    std::vector<std::string_view> fields = Split(line.substr(25), '#');
    // The last piece follows the final '#': the optional eleventh field.
    if (fields.size() < kHolidayTexts + 1) {
      return Error(number, "expected ten texts, each ended by '#'");
    }
    for (std::size_t i = 0; i < kHolidayTexts; ++i) {
      if (fields[i].empty()) return Error(number, "empty text " + std::to_string(i + 1));
      entry.texts.emplace_back(fields[i]);
    }
    entries.push_back(std::move(entry));
  }
  if (entries.empty()) return Error(number, "no entries");
  return entries;
}

std::string CppLiteral(std::string_view bytes) {
  std::string out = "\"";
  for (unsigned char c : bytes) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      // Octal escapes take at most three digits, so a following digit
      // cannot join them (unlike \x).
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\%03o", c);
      out += buffer;
    }
  }
  out += '"';
  return out;
}

}  // namespace quarlo::tablegen
