#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "records/cp1251.h"
#include "table/dialogs/end_of_cycle_window.h"
#include "table/dialogs/general_score_window.h"
#include "table/dialogs/history_window.h"
#include "table/dialogs/notice_window.h"
#include "table/dialogs/trump_dialog.h"
#include "table/dialogs/welcome_dialog.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "resources/words.h"
#include "table/cursors.h"
#include "table/paint_helpers.h"

namespace quarlo {

MainWindow::MainWindow(const std::filesystem::path& programDir, QWidget* parent)
    : QWidget(parent), programDir_(programDir) {
  setWindowTitle(Utf8(TitleTable(0, kEnglish)));
  resize(760, 500);
  intro_ = new IntroScreen(this);
  menu_ = new MenuScreen(this);
  table_ = new GameTable(this);
  menu_->hide();
  table_->hide();

  popup_ = new QMenu(this);
  quit_ = popup_->addAction(QString(), this, &MainWindow::LeaveGameToMenu);
  genCount_ = popup_->addAction(QString(), this, &MainWindow::ShowGeneralScore);
  changeName_ = popup_->addAction(QString(), this, &MainWindow::RenamePlayer);
  popup_->addSeparator();
  popup_->addAction(QString(), this, &MainWindow::ShowHelp)->setObjectName("Help");
  for (QAction* a : {quit_, genCount_, changeName_}) a->setEnabled(false);

  connect(intro_, &IntroScreen::Left, this, &MainWindow::LeaveIntro);
  connect(menu_, &MenuScreen::MemberChosen, this, &MainWindow::ChoosePlayer);
  connect(menu_, &MenuScreen::ExitClicked, this, &QWidget::close);
  connect(menu_, &MenuScreen::HistoryClicked, this, &MainWindow::ShowHistory);
  connect(menu_, &MenuScreen::ModeClicked, this, [this] {
    settings_.clubListMode = settings_.clubListMode == 1 ? 2 : 1;
    ShowMainMenu();
  });
  auto unavailable = [this](const QString& title) {
    PlayCue("WOpenFo");
    Notice(title, W(WordId::NoConnect));
  };
  connect(menu_, &MenuScreen::TopTenClicked, this, [this, unavailable] { unavailable(W(WordId::TopTen)); });
  connect(menu_, &MenuScreen::OptionsClicked, this, [this, unavailable] { unavailable(W(WordId::Options)); });
  connect(menu_, &MenuScreen::IconClicked, this, [unavailable](const QString&, const QString& title) { unavailable(title); });

  connect(table_, &GameTable::ReturnToMenuRequested, this, [this](int) { ShowMainMenu(); });
  connect(table_, &GameTable::TrumpDialogRequested, this, [this](Suit turned) { OpenTrumpDialog(turned); });

  welcome = [this](const WelcomeInput& input) { return DefaultWelcome(input); };
  confirm = [this](const QString& text) {
    return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };

  timer1_.setInterval(20);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::Timer1Tick);
}

std::filesystem::path MainWindow::ClubFile() const { return ClubFilePath(programDir_, settings_.multiplayerMode); }

QString MainWindow::W(WordId id) const { return Utf8(Word(id, ValidLanguage(settings_.languageIndex))); }

bool MainWindow::StartUp() {
  settings_ = LoadSettings(programDir_).settings;
  setCursor(DesignCursor(CursorKind::Arrow, settings_.ownCursorOn));

  // Both club files must be in order, or the program ends here. A file
  // whose start-language flag is set starts the run in Russian.
  for (const bool net : {false, true}) {
    const std::filesystem::path path = ClubFilePath(programDir_, net);
    const ClubCheck check = CheckClubFile(path);
    if (!check.ok()) {
      QMessageBox::critical(this, windowTitle(), Cp1251Text(ClubCheckMessage(check, path)));
      return false;
    }
    if (check.startInRussian) settings_.languageIndex = kRussian;
    if (!net) clubWritable_ = check.writable;
    if (!check.writable) Inform(Cp1251Text(ClubAttributesMessage(path)));
  }

  setWindowTitle(Utf8(TitleTable(0, ValidLanguage(settings_.languageIndex))));
  quit_->setText(W(WordId::ExitToMenu));
  genCount_->setText(W(WordId::GeneralScore));
  changeName_->setText(W(WordId::ChangeName));
  for (QAction* a : popup_->actions())
    if (a->objectName() == "Help") a->setText(W(WordId::Help));
  intro_->Start(settings_.languageIndex);
  intro_->setFocus();
  screen_ = Screen::Intro;
  timer1_.start();
  startedUp_ = true;
  return true;
}

