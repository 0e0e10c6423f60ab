// The ten interface languages: their fixed order, the names shown in the
// language list and the codes that pick language-coded pictures and voices.
//
// Every ten-language table of the program uses this order, so a language is
// just an index 0..9 into any of them. Texts are UTF-8 (this file too).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarlo {

using LanguageIndex = std::uint8_t;

inline constexpr int kLanguageCount = 10;

inline constexpr LanguageIndex kEnglish = 0;
inline constexpr LanguageIndex kRussian = 1;
inline constexpr LanguageIndex kGerman = 2;
inline constexpr LanguageIndex kFrench = 3;
inline constexpr LanguageIndex kSpanish = 4;
inline constexpr LanguageIndex kChinese = 5;
inline constexpr LanguageIndex kItalian = 6;
inline constexpr LanguageIndex kCzech = 7;
inline constexpr LanguageIndex kJapanese = 8;
inline constexpr LanguageIndex kKorean = 9;

// Which of the main window's two flag image lists holds a language's flag.
enum class FlagList { European, Asian };

struct LanguageInfo {
  std::string_view ownName;      // the row text of the language list (UTF-8)
  std::string_view pictureLanguageCode;  // suffix of language-coded pictures
  std::string_view voiceLanguageCode;    // suffix of voice samples and of the options flag
  FlagList flagList;
  int flagPicture;               // picture number in that list
};

// Japanese and Korean have no pictures of their own and borrow the English
// ones, but speak and show their flag in their own language.
inline constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {"English", "Eng", "Eng", FlagList::European, 48},
    {"Русский", "Rus", "Rus", FlagList::European, 1},
    {"Deutsche", "Deu", "Deu", FlagList::European, 16},
    {"Français", "Fra", "Fra", FlagList::European, 15},
    {"Español", "Spa", "Spa", FlagList::European, 43},
    {"中文", "Chi", "Chi", FlagList::Asian, 10},
    {"Italiano", "Ita", "Ita", FlagList::European, 24},
    {"Čeština", "Cze", "Cze", FlagList::European, 10},
    {"日本", "Eng", "Jap", FlagList::Asian, 20},
    {"한국인", "Eng", "Kor", FlagList::Asian, 40},
}};

// Any index outside 0..9 (a settings file may hold up to 20) means English,
// so that no lookup can leave the tables.
// A text in all ten languages, indexed by LanguageIndex.
using WordTable = std::array<std::string_view, kLanguageCount>;

constexpr LanguageIndex ValidLanguage(int index) {
  return index >= 0 && index < kLanguageCount ? static_cast<LanguageIndex>(index) : kEnglish;
}

constexpr const LanguageInfo& Language(LanguageIndex language) { return kLanguages[ValidLanguage(language)]; }

// "GFormOpt" + "Rus" and the like.
inline std::string LanguagePictureName(std::string_view base, LanguageIndex language) {
  return std::string(base) + std::string(Language(language).pictureLanguageCode);
}

// The options dialog's flag exists for all ten languages: "FlagO" + voice code.
inline std::string OptionsFlagPictureName(LanguageIndex language) {
  return "FlagO" + std::string(Language(language).voiceLanguageCode);
}

}  // namespace quarlo
