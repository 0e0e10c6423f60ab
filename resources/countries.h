// The country table of the player account and the world top ten: six
// continent lists, each starting with row 0 "Unknown".
//
// A country is named on disk and wire by its `CountryCode` "C-NNN" (continent
// digit, "-", three-digit number) and by its picture name (the flag picture,
// also stored as the account's `Country1`). The rows live in
// resources/words/countries.tsv.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/languages.h"

namespace quarlo {

inline constexpr int kContinentCount = 6;  // 1 Europe, 2 Asia, 3 North America,
                                           // 4 South America, 5 Oceania, 6 Africa

struct Country {
  int continent = 0;
  int number = 0;
  std::string_view picture;  // ASCII, no blanks; empty for one country
  std::string_view english;
  std::string_view russian;  // UTF-8
};

// The rows of one continent, row 0 first; empty for a continent outside 1..6.
std::span<const Country> CountriesOf(int continent);

// The highest country number of a continent (48 for Europe); 0 outside 1..6.
int LastCountryNumber(int continent);

// The country of a five-character code such as "1-001"; none when the code
// is malformed or names no row ("7-001", "1-049").
std::optional<Country> FindCountry(std::string_view countryCode);

// The first country with this picture name; none for an empty or unknown name.
std::optional<Country> FindCountryByPicture(std::string_view picture);

std::string CountryCodeOf(const Country& country);

// Russian names are shown only when the interface is Russian.
std::string_view CountryName(const Country& country, LanguageIndex language);

// The continent's name in the interface language; empty outside 1..6.
std::string_view ContinentName(int continent, LanguageIndex language);

}  // namespace quarlo
