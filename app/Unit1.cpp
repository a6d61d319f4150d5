#include "app/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/WindowTexts.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "check/CheckDrawing.h"
#include "check/LabelCheck.h"
#include "leaves/LeafRemoval.h"
#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"
#include "tree/TreeDrawing.h"

namespace {

const QColor SkyBlue(166, 202, 240);
const QColor MoneyGreen(192, 220, 192);
const QColor BoxYellow(255, 255, 0);

QFont PixelFont(const QString& face, int pixels, bool bold) {
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetTabStop(QWidget* control, bool on) { control->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  createWindow();
  createEdgeInput();
  createVertexBoxes();
  createButtons();
  createPictures();
  createLabels();
  wireEvents();
  // The first control with a tab stop gets the focus, and with it the reset for editing.
  Memo1->setFocus(Qt::OtherFocusReason);
  Memo1Enter();
}

TForm1::~TForm1() = default;

void TForm1::createWindow() {
  // Windows-era fonts are not on Linux; these faces have the same metrics.
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  setObjectName("Form1");
  setWindowTitle(Q(texts::WindowCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(857, 516);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, SkyBlue);
  setPalette(palette);
  setAutoFillBackground(true);
  setFont(PixelFont("MS Sans Serif", 11, false));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void TForm1::createEdgeInput() {
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(8, 24, 73, 425);
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Base, MoneyGreen);
  Memo1->setPalette(palette);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setTabChangesFocus(true);
  Memo1->installEventFilter(this);
}

void TForm1::createVertexBoxes() {
  for (int k = 1; k <= MaxVertices; ++k) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("e%1").arg(k, 2, 10, QChar('0')));
    box->setGeometry(200 + 8 * (k - 1), 224 + 8 * (k - 1), 20, 20);
    box->setMaxLength(2);
    box->setTextMargins(0, 0, 0, 0);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, BoxYellow);
    box->setPalette(palette);
    box->hide();
    SetTabStop(box, false);
    boxes_[k] = box;
  }
}

