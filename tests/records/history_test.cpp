// History files: entry layout, validation by totals, appending and file numbers.
#include <gtest/gtest.h>

#include <limits>

#include "records/history_file.h"
#include "records/record_io.h"
#include "scratch_dir.h"

namespace quarlo {
namespace {

const HistoryStamp kStamp{"09:05", "14.03.2024"};

HisStr Game(std::string name = "Mr.X", int result = 40, double rating = 2.0, GameKind kind = GameKind::kLocal) {
  return {std::move(name), 1, result, rating, kind};
}

TEST(HistoryFile, RatingFormat) {
  struct Case {
    double rating;
    const char* text;
  };
  const Case cases[] = {
      {12.5, "12,50"}, {-0.07, "-0,07"}, {0.0, "0,00"},      {0.05, "0,05"},     {0.5, "0,50"},
      {0.125, "0,12"}, {0.375, "0,38"},  {-99.99, "-99,99"}, {1234.5, "1234,50"}, {-0.001, "0,00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatHistoryRating(c.rating), c.text) << c.rating;
}

TEST(HistoryFile, EntryLineLayout) {
  const std::string line = SignHistoryBody(HistoryEntryBody(Game("Mr.X", -20, 12.5, GameKind::kLan), kStamp));
  ASSERT_EQ(line.size(), 114u);
  EXPECT_EQ(line.substr(0, 15), "09:0514.03.2024");
  EXPECT_EQ(line.substr(15, 51), "Mr.X" + std::string(47, ' '));
  EXPECT_EQ(line.substr(66, 3), "  1");
  EXPECT_EQ(line.substr(69, 10), "       -20");
  EXPECT_EQ(line.substr(79, 10), "     12,50");
  EXPECT_EQ(line.substr(89, 10), "N#########");

  // Short stamps are right-aligned, long ones and long names cut.
  const std::string odd = HistoryEntryBody(Game(std::string(60, 'n')), {"9:5", "2024 03 14 extra"});
  ASSERT_EQ(odd.size(), 99u);
  EXPECT_EQ(odd.substr(0, 15), "  9:52024 03 14");
  EXPECT_EQ(odd.substr(15, 51), std::string(51, 'n'));

  EXPECT_EQ(HistoryEntryBody(Game("x", 0, -0.07), kStamp).substr(79, 10), "     -0,07");
  for (auto [kind, letter] : {std::pair{GameKind::kLocal, 'L'}, {GameKind::kAccount, 'A'},
                              {GameKind::kTournament, 'T'}, {GameKind::kLan, 'N'}})
    EXPECT_EQ(HistoryEntryBody(Game("x", 0, 0, kind), kStamp)[89], letter);
}

TEST(HistoryFile, HugeNumbersKeepTheLineLength) {
  HisStr e = Game("x", std::numeric_limits<std::int32_t>::min(), -1e9);
  e.hKon = 100000;
  const std::string body = HistoryEntryBody(e, kStamp);
  ASSERT_EQ(body.size(), 99u);
  EXPECT_EQ(body.substr(66, 3), "999");
  EXPECT_EQ(body.substr(69, 10), "-999999999");
  EXPECT_EQ(body.substr(79, 10), "-999999,99");
}

TEST(HistoryFile, EndLine) {
  const std::string end = HistoryEndLine();
  ASSERT_EQ(end.size(), 114u);
  EXPECT_EQ(end.substr(0, 3), "$\xB4}");
  EXPECT_EQ(end.substr(3, 96), std::string(96, '#'));
}

TEST(HistoryFile, FirstGameCreatesFileOneWithThreeLines) {
  testing::ScratchDir dir;
  const auto written = AppendHistoryEntries(dir.path(), {Game()}, kStamp);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, 1);
  const auto path = dir.path() / "History" / "Quarlo2_I0001.hst";
  const auto lines = SplitLines(testing::ReadBytes(path));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], HistoryEndLine());
  EXPECT_EQ(lines[2].size(), 30u);
  const HistoryCheck check = CheckHistoryFile(dir.path(), 1);
  EXPECT_TRUE(check.valid);
  EXPECT_EQ(check.entries, 1);
  EXPECT_FALSE(check.modified.empty());
}

TEST(HistoryFile, HandMadeFileReadsBack) {
  const auto dir = testing::Fixture("history_valid");
  ASSERT_TRUE(CheckHistoryFile(dir, 1).valid);
  const auto rows = ReadHistoryEntries(dir, 1);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[1].time, "21:40");
  EXPECT_EQ((*rows)[1].player.substr(0, 9), "\xC0\xED\xED\xE0/Mr.X");
  EXPECT_EQ((*rows)[1].rating, "     -0,07");
  EXPECT_EQ((*rows)[1].kind, 'N');
  // The same file with one digit of a result changed.
  EXPECT_FALSE(CheckHistoryFile(testing::Fixture("history_altered"), 1).valid);
}

