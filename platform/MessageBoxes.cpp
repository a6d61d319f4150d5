#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace MessageBoxes {
namespace {

Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

// Centres itself on the screen rather than on its parent window. The move happens once the box
// has its final size and before it is mapped, so it never appears elsewhere first.
class ScreenCentredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (event->spontaneous()) return;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
  }
};

void Show(QWidget* parent, Kind kind, const QString& text) {
  if (CurrentHook()) {
    CurrentHook()(kind, text);
    return;
  }
  ScreenCentredBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                       QApplication::applicationDisplayName(), QString(), QMessageBox::Ok, parent);
  // Messages carry what the user typed; a rich-text guess would render tags and load images.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.exec();
}

}  // namespace

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

void ShowMessage(QWidget* parent, const QString& text) { Show(parent, Kind::Message, text); }
void ShowError(QWidget* parent, const QString& text) { Show(parent, Kind::Error, text); }

}  // namespace MessageBoxes
