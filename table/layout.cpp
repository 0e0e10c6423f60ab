#include "table/layout.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace quarlo {

int RoundEven(double v) {
  // nearbyint rounds in the current mode, which is to-nearest-even unless
  // someone changed it; say so explicitly.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(v);
  std::fesetround(saved);
  return static_cast<int>(r);
}

Scale ScaleForMode(int mode, int fullScreenWidth, int fullScreenHeight) {
  Scale s;
  s.mode = mode;
  double k = 1.0;
  int w = 760, h = 500;
  switch (mode) {
    case 2:
      s.clientWidth = std::max(fullScreenWidth, 1);
      s.clientHeight = std::max(fullScreenHeight, 1);
      s.x = s.clientWidth / 760.0;
      s.y = s.clientHeight / 500.0;
      s.card = std::min(s.x, s.y);
      return s;
    case 3: k = 1.3; w = 990; h = 650; break;
    case 4: k = 1.7; w = 1290; h = 850; break;
    case 5: k = 2.0; w = 1520; h = 1000; break;
    default: s.mode = 1; break;
  }
  s.x = s.y = s.card = k;
  s.clientWidth = w;
  s.clientHeight = h;
  return s;
}

Rect PlaceControl(const Scale& s, Rect d) {
  return {RoundEven(s.x * d.left) + RoundEven((s.x - s.card) * d.width / 2),
          RoundEven(s.y * d.top) + RoundEven((s.y - s.card) * d.height / 2), RoundEven(s.card * d.width),
          RoundEven(s.card * d.height)};
}

CardCell CardCellFor(double k, bool wide) {
  CardCell c;
  if (k >= 1.3) c = {RoundEven((wide ? 71 : 61) * k), RoundEven(96 * k), PictureSet::Scaled};
  if (k >= 2.0) c = {wide ? 146 : 126, 198, PictureSet::Large};
  return c;
}

int NarrowShift(bool wide, int mode) { return wide || mode == 1 ? 0 : 5; }

Point TrickSlotDesign(int player, int narrowShift) {
  return player == 1 ? Point{187 + narrowShift, 10} : Point{102 + narrowShift, 84};
}

Rect HandRect(const Scale& s, int player, const CardCell& cell) {
  Rect r = PlaceControl(s, kHandDesign[static_cast<std::size_t>(player)]);
  r.width = RoundEven(s.card * 420);
  r.height = cell.height;
  return r;
}

Rect ActionButtonRect(const Scale& s, int button) {
  const int top = button == 7 ? RoundEven(300 * s.y) : RoundEven(300 * s.y + 30 * s.y);
  return {RoundEven(570 * s.x), top, RoundEven(180 * s.x), RoundEven(30 * s.card)};
}

std::vector<int> ComputeHandPositions(int left, int right, int n, int cardWidth) {
  std::vector<int> xs;
  if (n <= 0) return xs;
  const int step = cardWidth + 3;
  const int w = right - left;
  if (static_cast<double>(w) / n < step && n > 1) {
    const int d = static_cast<int>(std::trunc(static_cast<double>(w - step) / (n - 1)));
    for (int i = 0; i < n; ++i) xs.push_back(left + i * d);
  } else {
    const int mid = left + RoundEven(w / 2.0);
    for (int i = 0; i < n; ++i) xs.push_back(RoundEven(mid - n * step / 2.0 + i * step));
  }
  return xs;
}

int CardAtPosition(const std::vector<int>& xs, int x, int cardWidth) {
  const int n = static_cast<int>(xs.size());
  for (int i = 0; i < n; ++i) {
    const int end = i + 1 < n ? xs[static_cast<std::size_t>(i) + 1] - 1 : xs[static_cast<std::size_t>(i)] + cardWidth - 1;
    if (x >= xs[static_cast<std::size_t>(i)] && x <= end) return i + 1;
  }
  return 0;
}

std::vector<int> PackBackRows(int left) {
  if (left >= 19 || left <= 1) return {};
  if (left >= 16) return {45, 42, 39, 36, 33, 30};
  if (left >= 13) return {45, 42, 39, 36, 33};
  if (left >= 9) return {45, 42, 39, 36};
  if (left >= 6) return {45, 42, 39};
  if (left >= 3) return {45, 42};
  return {45};
}

}  // namespace quarlo
