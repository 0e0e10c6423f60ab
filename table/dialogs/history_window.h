// The history window: the valid history files in a list and the games of
// the chosen one in a grid, coloured by the kind of game.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <filesystem>
#include <vector>

#include "records/settings.h"
#include "table/dialogs/history_view.h"
#include "table/themed_button.h"

namespace quarlo {

class HistoryWindow : public QDialog {
  Q_OBJECT
 public:
  // `state` remembers the chosen file between openings; the caller keeps it
  // for the run.
  HistoryWindow(const std::filesystem::path& programDir, const Settings& settings, HistoryViewState& state,
                QWidget* parent = nullptr);

  QListWidget* FileList() const { return list_; }
  QTableWidget* Grid() const { return grid_; }
  ThemedButton* OkButton() const { return ok_; }
  // The file numbers in list order.
  const std::vector<int>& Files() const { return files_; }

 private:
  void ShowFile(int number);

  std::filesystem::path programDir_;
  LanguageIndex language_;
  HistoryViewState& state_;
  std::vector<int> files_;
  QListWidget* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
  ThemedButton* ok_ = nullptr;
};

}  // namespace quarlo