void TForm1::createButtons() {
  auto make = [this](const char* name, int x, int y, int w, int h, const std::string& caption) {
    auto* button = new QPushButton(Q(caption), this);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    SetTabStop(button, false);
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

void TForm1::createPictures() {
  g = new PictureBox(this, 500, 500);
  g->setObjectName("g");
  g->move(88, 8);
  tab = new PictureBox(this, 250, 250);
  tab->setObjectName("tab");
  tab->move(598, 217);
  tabid = new PictureBox(this, 250, 250);
  tabid->setObjectName("tabid");
  tabid->move(598, 217);
  tabid->hide();
  // The picture lies under the controls placed over it.
  g->lower();
}

void TForm1::createLabels() {
  auto make = [this](const char* name, int x, int y, bool bold, const char* designText) {
    auto* label = new QLabel(designText, this);
    label->setObjectName(name);
    label->setFont(PixelFont("Arial", 11, bold));
    label->move(x, y);
    label->adjustSize();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
  };
  Label1 = make("Label1", 600, 45, true, "label1");
  Label2 = make("Label2", 96, 488, false, "");
  Label4 = make("Label4", 600, 92, false, "label4");
  Label5 = make("Label5", 96, 21, true, "label5");
  Label6 = make("Label6", 600, 61, true, "label6");
  Label7 = make("Label7", 600, 108, true, "label7");
  Label8 = make("Label8", 600, 124, false, "label8");
  Label3 = new QLabel(Q(texts::Label3Caption), this);
  Label3->setObjectName("Label3");
  Label3->setFont(PixelFont("Arial", 9, true));
  Label3->setGeometry(8, 8, 73, 13);
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  for (QLabel* label : {Label1, Label4, Label6, Label7, Label8}) SetLabelText(label, "");
  Label2->raise();
  Label5->raise();
}

void TForm1::wireEvents() {
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button4, &QPushButton::pressed, this, &TForm1::Button4MouseDown);
  connect(Button4, &QPushButton::released, this, &TForm1::Button4MouseUp);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
  for (int k = 1; k <= MaxVertices; ++k) {
    connect(boxes_[k], &QLineEdit::returnPressed, this, [this] {
      if (button2Default_ && Button2->isEnabled() && !Button2->isHidden()) Button2->click();
    });
  }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1 && event->type() == QEvent::FocusIn) {
    // Getting the focus back with the window itself is not entering the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Memo1Enter();
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A running search sees this at its next breath and stops.
  closing_ = true;
  event->accept();
}

void TForm1::FocusControl(QWidget* control) {
  if (control->isHidden() || !control->isEnabled()) return;
  memo1EnterRan_ = false;
  const bool hadFocus = control->hasFocus();
  control->setFocus(Qt::OtherFocusReason);
  // An inactive window gets no focus event now, yet the reset must happen before the caller goes on.
  if (control == Memo1 && !hadFocus && !memo1EnterRan_) Memo1Enter();
}

void TForm1::SetButton2Default(bool isDefault) {
  button2Default_ = isDefault;
  Button2->setDefault(isDefault);
}

void TForm1::SetLabelText(QLabel* label, const std::string& text) {
  label->setText(Q(text));
  label->adjustSize();
}

void TForm1::ClearStatusLabels() {
  for (QLabel* label : {Label1, Label4, Label6, Label7, Label8}) SetLabelText(label, "");
}

std::array<std::string, MaxVertices + 1> TForm1::BoxTexts() const {
  std::array<std::string, MaxVertices + 1> texts;
  for (int k = 1; k <= MaxVertices; ++k) texts[k] = boxes_[k]->text().toStdString();
  return texts;
}

void TForm1::PlaceBoxes(const std::vector<BoxPlacement>& placements) {
  for (int k = 1; k <= MaxVertices; ++k) {
    if (placements[k].visible) {
      boxes_[k]->show();
      boxes_[k]->move(placements[k].topLeft.x, placements[k].topLeft.y);
    } else {
      boxes_[k]->hide();
    }
  }
}

bool TForm1::Breathe() {
  if (!breathTimer_.isValid() || breathTimer_.elapsed() >= 15) {
    QCoreApplication::processEvents();
    breathTimer_.restart();
  }
  return !closing_;
}

void TForm1::Memo1Enter() {
  memo1EnterRan_ = true;
  Button1->setEnabled(true);
  SetTabStop(Button1, true);
  SetTabStop(Memo1, true);
  Button2->setEnabled(false);
  SetButton2Default(false);
  for (QPushButton* button : {Button3, Button4, Button5, Button7, Button8, Button9}) button->hide();
  ClearStatusLabels();
  SetLabelText(Label5, "");
  for (int k = 1; k <= MaxVertices; ++k) SetTabStop(boxes_[k], false);
}

void TForm1::Button1Click() {
  std::vector<std::string> lines;
  for (const QString& line : Memo1->toPlainText().split('\n')) lines.push_back(line.toStdString());
  if (Memo1->toPlainText().isEmpty()) lines.clear();
  const EdgeListParseResult parsed = ParseEdgeList(lines);
  if (!parsed.list) {
    MessageBoxes::ShowError(this, Q(InvalidIntegerMessage(parsed.failedField)));
    return;
  }
  if (const auto message = ValidateEdgeList(*parsed.list)) {
    MessageBoxes::ShowMessage(this, Q(*message));
    FocusControl(Memo1);
    return;
  }
  StoreTreeModel(state_, *parsed.list);
  const int n = state_.VertexCount;

  SetLabelText(Label5, texts::FillInPrompt);
  SetLabelText(Label2, texts::VertexCountSentence(n));
  SetTabStop(Memo1, false);
  SetTabStop(Button1, false);
  boxes_[1]->show();
  FocusControl(boxes_[1]);
  tab->hide();
  for (QPushButton* button : {Button2, Button6, Button8, Button9}) button->show();
  Button8->setEnabled(false);
  Button9->setEnabled(false);
  Button2->setEnabled(true);
  SetButton2Default(true);
  Button3->setText(Q(texts::SearchCaption));
  Button3->show();
  Button3->setEnabled(true);
  Button6->setEnabled(true);
  state_.Circle = CircleForPicture(g->width(), g->height());
  std::vector<int> vertices;
  for (int v = 1; v <= n; ++v) vertices.push_back(v);
  DrawTreeOutline(g->canvas(), state_.Circle, n, vertices, state_.TreeEdges());
  for (int k = 1; k <= MaxVertices; ++k) {
    SetTabStop(boxes_[k], true);
    boxes_[k]->setToolTip(Q(texts::VertexHint(k)));
  }
  PlaceBoxes(PlaceVertexBoxes(state_.Circle, n, {g->x(), g->y()}));
  state_.Fillings.HistoryPos = 0;
}

void TForm1::Button6Click() {
  tab->hide();
  FocusControl(boxes_[1]);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
}

bool TForm1::ReadAndValidateFilling() {
  const BoxReadResult read = ReadBoxLabels(BoxTexts(), state_.BoxLabels);
  if (read.failedText) {
    MessageBoxes::ShowError(this, Q(InvalidIntegerMessage(*read.failedText)));
    return false;
  }
  if (const auto message = ValidateBoxLabels(state_.VertexCount, read.numbers)) {
    MessageBoxes::ShowMessage(this, Q(*message));
    return false;
  }
  return true;
}

void TForm1::DrawFilling(const Labels& labels) {
  DrawEdgeValues(g->canvas(), state_.Circle, state_.VertexCount, state_.TreeEdges(), labels);
  DrawCheckTable(tab->canvas(), state_.VertexCount, state_.TreeEdges(), labels);
}

void TForm1::ShowCheckedState(bool leafRemovalOffered) {
  Button4->hide();
  Button5->hide();
  // A running search gives the search button back itself when it ends.
  if (!busy_) Button3->setEnabled(true);
  Button7->show();
  Button7->setEnabled(leafRemovalOffered);
  tab->show();
  ClearStatusLabels();
}

void TForm1::Button2Click() {
  if (!ReadAndValidateFilling()) return;
  state_.Fillings.Store(state_.BoxLabels, state_.VertexCount);
  ApplyHistoryButtons();
  DrawFilling(state_.BoxLabels);
  const EdgeSlots& reduced = state_.ReducedEdgeList;
  ShowCheckedState(reduced[1].a != 0 && reduced[2].a != 0);
}

void TForm1::ApplyHistoryButtons() {
  const BackForwardState buttons = state_.Fillings.Buttons();
  Button9->setEnabled(buttons.forwardEnabled);
  Button8->setEnabled(buttons.backEnabled);
}

void TForm1::Button8Click() {
  if (state_.Fillings.HistoryPos <= 1) return;
  --state_.Fillings.HistoryPos;
  ShowSnapshot();
}

void TForm1::Button9Click() {
  if (state_.Fillings.HistoryPos >= state_.Fillings.HistoryTop) return;
  ++state_.Fillings.HistoryPos;
  ShowSnapshot();
}

void TForm1::ShowSnapshot() {
  ApplyHistoryButtons();
  const FillingSnapshot& snapshot = state_.Fillings.Current();
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->setText(Q(snapshot.boxTexts[k]));
  Labels labels{};
  for (int v = 1; v <= state_.VertexCount; ++v) {
    labels[v] = static_cast<std::uint8_t>(ConvertToInt(snapshot.boxTexts[v]).value_or(0));
  }
  DrawFilling(labels);
  ShowCheckedState(true);
}

void TForm1::Button3Click() {
  if (busy_ || !ReadAndValidateFilling()) return;
  for (QWidget* control : std::initializer_list<QWidget*>{Memo1, Button1, Button2, Button3, Button6}) {
    control->setEnabled(false);
  }
  busy_ = true;
  const int n = state_.VertexCount;
  auto setLabel = [this](int label, const std::string& text) { SetLabelText(label == 6 ? Label6 : Label1, text); };
  auto breathe = [this] { return Breathe(); };
  if (Button3->text().startsWith('H')) {
    SearchOutcome outcome = FindGracefulLabelings(n, state_.TreeEdges(), {setLabel, breathe});
    if (outcome.stopped) return;  // the window is closing
    state_.SolutionStore = std::move(outcome.solutions);
    state_.SolutionCount = static_cast<int>(state_.SolutionStore.size());
  }
  const Proposal proposal = ProposeSolution(n, state_.SolutionStore, state_.BoxLabels, {setLabel, breathe});
  if (proposal.stopped) return;
  state_.BestIndex = proposal.BestIndex;
  state_.BestScore = proposal.BestScore;
  state_.AgreeCount = proposal.AgreeCount;
  SetLabelText(Label1, proposal.Label1);
  SetLabelText(Label6, proposal.Label6);
  SetLabelText(Label4, proposal.Label4);
  SetLabelText(Label7, proposal.Label7);
  SetLabelText(Label8, proposal.Label8);
  if (proposal.proposed) {
    DrawCheckTable(tabid->canvas(), n, state_.TreeEdges(), state_.SolutionStore[state_.BestIndex - 1]);
  }
  busy_ = false;
  Button3->setText(Q(texts::ProposeAgainCaption));
  for (QWidget* control : std::initializer_list<QWidget*>{Button1, Button2, Button3, Button6}) {
    control->setEnabled(true);
  }
  if (proposal.proposed) {
    Button4->show();
    Button5->show();
  }
  Memo1->setEnabled(true);
}

void TForm1::Button4MouseDown() {
  tab->hide();
  tabid->show();
}

void TForm1::Button4MouseUp() {
  tab->show();
  tabid->hide();
}

void TForm1::Button5Click() {
  const int best = state_.BestIndex;
  if (best < 1 || best > static_cast<int>(state_.SolutionStore.size())) return;
  const Labels& proposal = state_.SolutionStore[best - 1];
  for (int k = 1; k <= state_.VertexCount; ++k) boxes_[k]->setText(QString::number(proposal[k]));
}

void TForm1::Button7Click() {
  for (QPushButton* button : {Button2, Button3, Button6, Button8, Button9}) button->setEnabled(false);
  const int n = state_.VertexCount;
  const LeafRemovalResult result = RemoveLeafLayer(state_.ReducedEdgeList, n);
  DrawTreeOutline(g->canvas(), state_.Circle, n, result.remainingVertices, result.remainingEdges);
  DrawCheckTable(tab->canvas(), n, result.remainingEdges, state_.BoxLabels);
  PlaceBoxes(VertexBoxPlacements(state_.Circle, n, {g->x(), g->y()}, result.remaining));
  if (result.disableButton7) Button7->setEnabled(false);
}
