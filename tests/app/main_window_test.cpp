// A whole game against the computer, played through the real main window by
// clicks and keys on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <filesystem>

#include "app/main_window.h"
#include "tests/engine/fixture.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/record_io.h"
#include "table/dialogs/trump_dialog.h"

namespace quarlo {
namespace {

namespace fs = std::filesystem;

using test::C;

// Deal 1 gives hand1 to the computer and hand2 to the player.
Pack MakePack(std::initializer_list<const char*> hand1, std::initializer_list<const char*> hand2, const char* turned) {
  auto join = [](std::initializer_list<const char*> cards) {
    std::string out;
    for (const char* c : cards) out += std::string(c) + " ";
    return out;
  };
  return test::MakePack(join(hand1), join(hand2), turned);
}

class MainWindowGame : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quarlo-app-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    const ClubLines empty = EmptyClubLines();
    for (bool net : {false, true})
      ASSERT_TRUE(WriteNewFile(ClubFilePath(dir, net), JoinLines({empty.begin(), empty.end()})));
    window = std::make_unique<MainWindow>(dir);
    window->confirm = [](const QString&) { return true; };
    window->welcome = [](const WelcomeInput& in) {
      return std::optional<WelcomeResult>(WelcomeResult{in.seat, "Tester              ", "     "});
    };
    window->show();
    ASSERT_TRUE(window->StartUp());
    window->Table()->GamePacing().factor = 0;  // no pauses, no flights
  }
  void TearDown() override {
    window.reset();
    fs::remove_all(dir);
  }

  GameTable& Table() { return *window->Table(); }
  const Game& G() { return *Table().CurrentGame(); }

  // Lets timers and the timeline run until the table waits for the player.
  void Settle() {
    for (int i = 0; i < 400; ++i) {
      QTest::qWait(2);
      if (!Table().CurrentGame() || !G().Running()) return;
      const int ph = G().Phase();
      const bool computer = G().State().dealBegun && (ph == 1 || ph == 11 || ph == 21);
      if (Table().Idle() && !computer) return;
    }
  }
  void ClickCard(int place) {
    QTest::mouseClick(Table().View(), Qt::LeftButton, {}, Table().View()->CardPoint(2, place));
    Settle();
  }
  void ClickCardNoWait(int place) {
    QTest::mouseClick(Table().View(), Qt::LeftButton, {}, Table().View()->CardPoint(2, place));
  }
  int Place(const char* card) {
    for (int i = 1; i <= 6; ++i)
      if (G().Deal().hands[2].cards[static_cast<std::size_t>(i)] == C(card)) return i;
    return 0;
  }
  TrumpDialog* OpenDialog() { return window->findChild<TrumpDialog*>(); }

