#include "online/reply_reader.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

TEST(ReplyHasToken, FindsAdjacentLettersAnywhere) {
  struct Case {
    const char* reply;
    const char* token;
    bool found;
  } cases[] = {
      {"ok", "ok", true},       {"n o", "no", false},    {"$Lebanon 2-026$", "no", true}, {"$Toronto$", "no", false},
      {"okis", "is", true},     {"", "ok", false},       {"o", "ok", false},
      {"xxno", "no", true},     {"No", "no", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplyHasToken(c.reply, c.token), c.found) << c.reply;
}

TEST(ReplyNumber, ReadsDigitsAfterLastDollarBeforeTerminator) {
  struct Case {
    const char* reply;
    std::optional<int> number;
  } cases[] = {
      {"count$57$", 57},      {"$57$", 57},        {"$57", 5},  // final character is never read
      {"$12$34$", 34},        {"$7 8$", 7},        {"$$", std::nullopt},
      {"57", std::nullopt},   {"$", std::nullopt}, {"$x$", std::nullopt},
      {"$99999999999$", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplyNumber(c.reply), c.number) << c.reply;
}

TEST(ReplyRecord, CutsFieldsWithEmptyFieldZero) {
  auto fields = ReplyRecord("$12 7 3.5 2 0 140 0 #$");
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[0], "");
  EXPECT_EQ((*fields)[1], "12");
  EXPECT_EQ((*fields)[3], "3.5");
  EXPECT_EQ((*fields)[8], "#");

  // Without a closing "$" the record runs up to the final character.
  fields = ReplyRecord("$a b!");
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[2], "b");

  fields = ReplyRecord("$Ivan~Petrov~likes cards$", '~');
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[3], "likes cards");

  EXPECT_FALSE(ReplyRecord("no"));
  EXPECT_FALSE(ReplyRecord("ok$"));  // a "$" in the final place opens nothing
}

TEST(ReplyRecordList, ReadsUpToMaximumRecords) {
  const auto rows = ReplyRecordList("$1 a*$2 b*$3 c*");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][2], "a");
  EXPECT_EQ(rows[2][1], "3");
  EXPECT_EQ(rows[2][2], "c");

  std::string many;
  for (int i = 1; i <= 12; ++i) many += "$" + std::to_string(i) + "*";
  const auto ten = ReplyRecordList(many);
  ASSERT_EQ(ten.size(), 10u);
  EXPECT_EQ(ten[9][1], "10");

  EXPECT_TRUE(ReplyRecordList("*").empty());
  EXPECT_TRUE(ReplyRecordList("no").empty());
}

TEST(ReplyDecimal, ReadsPointOrAnyFractionMark) {
  EXPECT_DOUBLE_EQ(ReplyDecimal("3.5"), 3.5);
  EXPECT_DOUBLE_EQ(ReplyDecimal("-69.95"), -69.95);
  EXPECT_DOUBLE_EQ(ReplyDecimal("70,05"), 70.05);
  EXPECT_DOUBLE_EQ(ReplyDecimal("12"), 12);
  EXPECT_DOUBLE_EQ(ReplyDecimal(""), 0);
  EXPECT_DOUBLE_EQ(ReplyDecimal("#"), 0);
}

}  // namespace
}  // namespace quarlo
