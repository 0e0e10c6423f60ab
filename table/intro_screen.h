// The intro: two raised panels, the title letters in rotating colours, the
// release date, credit and version lines, and four pictures that walk
// clockwise round a rectangle.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

namespace quarlo {

// Pure state of the intro animation, so that its rules can be checked.
struct IntroState {
  std::array<QPoint, 4> pictures{QPoint(155, 68), QPoint(550, 68), QPoint(155, 362), QPoint(550, 362)};
  std::array<unsigned, 10> colours{0x800080, 0xFFFF00, 0x4080FF, 0x800000, 0x0000FF,
                                   0x008000, 0x00FFFF, 0xFF0000, 0x000080, 0x00FF00};
  int ticks = 0;

  void Tick();  // rotates the colours every tenth tick and moves the pictures
};

// x of each title letter: offsets for wide letters, "Q", "I" and "-".
std::vector<int> TitleLetterPositions(const QString& title);

// One step clockwise round the rectangle (155, 68)-(550, 362).
QPoint NextIntroPosition(QPoint p);

class IntroScreen : public QWidget {
  Q_OBJECT
 public:
  explicit IntroScreen(QWidget* parent = nullptr);
  void Start(int language);
  void Tick();

 signals:
  void Left();  // a click or any key

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;

 private:
  QImage base_;
  IntroState state_;
  QString title_;
  std::array<QImage, 4> pictures_;
};

// The raised panel with a sunken inner border, also used by other windows.
void DrawPanel(QPainter& p, int x1, int y1, int x2, int y2);

}  // namespace quarlo
