#include "resources/holidays.h"

namespace quarlo {
namespace generated {
extern const Holiday kHolidayRows[];
extern const std::size_t kHolidayRowCount;
}  // namespace generated

std::span<const Holiday> Holidays() { return {generated::kHolidayRows, generated::kHolidayRowCount}; }

std::string_view HolidayText(const Holiday& holiday, LanguageIndex language) {
  return holiday.storedTexts[StoredHolidayTextIndex(language)];
}

}  // namespace quarlo
