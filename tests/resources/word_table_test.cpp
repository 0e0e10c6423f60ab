#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/languages.h"
#include "resources/words.h"
#include "tests/resources/utf8.h"

namespace quarlo {
namespace {

WordId Id(std::size_t row) { return static_cast<WordId>(row); }

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// Every row must hold ten usable texts: callers compose messages from them
// and rely on the same shape in every language (line breaks, the blank a
// value is appended after).
TEST(WordTable, EveryRowHasTenWellFormedTexts) {
  ASSERT_GT(kWordCount, 300u);
  for (std::size_t row = 0; row < kWordCount; ++row) {
    const std::string_view english = Word(Id(row), kEnglish);
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string_view text = Word(Id(row), static_cast<LanguageIndex>(language));
      SCOPED_TRACE(std::string(WordKey(Id(row))) + " in language " + std::to_string(language));
      ASSERT_FALSE(text.empty());
      EXPECT_TRUE(IsUtf8(text));
      EXPECT_EQ(Count(text, "\n\r"), Count(english, "\n\r"));
      // Line feed and carriage return appear only as the pair.
      EXPECT_EQ(Count(text, "\n"), Count(text, "\n\r"));
      EXPECT_EQ(Count(text, "\r"), Count(text, "\n\r"));
      // A value follows a trailing blank; a prefix that English joins with a
      // hyphen ("Online-") may need a blank in other word orders.
      if (english.back() == ' ') {
        EXPECT_EQ(text.back(), ' ');
      } else if (english.back() != '-') {
        EXPECT_NE(text.back(), ' ');
      }
      EXPECT_EQ(text.front() == ' ', english.front() == ' ');
      EXPECT_EQ(text.find('\t'), std::string_view::npos);
    }
  }
}

TEST(WordTable, EnglishTextsAreExactlyTheProgramsOwn) {
  struct Case {
    WordId id;
    std::string_view english;
  };
  const Case cases[] = {
      {WordId::NewPlayer, "New Player"},
      {WordId::ToBeginOfRound, "To Begin of Round"},
      {WordId::SumUpGame, "To sum up of game"},
      {WordId::AllDataLost, "All datas for want of it will be lost!"},
      {WordId::CantSaveOptions, "Can`t save options!"},
      {WordId::CantFind, "Can`t find "},
      {WordId::CanntSaveHistory, "Cann`t save history!"},
      {WordId::NameChanged, "Your name and/or the password were successfully changed!\n\rNew name: "},
      {WordId::FontWarning,
       "Attention!\n\rThese installations should be changed only in case of incorrect map of fonts!"},
      {WordId::HelpNotTranslated, "Excuse!\n\rThe file of the help is not translated to the English language."},
      {WordId::TheFileQuoted, "The file \""},
      {WordId::HasIncorrectAttributes, "\" has incorrect attributes!\n\rThe work of the program will be incorrect!"},
      {WordId::FlyCards, "\"Fly\" cards"},
      {WordId::ClubVelmora, "CLUB \"VELMORA\""},
      {WordId::ClubMembers, "Club members: "},
      {WordId::ResultLabel, "Result: "},
      {WordId::BestAccountPlayer, "The best player of games from under the account: "},
      {WordId::NoConnectSuffix, ": NO CONNECT"},
      {WordId::ClubHeaderScore, " The members of club    Games    Score "},
      {WordId::ClubHeaderRating, " The members of club    Games   Rating "},
      {WordId::ReleaseDate, "October 18, 2022"},
      {WordId::StatisticsSince, "This statistic is maintained since version 5.2"},
      {WordId::TopTenLocalGames, "WINDOWS. LOCAL GAMES WITH PC"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Word(c.id, kEnglish), c.english) << WordKey(c.id);
  }
}

TEST(WordTable, LookupByIdAndLanguage) {
  EXPECT_EQ(Word(WordId::NewPlayer, kRussian), "Новый игрок");
  EXPECT_EQ(Word(WordId::Exit, kGerman), "Beenden");
  EXPECT_EQ(Word(WordId::Cancel, kFrench), "Annuler");
  EXPECT_EQ(Word(WordId::Pass, kSpanish), "Paso");
  EXPECT_EQ(Word(WordId::Options, kChinese), "选项");
  EXPECT_EQ(Word(WordId::Close, kItalian), "Chiudi");
  EXPECT_EQ(Word(WordId::Help, kCzech), "Nápověda");
  EXPECT_EQ(Word(WordId::Send, kJapanese), "送信");
  EXPECT_EQ(Word(WordId::Save, kKorean), "저장");
  EXPECT_EQ(WordKey(WordId::ToBegin), "ToBegin");
  // A settings file may carry language values beyond the ten tables.
  EXPECT_EQ(Word(WordId::NewPlayer, 10), "New Player");
  EXPECT_EQ(Word(WordId::NewPlayer, 255), "New Player");
}

TEST(WordTable, TitleRowsAndClubHeaderRows) {
  const std::string_view caption[kLanguageCount] = {"Quarlo", "Кварло", "Quarlo", "Quarlo", "Quarlo",
                                                    "夸罗",   "Quarlo", "Quarlo", "Quarlo", "Quarlo"};
  const std::string_view intro[kLanguageCount] = {"QUARLO-2", "КВАРЛО-2", "QUARLO-2", "QUARLO-2", "QUARLO-2",
                                                  "夸罗",     "QUARLO-2", "QUARLO-2", "QUARLO-2", "QUARLO-2"};
  for (LanguageIndex language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(TitleTable(0, language), caption[language]);
    EXPECT_EQ(TitleTable(1, language), intro[language]);
  }
  EXPECT_EQ(ClubListHeader(1, kEnglish), Word(WordId::ClubHeaderScore, kEnglish));
  EXPECT_EQ(ClubListHeader(2, kRussian), Word(WordId::ClubHeaderRating, kRussian));
  EXPECT_EQ(ClubListHeader(7, kEnglish), Word(WordId::ClubHeaderScore, kEnglish));
}

// A Russian column equal to the English one is almost always a row nobody
// translated; only these texts are the same everywhere on purpose.
TEST(WordTable, OnlyDeliberateRowsAreLeftAsInEnglish) {
  const std::set<std::string_view> sameEverywhere = {
      "Android",    "MrX",         "DllTab",           "KindLocal",
      "KindNet",    "KindAccount", "KindTourney",      "CanntSaveHistory",
      "TopTenOnlineTournament",    "TopTenLocalGames", "TopTenNetGames",
  };
  std::set<std::string_view> found;
  for (std::size_t row = 0; row < kWordCount; ++row) {
    if (Word(Id(row), kRussian) == Word(Id(row), kEnglish)) found.insert(WordKey(Id(row)));
  }
  EXPECT_EQ(found, sameEverywhere);
  for (WordId heading : {WordId::TopTenOnlineTournament, WordId::TopTenLocalGames, WordId::TopTenNetGames}) {
    for (std::string_view text : WordTableOf(heading)) EXPECT_EQ(text, Word(heading, kRussian));
  }
}

// The attribute message is composed around a path in quotation marks.
TEST(WordTable, AttributeMessageKeepsItsQuotationMarksInEveryLanguage) {
  for (LanguageIndex language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(Word(WordId::TheFileQuoted, language).back(), '"') << int(language);
    EXPECT_EQ(Word(WordId::HasIncorrectAttributes, language).front(), '"') << int(language);
  }
}

TEST(Languages, PictureAndVoiceCodes) {
  EXPECT_EQ(Language(kRussian).ownName, "Русский");
  EXPECT_EQ(Language(kKorean).ownName, "한국인");
  EXPECT_EQ(LanguagePictureName("GFormOpt", kCzech), "GFormOptCze");
  // Japanese and Korean borrow the English pictures but keep their own flag
  // and voice.
  EXPECT_EQ(LanguagePictureName("GFormOpt", kJapanese), "GFormOptEng");
  EXPECT_EQ(LanguagePictureName("Cap", kKorean), "CapEng");
  EXPECT_EQ(OptionsFlagPictureName(kJapanese), "FlagOJap");
  EXPECT_EQ(Language(kKorean).voiceLanguageCode, "Kor");
  EXPECT_EQ(Language(kChinese).flagList, FlagList::Asian);
  EXPECT_EQ(Language(kEnglish).flagPicture, 48);
  EXPECT_EQ(ValidLanguage(-1), kEnglish);
  EXPECT_EQ(ValidLanguage(9), kKorean);
}

}  // namespace
}  // namespace quarlo
