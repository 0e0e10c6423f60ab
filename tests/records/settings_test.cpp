// "Quarlo2.ini": layout, the general line, the decoding order and first runs.
#include <gtest/gtest.h>

#include "records/address_cipher.h"
#include "records/record_io.h"
#include "records/settings_file.h"
#include "scratch_dir.h"

namespace quarlo {
namespace {

using testing::Fixture;

// A complete file as a third run would write it, to be edited line by line.
std::vector<std::string> CompleteLines() {
  Settings s;
  ApplyTopTenDefaults(s);
  return EncodeSettings(s);
}

void ExpectTopTenEmpty(const Settings& s) {
  EXPECT_EQ(s.topTenNick, "");
  EXPECT_EQ(s.topTenCountry, "");
  EXPECT_EQ(s.topTenCity, "");
  EXPECT_EQ(s.topTenSex, "");
  EXPECT_EQ(s.rankingServiceAddress, ServiceAddress{});
  EXPECT_EQ(s.statisticsServiceAddress, ServiceAddress{});
}

TEST(SettingsFile, DefaultsWriteTheKnownGeneralLineAndLayout) {
  Settings s;
  EXPECT_EQ(EncodeGeneralLine(s), "011110141RL010020011");
  const auto lines = EncodeSettings(s);
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[0], "<# General>");
  EXPECT_EQ(lines[5], "000");
  EXPECT_EQ(lines[7], "1#####");
  EXPECT_EQ(lines[21], "020");
  EXPECT_EQ(lines[31], "<# Save Games as GIF>");
  EXPECT_EQ(lines[32], "\xEB");
  EXPECT_EQ(lines[34], "1000");
}

TEST(SettingsFile, GeneralLinePositions) {
  Settings s;
  s.startReported = false;
  s.likeSent = false;
  EXPECT_EQ(EncodeGeneralLine(s).substr(9, 2), "##");
  s.soundOn = false;  // music only
  s.cardSpeed = 9;    // out of range: written as 4
  s.backgroundSet = 10;
  s.backgroundVariant = 3;
  s.deckIndex = 7;
  s.alwaysOneDeck = true;
  s.radioListFromServerFirst = false;
  s.auxWindowDesign = 0;  // out of range: written as 1
  EXPECT_EQ(EncodeGeneralLine(s), "031110141##110010011");
  const auto lines = EncodeSettings(s);
  EXPECT_EQ(lines[21], "103");
  EXPECT_EQ(lines[5], "071");

  Settings read;
  DecodeGeneralLine("1", read);  // only the language
  Settings expected;
  expected.languageIndex = 1;
  EXPECT_EQ(read, expected);
}

TEST(SettingsFile, SavedSettingsLoadBackEqual) {
  testing::ScratchDir dir;
  Settings s;
  ApplyTopTenDefaults(s);
  s.languageIndex = 7;
  s.soundOn = false;
  s.musicOn = false;
  s.multiplayerMode = true;
  s.cardSpeed = 6;
  s.windowSizeMode = 5;
  s.likeSent = false;
  s.captionStyle = 7;
  s.auxPurpleDesign = true;
  s.auxWindowDesign = 3;
  s.mainMenuDesign = 1;
  s.saluteCards = false;
  s.cardFaceSet = 47;
  s.deckIndex = 12;
  s.showCardsAtEnd = false;
  s.fontDecor = "DejaVu Sans";
  s.scaleConew = 150;
  s.serverAddress = "10.0.0.2";
  s.serverPort = "4000";
  s.backgroundSet = 10;
  s.backgroundVariant = 6;
  s.playerName = "\xCF\xE5\xF2\xF0";  // Петр
  s.rankingServiceAddress = AddressFromPlain("http://rank.test/a");
  s.topTenNick = "Nick";
  s.topTenCountry = "6-054";
  s.topTenCity = "Lagos";
  s.topTenSex = "W";
  s.statisticsServiceAddress = AddressFromPlain("http://stat.test/b");
  s.saveGamesAsGif = true;
  s.gifCaptureMode = 2;
  s.gifFrameDelay = 10;
  ASSERT_TRUE(SaveSettings(dir.path(), s));

  const std::string bytes = testing::ReadBytes(dir.path() / "Quarlo2.ini");
  EXPECT_EQ(bytes.find("rank.test"), std::string::npos);  // addresses stay enciphered
  EXPECT_EQ(SplitLines(bytes).size(), 35u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  const SettingsLoad load = LoadSettings(dir.path());
  EXPECT_TRUE(load.complete);
  EXPECT_EQ(load.settings, s);
}

TEST(SettingsFile, ShortOrMissingFileGivesAllDefaults) {
  const auto lines = SplitLines(testing::ReadBytes(Fixture("settings_34_lines.ini")));
  ASSERT_EQ(lines.size(), 34u);
  const SettingsLoad load = DecodeSettings(lines);
  EXPECT_FALSE(load.complete);
  EXPECT_EQ(load.settings, Settings{});
  ExpectTopTenEmpty(load.settings);

  testing::ScratchDir dir;
  EXPECT_EQ(LoadSettings(dir.path()).settings, Settings{});
}

TEST(SettingsFile, OneCharacterDeckLineStopsDecodingThere) {
  const auto load = DecodeSettings(SplitLines(testing::ReadBytes(Fixture("settings_line6_short.ini"))));
  EXPECT_FALSE(load.complete);
  // Line 2 and line 4 were read; everything from the deck on keeps its default.
  Settings expected;
  DecodeGeneralLine("120110141RL010020011", expected);
  expected.cardFaceSet = 7;
  EXPECT_EQ(expected.languageIndex, 1);
  EXPECT_FALSE(expected.musicOn);
  EXPECT_EQ(load.settings, expected);
  ExpectTopTenEmpty(load.settings);
}

TEST(SettingsFile, DeckAndBackgroundFields) {
  auto lines = CompleteLines();
  lines[5] = "071";
  lines[21] = "030";
  const auto s = DecodeSettings(lines).settings;
  EXPECT_EQ(s.deckIndex, 7);
  EXPECT_TRUE(s.alwaysOneDeck);
  EXPECT_EQ(s.backgroundSet, 3);
  EXPECT_EQ(s.backgroundVariant, 0);
}

TEST(SettingsFile, CountryCodes) {
  struct Case {
    std::string line;
    std::string country;  // what the setting becomes
    bool complete;        // whether decoding went on to the end
  };
  const Case cases[] = {
      {"1-048", "1-048", true}, {"6-054", "6-054", true}, {"2-051", "2-051", true},
      {"7-001", "1-001", true}, {"1-049", "1-001", true}, {"4-015", "1-001", true},
      {"1x001", "1-001", true}, {"1-0a1", "1-001", true},
      {"1-01", "1-001", false}, {"1-0010", "1-001", false},
  };
  for (const auto& c : cases) {
    auto lines = CompleteLines();
    lines[27] = c.line;
    lines[28] = "Oslo";
    lines[29] = "W";
    lines[33] = "2";
    const auto load = DecodeSettings(lines);
    EXPECT_EQ(load.settings.topTenCountry, c.country) << c.line;
    EXPECT_EQ(load.complete, c.complete) << c.line;
    // A refused code still lets the city and what follows be read; a code of
    // the wrong length stops at once.
    EXPECT_EQ(load.settings.topTenCity, c.complete ? "Oslo" : "Moscow") << c.line;
    EXPECT_EQ(load.settings.topTenSex, c.complete ? "W" : "M") << c.line;
    EXPECT_EQ(load.settings.gifCaptureMode, c.complete ? 2 : 1) << c.line;
  }
}

TEST(SettingsFile, TopTenFieldsAreCutAndChecked) {
  auto lines = CompleteLines();
  lines[26] = "ABCDEFGHIJKLMNOP";
  lines[28] = "Llanfairpwllgwyngyll";
  lines[29] = "X";
  const auto s = DecodeSettings(lines).settings;
  EXPECT_EQ(s.topTenNick, "ABCDEFGHIJKL");
  EXPECT_EQ(s.topTenCity, "Llanfairpwllgwy");
  EXPECT_EQ(s.topTenSex, "M");
}

TEST(SettingsFile, AddressThatDoesNotDecipherKeepsTheBuiltInOne) {
  auto lines = CompleteLines();
  lines[25] = "not an address!";
  lines[30] = EncipherAddress("http://stat.test/");
  const auto load = DecodeSettings(lines);
  EXPECT_TRUE(load.complete);
  EXPECT_EQ(load.settings.rankingServiceAddress.plain, kDefaultRankingServicePlain);
  EXPECT_EQ(load.settings.statisticsServiceAddress.plain, "http://stat.test/");
}

TEST(SettingsFile, OddNumbersKeepTheirDefaults) {
  auto lines = CompleteLines();
  lines[3] = "abc";   // card-face set
  lines[13] = "999";  // scale
  lines[21] = "9";    // background: set 9, no variant
  lines[34] = "-5";   // frame delay
  const auto load = DecodeSettings(lines);
  EXPECT_TRUE(load.complete);
  EXPECT_EQ(load.settings.cardFaceSet, 0);
  EXPECT_EQ(load.settings.scaleDecor, 100);
  EXPECT_EQ(load.settings.backgroundSet, 9);
  EXPECT_EQ(load.settings.backgroundVariant, 0);
  EXPECT_EQ(load.settings.gifFrameDelay, 1000);
}

TEST(SettingsFile, FirstRunsReachACompleteFileOnTheThirdRun) {
  testing::ScratchDir dir;
  auto run1 = LoadSettings(dir.path());
  EXPECT_FALSE(run1.complete);
  ASSERT_TRUE(SaveSettings(dir.path(), run1.settings));
  const auto lines = SplitLines(testing::ReadBytes(dir.path() / "Quarlo2.ini"));
  ASSERT_EQ(lines.size(), 35u);
  for (int n = 26; n <= 31; ++n) EXPECT_EQ(lines[static_cast<std::size_t>(n - 1)], "") << n;

  auto run2 = LoadSettings(dir.path());
  EXPECT_FALSE(run2.complete);
  EXPECT_EQ(run2.settings.topTenNick, "Incognito");
  EXPECT_EQ(run2.settings.rankingServiceAddress.plain, kDefaultRankingServicePlain);
  ASSERT_TRUE(SaveSettings(dir.path(), run2.settings));

  auto run3 = LoadSettings(dir.path());
  EXPECT_TRUE(run3.complete);
  EXPECT_EQ(run3.settings, run2.settings);
}

TEST(SettingsFile, LineEndsInsideValuesDoNotShiftTheLayout) {
  testing::ScratchDir dir;
  Settings s;
  ApplyTopTenDefaults(s);
  s.playerName = "Mr.\r\nX";
  ASSERT_TRUE(SaveSettings(dir.path(), s));
  const auto load = LoadSettings(dir.path());
  EXPECT_TRUE(load.complete);
  EXPECT_EQ(load.settings.playerName, "Mr.  X");
}

TEST(SettingsFile, SaveFailureReportsCantSaveOptions) {
  testing::ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "Quarlo2.ini");  // cannot be replaced
  const Status st = SaveSettings(dir.path(), Settings{});
  EXPECT_EQ(st.error, "Can`t save options!");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Quarlo2.ini"));
}

}  // namespace
}  // namespace quarlo
