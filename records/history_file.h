// Game history files: "History/Quarlo2_I0001.hst", "..._I0002.hst", ...
//
// Each finished game leaves one 114-character entry line (a 99-character body
// and its 15-character checksum). A file ends with an end line and a totals
// line that sums all checksums, so a file edited by hand is recognised, no
// longer shown and not extended. A file holds at most 840 entries; the next
// game then starts the next number.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/result.h"

namespace quarlo {

inline constexpr std::string_view kHistoryFolder = "History";
inline constexpr std::string_view kHistoryStem = "Quarlo2";
inline constexpr int kHistoryEntriesPerFile = 840;
inline constexpr int kMaxHistoryFiles = 9999;
inline constexpr std::size_t kHistoryBodyLength = 99;
inline constexpr std::size_t kHistoryLineLength = 114;
// Shown by the caller as a plain message box, the same in every language.
inline constexpr std::string_view kCantSaveHistory = "Cann`t save history!";

// The kinds of game, stored as the marker letter L, A, T or N.
enum class GameKind : std::uint8_t { kLocal = 0, kAccount = 1, kTournament = 2, kLan = 3 };

// One history entry.
struct HisStr {
  std::string hName;  // player name(s), Windows-1251
  std::int32_t hKon = 1;  // games the entry stands for
  std::int32_t hRes = 0;  // the local player's result
  double hRei = 0.0;      // the local player's rating after the game
  GameKind ac = GameKind::kLocal;
};

// The time and date texts written into an entry.
struct HistoryStamp {
  std::string time;  // "hh:nn"
  std::string date;  // the short date format of the run
};

// strftime patterns of the short date: the usual one, and the one that stays
// for the rest of a run once a game has been recorded as GIF.
inline constexpr std::string_view kDefaultShortDateFormat = "%d.%m.%Y";
inline constexpr std::string_view kGifShortDateFormat = "%Y %m %d";

HistoryStamp MakeHistoryStamp(const std::tm& when, std::string_view dateFormat = kDefaultShortDateFormat);
HistoryStamp HistoryStampNow(std::string_view dateFormat = kDefaultShortDateFormat);

// A rating as an entry shows it: hundredths rounded half to even, a decimal
// comma before the last two digits ("12,50", "-0,07", "0,00").
std::string FormatHistoryRating(double rating);

// The 99-character body of an entry, and a body with its checksum appended.
std::string HistoryEntryBody(const HisStr& entry, const HistoryStamp& stamp);
std::string SignHistoryBody(std::string_view body);
// "$", the byte 180, "}", "#" padding and the checksum: 114 characters.
std::string HistoryEndLine();

std::filesystem::path HistoryFilePath(const std::filesystem::path& programDir, int number);

struct HistoryCheck {
  bool valid = false;
  int entries = 0;
  std::string modified;  // modification date in the short date format
  std::string reason;    // why it is not valid, for tools
};

// Validates file `number`: every line up to the end line longer than 113
// characters, an end line starting with "$", and a totals line whose three
// numbers equal the sums recomputed from the bodies of those lines.
HistoryCheck CheckHistoryFile(const std::filesystem::path& programDir, int number,
                              std::string_view dateFormat = kDefaultShortDateFormat);

// The history window's list item: "File I0001 14.03.2024".
std::string HistoryFileLabel(int number, std::string_view modified);

// The numbers of the valid files 1, 2, ... up to the first that is not valid.
std::vector<int> ValidHistoryFiles(const std::filesystem::path& programDir);

// Appends the entries to the first file that is valid and not full, or starts
// the first number that is missing or not valid as a new file; an entry that
// does not fit moves on to the next number. Every file is replaced crash-safely.
// Returns the number of the last file written, or kCantSaveHistory.
Result<int> AppendHistoryEntries(const std::filesystem::path& programDir, const std::vector<HisStr>& entries,
                                 const HistoryStamp& stamp);

// One entry of a file as the viewer shows it: the fixed-width fields as they
// stand, and the kind's marker letter.
struct HistoryRow {
  std::string time, date, player, games, result, rating;
  char kind = 'L';
};

// The entries of a valid file; the reason when the file is not valid.
Result<std::vector<HistoryRow>> ReadHistoryEntries(const std::filesystem::path& programDir, int number);

}  // namespace quarlo
