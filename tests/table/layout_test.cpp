#include <gtest/gtest.h>

#include "table/layout.h"

namespace quarlo {
namespace {

TEST(Layout, FixedSizesScaleEveryControl) {
  const Scale s = ScaleForMode(3, 0, 0);
  EXPECT_EQ(s.clientWidth, 990);
  EXPECT_EQ(s.clientHeight, 650);
  EXPECT_EQ(PlaceControl(s, kPackDesign), (Rect{793, 166, 130, 221}));
  const CardCell wide = CardCellFor(1.3, true), narrow = CardCellFor(1.3, false);
  EXPECT_EQ(wide.width, 92);
  EXPECT_EQ(wide.height, 125);
  EXPECT_EQ(narrow.width, 79);
  EXPECT_EQ(CardCellFor(1.7, true).width, 121);
  EXPECT_EQ(CardCellFor(1.7, false).width, 104);
  EXPECT_EQ(CardCellFor(1.7, true).height, 163);
  EXPECT_EQ(CardCellFor(1.0, false).width, 71);  // 760 x 500 keeps 71 x 96 for narrow decks
  EXPECT_EQ(NarrowShift(false, 1), 0);
  EXPECT_EQ(NarrowShift(false, 3), 5);
}

TEST(Layout, FullScreenKeepsProportionsAndCentres) {
  const Scale s = ScaleForMode(2, 1920, 1080);
  EXPECT_NEAR(s.x, 2.526, 0.001);
  EXPECT_NEAR(s.y, 2.16, 0.001);
  EXPECT_NEAR(s.card, 2.16, 0.001);
  const CardCell cell = CardCellFor(s.card, true);
  EXPECT_EQ(cell.set, PictureSet::Large);
  EXPECT_EQ(cell.width, 146);
  EXPECT_EQ(CardCellFor(s.card, false).width, 126);
  // The pack keeps its scaled centre on the stretched position.
  const Rect pack = PlaceControl(s, kPackDesign);
  EXPECT_EQ(pack.width, 216);
  EXPECT_EQ(pack.height, 367);
  EXPECT_NEAR(pack.left + pack.width / 2.0, (610 + 50) * s.x, 1.0);
  EXPECT_NEAR(pack.top + pack.height / 2.0, (128 + 85) * s.y, 1.0);
  // 900 x 500 gives card scale 1: the small set although x is stretched.
  EXPECT_EQ(CardCellFor(ScaleForMode(2, 900, 500).card, true).set, PictureSet::Small);
}

TEST(Layout, HandPositionsCentreFiveAndOverlapSix) {
  EXPECT_EQ(ComputeHandPositions(0, 420, 5, 71), (std::vector<int>{25, 99, 173, 247, 321}));
  const std::vector<int> six = ComputeHandPositions(0, 420, 6, 71);
  EXPECT_EQ(six, (std::vector<int>{0, 69, 138, 207, 276, 345}));
  EXPECT_EQ(six.back() + 71, 416);
  EXPECT_TRUE(ComputeHandPositions(0, 420, 0, 71).empty());
  // Only the visible strip of an overlapped card is hit; the last is whole.
  EXPECT_EQ(CardAtPosition(six, 0, 71), 1);
  EXPECT_EQ(CardAtPosition(six, 68, 71), 1);
  EXPECT_EQ(CardAtPosition(six, 69, 71), 2);
  EXPECT_EQ(CardAtPosition(six, 415, 71), 6);
  EXPECT_EQ(CardAtPosition(six, 416, 71), 0);
  EXPECT_EQ(CardAtPosition(ComputeHandPositions(0, 420, 5, 71), 24, 71), 0);
}

TEST(Layout, PackBacksByCardsLeft) {
  EXPECT_EQ(PackBackRows(14).size(), 5u);
  EXPECT_EQ(PackBackRows(13).size(), 5u);
  EXPECT_EQ(PackBackRows(2), std::vector<int>{45});
  EXPECT_TRUE(PackBackRows(1).empty());
  EXPECT_TRUE(PackBackRows(19).empty());
  EXPECT_EQ(PackBackRows(16).back(), 30);
}

TEST(Layout, RoundingTiesToEven) {
  EXPECT_EQ(RoundEven(2.5), 2);
  EXPECT_EQ(RoundEven(3.5), 4);
  EXPECT_EQ(RoundEven(-0.5), 0);
}

}  // namespace
}  // namespace quarlo

