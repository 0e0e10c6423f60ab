#include "resources/countries.h"

#include <array>

#include "resources/words.h"

namespace quarlo {
namespace generated {
extern const Country kCountryRows[];
extern const std::size_t kCountryRowCount;
}  // namespace generated

namespace {

std::span<const Country> AllCountries() { return {generated::kCountryRows, generated::kCountryRowCount}; }

constexpr std::array<WordId, kContinentCount> kContinentWords = {
    WordId::Europe, WordId::Asia, WordId::NorthAmerica, WordId::SouthAmerica, WordId::Oceania, WordId::Africa,
};

}  // namespace

std::span<const Country> CountriesOf(int continent) {
  std::span<const Country> all = AllCountries();
  std::size_t first = 0;
  while (first < all.size() && all[first].continent < continent) ++first;
  std::size_t end = first;
  while (end < all.size() && all[end].continent == continent) ++end;
  return all.subspan(first, end - first);
}

int LastCountryNumber(int continent) {
  std::span<const Country> rows = CountriesOf(continent);
  return rows.empty() ? 0 : rows.back().number;
}

std::optional<Country> FindCountry(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return std::nullopt;
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!digit(code[0]) || !digit(code[2]) || !digit(code[3]) || !digit(code[4])) return std::nullopt;
  int continent = code[0] - '0';
  int number = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  std::span<const Country> rows = CountriesOf(continent);
  if (number >= static_cast<int>(rows.size())) return std::nullopt;
  return rows[static_cast<std::size_t>(number)];
}

std::optional<Country> FindCountryByPicture(std::string_view picture) {
  if (picture.empty()) return std::nullopt;
  for (const Country& country : AllCountries()) {
    if (country.picture == picture) return country;
  }
  return std::nullopt;
}

std::string CountryCodeOf(const Country& country) {
  std::string code = std::to_string(country.continent) + "-000";
  std::string number = std::to_string(country.number);
  code.replace(code.size() - number.size(), number.size(), number);
  return code;
}

std::string_view CountryName(const Country& country, LanguageIndex language) {
  return ValidLanguage(language) == kRussian ? country.russian : country.english;
}

std::string_view ContinentName(int continent, LanguageIndex language) {
  if (continent < 1 || continent > kContinentCount) return {};
  return Word(kContinentWords[static_cast<std::size_t>(continent - 1)], language);
}

}  // namespace quarlo
