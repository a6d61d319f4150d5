#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace MessageBoxes {
namespace {

Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

void Show(QWidget* parent, Kind kind, const QString& text) {
  if (CurrentHook()) {
    CurrentHook()(kind, text);
    return;
  }
  QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }
void ShowMessage(QWidget* parent, const QString& text) { Show(parent, Kind::Message, text); }
void ShowError(QWidget* parent, const QString& text) { Show(parent, Kind::Error, text); }

}  // namespace MessageBoxes
