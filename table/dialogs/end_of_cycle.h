// What the end-of-cycle window says after every 20th game: the cue, the
// animation, the four lines with their colours and heights, and the medal,
// by the place the cycle reached.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "resources/words.h"

namespace quarlo {

// The game the cycle was played in.
enum class CycleMode {
  kLocal,  // against the computer
  kRated,  // for the global rating (the place comes from the ranking service)
  kLan,    // LAN mode
};

struct CycleLine {
  std::string text;          // UTF-8
  std::uint32_t colour = 0;  // 0x00BBGGRR
  int pixelHeight = 28;
};

struct EndOfCycleContent {
  std::string cue;        // "WFiBest", "WFiGood" or "WFiBads"
  std::string animation;  // "GEndBest", "GEndGood" or "GEndBads"
  bool loops = false;     // only the regrets loop
  int lastFrame = 0;      // where a single run stops, and the still frame
  std::array<CycleLine, 4> lines;
  std::string placePicture;  // "GPlace01".."GPlace10" over the medal; empty: no medal
  std::string emblem;        // "GClubB", "GClubF" or "GClubG"
  bool accountPicture = false;
};

inline constexpr std::array<int, 4> kCycleLineTops = {100, 175, 250, 325};
inline constexpr int kCycleBandWidth = 400;

// `place`: 1..10 in the top ten, 0 when not placed; in the rated game the
// ranking service's place, which may exceed 10.
EndOfCycleContent EndOfCycle(int place, int cycleScore, CycleMode mode, LanguageIndex language);

}  // namespace quarlo
