#include "online/reply_writer.h"

#include <gtest/gtest.h>

#include "online/reply_reader.h"

namespace quarlo {
namespace {

TEST(ReplyWriter, TextsWithGrammarCharactersSurviveAsOneField) {
  const std::vector<std::string> values = {"New York", "a$b", "c*d", "e~f", "line\r\nend", "\xC0\xE1"};
  const auto fields = ReplyRecord(RecordReply(values));
  ASSERT_TRUE(fields);
  ASSERT_EQ(fields->size(), values.size() + 2);
  EXPECT_EQ((*fields)[1], "New_York");
  EXPECT_EQ((*fields)[2], "a_b");
  EXPECT_EQ((*fields)[3], "c_d");
  EXPECT_EQ((*fields)[4], "e_f");
  EXPECT_EQ((*fields)[5], "line__end");
  EXPECT_EQ((*fields)[6], "\xC0\xE1");  // Windows-1251 letters pass unchanged
}

TEST(ReplyWriter, CardRecordsKeepSpacesButNotTheirSeparator) {
  const auto fields = ReplyRecord(RecordReply({"I like cards", "a~b", ""}, '~'), '~');
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[1], "I like cards");
  EXPECT_EQ((*fields)[2], "a_b");
  EXPECT_EQ((*fields)[3], "");
}

TEST(ReplyWriter, ListsAndNumbersReadBack) {
  const auto rows = ReplyRecordList(RecordListReply({{"1", "x y"}, {"2", "z"}}));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][2], "x_y");
  EXPECT_EQ(rows[1][2], "z");
  EXPECT_TRUE(ReplyRecordList(RecordListReply({})).empty());
  EXPECT_EQ(ReplyNumber(NumberReply(57)), 57);
  EXPECT_EQ(ReplyNumber(NumberReply(0)), 0);
}

TEST(FormatDecimal, PointAndTinyValuesAsZero) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{2.5, "2.5"}, {0.000001, "0"}, {-0.000001, "0"}, {-69.95, "-69.95"}, {70.05, "70.05"}, {12, "12"}};
  for (const auto& c : cases) EXPECT_EQ(FormatDecimal(c.value), c.text);
  EXPECT_DOUBLE_EQ(ReplyDecimal(FormatDecimal(-69.95)), -69.95);
}

}  // namespace
}  // namespace quarlo
