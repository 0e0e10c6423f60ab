#include <gtest/gtest.h>

#include <string>

#include "resources/generator/table_text.h"

namespace quarlo::tablegen {
namespace {

const std::string kHeader = "id\ten\tru\tde\tfr\tes\tzh\tit\tcs\tja\tko\n";

std::string Row(const std::string& id, const std::string& text) {
  std::string row = id;
  for (int i = 0; i < 10; ++i) row += "\t" + text;
  return row + "\n";
}

template <typename T>
int ErrorLine(const Parsed<T>& parsed) {
  const auto* error = std::get_if<TableError>(&parsed);
  return error ? error->line : -1;
}

// A malformed table must stop the build with the line at fault, never
// produce an empty or shifted text.
TEST(WordTableReader, RefusesMalformedRows) {
  struct Case {
    const char* name;
    std::string text;
    int line;
  };
  const Case cases[] = {
      {"header out of order", "id\tru\ten\tde\tfr\tes\tzh\tit\tcs\tja\tko\n" + Row("A", "x"), 1},
      {"a missing column", kHeader + Row("A", "x") + "B\ta\tb\tc\td\te\tf\tg\th\ti\n", 3},
      {"an empty text", kHeader + "# comment\n" + "A\ta\t\tc\td\te\tf\tg\th\ti\tj\n", 3},
      {"a duplicate id", kHeader + Row("A", "x") + "\n" + Row("A", "y"), 4},
      {"an id code cannot use", kHeader + Row("1st", "x"), 2},
      {"a literal trailing blank", kHeader + Row("A", "x") + Row("B", "Result: "), 3},
      {"an unknown escape", kHeader + Row("A", "a\\qb"), 2},
      {"a lone backslash", kHeader + Row("A", "ab\\"), 2},
      {"no rows", kHeader, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorLine(ReadWordTable(c.text)), c.line) << c.name;
  }
}

TEST(WordTableReader, DecodesEscapesAndSkipsComments) {
  std::string text = "# the table\r\n" + kHeader + "\n# a group\n" + Row("Message", "Line\\sone\\n\\rNext:\\s") +
                     Row("Path", "a\\\\b\\tc");
  Parsed<TextTable> parsed = ReadWordTable(text);
  ASSERT_TRUE(std::holds_alternative<TextTable>(parsed)) << std::get<TableError>(parsed).reason;
  const TextTable& table = std::get<TextTable>(parsed);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].line, 5);
  EXPECT_EQ(table.rows[0].cells[0], "Message");
  EXPECT_EQ(table.rows[0].cells[10], "Line one\n\rNext: ");
  EXPECT_EQ(table.rows[1].cells[1], "a\\b\tc");
}

TEST(HolidayReader, ChecksTheStoredLayout) {
  const std::string good = "01.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#";
  Parsed<std::vector<HolidayLine>> parsed = ReadHolidayTable("// note\n" + good + "\n" + good + "ignored#\n");
  ASSERT_TRUE((std::holds_alternative<std::vector<HolidayLine>>(parsed)));
  const auto& entries = std::get<std::vector<HolidayLine>>(parsed);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].region, "ALL");
  EXPECT_EQ(entries[0].picture, "R_NEWYEAR");
  EXPECT_EQ(entries[1].texts.size(), 10u);
  EXPECT_EQ(entries[1].texts[9], "j");

  EXPECT_EQ(ErrorLine(ReadHolidayTable(good + "\n01.01.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#\n")), 2);
  EXPECT_EQ(ErrorLine(ReadHolidayTable("01.01.000#ALL#R_NEWYEAR0#a#b#c#d#e#f#g#h#i#j#\n")), 1);
  EXPECT_EQ(ErrorLine(ReadHolidayTable("01.01.0000#ALL#R_NEWYEAR#a##c#d#e#f#g#h#i#j#\n")), 1);
  EXPECT_EQ(ErrorLine(ReadHolidayTable("// only a note\n")), 1);
}

TEST(CountryReader, ChecksNumberingAndNames) {
  const std::string header = "continent\tnumber\tpicture\ten\tru\n";
  std::string good = header;
  for (int c = 1; c <= 6; ++c) {
    good += std::to_string(c) + "\t0\tUnknown\tUnknown\tНеизвестно\n";
    good += std::to_string(c) + "\t1\tSome_Land\tSome Land\tСтрана\n";
  }
  EXPECT_TRUE(std::holds_alternative<TextTable>(ReadCountryTable(good)));
  std::string gap = good;
  gap.replace(gap.find("1\t1\t"), 4, "1\t2\t");
  EXPECT_EQ(ErrorLine(ReadCountryTable(gap)), 3);
  std::string blank = good;
  blank.replace(blank.find("Some_Land"), 9, "Some Land");
  EXPECT_EQ(ErrorLine(ReadCountryTable(blank)), 3);
  EXPECT_NE(ErrorLine(ReadCountryTable(header + "1\t0\tUnknown\tUnknown\tНеизвестно\n")), -1);
}

TEST(CppLiteral, KeepsEveryByte) {
  // An octal escape ends after three digits, so a following digit stays a digit.
  EXPECT_EQ(CppLiteral("\xC3\xA9" "1\"\\\n"), "\"\\303\\2511\\\"\\\\\\012\"");
}

}  // namespace
}  // namespace quarlo::tablegen
