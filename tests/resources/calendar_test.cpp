#include <gtest/gtest.h>

#include <string>

#include "resources/calendar_words.h"
#include "resources/holidays.h"
#include "tests/resources/utf8.h"

namespace quarlo {
namespace {

TEST(CalendarWords, ListsAreWholeAndInOrder) {
  const std::string_view months[] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
  const std::string_view signs[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  const std::string_view years[] = {
      "Year Of The Rat",   "Year Of The Ox",    "Year Of The Tiger",   "Year Of The Rabbit",
      "Year Of The Dragon", "Year Of The Snake", "Year Of The Horse",   "Year Of The Goat",
      "Year Of The Monkey", "Year Of The Rooster", "Year Of The Dog",   "Year Of The Pig"};
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(MonthName(n, kEnglish), months[n - 1]);
    EXPECT_EQ(ZodiacName(n, kEnglish), signs[n - 1]);
    EXPECT_EQ(CycleYearName(n, kEnglish), years[n - 1]);
    for (LanguageIndex language = 0; language < kLanguageCount; ++language) {
      EXPECT_FALSE(MonthName(n, language).empty());
      EXPECT_TRUE(IsUtf8(ZodiacName(n, language)));
      EXPECT_FALSE(CycleYearName(n, language).empty());
    }
  }
  for (int outside : {0, 13, -1}) {
    EXPECT_TRUE(MonthName(outside, kEnglish).empty());
    EXPECT_TRUE(ZodiacName(outside, kEnglish).empty());
    EXPECT_TRUE(CycleYearName(outside, kEnglish).empty());
    EXPECT_TRUE(CycleAnimalPicture(outside).empty());
  }
  // Month names follow the day number, hence the genitive.
  EXPECT_EQ(MonthName(5, kRussian), "мая");
  EXPECT_EQ(MonthName(3, kCzech), "března");
  EXPECT_EQ(ZodiacName(12, kGerman), "Fische");
  EXPECT_EQ(CycleYearName(5, kChinese), "龙年");
}

TEST(CalendarWords, AnimalOfTheYear) {
  struct Case {
    int year;
    std::string_view picture;
  };
  const Case cases[] = {{2020, "R_VOSKRIS"}, {2021, "R_VOSBULL"}, {2024, "R_VOSDRAG"}, {2015, "R_VOSKOZA"},
                        {2016, "R_VOSMONK"}, {2017, "R_VOSPETU"}, {2018, "R_VOSDOG0"}, {2019, "R_VOSPIG0"}};
  for (const Case& c : cases) {
    EXPECT_EQ(CycleAnimalPicture(CycleAnimalOfYear(c.year)), c.picture) << c.year;
  }
  EXPECT_EQ(CycleYearName(CycleAnimalOfYear(2025), kEnglish), "Year Of The Snake");
}

TEST(CalendarWords, RegionNamesAndAnniversarySuffix) {
  EXPECT_EQ(RegionName("RUS", kEnglish), "Russian Festival");
  EXPECT_EQ(RegionName("USA", kEnglish), "Holiday United States");
  EXPECT_EQ(RegionName("ENG", kEnglish), "Holiday UK");
  EXPECT_EQ(RegionName("PRA", kEnglish), "The Orthodox holiday");
  EXPECT_EQ(RegionName("KAT", kRussian), "Католический праздник");
  for (std::string_view none : {"ALL", "RU-", "", "rus", "XYZ"}) {
    EXPECT_FALSE(RegionName(none, kEnglish).has_value()) << none;
  }
  EXPECT_EQ(AnniversarySuffix(kEnglish), "-th anniversary");
  EXPECT_EQ(AnniversarySuffix(kRussian), "-я годовщина");
  EXPECT_EQ(AnniversarySuffix(kGerman), ". Jahrestag");
  for (LanguageIndex language = 0; language < kLanguageCount; ++language) {
    EXPECT_FALSE(AnniversarySuffix(language).empty());
    for (std::string_view code : {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"}) {
      EXPECT_FALSE(RegionName(code, language).value_or("").empty()) << code;
    }
  }
}

const Holiday* FindByRule(std::string_view rule, std::string_view region) {
  for (const Holiday& holiday : Holidays()) {
    if (holiday.dateRule == rule && holiday.region == region) return &holiday;
  }
  return nullptr;
}

TEST(Holidays, StoredOrderRussianFirst) {
  std::span<const Holiday> table = Holidays();
  ASSERT_EQ(table.size(), 82u);
  const Holiday& first = table.front();
  EXPECT_EQ(first.dateRule, "01.01.0000");
  EXPECT_EQ(first.region, "ALL");
  EXPECT_EQ(first.picture, "R_NEWYEAR");
  EXPECT_EQ(first.storedTexts[0], "Новый год");
  EXPECT_EQ(first.storedTexts[1], "New Year");
  EXPECT_EQ(HolidayText(first, kEnglish), "New Year");
  EXPECT_EQ(HolidayText(first, kRussian), "Новый год");
  EXPECT_EQ(HolidayText(first, kGerman), "Neujahr");
  EXPECT_EQ(HolidayText(first, kKorean), first.storedTexts[9]);
  EXPECT_EQ(HolidayText(first, 12), "New Year");
  EXPECT_EQ(table.back().dateRule, "25.12.0000");
  EXPECT_EQ(HolidayText(table.back(), kEnglish), "Christmas");
  EXPECT_EQ(table[4].dateRule, "****3.2.01");
  EXPECT_EQ(HolidayText(table[4], kEnglish), "Martin Luther King Day");
}

TEST(Holidays, EntriesKeepTheirStoredLayout) {
  for (const Holiday& holiday : Holidays()) {
    SCOPED_TRACE(std::string(holiday.entry.substr(0, 24)));
    ASSERT_GE(holiday.entry.size(), 26u);
    EXPECT_EQ(holiday.entry[10], '#');
    EXPECT_EQ(holiday.entry[14], '#');
    EXPECT_EQ(holiday.entry[24], '#');
    EXPECT_EQ(holiday.entry.substr(0, 10), holiday.dateRule);
    EXPECT_EQ(holiday.entry.substr(11, 3), holiday.region);
    EXPECT_EQ(holiday.entry.substr(15, 9), holiday.picture);
    std::string texts;
    for (std::string_view text : holiday.storedTexts) {
      EXPECT_FALSE(text.empty());
      EXPECT_TRUE(IsUtf8(text));
      texts += std::string(text) + "#";
    }
    EXPECT_EQ(holiday.entry.substr(25), texts);
  }
}

// Every date rule must be one the calendar can resolve.
TEST(Holidays, DateRulesAreWellFormed) {
  auto digits = [](std::string_view s) {
    for (char c : s) {
      if (c < '0' || c > '9') return false;
    }
    return true;
  };
  for (const Holiday& holiday : Holidays()) {
    std::string_view rule = holiday.dateRule;
    SCOPED_TRACE(std::string(rule));
    ASSERT_EQ(rule.size(), 10u);
    if (rule.substr(0, 4) == "****") {
      EXPECT_TRUE((rule[4] >= '1' && rule[4] <= '5') || rule[4] == 'l');
      EXPECT_EQ(rule[5], '.');
      EXPECT_TRUE(rule[6] >= '1' && rule[6] <= '7');
      EXPECT_EQ(rule[7], '.');
      EXPECT_TRUE(digits(rule.substr(8)));
    } else if (rule.substr(0, 6) == "pasha.") {
      EXPECT_TRUE(rule[6] == 'p' || rule[6] == 'k');
      std::string_view offset = rule.substr(7);
      EXPECT_TRUE(offset == "000" || ((offset[0] == '+' || offset[0] == '-') && digits(offset.substr(1))));
    } else {
      ASSERT_TRUE(digits(rule.substr(0, 2)) && digits(rule.substr(3, 2)) && digits(rule.substr(6)));
      EXPECT_EQ(rule[2], '.');
      EXPECT_EQ(rule[5], '.');
      int day = std::stoi(std::string(rule.substr(0, 2)));
      int month = std::stoi(std::string(rule.substr(3, 2)));
      EXPECT_TRUE(month >= 1 && month <= 12);
      EXPECT_TRUE(day >= 1 && day <= 31);
    }
  }
}

// Feasts counted from Easter Sunday must land on their weekday: Palm Sunday
// and Trinity on a Sunday, the Ascension on a Thursday.
TEST(Holidays, EasterOffsetsLandOnTheirWeekday) {
  struct Case {
    std::string_view english;
    int weekdayAfterSunday;
  };
  const Case cases[] = {{"The entry into Jerusalem", 0}, {"Ascension Of Our Lord", 4}, {"Trinity Sunday", 0}};
  for (const Case& c : cases) {
    const Holiday* found = nullptr;
    for (const Holiday& holiday : Holidays()) {
      if (HolidayText(holiday, kEnglish) == c.english) found = &holiday;
    }
    ASSERT_NE(found, nullptr) << c.english;
    ASSERT_EQ(found->dateRule.substr(0, 7), "pasha.p");
    int offset = std::stoi(std::string(found->dateRule.substr(7)));
    EXPECT_EQ(((offset % 7) + 7) % 7, c.weekdayAfterSunday) << c.english;
  }
}

TEST(Holidays, EntriesTheCalendarLooksFor) {
  int programmersDays = 0;
  for (const Holiday& holiday : Holidays()) {
    if (holiday.storedTexts[0].starts_with("День программиста")) {
      ++programmersDays;
      EXPECT_EQ(holiday.dateRule, "13.09.0000");
      EXPECT_EQ(HolidayText(holiday, kEnglish), "Programmer`s day");
    }
  }
  EXPECT_EQ(programmersDays, 1);
  const Holiday* victory = FindByRule("09.05.1945", "RUS");
  ASSERT_NE(victory, nullptr);
  EXPECT_EQ(HolidayText(*victory, kEnglish), "Victory day in Great Patriotic war");
  const Holiday* mourning = FindByRule("22.06.0000", "RU-");
  ASSERT_NE(mourning, nullptr);
  EXPECT_FALSE(RegionName(mourning->region, kEnglish).has_value());
  const Holiday* thanksgiving = FindByRule("****4.5.11", "USA");
  ASSERT_NE(thanksgiving, nullptr);
  EXPECT_EQ(HolidayText(*thanksgiving, kEnglish), "Thanksgiving");
  ASSERT_NE(FindByRule("pasha.p000", "PRA"), nullptr);
  ASSERT_NE(FindByRule("pasha.k000", "KAT"), nullptr);
}

}  // namespace
}  // namespace quarlo