void MainWindow::resizeEvent(QResizeEvent*) {
  for (QWidget* w : {static_cast<QWidget*>(intro_), static_cast<QWidget*>(menu_), static_cast<QWidget*>(table_)})
    w->setGeometry(rect());
  // In full screen the layout follows the client area the window got.
  if (settings_.windowSizeMode == 2) {
    const TableLook look = Look();
    if (screen_ == Screen::Menu)
      menu_->Show(settings_, ScaleForMode(2, look.fullWidth, look.fullHeight), ClubFile());
    else if (screen_ == Screen::Table)
      table_->SetLook(look);
  }
}

TableLook MainWindow::Look() const {
  TableLook look;
  look.windowMode = settings_.windowSizeMode;
  if (const QScreen* s = screen()) {
    look.fullWidth = s->availableGeometry().width();
    look.fullHeight = s->availableGeometry().height();
  }
  // Full screen draws into the client area the window really has.
  if (look.windowMode == 2 && screen_ != Screen::Intro && width() > 1 && height() > 1) {
    look.fullWidth = width();
    look.fullHeight = height();
  }
  look.language = settings_.languageIndex;
  look.back = ChooseCurrentBack(QDate::currentDate().dayOfWeek(), settings_.alwaysOneDeck);
  look.fontDecor = settings_.fontDecor;
  look.fontSerif = settings_.fontSerif;
  look.scaleDecor = settings_.scaleDecor;
  look.scaleSerif = settings_.scaleSerif;
  look.ownCursor = settings_.ownCursorOn;
  return look;
}

void MainWindow::ApplyWindowSize() {
  const TableLook look = Look();
  const Scale s = ScaleForMode(look.windowMode, look.fullWidth, look.fullHeight);
  if (look.windowMode == 2) {
    // Fill the screen's available area; a window manager may then adjust it.
    if (const QScreen* scr = screen()) setGeometry(scr->availableGeometry());
    showMaximized();
  } else {
    if (isMaximized()) showNormal();
    resize(s.clientWidth, s.clientHeight);
    if (const QScreen* scr = screen()) {
      const QRect g = scr->availableGeometry();
      move(g.left() + RoundEven((g.width() - frameGeometry().width()) / 2.0),
           g.top() + RoundEven((g.height() - frameGeometry().height()) / 2.0));
    }
  }
}

