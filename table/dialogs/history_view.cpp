#include "table/dialogs/history_view.h"

#include <algorithm>

namespace quarlo {

int ChooseHistoryFile(const std::vector<int>& validFiles, int remembered) {
  if (validFiles.empty()) return 0;
  if (remembered != 0 && std::find(validFiles.begin(), validFiles.end(), remembered) != validFiles.end()) {
    return remembered;
  }
  return validFiles.back();
}

int HistoryListWidth(std::size_t fileCount) { return fileCount <= 16 ? 180 : 193; }

HistoryKindLook HistoryKind(char marker) {
  switch (marker) {
    case 'N': return {WordId::KindNet, 0x008000};      // green
    case 'A': return {WordId::KindAccount, 0x0000FF};  // red
    case 'T': return {WordId::KindTourney, 0xFF0000};  // blue
    default: return {WordId::KindLocal, kWindowTextColour};
  }
}

}  // namespace quarlo
