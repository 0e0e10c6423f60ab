// The general score window: the current player's game numbers, scores and
// ratings, as the records layer computes them (TCount).
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>
#include <string>

#include "records/club_record.h"
#include "records/settings.h"
#include "table/themed_button.h"

namespace quarlo {

enum class ScoreMode { kLocal, kRated, kTournament, kLan };

struct GeneralScoreInput {
  std::string playerName;  // Windows-1251
  TCount values;
  ScoreMode mode = ScoreMode::kLocal;
  int accountState = 1;  // 1 no account, 2 signed in, 3 playing for the global rating
};

// The emblem pictures of a mode, first the still one, then the animated one
// (empty when the mode has only one).
std::array<const char*, 2> ScoreEmblems(ScoreMode mode);
// "LampR24", "LampY24" or "LampG24" for account states 1, 2, 3.
const char* AccountLampPicture(int accountState);

class GeneralScoreWindow : public QDialog {
  Q_OBJECT
 public:
  GeneralScoreWindow(const GeneralScoreInput& input, const Settings& settings, QWidget* parent = nullptr);

  // The seven values in TCount order.
  QLabel* Value(int index) const { return values_[static_cast<std::size_t>(index)]; }
  ThemedButton* OkButton() const { return ok_; }

 private:
  std::array<QLabel*, 7> values_{};
  ThemedButton* ok_ = nullptr;
};

}  // namespace quarlo
