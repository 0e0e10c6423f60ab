#include "table/intro_screen.h"

#include <QKeyEvent>
#include <QPainter>

#include "resources/pictures/pictures.h"
#include "resources/words.h"
#include "table/design_font.h"
#include "table/paint_helpers.h"
#include "table/win_color.h"

namespace quarlo {

void DrawPanel(QPainter& p, int x1, int y1, int x2, int y2) {
  p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), WinColor(0xC0C0C0));
  auto outline = [&](int inset, QColor topLeft, QColor bottomRight) {
    const int a = x1 + inset, b = y1 + inset, c = x2 - inset, d = y2 - inset;
    p.setPen(topLeft);
    p.drawLine(a, b, c, b);
    p.drawLine(a, b, a, d);
    p.setPen(bottomRight);
    p.drawLine(a, d, c, d);
    p.drawLine(c, b, c, d);
  };
  outline(0, Qt::white, Qt::black);
  outline(1, Qt::white, Qt::black);
  outline(5, Qt::black, Qt::white);
  outline(6, Qt::black, Qt::white);
}

QPoint NextIntroPosition(QPoint p) {
  const int left = 155, top = 68, right = 550, bottom = 362;
  if (p.y() == top && p.x() < right) return {p.x() + 1, p.y()};
  if (p.x() == right && p.y() < bottom) return {p.x(), p.y() + 1};
  if (p.y() == bottom && p.x() > left) return {p.x() - 1, p.y()};
  if (p.x() == left && p.y() > top) return {p.x(), p.y() - 1};
  return p;
}

void IntroState::Tick() {
  if (ticks == 10) {
    const unsigned last = colours[9];
    for (int k = 9; k > 0; --k) colours[static_cast<std::size_t>(k)] = colours[static_cast<std::size_t>(k) - 1];
    colours[0] = last;
    ticks = 0;
  }
  ++ticks;
  for (QPoint& p : pictures) p = NextIntroPosition(p);
}

std::vector<int> TitleLetterPositions(const QString& title) {
  const int n = std::min<int>(static_cast<int>(title.size()), 10);
  int start = 368 - 13 * (n - 1);
  std::vector<int> offset(static_cast<std::size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    const QChar c = title[i];
    auto later = [&](int d) {
      for (int j = i + 1; j < n; ++j) offset[static_cast<std::size_t>(j)] += d;
    };
    if (c == 'W' || c == 'M' || c == QChar(0x041C) || c == QChar(0x0416) || c == QChar(0x042E)) {
      later(8);
      start -= 5;
    } else if (c == 'Q') {
      later(6);
      start -= 4;
    } else if (c == 'I' || c == QChar(0x00CD)) {
      later(-12);
      start += 6;
      offset[static_cast<std::size_t>(i)] += 3;
    } else if (c == '-') {
      later(-10);
      start += 6;
      offset[static_cast<std::size_t>(i)] += 3;
    }
  }
  std::vector<int> xs;
  for (int i = 0; i < n; ++i) xs.push_back(start + 26 * i + offset[static_cast<std::size_t>(i)]);
  return xs;
}

IntroScreen::IntroScreen(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void IntroScreen::Start(int language) {
  const LanguageIndex lang = ValidLanguage(language);
  title_ = Utf8(TitleTable(1, lang));
  base_ = QImage(760, 500, QImage::Format_RGB32);
  base_.fill(Qt::black);
  QPainter p(&base_);
  DrawPanel(p, 130, 50, 630, 450);
  DrawPanel(p, 230, 150, 530, 350);
  p.setFont(DesignFont("Comic Sans MS", 24, false));
  p.setPen(WinColor(0x0000FF));
  DrawCentredText(p, Utf8(Word(WordId::ReleaseDate, lang)), 230, 530, 240);
  p.setPen(WinColor(0xFF0000));
  DrawCentredText(p, Utf8(Word(WordId::Credits, lang)), 230, 530, 265);
  p.setPen(WinColor(0x646400));
  DrawCentredText(p, "V 5.7f", 230, 530, 315);
  const QImage logo = BuiltInPicture("Logo");
  // The two logos frame the credit line, so they stay small.
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(250, 270, 32, 32), logo);
  p.drawImage(QRect(445, 270, 32, 32), logo);
  for (int k = 0; k < 4; ++k) pictures_[static_cast<std::size_t>(k)] = BuiltInPicture(QString("Intro%1").arg(k + 1));
  state_ = IntroState{};
  update();
}

void IntroScreen::Tick() {
  state_.Tick();
  update();
}

void IntroScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  // The intro is drawn at 760 x 500 and centred in a larger window.
  const QPoint o((width() - 760) / 2, (height() - 500) / 2);
  p.drawImage(o, base_);
  p.setFont(DesignFont("Arial", 44, true));
  const std::vector<int> xs = TitleLetterPositions(title_);
  const QFontMetrics fm(p.font());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    p.setPen(WinColor(state_.colours[i]));
    p.drawText(o.x() + xs[i], o.y() + 175 + fm.ascent(), QString(title_[static_cast<int>(i)]));
  }
  for (std::size_t k = 0; k < 4; ++k) p.drawImage(o + state_.pictures[k], pictures_[k]);
}

void IntroScreen::mouseReleaseEvent(QMouseEvent*) { emit Left(); }
void IntroScreen::keyReleaseEvent(QKeyEvent*) { emit Left(); }

}  // namespace quarlo
