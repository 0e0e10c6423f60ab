// What the dialog windows share: texts from the word tables and the club and
// history files, the themed buttons of the grey window designs, the header
// strip with its title, and the fixed-size window frame.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "records/settings.h"
#include "resources/words.h"
#include "table/paint_helpers.h"
#include "table/themed_button.h"

namespace quarlo {

// The caption of the closing button of every small window; it reads the same
// in every language.
inline constexpr std::string_view kOkCaption = "Ok";

QString WordText(WordId id, LanguageIndex language);
// Typed text as Windows-1251 bytes for the records.
std::string ToCp1251(const QString& text);

// A built-in picture fitted into `size`; a null pixmap when there is none.
QPixmap FittedPicture(const QString& name, const QSize& size);

// A themed button of the grey designs: dark red, white text, the "new" look
// when the settings ask for it, the large font at `pixelHeight`.
ThemedButton* MakeDialogButton(QWidget* parent, const QString& text, const Settings& settings, const QRect& geometry,
                               int pixelHeight = 18);

// The header strip of the "Gray aristocratic" design: the program's strip
// picture stretched over the header and the title in bold yellow.
class HeaderStrip : public QWidget {
 public:
  HeaderStrip(const QString& stripName, const QString& title, const QFont& font, QWidget* parent);
  const QString& Title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage strip_;
  QString title_;
};

// A fixed single border of client size w x h; the window is centred on its
// parent when shown.
void SetFixedClient(QDialog* dialog, int width, int height);

}  // namespace quarlo
