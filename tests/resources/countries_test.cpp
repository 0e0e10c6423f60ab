#include <gtest/gtest.h>

#include <string>

#include "resources/countries.h"
#include "tests/resources/utf8.h"

namespace quarlo {
namespace {

TEST(Countries, ContinentListsAreNumberedFromUnknown) {
  const int last[kContinentCount] = {48, 51, 35, 14, 23, 54};
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    EXPECT_EQ(LastCountryNumber(continent), last[continent - 1]);
    std::span<const Country> rows = CountriesOf(continent);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(last[continent - 1] + 1));
    EXPECT_EQ(rows[0].english, "Unknown");
    for (std::size_t n = 0; n < rows.size(); ++n) {
      const Country& country = rows[n];
      SCOPED_TRACE(std::string(country.english));
      EXPECT_EQ(country.continent, continent);
      EXPECT_EQ(country.number, static_cast<int>(n));
      EXPECT_EQ(country.picture.find(' '), std::string_view::npos);
      EXPECT_FALSE(country.russian.empty());
      EXPECT_NE(country.russian, country.english);
      EXPECT_TRUE(IsUtf8(country.russian));
      // The code names the row it came from.
      std::optional<Country> back = FindCountry(CountryCodeOf(country));
      ASSERT_TRUE(back.has_value());
      EXPECT_EQ(back->english, country.english);
    }
  }
  EXPECT_TRUE(CountriesOf(0).empty());
  EXPECT_TRUE(CountriesOf(7).empty());
  EXPECT_EQ(LastCountryNumber(7), 0);
}

TEST(Countries, FindByCode) {
  std::optional<Country> russia = FindCountry("1-001");
  ASSERT_TRUE(russia.has_value());
  EXPECT_EQ(russia->english, "Russia");
  EXPECT_EQ(russia->russian, "Россия");
  EXPECT_EQ(russia->picture, "Russia");
  EXPECT_EQ(CountryCodeOf(*russia), "1-001");
  EXPECT_EQ(FindCountry("1-048")->english, "United Kingdom");
  EXPECT_EQ(FindCountry("3-034")->english, "USA");
  EXPECT_EQ(FindCountry("6-054")->english, "Zimbabwe");
  EXPECT_EQ(FindCountry("2-000")->english, "Unknown");
  for (std::string_view bad : {"1-049", "7-001", "0-001", "4-015", "1_001", "1-01", "1-0011", "a-001", "1-00a",
                               "", "1-+01"}) {
    EXPECT_FALSE(FindCountry(bad).has_value()) << bad;
  }
}

TEST(Countries, PictureNames) {
  struct Case {
    std::string_view picture;
    std::string_view english;
  };
  const Case cases[] = {
      {"Bosnia_Herz.", "Bosnia & Herzegovina"}, {"Czech_Republic", "Czech Republic"},
      {"B.I.O.T.", "British Indian Ocean Territory"}, {"UAE", "United Arab Emirates"},
      {"S.V._Grenadines", "Saint Vincent and the Grenadines"}, {"Papua_New_G.", "Papua New Guinea"},
      {"Congo_DR", "Congo Democratic Republic"}, {"Cote_Divoire", "Ivory Coast (Cote Divoire)"},
  };
  for (const Case& c : cases) {
    std::optional<Country> found = FindCountryByPicture(c.picture);
    ASSERT_TRUE(found.has_value()) << c.picture;
    EXPECT_EQ(found->english, c.english);
  }
  EXPECT_EQ(FindCountry("6-012")->english, "Congo Republic");
  EXPECT_TRUE(FindCountry("6-012")->picture.empty());
  EXPECT_FALSE(FindCountryByPicture("").has_value());
  EXPECT_FALSE(FindCountryByPicture("Atlantis").has_value());
}

TEST(Countries, NamesInTheInterfaceLanguage) {
  Country germany = *FindCountry("1-016");
  EXPECT_EQ(CountryName(germany, kRussian), "Германия");
  EXPECT_EQ(CountryName(germany, kEnglish), "Germany");
  EXPECT_EQ(CountryName(germany, kGerman), "Germany");
  EXPECT_EQ(ContinentName(1, kEnglish), "Europe");
  EXPECT_EQ(ContinentName(4, kEnglish), "South America");
  EXPECT_EQ(ContinentName(6, kRussian), "Африка");
  EXPECT_TRUE(ContinentName(0, kEnglish).empty());
  EXPECT_TRUE(ContinentName(7, kEnglish).empty());
}

}  // namespace
}  // namespace quarlo
