#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

AnswerHook& CurrentAnswerHook() {
  static AnswerHook hook;
  return hook;
}

}  // namespace

void SetHook(Hook hook) { CurrentHook() = std::move(hook); }

void SetAnswerHook(AnswerHook hook) { CurrentAnswerHook() = std::move(hook); }

Answer AskToSaveChanges(QWidget* parent, const QString& text) {
  if (CurrentAnswerHook()) return CurrentAnswerHook()(text);
  ScreenCentredBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), QString(),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return Answer::Save;
    case QMessageBox::Discard:
      return Answer::Discard;
    default:
      return Answer::Cancel;
  }
}

bool OfferAction(QWidget* parent, const QString& text, const QString& action) {
  if (CurrentAnswerHook()) return CurrentAnswerHook()(text) == Answer::Save;
  ScreenCentredBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString(),
                       QMessageBox::Close, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  QPushButton* chosen = box.addButton(action, QMessageBox::AcceptRole);
  box.exec();
  return box.clickedButton() == chosen;
}

void ShowMessage(QWidget* parent, const QString& text) { Show(parent, Kind::Message, text); }
void ShowError(QWidget* parent, const QString& text) { Show(parent, Kind::Error, text); }

}  // namespace MessageBoxes