void MainWindow::Timer1Tick() {
  if (screen_ == Screen::Intro) intro_->Tick();
  if (screen_ == Screen::Menu) menu_->Tick();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
  if (screen_ == Screen::Intro) {
    LeaveIntro();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void MainWindow::LeaveIntro() {
  if (screen_ != Screen::Intro) return;
  timer1_.stop();
  intro_->hide();
  ApplyWindowSize();
  ShowMainMenu();
  timer1_.start();
}

void MainWindow::ShowMainMenu() {
  table_->hide();
  table_->AbandonGame();
  for (QAction* a : {quit_, genCount_, changeName_}) a->setEnabled(false);
  const TableLook look = Look();
  menu_->Show(settings_, ScaleForMode(look.windowMode, look.fullWidth, look.fullHeight), ClubFile());
  menu_->show();
  menu_->NewPlayerButton()->setFocus();  // the keyboard starts on "New Player"
  screen_ = Screen::Menu;
  if (!timer1_.isActive()) timer1_.start();
}

void MainWindow::PlayCue(const QString&) {
  // Sound comes with the audio layer; the cue names are already in place.
}

bool MainWindow::Ask(const QString& text) { return confirm(text); }

void MainWindow::Inform(const QString& text) { QMessageBox::information(this, windowTitle(), text); }

void MainWindow::Notice(const QString& line1, const QString& line2, const QString& line3) {
  ShowNotice(this, settings_, line1, line2, line3);
}

std::optional<WelcomeResult> MainWindow::DefaultWelcome(const WelcomeInput& input) {
  WelcomeDialog dialog(input, settings_, this);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Result();
}

void MainWindow::ChoosePlayer(int seat) {
  WelcomeInput input;
  input.seat = seat;
  if (IsMemberSeat(seat)) {
    input.memberLine = menu_->MemberLine(seat);
    if (input.memberLine.size() < 33 || input.memberLine[32] == '#') return;  // an empty slot
  }
  PlayCue("WOpenFo");
  const std::optional<WelcomeResult> answer = welcome(input);
  if (!answer) return;
  ClubPlayer player;
  if (IsMemberSeat(seat)) {
    auto loaded = LoadMember(ClubFile(), seat);
    if (!loaded.ok()) {
      Inform(Cp1251Text(loaded.error()));
      return;
    }
    player = loaded.value();
  } else {
    player = NewClubPlayer(answer->nick, answer->password);
  }
  StartGame(player);
}

void MainWindow::StartGame(const ClubPlayer& player) {
  player_ = player;
  menu_->hide();
  table_->SetLook(Look());
  table_->show();
  screen_ = Screen::Table;
  for (QAction* a : {quit_, genCount_, changeName_}) a->setEnabled(true);
  GameSetup setup;
  setup.playerName = Cp1251Text(player.name).trimmed().toStdString();
  setup.gamesPlayed = player.gamesPlayed;
  setup.cycleTotal = player.initialScore;
  setup.showCardsAtEnd = settings_.showCardsAtEnd;
  table_->GamePacing().cardSpeed = settings_.cardSpeed;
  table_->GamePacing().flyCards = settings_.flyCardsOn;
  table_->StartGame(setup, this);
}

void MainWindow::RecordFinishedGame(const FinishedGame& game) {
  table_->View()->ShowWaitBanner(true);
  const double rating = NewRating(player_.gamesPlayed, player_.initialRating, game.result);
  HisStr entry;
  entry.hName = player_.name;
  entry.hKon = 1;
  entry.hRes = game.result;
  entry.hRei = rating;
  entry.ac = GameKind::kLocal;
  if (auto written = AppendHistoryEntries(programDir_, {entry}, HistoryStampNow()); !written.ok())
    Inform(Cp1251Text(written.error()));
  auto recorded = RecordGameResult(ClubFile(), player_, game.result, clubWritable_);
  table_->View()->ShowWaitBanner(false);
  if (!recorded.ok()) Inform(Cp1251Text(recorded.error()));
  if (recorded.ok()) {
    // The next game of this player goes on from the stored values.
    player_.gamesPlayed += 1;
    player_.initialRating = recorded.value().newRating;
    player_.initialScore = recorded.value().cycleComplete ? 0 : recorded.value().cycleScore;
  }
  if (game.cycleComplete && recorded.ok()) {
    const GameRecordOutcome& o = recorded.value();
    EndOfCycleWindow window(o.place, o.cycleScore, CycleMode::kLocal, settings_, this);
    PlayCue(QString::fromStdString(window.Content().cue));
    window.exec();
  }
}

void MainWindow::LeaveGameToMenu() {
  if (screen_ != Screen::Table) return;
  PlayCue("WOpenFo");
  if (!Ask(W(WordId::LeaveToMenuQuestion) + "\n" + W(WordId::AllDataLost))) return;
  if (table_->GameRunning()) {
    if (auto dropped = DropCurrentMember(ClubFile(), player_.seat, clubWritable_); !dropped.ok())
      Inform(Cp1251Text(dropped.error));
  }
  ShowMainMenu();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (screen_ == Screen::Table && table_->GameRunning()) {
    PlayCue("WOpenFo");
    if (!Ask(W(WordId::LeaveGameQuestion) + " " + W(WordId::AllDataLost))) {
      e->ignore();
      return;
    }
    if (auto dropped = DropCurrentMember(ClubFile(), player_.seat, clubWritable_); !dropped.ok())
      Inform(Cp1251Text(dropped.error));
  }
  if (startedUp_) {
    if (auto saved = SaveSettings(programDir_, settings_); !saved.ok()) Inform(Cp1251Text(saved.error));
  }
  timer1_.stop();
  e->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* e) {
  if (screen_ == Screen::Intro) return;
  popup_->exec(e->globalPos());
}

void MainWindow::ShowHelp() {
  PlayCue("WOpenFo");
  const std::filesystem::path help = programDir_ / "Quarlo2.html";
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

void MainWindow::OpenTrumpDialog(Suit turned) {
  auto* dialog = new TrumpDialog(turned, settings_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &TrumpDialog::Chosen, table_, &GameTable::AnswerTrump);
  dialog->open();
}

void MainWindow::ShowHistory() {
  PlayCue("WOpenFo");
  HistoryWindow window(programDir_, settings_, historyState_, this);
  window.exec();
}

void MainWindow::ShowGeneralScore() {
  if (screen_ != Screen::Table || !table_->CurrentGame()) return;
  PlayCue("WOpenFo");
  GeneralScoreInput input;
  input.playerName = player_.name;
  input.values = LocalCountValues(player_, table_->CurrentGame()->State().scores[2]);
  GeneralScoreWindow window(input, settings_, this);
  window.exec();
}

void MainWindow::RenamePlayer() {
  if (screen_ != Screen::Table || !table_->GameRunning()) return;
  PlayCue("WOpenFo");
  WelcomeInput input;
  input.seat = kNewPlayerSeat;
  input.renaming = true;
  input.playerNick = player_.name;
  const std::optional<WelcomeResult> answer = welcome(input);
  if (!answer) return;
  auto slot = RenameMember(ClubFile(), player_, answer->nick, answer->password, clubWritable_);
  if (!slot.ok()) {
    Inform(Cp1251Text(slot.error()));
    return;
  }
  if (IsMemberSeat(player_.seat)) player_.seat = slot.value();
  player_.name = answer->nick;
  while (!player_.name.empty() && player_.name.back() == ' ') player_.name.pop_back();
  player_.password = answer->password;
  table_->Rename(Cp1251Text(player_.name).toStdString());
  Inform(W(WordId::NameChanged) + Cp1251Text(answer->nick));
}

}  // namespace quarlo
