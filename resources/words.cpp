#include "resources/words.h"

#include "resources/word_row.h"

namespace quarlo {
namespace generated {
extern const WordRow kWordRows[kWordIdCount];
}  // namespace generated

std::string_view Word(WordId id, LanguageIndex language) {
  return generated::kWordRows[static_cast<std::size_t>(id)].text[ValidLanguage(language)];
}

const WordTable& WordTableOf(WordId id) { return generated::kWordRows[static_cast<std::size_t>(id)].text; }

std::string_view WordKey(WordId id) { return generated::kWordRows[static_cast<std::size_t>(id)].key; }

std::string_view TitleTable(int row, LanguageIndex language) {
  return Word(row == 1 ? WordId::TitleShort : WordId::Title, language);
}

std::string_view ClubListHeader(int clubListMode, LanguageIndex language) {
  return Word(clubListMode == 2 ? WordId::ClubHeaderRating : WordId::ClubHeaderScore, language);
}

}  // namespace quarlo
