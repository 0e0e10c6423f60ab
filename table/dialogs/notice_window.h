// The small "Attention" window: a warning icon, up to three lines and "Ok".
// The third line reads as a web link and opens in the browser when clicked.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>
#include <QUrl>
#include <array>
#include <optional>

#include "records/settings.h"
#include "table/themed_button.h"

namespace quarlo {

inline constexpr int kNoticeHeight = 90;
inline constexpr int kNoticeMinWidth = 400;

// Client width for the widest of the lines, measured in the regular weight:
// with w = widest + 59 the window is w + 50 wide when w >= 350, else 400.
int NoticeClientWidth(int widestLineWidth);

// Where a click on the link line goes: only web addresses are opened, so a
// message can never launch a local file or program.
std::optional<QUrl> NoticeLinkTarget(const QString& text);

class NoticeWindow : public QDialog {
  Q_OBJECT
 public:
  NoticeWindow(const Settings& settings, const QString& line1, const QString& line2, const QString& line3,
               QWidget* parent = nullptr);

  // The line's label, or nullptr for an empty line (index 0..2).
  QLabel* Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
  ThemedButton* OkButton() const { return ok_; }

 private:
  std::array<QLabel*, 3> lines_{};
  ThemedButton* ok_ = nullptr;
};

// Opens the notice window-modal over `parent` (application-modal without one)
// and returns at once; the window frees itself when it closes.
NoticeWindow* ShowNotice(QWidget* parent, const Settings& settings, const QString& line1, const QString& line2 = {},
                         const QString& line3 = {});

// "Can`t find the file" + " " + the file, as the only line.
NoticeWindow* ShowMissingFileNotice(QWidget* parent, const Settings& settings, const QString& file);

}  // namespace quarlo
