#include "resources/calendar_words.h"

#include <array>

#include "resources/calendar_word_ids.h"  // generated from calendar.tsv
#include "resources/word_row.h"

namespace quarlo {
namespace generated {
extern const WordRow kCalendarRows[kCalendarWordIdCount];
}  // namespace generated

namespace {

// The lists are read by position from their first row; keep each one whole
// and in order in the table.
constexpr int Gap(CalendarWordId first, CalendarWordId last) {
  return static_cast<int>(last) - static_cast<int>(first);
}
static_assert(Gap(CalendarWordId::Month01, CalendarWordId::Month12) == 11);
static_assert(Gap(CalendarWordId::ZodiacAries, CalendarWordId::ZodiacPisces) == 11);
static_assert(Gap(CalendarWordId::YearRat, CalendarWordId::YearPig) == 11);

std::string_view Entry(CalendarWordId first, int n, int count, LanguageIndex language) {
  if (n < 1 || n > count) return {};
  return generated::kCalendarRows[static_cast<std::size_t>(first) + static_cast<std::size_t>(n - 1)]
      .text[ValidLanguage(language)];
}

struct Region {
  std::string_view code;
  CalendarWordId name;
};

constexpr std::array<Region, 8> kRegions = {{
    {"ENG", CalendarWordId::RegionENG},
    {"RUS", CalendarWordId::RegionRUS},
    {"DEU", CalendarWordId::RegionDEU},
    {"FRA", CalendarWordId::RegionFRA},
    {"ISP", CalendarWordId::RegionISP},
    {"USA", CalendarWordId::RegionUSA},
    {"PRA", CalendarWordId::RegionPRA},
    {"KAT", CalendarWordId::RegionKAT},
}};

constexpr std::array<std::string_view, 12> kAnimalPictures = {
    "R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK",
    "R_VOSHORS", "R_VOSKOZA", "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0",
};

}  // namespace

std::string_view MonthName(int month, LanguageIndex language) {
  return Entry(CalendarWordId::Month01, month, 12, language);
}

std::string_view ZodiacName(int sign, LanguageIndex language) {
  return Entry(CalendarWordId::ZodiacAries, sign, 12, language);
}

std::string_view CycleYearName(int animal, LanguageIndex language) {
  return Entry(CalendarWordId::YearRat, animal, 12, language);
}

std::string_view CycleAnimalPicture(int animal) {
  if (animal < 1 || animal > 12) return {};
  return kAnimalPictures[static_cast<std::size_t>(animal - 1)];
}

int CycleAnimalOfYear(int year) {
  int rest = ((year % 12) + 12) % 12;  // years before 0 still land in 0..11
  return (rest - 4 + 12) % 12 + 1;
}

std::optional<std::string_view> RegionName(std::string_view regionCode, LanguageIndex language) {
  for (const Region& region : kRegions) {
    if (region.code == regionCode) {
      return generated::kCalendarRows[static_cast<std::size_t>(region.name)].text[ValidLanguage(language)];
    }
  }
  return std::nullopt;
}

std::string_view AnniversarySuffix(LanguageIndex language) {
  return generated::kCalendarRows[static_cast<std::size_t>(CalendarWordId::AnniversarySuffix)]
      .text[ValidLanguage(language)];
}

}  // namespace quarlo
