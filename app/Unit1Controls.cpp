#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/WindowTexts.h"
#include "platform/PictureBox.h"
#include "platform/QImageCanvas.h"

// The window's controls with the geometry, looks and wiring of the design.

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
  Memo1->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
}

void TForm1::CreateVertexBoxes() {
  for (int k = 1; k <= MaxVertices; ++k) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("e%1").arg(k, 2, 10, QChar('0')));
    zoom_.Place(box, {200 + 8 * (k - 1), 224 + 8 * (k - 1), VertexBoxSize, VertexBoxSize});
    box->setMaxLength(2);
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
      if (button2Default_ && Button2->isEnabled() && !Button2->isHidden()) Button2->click();
    });
  }
}
