// quarlo-club: the installer's and operator's tool for the local club files
// and the game history.
//
//   quarlo-club init FILE     create a valid empty club file (never overwrites)
//   quarlo-club verify FILE   exit 0 when valid, else print the reason, exit 1
//   quarlo-club show FILE     print the members and the top ten
//   quarlo-club history DIR   validate and print the history files of DIR
//
// File contents are Windows-1251; names are printed as UTF-8.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "records/club_file.h"
#include "records/cp1251.h"
#include "records/decimal_text.h"
#include "records/history_file.h"
#include "records/record_io.h"

namespace {

using namespace quarlo;
namespace fs = std::filesystem;

constexpr int kUsageError = 2;

int Usage() {
  std::fputs(
      "usage: quarlo-club init FILE | verify FILE | show FILE | history DIR\n"
      "  init FILE     create a valid empty club file; an existing file is never overwritten\n"
      "  verify FILE   exit 0 for a valid club file, else print the reason and exit 1\n"
      "  show FILE     print the members and the top ten of a club file\n"
      "  history DIR   validate and print the history files of a program directory\n",
      stderr);
  return kUsageError;
}

std::string Utf8(std::string_view bytes) { return Cp1251ToUtf8(bytes); }

int Init(const fs::path& file) {
  const ClubLines lines = EmptyClubLines();
  if (auto made = WriteNewFile(file, JoinLines({lines.begin(), lines.end()})); !made) {
    std::fprintf(stderr, "quarlo-club: %s\n", made.error.c_str());
    return 1;
  }
  return 0;
}

int Verify(const fs::path& file) {
  const ClubCheck check = CheckClubFile(file);
  if (!check.ok()) {
    std::printf("%s: %s\n", file.c_str(), check.detail.c_str());
    return 1;
  }
  if (!check.writable)
    std::printf("%s: valid, but it cannot be written: the game will not store results\n", file.c_str());
  else
    std::printf("%s: valid\n", file.c_str());
  return 0;
}

int Show(const fs::path& file) {
  const auto club = ReadClub(file);
  if (!club) {
    std::printf("%s: %s\n", file.c_str(), club.error().c_str());
    return 1;
  }
  std::printf("Members:\n");
  std::printf("  #  %-20s %8s %7s %6s\n", "Name", "Rating", "Games", "Score");
  for (int i = 0; i < kClubSlots; ++i) {
    const auto& m = club->members[static_cast<std::size_t>(i)];
    if (!m) {
      std::printf("  %d  (empty)\n", i + 1);
      continue;
    }
    // Pad by bytes before converting, so Cyrillic names line up too.
    std::string name = m->name;
    name.resize(20, ' ');
    std::printf("  %d  %s %8s %7d %6d\n", i + 1, Utf8(name).c_str(), FormatDecimalComma(m->rating, 2).c_str(),
                m->games, m->score);
  }
  std::printf("Top ten:\n");
  for (int i = 0; i < kTopTenSize; ++i) {
    const auto& t = club->topTen[static_cast<std::size_t>(i)];
    if (!t) {
      std::printf(" %2d  (empty)\n", i + 1);
      continue;
    }
    std::string name = t->name;
    name.resize(20, ' ');
    std::printf(" %2d  %s %6d\n", i + 1, Utf8(name).c_str(), t->score);
  }
  return 0;
}

int History(const fs::path& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    std::printf("%s: not a folder\n", dir.c_str());
    return 1;
  }
  int shown = 0;
  for (int k = 1; k <= kMaxHistoryFiles; ++k) {
    const fs::path path = HistoryFilePath(dir, k);
    std::error_code ec;
    if (!fs::exists(path, ec)) break;
    const auto rows = ReadHistoryEntries(dir, k);
    if (!rows) {
      std::printf("%s: %s\n", path.c_str(), rows.error().c_str());
      // Later files are not shown after an invalid one, as in the game.
      return k == 1 ? 1 : 0;
    }
    std::printf("File %d: %zu entries\n", k, rows->size());
    for (const auto& r : *rows) {
      std::printf("  %s %s %s %s %s %s %c\n", r.time.c_str(), r.date.c_str(), Utf8(r.player).c_str(),
                  r.games.c_str(), r.result.c_str(), r.rating.c_str(), r.kind);
    }
    ++shown;
  }
  if (shown == 0) std::printf("%s: no history files\n", dir.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string_view command = argv[1];
  const fs::path target = argv[2];
  if (command == "init") return Init(target);
  if (command == "verify") return Verify(target);
  if (command == "show") return Show(target);
  if (command == "history") return History(target);
  return Usage();
}
