#include "table/dialogs/end_of_cycle.h"

#include <cstdio>

namespace quarlo {
namespace {

constexpr std::uint32_t kPurple = 0x800080;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kMaroon = 0x000080;
constexpr std::uint32_t kNavy = 0x800000;

std::string W(WordId id, LanguageIndex language) { return std::string(Word(id, language)); }

}  // namespace

EndOfCycleContent EndOfCycle(int place, int cycleScore, CycleMode mode, LanguageIndex lang) {
  EndOfCycleContent c;
  c.emblem = mode == CycleMode::kRated ? "GClubB" : mode == CycleMode::kLan ? "GClubG" : "GClubF";
  c.accountPicture = mode == CycleMode::kRated;
  const std::string result = W(WordId::ResultLabel, lang) + std::to_string(cycleScore);

  if (place == 1) {
    c.cue = "WFiBest";
    c.animation = "GEndBest";
    c.lastFrame = 25;
    const WordId title = mode == CycleMode::kLan     ? WordId::BachelorOfOrder
                         : mode == CycleMode::kRated ? WordId::VicePresident
                                                     : WordId::MasterOfOrder;
    c.lines = {{{W(WordId::Congratulations, lang), kPurple, 32},
                {W(WordId::ResultTheBest, lang), kPurple, 28},
                {result, kGreen, 28},
                {W(title, lang), kPurple, 22}}};
  } else if (place >= 2 && place <= 10) {
    c.cue = "WFiGood";
    c.animation = "GEndGood";
    c.lastFrame = 24;
    c.lines = {{{W(WordId::Congratulations, lang), kMaroon, 32},
                {W(WordId::GoodResult, lang), kMaroon, 28},
                {result, kGreen, 28},
                {W(WordId::InTopTen, lang), kMaroon, 22}}};
  } else {
    c.cue = "WFiBads";
    c.animation = "GEndBads";
    c.loops = true;
    c.lastFrame = 3;
    const std::string shown =
        place > 10 ? result + " ; " + W(WordId::PlaceLabel, lang) + std::to_string(place) : result;
    c.lines = {{{W(WordId::OurRegrets, lang), kNavy, 32},
                {W(WordId::ResultWishBest, lang), kNavy, 20},
                {shown, kGreen, 28},
                {W(WordId::NotInTopTen, lang), kNavy, 20}}};
  }
  if (place >= 1 && place <= 10) {
    char name[16];
    std::snprintf(name, sizeof name, "GPlace%02d", place);
    c.placePicture = name;
  }
  return c;
}

}  // namespace quarlo
