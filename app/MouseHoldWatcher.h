#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Ends a hold of a mouse button on a control (the proposal table shown while Button4 is held)
// wherever the release goes: when that button is released anywhere in the application, or when a
// popup or a dialog opens and takes the mouse away, so the release would never come back.
class MouseHoldWatcher : public QObject {
 public:
  MouseHoldWatcher(QWidget* window, std::function<void()> onEnd);

  void Start(Qt::MouseButton button);
  void Stop();
  Qt::MouseButton HeldBy() const { return button_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void()> onEnd_;
  Qt::MouseButton button_ = Qt::NoButton;
};
