#include "table/dialogs/end_of_cycle.h"

#include <gtest/gtest.h>

#include "table/dialogs/end_of_cycle_window.h"
#include "table/dialogs/general_score_window.h"

namespace quarlo {
namespace {

TEST(EndOfCycle, ContentByPlaceAndMode) {
  struct Case {
    int place;
    CycleMode mode;
    const char* cue;
    const char* animation;
    bool loops;
    const char* third;
    const char* fourth;
    const char* medal;
  };
  const Case cases[] = {
      {1, CycleMode::kLocal, "WFiBest", "GEndBest", false, "Result: 180", "You become a Master of the Order!",
       "GPlace01"},
      {1, CycleMode::kLan, "WFiBest", "GEndBest", false, "Result: 180", "You become a Bachelor of the Order!",
       "GPlace01"},
      {1, CycleMode::kRated, "WFiBest", "GEndBest", false, "Result: 180", "You become the Vice-President of the order!",
       "GPlace01"},
      {10, CycleMode::kLocal, "WFiGood", "GEndGood", false, "Result: 180", "You have hitted in top ten players!",
       "GPlace10"},
      {0, CycleMode::kLocal, "WFiBads", "GEndBads", true, "Result: 180", "You have not hitted in ten best players...",
       ""},
      {14, CycleMode::kRated, "WFiBads", "GEndBads", true, "Result: 180 ; Place: 14",
       "You have not hitted in ten best players...", ""},
  };
  for (const Case& c : cases) {
    const EndOfCycleContent content = EndOfCycle(c.place, 180, c.mode, kEnglish);
    EXPECT_EQ(content.cue, c.cue) << c.place;
    EXPECT_EQ(content.animation, c.animation) << c.place;
    EXPECT_EQ(content.loops, c.loops) << c.place;
    EXPECT_EQ(content.lines[2].text, c.third) << c.place;
    EXPECT_EQ(content.lines[3].text, c.fourth) << c.place;
    EXPECT_EQ(content.placePicture, c.medal) << c.place;
    EXPECT_EQ(content.accountPicture, c.mode == CycleMode::kRated) << c.place;
  }
}

TEST(EndOfCycle, WindowShowsTheLines) {
  Settings settings;
  EndOfCycleWindow window(3, 95, CycleMode::kLocal, settings);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("The completion of game"));
  EXPECT_EQ(window.Line(0)->text(), QStringLiteral("CONGRATULATIONS!!!"));
  EXPECT_EQ(window.Line(2)->text(), QStringLiteral("Result: 95"));
  EXPECT_EQ(window.Line(1)->y(), 175);
}

TEST(GeneralScore, ShowsTheRecordsValues) {
  Settings settings;
  ClubPlayer player;
  player.seat = 1;
  player.name = "Anna";
  player.gamesPlayed = 19;
  player.initialScore = 100;
  player.initialRating = 2.5;
  GeneralScoreWindow window({"Anna", LocalCountValues(player, 30), ScoreMode::kLocal, 1}, settings);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Player:  Anna"));
  EXPECT_EQ(window.Value(0)->text(), QStringLiteral("20"));
  EXPECT_EQ(window.Value(1)->text(), QStringLiteral("20"));
  EXPECT_EQ(window.Value(4)->text(), QStringLiteral("130"));
  EXPECT_EQ(window.Value(5)->text(), QStringLiteral("2,50"));
}

}  // namespace
}  // namespace quarlo
