// The main menu: the club list as buttons, the best cycles, the header row,
// the top ten, options, history, mode, new player and exit buttons, caption
// pictures, two GIF animations, candlesticks with flickering flames and the
// side icons.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QWidget>
#include <array>
#include <filesystem>

#include "records/settings.h"
#include "table/layout.h"
#include "table/themed_button.h"

namespace quarlo {

// Flame frame for each of the six flame places at a flame phase 0..5.
int FlameFrame(int phase, int place);

// The statistics clock's item for a minute of the hour: 1..7, a new one
// every minute.
inline int StatisticsClockItem(int minute) { return minute % 7 + 1; }

class MenuScreen : public QWidget {
  Q_OBJECT
 public:
  explicit MenuScreen(QWidget* parent = nullptr);

  // Lays the menu out for the settings and fills the club list from the
  // club file in use.
  void Show(const Settings& settings, const Scale& scale, const std::filesystem::path& clubFile);
  void Tick();
  // The member line shown on a button (for the empty-slot test).
  const std::string& MemberLine(int seat) const { return memberLines_[static_cast<std::size_t>(seat)]; }
  ThemedButton* MemberButton(int seat) { return members_[static_cast<std::size_t>(seat)]; }
  ThemedButton* NewPlayerButton() { return newPlayer_; }

 signals:
  void MemberChosen(int seat);  // 1..5, 6 for a new player
  void TopTenClicked();
  void OptionsClicked();
  void HistoryClicked();
  void ModeClicked();
  void ExitClicked();
  // A side icon; `title` names the service it stands for.
  void IconClicked(const QString& name, const QString& title);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  ThemedButton* MakeButton(ColorScheme scheme, std::uint32_t text);
  void PlaceIcons();
  void PaintClocks(QPainter& p);

  Settings settings_;
  Scale scale_;
  std::array<ThemedButton*, 6> members_{};
  ThemedButton* newPlayer_;
  ThemedButton* topTen_;
  ThemedButton* options_;
  ThemedButton* exit_;
  ThemedButton* mode_;
  ThemedButton* history_;
  std::array<ThemedButton*, 5> panels_{};
  QLabel* gif1_;
  QLabel* gif2_;
  QMovie* movie1_ = nullptr;
  QMovie* movie2_ = nullptr;
  struct Icon {
    QLabel* label;
    QString name;
    QString title;
  };
  std::vector<Icon> icons_;
  std::array<std::string, 6> memberLines_{};
  QImage background_, title_, caption_, elite_, candle_;
  std::array<QImage, 6> flames_;
  bool clocks_ = false;
  QRect clock1_, clock2_;
  QLabel* clock2Hint_ = nullptr;
  int flamePhase_ = 0;
  QRect titleRect_, captionRect_, eliteRect_, candleLeft_, candleRight_;
};

}  // namespace quarlo
