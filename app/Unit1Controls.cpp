#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/CommandTable.h"
#include "app/ConjectureCommands.h"
#include "app/LabelingHelpCommands.h"
#include "app/MouseHoldWatcher.h"
#include "app/PaperCommands.h"
#include "app/QtText.h"
#include "app/TreeFileCommands.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/ViewCommands.h"
#include "app/WindowCommands.h"
#include "app/WindowTexts.h"
#include "platform/PictureBox.h"
#include "platform/QImageCanvas.h"

// The window's controls with the geometry, looks and wiring of the design, the events that reach
// them, and the commands beyond them.

namespace {

const QColor SkyBlue = ToQColor(Colors::SkyBlue);
const QColor MoneyGreen = ToQColor(Colors::MoneyGreen);
const QColor BoxYellow = ToQColor(Colors::Yellow);

}  // namespace

void TForm1::CreateWindow() {
  // Windows-era fonts are not on Linux; these faces have the same metrics.
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  setObjectName("Form1");
  setWindowTitle(Q(texts::WindowCaption));
  // No maximize: the hints say so and IceWM, for one, draws no such button. Openbox 3.6 still draws
  // an inert one beside a minimize button, whatever the hints (its title-bar layout does it).
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(DesignSize);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, SkyBlue);
  setPalette(palette);
  setAutoFillBackground(true);
  setAcceptDrops(true);
  setFont(PixelFont("MS Sans Serif", 11, false));
  CentreOnScreen();
}

void TForm1::CentreOnScreen() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void TForm1::CreateEdgeInput() {
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  zoom_.Place(Memo1, {8, 24, 73, 425});
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Base, MoneyGreen);
  Memo1->setPalette(palette);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setTabChangesFocus(true);
  Memo1->setAccessibleName(Q(texts::EdgeBoxName));
  Memo1->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
}

void TForm1::CreateVertexBoxes() {
  for (int k = 1; k <= MaxVertices; ++k) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("e%1").arg(k, 2, 10, QChar('0')));
    zoom_.Place(box, {200 + 8 * (k - 1), 224 + 8 * (k - 1), VertexBoxSize, VertexBoxSize});
    box->setMaxLength(2);
    box->setAccessibleName(Q(texts::VertexBoxName(k)));
    box->setTextMargins(0, 0, 0, 0);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, BoxYellow);
    box->setPalette(palette);
    box->hide();
    box->installEventFilter(this);
    SetTabStop(box, false);
    boxes_[k] = box;
  }
}

void TForm1::CreateButtons() {
  auto make = [this](const char* name, int x, int y, int w, int h, const std::string& caption) {
    auto* button = new QPushButton(Q(caption), this);
    button->setObjectName(name);
    zoom_.Place(button, {x, y, w, h});
    button->setAutoDefault(false);
    SetTabStop(button, false);
    // Mouse presses for Button4's hold, Enter for every button.
    button->installEventFilter(this);
    return button;
  };
  Button1 = make("Button1", 8, 456, 75, 25, texts::Button1Caption);
  Button2 = make("Button2", 520, 472, 59, 25, texts::Button2Caption);
  Button3 = make("Button3", 600, 8, 249, 25, texts::SearchCaption);
  Button4 = make("Button4", 600, 184, 249, 25, texts::Button4Caption);
  Button5 = make("Button5", 600, 152, 249, 25, texts::Button5Caption);
  Button6 = make("Button6", 600, 480, 249, 25, texts::Button6Caption);
  Button7 = make("Button7", 8, 488, 75, 17, texts::Button7Caption);
  Button8 = make("Button8", 456, 16, 57, 25, texts::Button8Caption);
  Button9 = make("Button9", 520, 16, 57, 25, texts::Button9Caption);
  // A right-button press on it shows the proposal; the window's menu would take the release.
  Button4->setContextMenuPolicy(Qt::PreventContextMenu);
  Button3->setToolTip(Q(texts::Button3Tip));
  SetTabStop(Button1, true);
  for (QPushButton* hidden : {Button2, Button3, Button4, Button6, Button7, Button8, Button9}) hidden->hide();
  Button2->setEnabled(false);
  Button8->setEnabled(false);
  Button9->setEnabled(false);
  // Tab order: the edge box, its button, the vertex boxes, then ENTER.
  QWidget::setTabOrder(Memo1, Button1);
  QWidget::setTabOrder(Button1, boxes_[1]);
  for (int k = 1; k < MaxVertices; ++k) QWidget::setTabOrder(boxes_[k], boxes_[k + 1]);
  QWidget::setTabOrder(boxes_[MaxVertices], Button2);
}

void TForm1::CreatePictures() {
  g = new PictureBox(this, 500, 500);
  g->setObjectName("g");
  zoom_.Place(g, {TreePictureOrigin, g->LogicalSize()});
  tab = new PictureBox(this, 250, 250);
  tab->setObjectName("tab");
  zoom_.Place(tab, {598, 217, 250, 250});
  tabid = new PictureBox(this, 250, 250);
  tabid->setObjectName("tabid");
  zoom_.Place(tabid, {598, 217, 250, 250});
  tabid->hide();
  g->setAccessibleName(Q(texts::TreePictureName));
  tab->setAccessibleName(Q(texts::CheckTableName));
  tabid->setAccessibleName(Q(texts::ProposalTableName));
  // The picture lies under the controls placed over it.
  g->lower();
}

