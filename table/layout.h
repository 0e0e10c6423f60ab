// Table geometry: every position is designed for a 760 x 500 client area and
// mapped to the window size by one rule. Pure arithmetic, no drawing.
#pragma once

#include <array>
#include <vector>

#include "engine/cards.h"

namespace quarlo {

// Round to nearest, ties to even, as every layout formula expects.
int RoundEven(double v);

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Scale {
  int mode = 1;  // WindowSizeMode 1..5
  int clientWidth = 760;
  int clientHeight = 500;
  double x = 1.0;
  double y = 1.0;
  double card = 1.0;
};

// The client size and scale factors of a window size mode; full screen (2)
// takes the available client area.
Scale ScaleForMode(int mode, int fullScreenWidth, int fullScreenHeight);

Rect PlaceControl(const Scale& s, Rect design);

enum class PictureSet { Small, Scaled, Large };

struct CardCell {
  int width = 71;
  int height = 96;
  PictureSet set = PictureSet::Small;
};

CardCell CardCellFor(double cardScale, bool wideDeck);
int NarrowShift(bool wideDeck, int mode);

// Design rectangles of the table controls, by player where it applies.
inline constexpr std::array<Rect, 3> kHandDesign = {{{}, {170, 15, 420, 96}, {170, 385, 420, 96}}};
inline constexpr std::array<Rect, 3> kScoreBoardDesign = {{{}, {23, 115, 155, 95}, {23, 286, 155, 95}}};
inline constexpr std::array<Rect, 3> kSpeechDesign = {{{}, {300, 120, 160, 20}, {300, 355, 160, 20}}};
inline constexpr Rect kPackDesign{610, 128, 100, 170};
inline constexpr Rect kTrickDesign{200, 140, 360, 190};
inline constexpr Rect kCounterDesign{35, 213, 130, 70};
inline constexpr Rect kMemoDesign{595, 365, 130, 90};

// Where a player's card lies inside the trick area (before scaling).
struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
Point TrickSlotDesign(int player, int narrowShift);

// The hand picture: placed like any control, but its height is the card's.
Rect HandRect(const Scale& s, int player, const CardCell& cell);

Rect ActionButtonRect(const Scale& s, int button);  // 7 or 8

// x of each of n cards inside a hand picture from left to right.
std::vector<int> ComputeHandPositions(int left, int right, int n, int cardWidth);

// The 1-based place under x for the positions of the last drawing, or 0.
// Only the visible strip of an overlapped card counts.
int CardAtPosition(const std::vector<int>& positions, int x, int cardWidth);

// y positions of the sideways backs on the pack for the cards left.
std::vector<int> PackBackRows(int cardsLeft);

}  // namespace quarlo
