// "Quarlo2.ini": the settings file of the program directory.
//
// 35 fixed lines, CR LF, section titles "<# ...>" between value lines, the
// most used switches packed one character each into the 20-character general
// line 2. Loading decodes line by line and stops at the first value that does
// not fit: what was decoded stays, the rest keeps its defaults.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/result.h"
#include "records/settings.h"

namespace quarlo {

inline constexpr std::string_view kSettingsFileName = "Quarlo2.ini";
inline constexpr int kSettingsLines = 35;
// Shown by the caller in an error box (word-table text).
inline constexpr std::string_view kCantSaveOptions = "Can`t save options!";

struct SettingsLoad {
  Settings settings;
  // True when every line decoded; only then may the caller consult the
  // service directory. Otherwise the ranking service and the chat stay paused
  // for this run.
  bool complete = false;
};

// Reads "Quarlo2.ini" from the program directory. A missing, unreadable or
// short file gives all defaults and no message (two attempts to open it).
SettingsLoad LoadSettings(const std::filesystem::path& programDir);

// Writes "Quarlo2.ini" into the program directory (two attempts, each a
// crash-safe replacement). On failure the error is kCantSaveOptions and the
// file is unchanged. The caller skips saving when the club files failed their
// start-up check.
Status SaveSettings(const std::filesystem::path& programDir, const Settings& settings);

// The file's lines without line ends (index 0 is line 1), and their decoding;
// exposed for tests and tools.
std::vector<std::string> EncodeSettings(const Settings& settings);
SettingsLoad DecodeSettings(const std::vector<std::string>& lines);

std::string EncodeGeneralLine(const Settings& settings);
void DecodeGeneralLine(std::string_view line, Settings& settings);

// Whether "d-nnn" names a country of the continent table.
bool IsValidCountryCode(std::string_view code);

}  // namespace quarlo
