// Checks of the texts that requests carry, before anything is stored.
#pragma once

#include <cstddef>
#include <string_view>

namespace quarlo::server {

// Latin letters, digits, "!", "(", ")", ",", "-", ".", "@", "_" and, when
// allowed, the Windows-1251 Cyrillic letters (А..я, Ё, ё): the set the
// program lets players type for nicks, cities, passwords and e-mails. None of
// them can break a reply or a path.
bool IsNameText(std::string_view text, bool allow_cyrillic);

// Length within [min, max] and characters of the name set.
bool IsNameField(std::string_view text, std::size_t min, std::size_t max, bool allow_cyrillic);

// Free text (profile cards, chat stamps): at most max bytes, no control
// characters.
bool IsFreeText(std::string_view text, std::size_t max);

// Field limits shared by the services.
inline constexpr std::size_t kNickMin = 2, kNickMax = 12;
inline constexpr std::size_t kPasswordMin = 4, kPasswordMax = 12;
inline constexpr std::size_t kCityMin = 2, kCityMax = 15;
inline constexpr std::size_t kEmailMin = 2, kEmailMax = 30;
inline constexpr std::size_t kShortTextMax = 20;  // country names, dates, R01..R03, versions
inline constexpr std::size_t kStampMax = 60;      // chat stamp: time, date, title
inline constexpr std::size_t kChatTextMax = 80;

}  // namespace quarlo::server
