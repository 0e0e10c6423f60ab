// The local club files "Quarlo2.clb" (games against the computer) and
// "Quarlo2.net" (LAN games).
//
// 17 fixed lines, CR LF: five member slots ranked by rating, the top ten of
// completed 20-game cycles, a marker line, and a flags line that carries the
// file's checksum. The program never creates these files (quarlo-club does)
// and refuses to start when one is missing or altered.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/result.h"

namespace quarlo {

inline constexpr std::string_view kClubFileName = "Quarlo2.clb";
inline constexpr std::string_view kNetClubFileName = "Quarlo2.net";
inline constexpr int kClubLines = 17;
inline constexpr int kClubSlots = 5;
inline constexpr int kTopTenSize = 10;
inline constexpr int kGamesPerCycle = 20;
inline constexpr std::size_t kMemberLineLength = 59;
inline constexpr std::size_t kTopTenLineLength = 26;
inline constexpr std::size_t kMarkerLineLength = 28;
inline constexpr std::size_t kNameLength = 20;
inline constexpr std::size_t kPasswordLength = 5;
// Added to each password byte so that every stored group has three digits.
inline constexpr int kPasswordOffset = 317;
inline constexpr double kRatingLimit = 99.99;

// Word-table texts of the messages about club files (English entries).
inline constexpr std::string_view kCantFindTheFile = "Can`t find the file";
inline constexpr std::string_view kTheIncorrectFile = "The incorrect file";
inline constexpr std::string_view kTheFileQuote = "The file \"";
inline constexpr std::string_view kHasIncorrectAttributes =
    "\" has incorrect attributes!\n\rThe work of the program will be incorrect!";
inline constexpr std::string_view kErrorOfDiskWriting = "Error of disk writing!";

// The file in use: "Quarlo2.net" in LAN mode, "Quarlo2.clb" otherwise.
std::filesystem::path ClubFilePath(const std::filesystem::path& programDir, bool multiplayerMode);

// The lines of a club file; [0] is line 1.
using ClubLines = std::array<std::string, kClubLines>;

enum class ClubFault { kNone, kMissing, kIncorrect };

struct ClubCheck {
  ClubFault fault = ClubFault::kNone;
  std::string detail;           // what exactly is wrong, for tools
  bool startInRussian = false;  // line 17 position 1 is "1"
  bool startReportOff = false;  // line 17 positions 7..9 are "idd"
  // False when the file cannot be replaced by this user (the "incorrect
  // attributes" case); no club file is then written during the run.
  bool writable = true;
  bool ok() const { return fault == ClubFault::kNone; }
};

// The start-up check: existence, line count and lengths, marker, checksum,
// flags and whether the file may be written.
ClubCheck CheckClubFile(const std::filesystem::path& path);

// The message the user sees for a failed check, in English:
//   Can`t find the file "PATH"!   /   The incorrect file "PATH"!
std::string ClubCheckMessage(const ClubCheck& check, const std::filesystem::path& path);
// The warning for a file that cannot be written.
std::string ClubAttributesMessage(const std::filesystem::path& path);

struct ClubMember {
  std::string name;  // up to 20 characters, no trailing spaces
  double rating = 0.0;
  int games = 0;
  int score = 0;          // score of the current cycle
  std::string password;   // 5 characters, padded with spaces
};

struct TopTenEntry {
  std::string name;  // no trailing spaces
  int score = 0;
};

std::string EmptySlotLine();
std::string EmptyTopTenLine();
bool IsEmptySlot(std::string_view memberLine);

std::string FormatMemberLine(const ClubMember& member);
// Nothing for an empty slot or a line that does not read as a member.
std::optional<ClubMember> ParseMemberLine(std::string_view line);
std::string FormatTopTenLine(std::string_view name, int score);
// Nothing for an empty place.
std::optional<TopTenEntry> ParseTopTenLine(std::string_view line);

// Password field: 5 characters as 15 digits, byte + kPasswordOffset each.
std::string EncodePassword(std::string_view password);
std::optional<std::string> DecodePassword(std::string_view field);

// A rating as six decimals with a comma, right-aligned in 10 ("  0,000000").
std::string FormatClubRating(double rating);

// Checksum text of lines 1..16 (positions 11..28 of line 17).
std::string ClubChecksum(const ClubLines& lines);
// Recomputes the checksum into line 17, keeping its flags.
void SignClubLines(ClubLines& lines);

// A new, signed club file: five empty slots, an empty top ten, the marker
// line, flags that start in English with the start-up report on.
ClubLines EmptyClubLines();

// Reads the 17 lines and checks their layout and checksum.
Result<ClubLines> ReadClubLines(const std::filesystem::path& path);

struct ClubContents {
  std::array<std::optional<ClubMember>, kClubSlots> members;
  std::array<std::optional<TopTenEntry>, kTopTenSize> topTen;
};
Result<ClubContents> ReadClub(const std::filesystem::path& path);

}  // namespace quarlo
