// Reading of the editable text tables under resources/words/ and their
// conversion into C++ source. Used by the build-time generator; kept in a
// library of its own so that the checks can be tested without running it.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quarlo::tablegen {

// A failure names the 1-based line of the input it was found on.
struct TableError {
  int line = 0;
  std::string reason;
};

template <typename T>
using Parsed = std::variant<T, TableError>;

struct TableRow {
  int line = 0;
  std::vector<std::string> cells;  // unescaped
};

struct TextTable {
  std::vector<std::string> header;
  std::vector<TableRow> rows;
};

// Tab-separated table: blank lines and lines starting with '#' are skipped;
// the first remaining line is the header, every later line must have as
// many cells. Cells are unescaped by UnescapeCell.
Parsed<TextTable> ReadTable(std::string_view text);

// Escapes inside a cell: \n line feed, \r carriage return, \t tab, \s blank,
// \\ backslash. A literal blank at either end of a cell is refused: editors
// trim them silently, so blanks that matter are written \s.
Parsed<std::string> UnescapeCell(std::string_view cell);

// Ten-language word table: header "id en ru de fr es zh it cs ja ko";
// every id a C++ identifier, unique; no empty text.
Parsed<TextTable> ReadWordTable(std::string_view text);

// Country table: header "continent number picture en ru"; continents 1..6
// in order, numbers from 0 ("Unknown") without gaps; picture names without
// blanks; English and Russian names never empty.
Parsed<TextTable> ReadCountryTable(std::string_view text);

// Holiday entries in their stored form, one per line: date rule (10), '#',
// region (3), '#', picture (9), '#', then ten non-empty texts each ended by
// '#' (Russian first); anything after the tenth '#' of the texts is ignored.
// Blank lines and lines starting with "//" are skipped.
struct HolidayLine {
  int line = 0;
  std::string entry;  // the stored text
  std::string dateRule;
  std::string region;
  std::string picture;
  std::vector<std::string> texts;  // ten, Russian first
};
Parsed<std::vector<HolidayLine>> ReadHolidayTable(std::string_view text);

// A C++ string literal holding exactly these bytes (non-ASCII bytes as octal
// escapes, so the generated source does not depend on the compiler's
// character set).
std::string CppLiteral(std::string_view bytes);

}  // namespace quarlo::tablegen
