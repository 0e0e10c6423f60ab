// Whole-file reading and crash-safe writing of the program's line files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/result.h"

namespace quarlo {

// Splits file bytes into lines. Lines end with CR LF; a lone LF or CR also ends
// a line so that a file whose line ends were converted still reads. A final
// line without an end counts; the empty rest after the last line end does not.
std::vector<std::string> SplitLines(std::string_view bytes);

// The lines joined, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces `path` with `bytes` so that a crash or a full disk leaves either the
// old file or the new one, never a mix: the bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file is renamed over
// the old one. On failure the old file is untouched and the reason is returned.
// A file without write permission is not replaced.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates `path` with `bytes`, crash-safely as above, but fails without
// touching anything when the file already exists.
Status WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

// Whether the program may replace `path`: the file (when it exists) has write
// permission for us and its folder lets us create the temporary file and
// rename it. Decided from the permission bits as well as access(2), so a
// read-only file counts as read-only even for the superuser.
bool CanReplaceFile(const std::filesystem::path& path);

}  // namespace quarlo
