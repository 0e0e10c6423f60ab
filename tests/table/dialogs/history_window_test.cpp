#include "table/dialogs/history_window.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "records/history_file.h"

namespace quarlo {
namespace {

class HistoryWindowTest : public ::testing::Test {
 protected:
  std::filesystem::path Dir() const { return dir_.path().toStdString(); }
  void Append(const HisStr& entry) {
    ASSERT_TRUE(AppendHistoryEntries(Dir(), {entry}, HistoryStamp{"09:05", "14.03.2024"}).ok());
  }
  QTemporaryDir dir_;
  Settings settings_;
  HistoryViewState state_;
};

TEST_F(HistoryWindowTest, ShowsTheEntriesOfTheLastFileByKind) {
  Append({"Anna", 1, 70, 3.5, GameKind::kLocal});
  Append({"Anna/Bob", 1, -20, -0.07, GameKind::kLan});
  Append({"Eve", 1, 10, 12.5, GameKind::kTournament});
  HistoryWindow window(Dir(), settings_, state_);

  ASSERT_EQ(window.FileList()->count(), 1);
  EXPECT_TRUE(window.FileList()->item(0)->text().startsWith(QStringLiteral("File I0001 ")));
  EXPECT_EQ(state_.currentFile, 1);

  QTableWidget* grid = window.Grid();
  ASSERT_EQ(grid->rowCount(), 3);
  ASSERT_EQ(grid->columnCount(), 7);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Player"));
  EXPECT_EQ(grid->columnWidth(2), 210);
  EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("09:05"));
  EXPECT_EQ(grid->item(1, 2)->text().trimmed(), QStringLiteral("Anna/Bob"));
  EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("-20"));
  EXPECT_EQ(grid->item(1, 5)->text(), QStringLiteral("-0,07"));
  EXPECT_EQ(grid->item(2, 5)->text(), QStringLiteral("12,50"));
  EXPECT_EQ(grid->item(0, 6)->text(), QStringLiteral("Local"));
  EXPECT_EQ(grid->item(1, 6)->text(), QStringLiteral("Net"));
  EXPECT_EQ(grid->item(2, 6)->text(), QStringLiteral("Tourney"));
  EXPECT_EQ(grid->item(1, 0)->foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(grid->item(2, 3)->foreground().color(), QColor(0, 0, 255));
  EXPECT_TRUE(grid->item(0, 2)->textAlignment() & Qt::AlignLeft);
  EXPECT_EQ(grid->item(0, 3)->textAlignment(), Qt::AlignCenter);
}

TEST_F(HistoryWindowTest, AlteredFileIsNotListed) {
  Append({"Anna", 1, 70, 3.5, GameKind::kLocal});
  const auto path = HistoryFilePath(Dir(), 1);
  std::string text;
  {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  text[20] = text[20] == 'X' ? 'Y' : 'X';  // a character of the player's name
  std::ofstream(path, std::ios::binary) << text;
  state_.currentFile = 1;

  HistoryWindow window(Dir(), settings_, state_);
  ASSERT_EQ(window.FileList()->count(), 1);
  EXPECT_EQ(window.FileList()->item(0)->text(), QStringLiteral("No History Files"));
  EXPECT_EQ(window.FileList()->item(0)->flags(), Qt::NoItemFlags);
  EXPECT_EQ(window.Grid()->rowCount(), 0);
  EXPECT_EQ(state_.currentFile, 0);
}

TEST(HistoryView, FileChoiceAndListWidth) {
  EXPECT_EQ(ChooseHistoryFile({}, 3), 0);
  EXPECT_EQ(ChooseHistoryFile({1, 2, 3}, 0), 3);  // first opening: the last file
  EXPECT_EQ(ChooseHistoryFile({1, 2, 3}, 2), 2);  // the one chosen last time
  EXPECT_EQ(ChooseHistoryFile({1, 2}, 3), 2);     // gone since: the last one
  EXPECT_EQ(HistoryListWidth(16), 180);
  EXPECT_EQ(HistoryListWidth(17), 193);
}

}  // namespace
}  // namespace quarlo
