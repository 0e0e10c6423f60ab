// The holiday calendar's own ten-language lists: month names (genitive where
// the language has one, as they follow the day number), zodiac signs, the
// years of the twelve-year animal cycle, the region names added to holiday
// hints, and the anniversary suffix.
//
// The texts live in resources/words/calendar.tsv in the language order of
// every other table.
#pragma once

#include <optional>
#include <string_view>

#include "resources/languages.h"

namespace quarlo {

// month 1 (January) .. 12; empty outside.
std::string_view MonthName(int month, LanguageIndex language);

// sign 1 (Aries) .. 12 (Pisces); empty outside.
std::string_view ZodiacName(int sign, LanguageIndex language);

// animal 1 (Rat) .. 12 (Pig); empty outside.
std::string_view CycleYearName(int animal, LanguageIndex language);

// The calendar pack's picture of the animal 1 (Rat) .. 12 (Pig); empty outside.
std::string_view CycleAnimalPicture(int animal);

// The animal of a Gregorian year: year mod 12 = 4 is the Rat.
int CycleAnimalOfYear(int year);

// The region name for a holiday's region code ("RUS" "Russian Festival");
// none for codes without one ("ALL", "RU-" and anything unknown).
std::optional<std::string_view> RegionName(std::string_view regionCode, LanguageIndex language);

// Appended directly to the anniversary count: "80" + "-th anniversary".
std::string_view AnniversarySuffix(LanguageIndex language);

}  // namespace quarlo