  fs::path dir;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowGame, IntroMenuAndAWholeGameByClicks) {
  EXPECT_EQ(window->CurrentScreen(), MainWindow::Screen::Intro);
  QTest::keyClick(window->Intro(), Qt::Key_A);  // any key leaves the intro
  EXPECT_EQ(window->CurrentScreen(), MainWindow::Screen::Menu);

  // An empty club slot does nothing.
  QTest::mouseClick(window->Menu()->MemberButton(1), Qt::LeftButton);
  EXPECT_EQ(window->CurrentScreen(), MainWindow::Screen::Menu);

  std::deque<Pack> packs = {
      // Deal 1: the computer speaks first and passes; the player deals.
      MakePack({"9C", "TC", "QS", "TD", "9D"}, {"AH", "KH", "9H", "AS", "KS"}, "JH"),
      // Deal 2: the player speaks first; both pass, then the player names Diamonds.
      MakePack({"9C", "TC", "9S", "TS", "QC"}, {"AD", "KD", "JD", "JH", "AS"}, "9H"),
  };
  Table().SetPackSource([&packs](Rng& rng) {
    if (packs.empty()) return Shuffle(rng);
    Pack p = packs.front();
    packs.pop_front();
    return p;
  });
  QTest::mouseClick(window->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_EQ(window->CurrentScreen(), MainWindow::Screen::Table);
  Settle();

  // Deal 1: To Begin, the computer passes, To Play, Ok, and the player
  // throws the nine of Hearts it holds beside the picked-up jack.
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);
  Settle();
  ASSERT_EQ(G().Phase(), 2);
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);
  Settle();
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);
  Settle();
  ASSERT_EQ(G().Phase(), 14);
  ASSERT_EQ(G().Deal().hands[2].count, 6);
  ClickCard(Place("9H"));
  ASSERT_EQ(G().Phase(), 16);
  EXPECT_EQ(Place("9H"), 0);
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);  // To Begin of Round
  Settle();
  // The computer led the queen of Spades: a heart may not be played.
  ASSERT_EQ(G().Phase(), 22);
  ASSERT_EQ(G().Deal().tableCards[1], C("QS"));
  const Hand before = G().Deal().hands[2];
  ClickCard(Place("AH"));
  EXPECT_EQ(G().Phase(), 22);
  EXPECT_EQ(G().Deal().hands[2].cards, before.cards);
  // The keyboard plays too: focus the king of Spades and press Enter.
  Table().View()->SetFocusPlace(Place("KS"));
  QTest::keyClick(Table().View(), Qt::Key_Return);
  Settle();
  EXPECT_EQ(G().Phase(), 23);

  // The rest of the game: the player passes in bidding (but names Diamonds
  // in the second deal), plays its first legal card and confirms each step.
  bool namedInDialog = false;
  for (int steps = 0; steps < 3000 && window->CurrentScreen() == MainWindow::Screen::Table; ++steps) {
    Settle();
    if (!Table().CurrentGame() || !G().Running()) break;
    if (TrumpDialog* dialog = OpenDialog(); dialog && dialog->isVisible()) {
      const bool second = G().State().dealNumber == 2;
      QTest::mouseClick(second ? dialog->SuitButton(kDiamonds) : dialog->PassButton(), Qt::LeftButton);
      if (second) namedInDialog = true;
      Settle();
      if (second) {
        EXPECT_EQ(G().Deal().trump, kDiamonds);
        EXPECT_TRUE(G().Deal().trumpFromSecondRound);
      }
      continue;
    }
    const int ph = G().Phase();
    if (!G().State().dealBegun || ph == 13 || ph == 16 || ph == 23 || ph == 30) {
      QTest::mouseClick(Table().Button7(), Qt::LeftButton);
    } else if (ph == 2) {
      QTest::mouseClick(Table().Button8(), Qt::LeftButton);
    } else if (ph == 14) {
      ClickCard(1);
    } else if (ph == 22) {
      for (int i = 1; i <= G().Deal().hands[2].count; ++i)
        if (G().CursorOverHand(i) == HandCursor::Pointer) {
          ClickCard(i);
          break;
        }
    } else if (ph == 31) {
      if (!G().State().summed) {
        EXPECT_FALSE(Table().Button8()->isEnabled());
        QTest::mouseClick(Table().Button7(), Qt::LeftButton);  // To sum up of game
        Settle();
        EXPECT_TRUE(Table().Button8()->isEnabled());
      } else {
        QTest::mouseClick(Table().Button8(), Qt::LeftButton);  // Exit to menu
      }
    }
  }
  EXPECT_TRUE(namedInDialog);
  Settle();
  ASSERT_EQ(window->CurrentScreen(), MainWindow::Screen::Menu);

  // One history entry and the player in the club.
  const auto rows = ReadHistoryEntries(dir, 1);
  ASSERT_TRUE(rows.ok()) << rows.error();
  ASSERT_EQ(rows.value().size(), 1u);
  EXPECT_NE(rows.value()[0].player.find("Tester"), std::string::npos);
  EXPECT_EQ(rows.value()[0].kind, 'L');
  EXPECT_TRUE(CheckClubFile(ClubFilePath(dir, false)).ok());
  const auto club = ReadClub(ClubFilePath(dir, false));
  ASSERT_TRUE(club.ok());
  ASSERT_TRUE(club.value().members[0]);
  EXPECT_EQ(club.value().members[0]->name, "Tester");
  EXPECT_EQ(club.value().members[0]->games, 1);
  EXPECT_NE(club.value().members[0]->score, 0);
}

