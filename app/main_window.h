// The main window: three screens in turn (intro, main menu, game table),
// the 20 ms timer that animates them, the popup menu, the settings and the
// club and history records around a game.
#pragma once

#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "engine/game.h"
#include "records/club_file.h"
#include "records/club_record.h"
#include "records/settings.h"
#include "resources/words.h"
#include "table/dialogs/history_view.h"
#include "table/dialogs/welcome_checks.h"
#include "table/game_table.h"
#include "table/intro_screen.h"
#include "table/menu_screen.h"

namespace quarlo {

class MainWindow : public QWidget, public GameRecords {
  Q_OBJECT
 public:
  explicit MainWindow(const std::filesystem::path& programDir, QWidget* parent = nullptr);

  enum class Screen { Intro, Menu, Table };
  Screen CurrentScreen() const { return screen_; }
  GameTable* Table() { return table_; }
  MenuScreen* Menu() { return menu_; }
  IntroScreen* Intro() { return intro_; }
  const Settings& CurrentSettings() const { return settings_; }
  // Start-up: settings, club checks, intro. False when the program must end.
  bool StartUp();
  void LeaveIntro();
  // The popup item "Quit": leave a running game for the menu (asks first).
  void LeaveGameToMenu();
  // Answers for the confirmation boxes; tests replace the question.
  std::function<bool(const QString& text)> confirm;
  // Runs the welcome dialog; tests replace it. Nothing on cancel.
  std::function<std::optional<WelcomeResult>(const WelcomeInput& input)> welcome;

  void RecordFinishedGame(const FinishedGame& game) override;

 protected:
  void resizeEvent(QResizeEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void contextMenuEvent(QContextMenuEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;

 private:
  void ShowMainMenu();
  void ChoosePlayer(int seat);
  void StartGame(const ClubPlayer& player);
  void Timer1Tick();
  void ApplyWindowSize();
  TableLook Look() const;
  QString W(WordId id) const;
  bool Ask(const QString& text);
  void Inform(const QString& text);
  void Notice(const QString& line1, const QString& line2 = {}, const QString& line3 = {});
  void PlayCue(const QString& name);
  std::optional<WelcomeResult> DefaultWelcome(const WelcomeInput& input);
  void ShowHelp();
  void OpenTrumpDialog(Suit turned);
  void ShowHistory();
  void ShowGeneralScore();
  void RenamePlayer();
  std::filesystem::path ClubFile() const;

  std::filesystem::path programDir_;
  Settings settings_;
  Screen screen_ = Screen::Intro;
  IntroScreen* intro_;
  MenuScreen* menu_;
  GameTable* table_;
  QTimer timer1_;
  QMenu* popup_;
  QAction* quit_;
  QAction* genCount_;
  QAction* changeName_;
  ClubPlayer player_;
  HistoryViewState historyState_;
  bool clubWritable_ = true;
  bool closing_ = false;
  bool startedUp_ = false;
};

}  // namespace quarlo