void TForm1::CreateLabels() {
  auto make = [this](const char* name, int x, int y, bool bold, const char* designText) {
    auto* label = new QLabel(designText, this);
    label->setObjectName(name);
    zoom_.SetFont(label, PixelFont("Arial", 11, bold));
    zoom_.Move(label, {x, y});
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
  };
  Label1 = make("Label1", 600, 45, true, "label1");
  Label2 = make("Label2", 96, 488, false, "");
  Label4 = make("Label4", 600, 92, false, "label4");
  Label5 = make("Label5", 96, 21, true, "label5");
  Label6 = make("Label6", 600, 61, true, "label6");
  Label7 = make("Label7", 600, 108, true, "label7");
  Label8 = make("Label8", 600, ProposalLastLineTop, false, "label8");
  Label3 = new QLabel(Q(texts::Label3Caption), this);
  Label3->setObjectName("Label3");
  zoom_.SetFont(Label3, PixelFont("Arial", 9, true));
  zoom_.Place(Label3, {8, 8, 73, 13});
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  for (QLabel* label : {Label1, Label4, Label6, Label7, Label8}) SetLabelText(label, "");
  // The sentence about a check stands where the search's first status line would.
  verdict_ = make("verdict", 600, 45, true, "");
  Label2->raise();
  Label5->raise();
}

void TForm1::WireEvents() {
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && now->parentWidget() == this && (now == Memo1 || now->inherits("QLineEdit")))
      lastTypingControl_ = now;
  });
  for (int k = 1; k <= MaxVertices; ++k) {
    connect(boxes_[k], &QLineEdit::returnPressed, this, [this] {
      if (state_.Controls.Button2Default && Button2->isEnabled() && !Button2->isHidden()) Button2->click();
    });
    // A notice about the filling goes with any change of it.
    connect(boxes_[k], &QLineEdit::textChanged, this, [this] { DropNotice(); });
  }
  connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { DropNotice(); });
}

void TForm1::SetTabStop(QWidget* control, bool on) {
  // Without a tab stop a control still takes the focus when clicked.
  control->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TForm1::CreateCommands() {
  vertexNumbers_ = new VertexNumbers(this);
  vertexNumbers_->setObjectName("vertexNumbers");
  zoom_.Place(vertexNumbers_, zoom_.Design(g));
  // Just above the tree picture, below the boxes and labels placed over it.
  vertexNumbers_->lower();
  g->lower();

  help_ = std::make_unique<LabelingHelpCommands>(*this);
  files_ = std::make_unique<TreeFileCommands>(*this, dialogFolders_);
  paper_ = std::make_unique<PaperCommands>(*this, dialogFolders_);
  view_ = std::make_unique<ViewCommands>(*this, settings_);
  conjecture_ = std::make_unique<ConjectureCommands>(*this, *files_);
  commands_ = std::make_unique<CommandTable>(
      this, WindowCommandRows({*help_, *files_, *paper_, *view_, *conjecture_}),
      [this] { return CommandSnapshot(); });
  view_->RestoreFromSettings();
  UpdateCommands();
}

CommandOffer TForm1::CommandSnapshot() const {
  const int setSize = static_cast<int>(state_.OpenSet.opened.size());
  CommandOffer offer;
  offer.busy = state_.Busy;
  offer.treeConfirmed = state_.VertexCount >= 2;
  offer.searchOffered = state_.SearchOffered();
  offer.nextLabelingOffered = LabelingHelpCommands::NextLabelingOffered(state_);
  offer.setHasNext = state_.OpenSet.index + 1 < setSize;
  offer.setHasPrevious = setSize > 0 && state_.OpenSet.index > 0;
  offer.canZoomIn = view_->CanZoomIn();
  offer.canZoomOut = view_->CanZoomOut();
  offer.vertexNumbersShown = state_.VertexNumbersShown;
  offer.treeShaped = state_.TreeShaped;
  return offer;
}

void TForm1::UpdateCommands() {
  // Before the commands exist, the window's construction is still setting its controls up.
  if (commands_) commands_->Update();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) { commands_->ShowMenu(event->globalPos()); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A file dropped on the text boxes opens too, instead of its name being typed there.
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
      files_->AcceptFileDrag(event)) {
    return true;
  }
  if (watched == Memo1 && type == QEvent::FocusIn) {
    // Getting the focus back with the window itself is not entering the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Memo1Enter();
  }
  if (watched == Button4) {
    // Any mouse button shows the proposal while it is held; leaving the button or the space bar
    // does not count. The watcher ends the hold however the button that began it comes up.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        button4Hold_->HeldBy() == Qt::NoButton) {
      button4Hold_->Start(static_cast<QMouseEvent*>(event)->button());
      Button4MouseDown();
    }
  }
  if (type == QEvent::KeyPress && watched->inherits("QPushButton")) {
    // Enter on a focused button clicks it, as the space bar does.
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = static_cast<QPushButton*>(watched);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button->isEnabled() && button != Button4) {
      button->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event) {
  // A window that is no longer active gets no release: the proposal table must not stay up.
  if (event->type() == QEvent::WindowDeactivate) button4Hold_->Stop();
  return QWidget::event(event);
}

void TForm1::hideEvent(QHideEvent* event) {
  button4Hold_->Stop();
  QWidget::hideEvent(event);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) { files_->AcceptFileDrag(event); }

void TForm1::dragMoveEvent(QDragMoveEvent* event) { files_->AcceptFileDrag(event); }

void TForm1::dropEvent(QDropEvent* event) { files_->AcceptFileDrag(event); }
