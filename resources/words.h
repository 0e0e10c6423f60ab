// The word tables: every text of the user interface in the ten languages.
//
// The texts live in resources/words/words.tsv (one row per text, one column
// per language) and are compiled into constants; `WordId` names the rows.
// A lookup is one array access, so callers look texts up on every use
// instead of keeping copies. Texts are UTF-8; the screen layer converts them.
#pragma once

#include <string_view>

#include "resources/languages.h"
#include "resources/word_ids.h"  // generated from words.tsv: enum class WordId

namespace quarlo {

inline constexpr std::size_t kWordCount = kWordIdCount;

// The text of `id` in `language`; a language outside 0..9 gives English.
std::string_view Word(WordId id, LanguageIndex language);

// The identifier of the row in the table ("NewPlayer"), for diagnostics.
std::string_view WordKey(WordId id);

// All ten texts of a row.
const WordTable& WordTableOf(WordId id);

// The two-row title table: row 0 the main window caption, row 1 the short
// upper-case title of the intro. Other rows give row 0.
std::string_view TitleTable(int row, LanguageIndex language);

// The club list header for the club-list mode (1 score, 2 rating; anything
// else is taken as 1). A fixed-width line meant for a fixed-pitch font.
std::string_view ClubListHeader(int clubListMode, LanguageIndex language);

// Message boxes join their two lines with line feed + carriage return.
inline constexpr std::string_view kMessageLineBreak = "\n\r";

}  // namespace quarlo
