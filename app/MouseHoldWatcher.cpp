#include "app/MouseHoldWatcher.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

MouseHoldWatcher::MouseHoldWatcher(QWidget* window, std::function<void()> onEnd)
    : QObject(window), window_(window), onEnd_(std::move(onEnd)) {}

void MouseHoldWatcher::Start(Qt::MouseButton button) {
  if (button_ != Qt::NoButton) return;
  button_ = button;
  // Only while a hold lasts: the application's every event passes through here then.
  qApp->installEventFilter(this);
}

void MouseHoldWatcher::Stop() {
  if (button_ == Qt::NoButton) return;
  button_ = Qt::NoButton;
  qApp->removeEventFilter(this);
  onEnd_();
}

bool MouseHoldWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == button_) {
    Stop();
  } else if (event->type() == QEvent::Show && watched->isWidgetType()) {
    const auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    // A tooltip takes nothing away; a menu or a message box takes the mouse and its release.
    if (widget != window_ && (type == Qt::Popup || type == Qt::Dialog || widget->isModal())) Stop();
  }
  return QObject::eventFilter(watched, event);
}
