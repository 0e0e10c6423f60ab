// What the history window shows, apart from the widgets: which file is
// chosen, how wide the file list is, and how each kind of game reads.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "resources/words.h"

namespace quarlo {

// The file the window showed last; lives for the run (0: none yet, or no
// file any more).
struct HistoryViewState {
  int currentFile = 0;
};

// The file to show: the one chosen last time while it is still valid,
// otherwise the last valid file; 0 when there is none.
int ChooseHistoryFile(const std::vector<int>& validFiles, int remembered);

// The file list is 180 pixels wide for up to 16 files, 193 (room for a
// scroll bar) for more.
int HistoryListWidth(std::size_t fileCount);

struct HistoryKindLook {
  WordId text;           // "Local", "Net", "Account", "Tourney"
  std::uint32_t colour;  // 0x00BBGGRR; kWindowTextColour for local games
};
inline constexpr std::uint32_t kWindowTextColour = 0xFF000000;

// The Type cell and row colour for a kind marker; an unknown marker reads as
// a local game.
HistoryKindLook HistoryKind(char marker);

}  // namespace quarlo
