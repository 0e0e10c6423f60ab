#include "table/themed_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "table/win_color.h"

namespace quarlo {

namespace {

// The red capsule's rows at the three standard heights: a dark line, a gloss
// band fading down, a dark seam, a red brightening towards the bottom, and a
// dark last line.
constexpr std::uint32_t kRows30[] = {
    0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7, 0x9191CF, 0x8888C8, 0x7F7FC2, 0x7575BC,
    0x6C6CB8, 0x6363B4, 0x5959B2, 0x5050B0, 0x242498, 0x000088, 0x000090, 0x000099, 0x0000A1, 0x0000AA,
    0x0000B2, 0x0000BB, 0x0000C3, 0x0000CC, 0x0000D4, 0x0000DD, 0x0000E5, 0x0000EE, 0x000080};
constexpr std::uint32_t kRows45[] = {
    0x000080, 0x00000B, 0x5D5D84, 0xB4B4EF, 0xAFAFE9, 0xA9A9E3, 0xA2A2DD, 0x9C9CD7, 0x9696D2, 0x9090CE, 0x8B8BC9,
    0x8585C4, 0x7F7FC1, 0x7979BD, 0x7373BA, 0x6D6DB7, 0x6767B5, 0x6161B2, 0x5B5BB2, 0x5555B0, 0x4F4FB0, 0x4A4AAF,
    0x222299, 0x000088, 0x00008D, 0x000093, 0x000099, 0x00009E, 0x0000A4, 0x0000AA, 0x0000AF, 0x0000B5, 0x0000BB,
    0x0000C0, 0x0000C6, 0x0000CC, 0x0000D1, 0x0000D7, 0x0000DD, 0x0000E3, 0x0000E8, 0x0000EE, 0x0000F4, 0x000080};
constexpr std::uint32_t kRows60[] = {
    0x000080, 0x000009, 0x5E5E83, 0xB7B7F3, 0xB2B2ED, 0xAEAEE8, 0xA9A9E4, 0xA5A5E0, 0x9F9FDB, 0x9C9CD6, 0x9797D2,
    0x9393CE, 0x8E8ECA, 0x8A8AC7, 0x8686C4, 0x8181C1, 0x7D7DBE, 0x7878BD, 0x7474B9, 0x6F6FB7, 0x6B6BB5, 0x6666B4,
    0x6161B1, 0x5D5DB0, 0x5959AF, 0x5454AE, 0x5050AD, 0x4B4BAC, 0x4747AC, 0x212196, 0x000084, 0x000088, 0x00008C,
    0x000090, 0x000094, 0x000099, 0x00009D, 0x0000A1, 0x0000A5, 0x0000AA, 0x0000AE, 0x0000B2, 0x0000B6, 0x0000BB,
    0x0000BF, 0x0000C3, 0x0000C8, 0x0000CC, 0x0000D0, 0x0000D4, 0x0000D9, 0x0000DD, 0x0000E1, 0x0000E5, 0x0000EA,
    0x0000EE, 0x0000F2, 0x0000F6, 0x000080};

int R(std::uint32_t c) { return static_cast<int>(c & 0xFF); }
int G(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
int B(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
std::uint32_t Bgr(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
  return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

// Focus ring colour by scheme.
std::uint32_t RingColour(ColorScheme s) {
  switch (s) {
    case ColorScheme::DRed:
    case ColorScheme::DYellow: return 0xC8C8FF;
    case ColorScheme::DGreen: return 0xFFC8C8;
    case ColorScheme::DBlue:
    case ColorScheme::DNavy: return 0xC8FFC8;
    case ColorScheme::DViolet: return 0xC8FFFF;
    case ColorScheme::DOrang: return 0x4080FF;
    case ColorScheme::DCards: return 0x32AFC8;
  }
  return 0xC8C8FF;
}

}  // namespace

std::uint32_t RecolourScheme(std::uint32_t colour, ColorScheme scheme, int light) {
  int r = R(colour), g = G(colour), b = B(colour);
  int nr = r, ng = g, nb = b;
  switch (scheme) {
    case ColorScheme::DRed: break;
    case ColorScheme::DGreen: nr = g; ng = r; nb = b; break;
    case ColorScheme::DBlue: nr = b; ng = r; nb = r; break;
    case ColorScheme::DNavy: nr = b; ng = g; nb = r; break;
    case ColorScheme::DYellow: nr = r; ng = r; nb = b; break;
    case ColorScheme::DViolet: nr = r; ng = g; nb = r; break;
    case ColorScheme::DOrang:
      if (g < r && b < r) {
        nb = Round(0.7 * b);
        ng = nb + Round(0.4 * std::abs(r - nb));
      }
      break;
    case ColorScheme::DCards: nr = Round(0.7 * r); ng = 0; nb = r; break;
  }
  if (light != 0) {
    auto lift = [light](int x) { return Round(light / 100.0 * (255 - x) + x); };
    nr = lift(nr);
    ng = lift(ng);
    nb = lift(nb);
  }
  return Bgr(nr, ng, nb);
}

std::vector<std::uint32_t> CapsuleRows(int height) {
  const std::uint32_t* table = kRows30;
  int rows = 29;
  if (height > 30) {
    table = kRows45;
    rows = 44;
  }
  if (height > 45) {
    table = kRows60;
    rows = 59;
  }
  const int n = std::max(height - 1, 1);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const int src = n == rows ? i : std::min(rows - 1, static_cast<int>(std::lround(i * (rows - 1.0) / std::max(n - 1, 1))));
    out[static_cast<std::size_t>(i)] = table[src];
  }
  return out;
}

ThemedButton::ThemedButton(QWidget* parent) : QPushButton(parent) {
  resize(100, 30);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setCursor(Qt::PointingHandCursor);
}

ThemedButton::ThemedButton(const QString& text, QWidget* parent) : ThemedButton(parent) { setText(text); }

void ThemedButton::SetScheme(ColorScheme scheme) {
  if (scheme_ == scheme) return;
  scheme_ = scheme;
  update();
}
void ThemedButton::SetLight(int percent) {
  if (light_ == percent) return;
  light_ = percent;
  update();
}
void ThemedButton::SetTextColor(std::uint32_t bgr) {
  textColor_ = bgr;
  update();
}
void ThemedButton::SetMouseColor(std::uint32_t bgr) {
  mouseColor_ = bgr;
  lightFont_ = true;
  update();
}
void ThemedButton::SetGrayDisabled(bool on) {
  grayDis_ = on;
  update();
}
void ThemedButton::SetNewLook(bool on) {
  newLook_ = on;
  update();
}
void ThemedButton::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  update();
}
void ThemedButton::SetLabelStyle(bool on) {
  label_ = on;
  setFocusPolicy(on ? Qt::NoFocus : Qt::StrongFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents, on);
  setCursor(on ? Qt::ArrowCursor : Qt::PointingHandCursor);
  update();
}

void ThemedButton::enterEvent(QEnterEvent* e) {
  mouseIn_ = true;
  update();
  QPushButton::enterEvent(e);
}

void ThemedButton::leaveEvent(QEvent* e) {
  mouseIn_ = false;
  update();
  QPushButton::leaveEvent(e);
}

void ThemedButton::keyPressEvent(QKeyEvent* e) {
  // Enter presses a focused button too, not only Space.
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !label_ && isEnabled()) {
    click();
    return;
  }
  QPushButton::keyPressEvent(e);
}

void ThemedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  const int w = width();
  const int h = height();
  const bool pressed = isDown();
  const int shift = pressed ? 1 : 0;