TEST(HistoryFile, DamagedFilesAreNotValid) {
  testing::ScratchDir dir;
  ASSERT_TRUE(AppendHistoryEntries(dir.path(), {Game(), Game("Anna")}, kStamp));
  const auto path = HistoryFilePath(dir.path(), 1);
  const auto good = SplitLines(testing::ReadBytes(path));
  ASSERT_EQ(good.size(), 4u);

  struct Case {
    const char* what;
    std::vector<std::string> lines;
  };
  auto changed = good;
  changed[0][20] = 'Y';  // one character of a name
  auto shortLine = good;
  shortLine[1].pop_back();
  auto shortTotals = good;
  shortTotals[3].resize(29);
  const Case cases[] = {
      {"changed character", changed},
      {"line of 113 characters", shortLine},
      {"no end line", {good[0], good[1]}},
      {"no totals line", {good[0], good[1], good[2]}},
      {"totals of 29 characters", shortTotals},
      {"empty file", {}},
  };
  for (const auto& c : cases) {
    testing::WriteBytes(path, JoinLines(c.lines));
    EXPECT_FALSE(CheckHistoryFile(dir.path(), 1).valid) << c.what;
  }
  EXPECT_FALSE(CheckHistoryFile(dir.path(), 2).valid);  // missing
}

TEST(HistoryFile, AlteredFileIsReplacedByTheNextGame) {
  testing::ScratchDir dir;
  ASSERT_TRUE(AppendHistoryEntries(dir.path(), {Game(), Game()}, kStamp));
  const auto path = HistoryFilePath(dir.path(), 1);
  std::string bytes = testing::ReadBytes(path);
  bytes[20] = 'Y';
  testing::WriteBytes(path, bytes);
  EXPECT_TRUE(ValidHistoryFiles(dir.path()).empty());

  ASSERT_TRUE(AppendHistoryEntries(dir.path(), {Game("Anna")}, kStamp));
  const HistoryCheck check = CheckHistoryFile(dir.path(), 1);
  EXPECT_TRUE(check.valid);
  EXPECT_EQ(check.entries, 1);
}

TEST(HistoryFile, The841stGameStartsFileTwo) {
  testing::ScratchDir dir;
  ASSERT_EQ(*AppendHistoryEntries(dir.path(), std::vector<HisStr>(840, Game()), kStamp), 1);
  EXPECT_EQ(CheckHistoryFile(dir.path(), 1).entries, 840);
  EXPECT_EQ(*AppendHistoryEntries(dir.path(), {Game("Anna")}, kStamp), 2);
  EXPECT_EQ(CheckHistoryFile(dir.path(), 1).entries, 840);
  EXPECT_EQ(CheckHistoryFile(dir.path(), 2).entries, 1);
  EXPECT_EQ(ValidHistoryFiles(dir.path()), (std::vector<int>{1, 2}));
  EXPECT_EQ(HistoryFileLabel(2, "14.03.2024"), "File I0002 14.03.2024");

  // More entries than fit move on to the next number.
  testing::ScratchDir other;
  ASSERT_TRUE(AppendHistoryEntries(other.path(), std::vector<HisStr>(839, Game()), kStamp));
  EXPECT_EQ(*AppendHistoryEntries(other.path(), {Game(), Game(), Game()}, kStamp), 2);
  EXPECT_EQ(CheckHistoryFile(other.path(), 1).entries, 840);
  EXPECT_EQ(CheckHistoryFile(other.path(), 2).entries, 2);
}

TEST(HistoryFile, AppendKeepsEarlierEntriesAndIgnoresLinesAfterTheTotals) {
  testing::ScratchDir dir;
  ASSERT_TRUE(AppendHistoryEntries(dir.path(), {Game("First")}, kStamp));
  const auto path = HistoryFilePath(dir.path(), 1);
  testing::WriteBytes(path, testing::ReadBytes(path) + "stray text\r\n");
  ASSERT_TRUE(CheckHistoryFile(dir.path(), 1).valid);

  ASSERT_TRUE(AppendHistoryEntries(dir.path(), {Game("Second")}, kStamp));
  const auto rows = ReadHistoryEntries(dir.path(), 1);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].player.substr(0, 5), "First");
  EXPECT_EQ((*rows)[1].player.substr(0, 6), "Second");
  EXPECT_EQ(SplitLines(testing::ReadBytes(path)).size(), 4u);
}

TEST(HistoryFile, WriteFailureReportsCantSaveHistory) {
  testing::ScratchDir dir;
  testing::WriteBytes(dir.path() / "History", "a file where the folder belongs");
  const auto written = AppendHistoryEntries(dir.path(), {Game()}, kStamp);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(), "Cann`t save history!");
}

TEST(HistoryFile, StampFormats) {
  std::tm when{};
  when.tm_year = 124;
  when.tm_mon = 2;
  when.tm_mday = 4;
  when.tm_hour = 7;
  when.tm_min = 3;
  const HistoryStamp plain = MakeHistoryStamp(when);
  EXPECT_EQ(plain.time, "07:03");
  EXPECT_EQ(plain.date, "04.03.2024");
  EXPECT_EQ(MakeHistoryStamp(when, kGifShortDateFormat).date, "2024 03 04");
}

}  // namespace
}  // namespace quarlo
