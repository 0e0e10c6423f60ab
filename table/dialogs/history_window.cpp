#include "table/dialogs/history_window.h"

#include <QHeaderView>
#include <algorithm>
#include <array>

#include "records/history_file.h"
#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"
#include "table/win_color.h"

namespace quarlo {
namespace {

constexpr std::array<int, 7> kColumnWidths = {45, 65, 210, 45, 55, 55, 80};
constexpr std::array<WordId, 7> kColumnTitles = {WordId::Time,   WordId::Date,   WordId::Player, WordId::Games,
                                                 WordId::Result, WordId::Rating, WordId::Type};
constexpr int kPlayerColumn = 2;
constexpr int kHeaderHeight = 64;
constexpr int kMargin = 10;
constexpr int kGridHeight = 360;

int GridWidth() {
  int w = 0;
  for (int c : kColumnWidths) w += c;
  return w + 2 + 18;  // frame and a vertical scroll bar
}

QString FileLabel(int number, const std::string& modified, LanguageIndex language) {
  return WordText(WordId::HistoryFilePrefix, language) + QStringLiteral("I%1 ").arg(number, 4, 10, QLatin1Char('0')) +
         Cp1251Text(modified);
}

}  // namespace

HistoryWindow::HistoryWindow(const std::filesystem::path& programDir, const Settings& settings, HistoryViewState& state,
                             QWidget* parent)
    : QDialog(parent), programDir_(programDir), language_(settings.languageIndex), state_(state) {
  setWindowTitle(WordText(WordId::HistoryOfGames, language_));

  files_ = ValidHistoryFiles(programDir_);
  const int listWidth = HistoryListWidth(files_.size());
  const int width = kMargin + listWidth + kMargin + GridWidth() + kMargin;
  const int height = kHeaderHeight + kMargin + kGridHeight + kMargin;
  SetFixedClient(this, width, height);

  auto* header = new HeaderStrip(QStringLiteral("GCap550"), WordText(WordId::HistoryOfGames, language_).toUpper(),
                                 DesignFont(settings.fontSerif, ScaledFontHeight(36, settings.scaleSerif), true), this);
  header->setGeometry(0, 0, width, kHeaderHeight);

  const int top = kHeaderHeight + kMargin;
  list_ = new QListWidget(this);
  list_->setGeometry(kMargin, top, listWidth, kGridHeight - 40);
  list_->setFont(DesignFont(settings.fontSerif, ScaledFontHeight(14, settings.scaleSerif), false));
  ok_ = MakeDialogButton(this, Utf8(kOkCaption), settings, QRect(kMargin, top + kGridHeight - 30, listWidth, 30));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  grid_ = new QTableWidget(0, static_cast<int>(kColumnWidths.size()), this);
  grid_->setGeometry(kMargin + listWidth + kMargin, top, GridWidth(), kGridHeight);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { background-color: #800000; color: #FFFF00; font-weight: bold; "
                     "border: 1px solid #600000; }"));
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The columns are narrow by design: a small font keeps "hh:nn" and the date whole.
  grid_->setFont(DesignFont(settings.fontSerif, ScaledFontHeight(11, settings.scaleSerif), false));
  grid_->verticalHeader()->setDefaultSectionSize(18);
  for (std::size_t c = 0; c < kColumnWidths.size(); ++c) {
    grid_->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(WordText(kColumnTitles[c], language_)));
    grid_->setColumnWidth(static_cast<int>(c), kColumnWidths[c]);
  }

  if (files_.empty()) {
    auto* none = new QListWidgetItem(WordText(WordId::NoHistoryFiles, language_), list_);
    none->setFlags(Qt::NoItemFlags);
    state_.currentFile = 0;
    return;
  }
  for (int number : files_) {
    const HistoryCheck check = CheckHistoryFile(programDir_, number);
    new QListWidgetItem(FileLabel(number, check.modified, language_), list_);
  }
  const int chosen = ChooseHistoryFile(files_, state_.currentFile);
  const auto at = std::find(files_.begin(), files_.end(), chosen);
  list_->setCurrentRow(static_cast<int>(at - files_.begin()));
  ShowFile(chosen);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(files_.size())) ShowFile(files_[static_cast<std::size_t>(row)]);
  });
}

void HistoryWindow::ShowFile(int number) {
  state_.currentFile = number;
  grid_->setRowCount(0);
  const auto rows = ReadHistoryEntries(programDir_, number);
  if (!rows) return;  // changed on disk since the list was made: shown empty

  grid_->setRowCount(static_cast<int>(rows->size()));
  const QColor windowText = palette().color(QPalette::WindowText);
  for (std::size_t r = 0; r < rows->size(); ++r) {
    const HistoryRow& row = (*rows)[r];
    const HistoryKindLook kind = HistoryKind(row.kind);
    const QColor colour = kind.colour == kWindowTextColour ? windowText : WinColor(kind.colour);
    const std::array<QString, 7> cells = {Cp1251Text(row.time),          Cp1251Text(row.date),   Cp1251Text(row.player),
                                          Cp1251Text(row.games),         Cp1251Text(row.result), Cp1251Text(row.rating),
                                          WordText(kind.text, language_)};
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const bool player = static_cast<int>(c) == kPlayerColumn;
      // The fields are fixed-width; their padding would only push a centred
      // value off centre.
      auto* item = new QTableWidgetItem(player ? cells[c] : cells[c].trimmed());
      item->setTextAlignment(player ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
      item->setForeground(colour);
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  // A single game is not worth a highlight.
  const bool highlight = rows->size() > 1;
  grid_->setSelectionMode(highlight ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
  if (highlight) grid_->selectRow(0);
}

}  // namespace quarlo