  // The capsule: rows of the scheme's colours clipped to a rounded shape.
  QImage capsule(w, h, QImage::Format_ARGB32_Premultiplied);
  capsule.fill(Qt::transparent);
  {
    QPainter c(&capsule);
    const std::vector<std::uint32_t> rows = CapsuleRows(h);
    QPainterPath shape;
    const double radius = (h - 1) / 2.0;
    shape.addRoundedRect(QRectF(0, 0, w - 1, h - 1), radius, radius);
    c.setClipPath(shape);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      std::uint32_t colour = RecolourScheme(rows[static_cast<std::size_t>(i)], scheme_, light_);
      if (!isEnabled() && !label_) colour = RecolourScheme(colour, ColorScheme::DRed, 35);
      c.setPen(WinColor(colour));
      c.drawLine(0, i, w - 1, i);
    }
  }
  p.drawImage(shift, shift, capsule);

  int textLeft = 0;
  if (!glyph_.isNull()) {
    const int gx = h <= 30 ? 15 : h <= 45 ? 18 : 20;
    p.drawImage(gx + shift, Round((h - glyph_.height() - 1) / 2.0) + shift, glyph_);
    textLeft = gx + glyph_.width() + 8;
  }

  std::uint32_t colour = textColor_;
  if (lightFont_ && mouseIn_ && isEnabled()) colour = mouseColor_;
  if (!isEnabled() && grayDis_) colour = 0xC0C0C0;
  p.setPen(WinColor(colour));
  p.setFont(font());
  QRect textRect(textLeft + shift, (newLook_ ? -1 : 0) + shift, w - textLeft, h);
  const int align = (label_ ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  if (label_) textRect.adjust(h / 2, 0, 0, 0);
  p.drawText(textRect, align | Qt::TextSingleLine, text());

  if (hasFocus() && !label_) {
    if (newLook_) {
      const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
      const int x0 = h <= 30 ? 10 : h <= 45 ? 13 : 15;
      p.setPen(Qt::NoPen);
      p.setBrush(WinColor(0x00FFFF));
      const int y = Round(h / 2.0 - d / 2.0) + shift;
      p.drawEllipse(x0 + shift, y, d, d);
      p.drawEllipse(w - x0 - d + shift, y, d, d);
    } else {
      const int ix = h <= 30 ? 7 : h <= 45 ? 9 : 11;
      const int iy = h <= 30 ? 4 : h <= 45 ? 5 : 6;
      p.setPen(WinColor(RingColour(scheme_)));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(ix + shift, iy + shift, w - 2 * ix - 1, h - 2 * iy - 1), ix, ix);
    }
  }
}

}  // namespace quarlo
