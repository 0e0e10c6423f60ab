#include "table/dialogs/notice_window.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPointer>
#include <QTest>

#include "table/design_font.h"

namespace quarlo {
namespace {

TEST(Notice, WidthRule) {
  const std::pair<int, int> cases[] = {{0, 400}, {290, 400}, {291, 400}, {292, 401}, {500, 609}};
  for (const auto& [widest, width] : cases) EXPECT_EQ(NoticeClientWidth(widest), width) << widest;
}

TEST(Notice, WindowWidensForLongLinesAndShowsOnlyGivenLines) {
  Settings settings;
  NoticeWindow short_(settings, QStringLiteral("Could not connect to server!"), {}, {});
  EXPECT_EQ(short_.width(), 400);
  EXPECT_EQ(short_.height(), 90);
  EXPECT_NE(short_.Line(0), nullptr);
  EXPECT_EQ(short_.Line(1), nullptr);
  EXPECT_EQ(short_.Line(2), nullptr);
  EXPECT_EQ(short_.OkButton()->width(), 390);

  const QString longLine = QString(60, QLatin1Char('W'));
  const int measured = QFontMetrics(DesignFont("Comic Sans MS", 20, false)).horizontalAdvance(longLine);
  NoticeWindow wide(settings, {}, longLine, QStringLiteral("www.example.com"));
  EXPECT_EQ(wide.width(), measured + 59 + 50);
  EXPECT_EQ(wide.OkButton()->width(), wide.width() - 10);
  EXPECT_TRUE(wide.Line(2)->font().underline());
}

TEST(Notice, OkAndEscapeClose) {
  Settings settings;
  QPointer<NoticeWindow> first = ShowNotice(nullptr, settings, QStringLiteral("one"));
  ASSERT_TRUE(first && first->isVisible());
  EXPECT_EQ(first->windowTitle(), QStringLiteral("Attention"));
  QTest::keyClick(first.data(), Qt::Key_Escape);
  EXPECT_TRUE(!first || !first->isVisible());

  NoticeWindow second(settings, QStringLiteral("two"), {}, {});
  second.show();
  QTest::mouseClick(second.OkButton(), Qt::LeftButton);
  EXPECT_FALSE(second.isVisible());

  auto* missing = ShowMissingFileNotice(nullptr, settings, QStringLiteral("QovCards06A.dll"));
  EXPECT_EQ(missing->Line(0)->text(), QStringLiteral("Can`t find the file QovCards06A.dll"));
  missing->close();
}

TEST(Notice, LinkLineOpensOnlyWebAddresses) {
  EXPECT_EQ(NoticeLinkTarget(QStringLiteral("www.example.com")), QUrl(QStringLiteral("http://www.example.com")));
  EXPECT_EQ(NoticeLinkTarget(QStringLiteral(" https://example.org/a?b=1 ")),
            QUrl(QStringLiteral("https://example.org/a?b=1")));
  for (const char* text : {"", "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "Can`t find the file",
                           "ftp://example.org", "hello", "smb://host.lan/share"}) {
    EXPECT_FALSE(NoticeLinkTarget(QString::fromLatin1(text)).has_value()) << text;
  }
}

}  // namespace
}  // namespace quarlo
