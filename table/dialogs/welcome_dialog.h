// The welcome window of a local game: name and password of a club member
// (seats 1..5) or a new player (seat 6), also used to rename the player
// during a game. The checks are welcome_checks.h; the caller writes the club
// file from the result. Opened with exec() or open(); with open(), set
// Qt::WA_DeleteOnClose so that it is freed when it closes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "records/settings.h"
#include "table/dialogs/welcome_checks.h"
#include "table/themed_button.h"

namespace quarlo {

inline constexpr int kWelcomeWidth = 440;
inline constexpr int kWelcomeHeight = 295;

class WelcomeDialog : public QDialog {
  Q_OBJECT
 public:
  // `settings.playerName` takes the typed name as soon as it passes its check.
  WelcomeDialog(const WelcomeInput& input, Settings& settings, QWidget* parent = nullptr);

  // The answer after the dialog was accepted.
  const std::optional<WelcomeResult>& Result() const { return result_; }

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* PasswordEdit() const { return password_; }
  QLineEdit* ConfirmEdit() const { return confirm_; }
  QLabel* MessageLabel() const { return message_; }
  ThemedButton* OkButton() const { return ok_; }
  ThemedButton* CancelButton() const { return cancel_; }

 signals:
  // Sent when "Ok" passed its checks, just before the window closes.
  void Confirmed(const quarlo::WelcomeResult& result);

 private:
  void TryConfirm();

  WelcomeInput input_;
  Settings& settings_;
  std::optional<WelcomeResult> result_;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* confirm_ = nullptr;
  QLabel* message_ = nullptr;
  ThemedButton* ok_ = nullptr;
  ThemedButton* cancel_ = nullptr;
};

}  // namespace quarlo
