#include "table/dialogs/notice_window.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "table/design_font.h"
#include "table/dialogs/dialog_look.h"

namespace quarlo {
namespace {

// The notice always speaks in the design's own font, whatever the settings.
const std::string kNoticeFamily = "Comic Sans MS";
constexpr int kNoticeFontHeight = 20;
constexpr int kTextLeft = 59;
constexpr std::array<int, 3> kLineTops = {5, 21, 37};

class LinkLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
      if (const auto url = NoticeLinkTarget(text())) QDesktopServices::openUrl(*url);
    }
    QLabel::mouseReleaseEvent(e);
  }
};

}  // namespace

int NoticeClientWidth(int widestLineWidth) {
  const int w = widestLineWidth + kTextLeft;
  return w >= 350 ? w + 50 : kNoticeMinWidth;
}

std::optional<QUrl> NoticeLinkTarget(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSpace(); })) return std::nullopt;
  const bool hasScheme = t.contains(QStringLiteral("://"));
  const QUrl url(hasScheme ? t : QStringLiteral("http://") + t, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return std::nullopt;
  // A bare word is no address; a host needs a dot (or is localhost).
  const QString host = url.host();
  if (host.isEmpty() || (!host.contains(QLatin1Char('.')) && host != QLatin1String("localhost"))) return std::nullopt;
  return url;
}

NoticeWindow::NoticeWindow(const Settings& settings, const QString& line1, const QString& line2, const QString& line3,
                           QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(WordText(WordId::Attention, settings.languageIndex));
  const std::array<QString, 3> texts = {line1, line2, line3};

  const QFontMetrics measure(DesignFont(kNoticeFamily, kNoticeFontHeight, false));
  int widest = 0;
  for (const QString& t : texts) widest = std::max(widest, measure.horizontalAdvance(t));
  const int width = NoticeClientWidth(widest);
  SetFixedClient(this, width, kNoticeHeight);

  auto* icon = new QLabel(this);
  icon->setGeometry(5, 5, 48, 48);
  icon->setPixmap(FittedPicture(QStringLiteral("Warning48"), QSize(48, 48)));

  const QFont lineFont = DesignFont(kNoticeFamily, kNoticeFontHeight, true);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].isEmpty()) continue;
    QLabel* label = i == 2 ? new LinkLabel(texts[i], this) : new QLabel(texts[i], this);
    QFont f = lineFont;
    if (i == 2) {
      f.setUnderline(true);
      label->setStyleSheet(QStringLiteral("color: blue;"));
      label->setCursor(Qt::PointingHandCursor);
    }
    label->setFont(f);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(kTextLeft, kLineTops[i], width - kTextLeft, QFontMetrics(f).height());
    lines_[i] = label;
  }

  ok_ = MakeDialogButton(this, Utf8(kOkCaption), settings, QRect(5, 58, width - 10, 27), 16);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

NoticeWindow* ShowNotice(QWidget* parent, const Settings& settings, const QString& line1, const QString& line2,
                         const QString& line3) {
  auto* notice = new NoticeWindow(settings, line1, line2, line3, parent);
  notice->setAttribute(Qt::WA_DeleteOnClose, true);
  notice->open();
  return notice;
}

NoticeWindow* ShowMissingFileNotice(QWidget* parent, const Settings& settings, const QString& file) {
  return ShowNotice(parent, settings, WordText(WordId::CantFindTheFile, settings.languageIndex) + ' ' + file);
}

}  // namespace quarlo
