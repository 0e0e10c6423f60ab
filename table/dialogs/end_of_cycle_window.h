// The window that closes a cycle of 20 games: the result, the place and a
// medal for the top ten. The caller plays Content().cue while sound is on.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

#include "records/settings.h"
#include "table/dialogs/end_of_cycle.h"
#include "table/themed_button.h"

namespace quarlo {

inline constexpr int kEndOfCycleWidth = 540;
inline constexpr int kEndOfCycleHeight = 520;

class EndOfCycleWindow : public QDialog {
  Q_OBJECT
 public:
  EndOfCycleWindow(int place, int cycleScore, CycleMode mode, const Settings& settings, QWidget* parent = nullptr);

  const EndOfCycleContent& Content() const { return content_; }
  QLabel* Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
  ThemedButton* OkButton() const { return ok_; }

 private:
  EndOfCycleContent content_;
  std::array<QLabel*, 4> lines_{};
  ThemedButton* ok_ = nullptr;
};

}  // namespace quarlo
