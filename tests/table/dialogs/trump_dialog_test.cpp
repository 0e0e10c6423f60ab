#include "table/dialogs/trump_dialog.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace quarlo {
namespace {

TEST(TrumpDialog, TurnedSuitCannotBeChosenAndCloseIsRefused) {
  Settings settings;
  TrumpDialog dialog(kClubs, settings);
  QSignalSpy chosen(&dialog, &TrumpDialog::Chosen);
  dialog.open();
  ASSERT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choice trump"));
  EXPECT_EQ(dialog.height(), 150);

  for (Suit s : {kHearts, kDiamonds, kSpades}) EXPECT_TRUE(dialog.SuitButton(s)->isEnabled());
  EXPECT_FALSE(dialog.SuitButton(kClubs)->isEnabled());
  QTest::mouseClick(dialog.SuitButton(kClubs), Qt::LeftButton);

  dialog.close();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  dialog.reject();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(chosen.count(), 0);

  QTest::mouseClick(dialog.SuitButton(kDiamonds), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).value<Suit>(), kDiamonds);
}

TEST(TrumpDialog, PassAnswersNoSuit) {
  Settings settings;
  TrumpDialog dialog(kHearts, settings);
  QSignalSpy chosen(&dialog, &TrumpDialog::Chosen);
  dialog.open();
  QTest::mouseClick(dialog.PassButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).value<Suit>(), kNoSuit);
}

TEST(TrumpDialog, KeyboardChoosesTheFocusedSuit) {
  Settings settings;
  TrumpDialog dialog(kSpades, settings);
  QSignalSpy chosen(&dialog, &TrumpDialog::Chosen);
  dialog.open();
  dialog.SuitButton(kClubs)->setFocus();
  QTest::keyClick(dialog.SuitButton(kClubs), Qt::Key_Return);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).value<Suit>(), kClubs);
}

}  // namespace
}  // namespace quarlo
