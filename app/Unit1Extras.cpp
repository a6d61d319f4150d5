#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/WindowTexts.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "tree/TreeDrawing.h"

// What the window offers beyond its fixed controls: a context menu whose commands also have
// keyboard shortcuts, and the vertex numbers over the tree picture.

QAction* TForm1::AddExtraCommand(const std::string& text, const QKeySequence& shortcut,
                                 void (TForm1::*command)()) {
  auto* action = new QAction(Q(text), this);
  action->setShortcut(shortcut);
  action->setShortcutVisibleInContextMenu(true);
  connect(action, &QAction::triggered, this, command);
  // Added to the window, the shortcut works wherever the focus is inside it.
  addAction(action);
  return action;
}

void TForm1::CreateExtras() {
  vertexNumbers_ = new VertexNumbers(this);
  vertexNumbers_->setObjectName("vertexNumbers");
  vertexNumbers_->setGeometry(g->geometry());
  // Just above the tree picture, below the boxes and labels placed over it.
  vertexNumbers_->lower();
  g->lower();

  showNumbersAction_ = AddExtraCommand(texts::ShowVertexNumbersCommand, QKeySequence(Qt::CTRL | Qt::Key_M),
                                       &TForm1::ShowVertexNumbers);
  showNumbersAction_->setCheckable(true);
  aboutAction_ = AddExtraCommand(texts::AboutCommand, QKeySequence::HelpContents, &TForm1::ShowAbout);
  UpdateExtraCommands();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(showNumbersAction_);
  menu.addSeparator();
  menu.addAction(aboutAction_);
  menu.exec(event->globalPos());
}

void TForm1::UpdateExtraCommands() {
  if (!showNumbersAction_) return;
}

void TForm1::ShowVertexNumbers() {
  std::vector<VertexNumbers::Number> numbers;
  const int n = state_.VertexCount;
  if (showNumbersAction_->isChecked() && n >= 2) {
    // The boxes on the picture are exactly the vertices drawn.
    for (int v = 1; v <= n; ++v) {
      if (boxes_[v]->isHidden()) continue;
      const Point p = VertexNumberPoint(state_.Circle, n, v);
      numbers.push_back({p.x, p.y, v});
    }
  }
  vertexNumbers_->SetNumbers(std::move(numbers));
}

void TForm1::ShowAbout() { MessageBoxes::ShowMessage(this, Q(texts::AboutText(VersionText()))); }

std::string TForm1::VersionText() { return QCoreApplication::applicationVersion().toStdString(); }
