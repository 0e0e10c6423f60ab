// The second-round suit choice: four suit buttons and "Pass". The turned
// card's suit cannot be chosen, and the window cannot be closed except by one
// of the five buttons. The answer arrives as a signal, so the table opens the
// dialog window-modal with open() and keeps its own event loop running
// (set Qt::WA_DeleteOnClose to have it freed once it closed). Tab moves
// between the buttons; Enter or Space presses the focused one.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <array>

#include "engine/cards.h"
#include "records/settings.h"
#include "table/themed_button.h"

namespace quarlo {

inline constexpr int kTrumpDialogWidth = 370;
inline constexpr int kTrumpDialogHeight = 150;
inline constexpr int kSuitGlyphSize = 40;

// The 40 x 40 glyph of a suit button: the red, blue or (disabled) yellow
// ground with the large suit symbol over it.
QImage SuitGlyph(Suit suit, bool enabled);

class TrumpDialog : public QDialog {
  Q_OBJECT
 public:
  // `turned` is the suit of the turned card (kNoSuit offers all four).
  TrumpDialog(Suit turned, const Settings& settings, QWidget* parent = nullptr);

  ThemedButton* SuitButton(Suit suit) const;
  ThemedButton* PassButton() const { return pass_; }
  bool Answered() const { return answered_; }

 signals:
  // The chosen suit, or kNoSuit for "Pass"; sent once, after the window closed.
  void Chosen(quarlo::Suit suit);

 public slots:
  void reject() override;  // Esc and the window's close: refused until answered

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void Answer(Suit suit);

  std::array<ThemedButton*, 4> suits_{};  // in SuitOrder
  ThemedButton* pass_ = nullptr;
  bool answered_ = false;
};

}  // namespace quarlo
