#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "platform/DesktopSetup.h"

TEST(DesktopSetup, QtSpeaksSlovakAndTheIconComesInEverySize) {
  QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is missing";
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QString::fromUtf8("&Späť"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Zrušiť"));
  delete translator;  // and with it what it installed

  const QIcon icon = ProgramIcon();
  const QList<QSize> sizes = icon.availableSizes();
  for (int size : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  EXPECT_FALSE(icon.pixmap(QSize(32, 32)).isNull());
  EXPECT_FALSE(ProgramVersion().isEmpty());
}
