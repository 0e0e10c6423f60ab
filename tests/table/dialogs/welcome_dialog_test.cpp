#include "table/dialogs/welcome_dialog.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "records/club_file.h"

namespace quarlo {
namespace {

TEST(WelcomeDialog, MemberMustTypeTheStoredPassword) {
  Settings settings;
  WelcomeInput in;
  in.seat = 3;
  in.memberLine = FormatMemberLine(ClubMember{"Anna", 0.5, 3, 10, "key"});
  WelcomeDialog dialog(in, settings);
  dialog.show();

  EXPECT_FALSE(dialog.NameEdit()->isEnabled());
  EXPECT_FALSE(dialog.ConfirmEdit()->isEnabled());
  EXPECT_EQ(dialog.NameEdit()->text().trimmed(), QStringLiteral("Anna"));
  EXPECT_FALSE(dialog.MessageLabel()->isVisibleTo(&dialog));

  QTest::keyClicks(dialog.PasswordEdit(), "kez");
  QTest::keyClick(dialog.PasswordEdit(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.MessageLabel()->isVisibleTo(&dialog));
  EXPECT_EQ(dialog.MessageLabel()->text(), QStringLiteral("The incorrect password!"));
  EXPECT_FALSE(dialog.Result().has_value());

  QSignalSpy confirmed(&dialog, &WelcomeDialog::Confirmed);
  dialog.PasswordEdit()->setText(QStringLiteral("key"));
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(confirmed.count(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(dialog.Result().has_value());
  EXPECT_EQ(dialog.Result()->seat, 3);
  EXPECT_EQ(dialog.Result()->password, "key  ");
}

TEST(WelcomeDialog, NewPlayerKeepsTypedNameEvenWhenPasswordsDiffer) {
  Settings settings;
  settings.playerName = "Mr.X";
  WelcomeDialog dialog(WelcomeInput{}, settings);
  dialog.show();
  EXPECT_TRUE(dialog.NameEdit()->isEnabled());
  EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Mr.X"));
  EXPECT_EQ(dialog.PasswordEdit()->maxLength(), 5);

  dialog.NameEdit()->setText(QString::fromUtf8("Иван"));
  dialog.PasswordEdit()->setText(QStringLiteral("ab"));
  dialog.ConfirmEdit()->setText(QStringLiteral("ba"));
  QTest::keyClick(dialog.ConfirmEdit(), Qt::Key_Enter);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.MessageLabel()->text(), QStringLiteral("The passwords do not coincide!"));
  EXPECT_EQ(settings.playerName, "\xC8\xE2\xE0\xED");  // cp1251 bytes of the typed name

  dialog.NameEdit()->clear();
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.MessageLabel()->text(), QStringLiteral("Incorrect name!"));

  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.Result().has_value());
}

}  // namespace
}  // namespace quarlo
