// The program's glossy capsule button in eight colour schemes, with a
// mouse-over text colour, a lightening level, a "new" look and a focus mark.
#pragma once

#include <QPushButton>
#include <cstdint>
#include <vector>

namespace quarlo {

enum class ColorScheme { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };

// Maps a colour of the red base scheme into `scheme`, then lightens every
// channel by `light` percent towards white. Colours are 0x00BBGGRR.
std::uint32_t RecolourScheme(std::uint32_t colour, ColorScheme scheme, int light);

// The row colours of the red base capsule for a button of height h
// (h - 1 rows, top first); heights other than 30, 45 and 60 are resampled
// from the nearest table.
std::vector<std::uint32_t> CapsuleRows(int height);

class ThemedButton : public QPushButton {
  Q_OBJECT
 public:
  explicit ThemedButton(QWidget* parent = nullptr);
  ThemedButton(const QString& text, QWidget* parent = nullptr);

  void SetScheme(ColorScheme scheme);
  ColorScheme Scheme() const { return scheme_; }
  void SetLight(int percent);
  void SetTextColor(std::uint32_t bgr);
  void SetMouseColor(std::uint32_t bgr);  // also turns the mouse-over colour on
  void SetGrayDisabled(bool on);
  void SetNewLook(bool on);
  void SetGlyph(const QImage& glyph);
  // A label-style button: never takes focus or clicks, draws left-aligned.
  void SetLabelStyle(bool on);

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  ColorScheme scheme_ = ColorScheme::DRed;
  int light_ = 0;
  std::uint32_t textColor_ = 0xFFFFFF;
  std::uint32_t mouseColor_ = 0;
  bool lightFont_ = false;
  bool grayDis_ = false;
  bool newLook_ = false;
  bool label_ = false;
  bool mouseIn_ = false;
  QImage glyph_;
};

}  // namespace quarlo
