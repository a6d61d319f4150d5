#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  // Without a display the application would abort, also while ctest lists the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir scratch;
  // The windows' settings go to a folder of their own, never the developer's.
  qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
  // The offscreen screen is 800 x 600 unless told otherwise: too small for the window at 100 %,
  // let alone at 200 %.
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    const QByteArray size = qEnvironmentVariableIsEmpty("GRACEFUL_TEST_SCREEN")
                                ? QByteArray("1920x1200")
                                : qgetenv("GRACEFUL_TEST_SCREEN");
    const QList<QByteArray> sides = size.split('x');
    QFile config(scratch.filePath("screen.json"));
    if (sides.size() == 2 && config.open(QIODevice::WriteOnly)) {
      config.write(R"({"windowFrameMargins": false, "screens": [{"name": "test", "x": 0, "y": 0, "width": )" +
                   sides[0] + R"(, "height": )" + sides[1] +
                   R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      config.close();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