TEST_F(MainWindowGame, ACardChosenWhileThePickUpPlaysIsTheCardThatLeaves) {
  QTest::keyClick(window->Intro(), Qt::Key_Space);
  // The player deals and picks up the nine of Hearts, which sorts before
  // the queen: every heart of the hand moves one place to the right.
  std::deque<Pack> packs = {MakePack({"9C", "TC", "QS", "TD", "9D"}, {"AH", "KH", "QH", "AS", "KS"}, "9H")};
  Table().SetPackSource([&packs](Rng& rng) {
    if (packs.empty()) return Shuffle(rng);
    Pack p = packs.front();
    packs.pop_front();
    return p;
  });
  QTest::mouseClick(window->Menu()->NewPlayerButton(), Qt::LeftButton);
  Settle();
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);  // To Begin: the computer passes
  Settle();
  ASSERT_EQ(G().Phase(), 2);
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);  // To Play
  Settle();
  ASSERT_EQ(G().Phase(), 13);

  // The turned card flies to the hand; the player clicks the queen it sees
  // before the sixth card arrives.
  const int queen = Place("QH");
  Table().GamePacing().factor = 1;
  Table().GamePacing().cardSpeed = 1;
  Table().GamePacing().flyCards = true;
  QTest::mouseClick(Table().Button7(), Qt::LeftButton);  // Ok
  ASSERT_FALSE(Table().Idle());
  ASSERT_EQ(Table().View()->ShownCard(2, queen), C("QH"));
  ClickCardNoWait(queen);
  for (int i = 0; i < 500 && !(Table().Idle() && G().Phase() == 16); ++i) QTest::qWait(10);
  ASSERT_EQ(G().Phase(), 16);
  EXPECT_EQ(Place("QH"), 0);
  EXPECT_NE(Place("9H"), 0);
  EXPECT_NE(Place("KH"), 0);
}

TEST_F(MainWindowGame, ClubFileFlagStartsTheRunInRussian) {
  window.reset();
  const fs::path club = ClubFilePath(dir, false);
  auto lines = ReadClubLines(club);
  ASSERT_TRUE(lines.ok());
  ClubLines flagged = lines.value();
  flagged[16][0] = '1';
  ASSERT_TRUE(WriteFileAtomically(club, JoinLines({flagged.begin(), flagged.end()})));
  window = std::make_unique<MainWindow>(dir);
  ASSERT_TRUE(window->StartUp());
  EXPECT_EQ(window->CurrentSettings().languageIndex, kRussian);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(std::string(TitleTable(0, kRussian)).c_str()));
}

TEST_F(MainWindowGame, LeavingAGameDropsTheMemberAndClosingOnTheMenuAsksNothing) {
  QTest::keyClick(window->Intro(), Qt::Key_Space);
  QTest::mouseClick(window->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_EQ(window->CurrentScreen(), MainWindow::Screen::Table);
  Settle();
  // No: the game stays as it was.
  window->confirm = [](const QString&) { return false; };
  window->LeaveGameToMenu();
  EXPECT_EQ(window->CurrentScreen(), MainWindow::Screen::Table);
  EXPECT_TRUE(Table().GameRunning());
  window->confirm = [](const QString&) { return true; };
  window->LeaveGameToMenu();
  EXPECT_EQ(window->CurrentScreen(), MainWindow::Screen::Menu);
  int asked = 0;
  window->confirm = [&asked](const QString&) { return ++asked, true; };
  EXPECT_TRUE(window->close());
  EXPECT_EQ(asked, 0);
  // The settings were written at close.
  EXPECT_TRUE(fs::exists(dir / "Quarlo2.ini"));
}

}  // namespace
}  // namespace quarlo

int main(int argc, char** argv) {
  // No display needed, also when CTest lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
