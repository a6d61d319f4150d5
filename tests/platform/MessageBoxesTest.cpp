#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/MessageBoxes.h"

namespace {

struct SeenBox {
  bool shown = false;
  Qt::TextFormat format = Qt::AutoText;
  QString text;
  QPoint centre;
};

// Runs `show` and, once its modal box is up, reads the box and closes it.
SeenBox Observe(const std::function<void()>& show) {
  SeenBox seen;
  QTimer poll;
  int attempts = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      // Never hang the suite if no box appears.
      if (++attempts > 200) poll.stop();
      return;
    }
    poll.stop();
    seen = {true, box->textFormat(), box->text(), box->frameGeometry().center()};
    box->accept();
  });
  poll.start(10);
  show();
  return seen;
}

}  // namespace

TEST(MessageBoxes, ShowUserTextVerbatimCentredOnTheScreen) {
  // A small window in the corner, so a box centred on it would sit far from the screen's centre.
  QWidget window;
  window.setGeometry(0, 0, 200, 100);
  window.show();
  const QPoint screenCentre = window.screen()->availableGeometry().center();
  const QString typed = "'<b>1</b> <img src=\"x.png\"> 2' is not a valid integer value.";

  const std::function<void()> shows[] = {
      [&] { MessageBoxes::ShowMessage(&window, typed); },
      [&] { MessageBoxes::ShowError(&window, typed); },
  };
  for (const auto& show : shows) {
    const SeenBox seen = Observe(show);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, typed);
    EXPECT_LE((seen.centre - screenCentre).manhattanLength(), 2) << seen.centre.x() << "," << seen.centre.y();
  }
}
