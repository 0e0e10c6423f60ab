// The built-in holiday table: dated entries with their texts in ten
// languages, in stored order.
//
// Each entry keeps its stored text, "#"-separated: date rule (10 characters),
// region code (3), picture name in the calendar pack (9), then ten texts in
// the order Russian, English, German, French, Spanish, Chinese, Italian,
// Czech, Japanese, Korean (Russian first, unlike the other tables). The
// entries live in resources/words/holidays.txt.
//
// Date rules: "dd.mm.0000" every year; "dd.mm.yyyy" every year with an
// anniversary count; "****W.D.MM" the W-th weekday D (1 Sunday .. 7
// Saturday) of month MM, "****l.D.MM" the last one; "pasha.p000" Orthodox
// and "pasha.k000" Catholic Easter, "pasha.p+40" and the like a signed day
// offset from it.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "resources/languages.h"

namespace quarlo {

inline constexpr int kHolidayTextCount = 10;

struct Holiday {
  std::string_view entry;     // the whole stored text
  std::string_view dateRule;  // positions 1..10
  std::string_view region;    // positions 12..14
  std::string_view picture;   // positions 16..24
  std::array<std::string_view, kHolidayTextCount> storedTexts;  // Russian first
};

std::span<const Holiday> Holidays();

// The entry's text in interface language order (0 English, 1 Russian, ...);
// a language outside 0..9 gives English.
std::string_view HolidayText(const Holiday& holiday, LanguageIndex language);

// Position of `language` among the stored texts.
constexpr int StoredHolidayTextIndex(LanguageIndex language) {
  LanguageIndex valid = ValidLanguage(language);
  return valid == kEnglish ? 1 : valid == kRussian ? 0 : valid;
}

}  // namespace quarlo