#include "table/club_list.h"

namespace quarlo {
namespace {

// A fixed-pitch measure: 7 pixels a character, like the 11-pixel list font.
int Seven(const std::string& s) { return static_cast<int>(s.size()) * 7; }

TEST(ClubList, RowsAndFitting) {
  // As the club file stores it: name 1-20, rating 21-30, games 31-37, score 39-44, password.
  const std::string line = "Anna                 12,500000     45    120414415416349349";
  ASSERT_EQ(line.substr(30, 7), "     45");
  // Mode 1: name, games in the cycle (45 mod 20 = 5), score.
  EXPECT_EQ(ClubMemberRow(line, 1, Seven), "Anna" + std::string(22, ' ') + "5       120");
  EXPECT_EQ(ClubMemberRow(line, 2, Seven), "Anna" + std::string(23, ' ') + "45       12.50");
  // Too wide (under 200 px is 28 characters): a padded name is cut without dots ...
  EXPECT_EQ(ClubMemberRow(line, 1, Seven, 200), "Anna" + std::string(13, ' ') + "5       120");
  // ... a real name ends in "...".
  const std::string longName = "Maximilian Alexander 12,500000     45    120414415416349349";
  EXPECT_EQ(ClubMemberRow(longName, 1, Seven, 200), "Maximili...      5       120");
  // Position 4 is as far as the cut goes.
  EXPECT_EQ(ClubMemberRow(longName, 1, Seven, 10).substr(0, 4), "M...");
  // Empty slot: games "###", rating without characters 7 to 10.
  const std::string empty = "##################################### #####################";
  EXPECT_EQ(ClubMemberRow(empty, 1, Seven).substr(20), "    ###    ######");
  EXPECT_EQ(ClubMemberRow(empty, 2, Seven).substr(20), "  #######  ######");
}

}  // namespace
}  // namespace quarlo

namespace quarlo {
namespace {

TEST(Layout, EveryControlFitsTheWindowAtEverySize) {
  struct Size {
    int mode, w, h;
  };
  for (const Size& z : {Size{1, 0, 0}, Size{3, 0, 0}, Size{4, 0, 0}, Size{5, 0, 0}, Size{2, 1920, 1080},
                        Size{2, 900, 500}, Size{2, 1280, 1024}}) {
    const Scale s = ScaleForMode(z.mode, z.w, z.h);
    const CardCell cell = CardCellFor(s.card, true);
    auto inside = [&](const Rect& r) {
      return r.left >= 0 && r.top >= 0 && r.Right() <= s.clientWidth && r.Bottom() <= s.clientHeight;
    };
    for (int p = 1; p <= 2; ++p) {
      const Rect hand = HandRect(s, p, cell);
      EXPECT_TRUE(inside(hand)) << z.mode << " " << z.w;
      const std::vector<int> six = ComputeHandPositions(0, hand.width, 6, cell.width);
      EXPECT_LE(six.back() + cell.width, hand.width) << z.mode << " " << z.w;
      EXPECT_TRUE(inside(PlaceControl(s, kScoreBoardDesign[static_cast<std::size_t>(p)])));
      EXPECT_TRUE(inside(PlaceControl(s, kSpeechDesign[static_cast<std::size_t>(p)])));
    }
    for (const Rect& d : {kPackDesign, kTrickDesign, kCounterDesign, kMemoDesign})
      EXPECT_TRUE(inside(PlaceControl(s, d))) << z.mode << " " << z.w << " " << d.left;
    EXPECT_TRUE(inside(ActionButtonRect(s, 7)));
    EXPECT_TRUE(inside(ActionButtonRect(s, 8)));
    // The played cards stay inside the trick area.
    const Rect trick = PlaceControl(s, kTrickDesign);
    const Point slot = TrickSlotDesign(1, NarrowShift(true, z.mode));
    EXPECT_LE(RoundEven(slot.x * s.card) + cell.width, trick.width + 1) << z.mode << " " << z.w;
  }
}

}  // namespace
}  // namespace quarlo
