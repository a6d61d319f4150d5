#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/WindowTexts.h"
#include "check/CheckDrawing.h"
#include "check/LabelCheck.h"
#include "check/Verdict.h"
#include "platform/PictureBox.h"
#include "platform/PictureExport.h"
#include "search/Proposal.h"
#include "tree/LayoutClearance.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeLayout.h"
#include "tree/VertexNumberPlacement.h"

// What the commands beyond the fixed controls ask of the window, the status texts, and the view:
// layouts, vertex numbers, zoom and the pictures for paper.

std::optional<Labels> TForm1::ReadFilling() {
  Labels filling{};
  if (!ReadAndValidateFilling(filling)) return std::nullopt;
  return filling;
}

std::vector<std::string> TForm1::FilledBoxTexts() const {
  std::vector<std::string> texts;
  for (int k = 1; k <= state_.VertexCount; ++k) texts.push_back(boxes_[k]->text().toStdString());
  return texts;
}

void TForm1::TypeIntoEdgeBox(const std::vector<std::string>& edgeLines) {
  // As if the student had clicked into the edge box and typed the tree. A new exercise: the numbers
  // of the last one must not stand in its boxes.
  FocusControl(Memo1);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
  QStringList lines;
  for (const std::string& line : edgeLines) lines << Q(line);
  Memo1->setPlainText(lines.join('\n'));
  Memo1->moveCursor(QTextCursor::End);
}

bool TForm1::ConfirmNewExercise(const std::vector<std::string>& edgeLines,
                                const std::vector<std::string>& boxTexts, bool check) {
  TypeIntoEdgeBox(edgeLines);
  Button1Click();
  if (state_.Phase != WindowPhase::Filling) return false;  // the message of the confirmation was shown
  for (std::size_t k = 0; k < boxTexts.size() && k < MaxVertices; ++k) boxes_[k + 1]->setText(Q(boxTexts[k]));
  if (check) Button2Click();
  return true;
}

void TForm1::SetOpenSet(ProgramState::TreeSet set) {
  state_.OpenSet = std::move(set);
  ApplyTitle();
  UpdateCommands();
}

void TForm1::SetLabelText(QLabel* label, const std::string& text) {
  // A status text of a search, a proposal or a notice takes the verdict's place.
  const bool statusColumn =
      label == Label1 || label == Label4 || label == Label6 || label == Label7 || label == Label8;
  if (statusColumn && !text.empty()) HideVerdict();
  label->setText(Q(WrappedStatusText(label, text)));
  label->adjustSize();
}

void TForm1::ShowVerdict(const Labels& labels) {
  SetLabelText(verdict_, CheckVerdict(state_.VertexCount, state_.TreeEdges(), labels));
  state_.VerdictShown = true;
  // Read out as it appears, as a live region is.
  QAccessibleEvent changed(verdict_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void TForm1::HideVerdict() {
  if (!state_.VerdictShown) return;
  state_.VerdictShown = false;
  SetLabelText(verdict_, "");
}

void TForm1::DescribeTree(const std::string& description) { g->setAccessibleDescription(Q(description)); }

std::string TForm1::WrappedStatusText(const QLabel* label, const std::string& text) const {
  // Only the status column wraps; the labels over the tree picture keep their one line.
  if (label == Label2 || label == Label5 || label == Label7) return text;
  const QFontMetrics metrics(label->font());
  const int width = zoom_.Scaled(StatusColumnWidth);
  const QString whole = Q(text);
  if (metrics.horizontalAdvance(whole) <= width) return text;
  QStringList lines{QString()};
  for (const QString& word : whole.split(' ', Qt::SkipEmptyParts)) {
    const QString longer = lines.back().isEmpty() ? word : lines.back() + ' ' + word;
    if (lines.back().isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      lines.back() = longer;
    } else {
      lines << word;
    }
  }
  return lines.join('\n').toStdString();
}

void TForm1::FlowStatusLabels() {
  // At their own places while every text fits on its line; a wrapped text pushes the rest down.
  const std::pair<QLabel*, int> column[] = {
      {Label1, 45}, {Label6, 61}, {Label4, 92}, {Label7, 108}, {Label8, ProposalLastLineTop}};
  int below = 0;
  for (const auto& [label, top] : column) {
    const int placed = std::max(top, below);
    zoom_.Move(label, {600, placed});
    if (!label->text().isEmpty()) {
      below = placed + static_cast<int>(std::lround(label->height() / zoom_.Factor()));
    }
  }
}

void TForm1::ClearStatusLabels() {
  for (QLabel* label : {Label1, Label4, Label6, Label7, Label8}) SetLabelText(label, "");
  FlowStatusLabels();
  state_.NoticeShown = false;
}

void TForm1::DropNotice() {
  if (state_.NoticeShown) ClearStatusLabels();
}

void TForm1::ShowNotice(const std::vector<std::string>& lines) {
  ClearStatusLabels();
  QLabel* const places[] = {Label1, Label6, Label4, Label7, Label8};
  for (std::size_t i = 0; i < lines.size() && i < std::size(places); ++i) SetLabelText(places[i], lines[i]);
  FlowStatusLabels();
  state_.NoticeShown = true;
}

void TForm1::ShowProposalSentence(const ProposalSentence& sentence) {
  SetLabelText(Label4, sentence.intro);
  // From 14 vertices on the labels do not fit on one line: they break between whole labels within
  // the buttons' column, and the rest of the sentence follows below them, still above Button5.
  const QFontMetrics metrics(Label7->font());
  const int columnWidth = zoom_.Scaled(StatusColumnWidth);
  QStringList lines{QString()};
  for (const QString& item : Q(sentence.labels).split(' ', Qt::SkipEmptyParts)) {
    const QString longer = lines.back() + ' ' + item;
    if (lines.back().isEmpty() || metrics.horizontalAdvance(longer) <= columnWidth) {
      lines.back() = longer;
    } else {
      lines << ' ' + item;
    }
  }
  // One line keeps the sentence's own spacing, the trailing blank before the rest included.
  SetLabelText(Label7, lines.size() > 1 ? lines.join(QChar('\n')).toStdString() : sentence.labels);
  SetLabelText(Label8, sentence.difference);
  FlowStatusLabels();
}

void TForm1::ShowProposal(const ProposalView& view) {
  ClearStatusLabels();
  SetLabelText(Label1, view.summary);
  SetLabelText(Label6, view.agreement);
  ShowProposalSentence(view.sentence);
  OfferProposal(view.labeling, false);
}

void TForm1::ShowNoLabeling() {
  ClearStatusLabels();
  ShowNoLabelingOf(false);
}

void TForm1::PutIntoBox(int vertex, const std::string& text) { boxes_[vertex]->setText(Q(text)); }

void TForm1::MarkBoxes(const std::vector<int>& vertices, BoxMark mark) {
  state_.BoxMarks.fill(BoxMark::None);
  for (int v : vertices) {
    if (v >= 1 && v <= MaxVertices) state_.BoxMarks[v] = mark;
  }
  ApplyBoxMarks();
}

void TForm1::ApplyBoxMarks() {
  // On the boxes themselves, never in the tree picture: the number's colour, and words for a screen
  // reader.
  for (int k = 1; k <= MaxVertices; ++k) {
    const BoxMark mark = state_.BoxMarks[k];
    QPalette palette = boxes_[k]->palette();
    palette.setColor(QPalette::Text, mark == BoxMark::Change ? QColor(Qt::red)
                                     : mark == BoxMark::Take
                                         ? QColor(0, 128, 0)
                                         : QApplication::palette(boxes_[k]).color(QPalette::Text));
    boxes_[k]->setPalette(palette);
    boxes_[k]->setAccessibleDescription(mark == BoxMark::Change ? Q(texts::ChangeMarkDescription)
                                        : mark == BoxMark::Take ? Q(texts::TakeMarkDescription)
                                                                : QString());
  }
}

void TForm1::FocusBox(int vertex, bool selectText) {
  FocusControl(boxes_[vertex]);
  if (selectText) boxes_[vertex]->selectAll();
}

namespace {

Rect PictureRect(const QRect& inWindow, const QPoint& pictureOrigin) {
  const QRect r = inWindow.translated(-pictureOrigin);
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Where `label` writes `text` at the design size, whether or not it shows it now; measured as the
// label measures it, at its font of the design.
QRect LabelTextRect(const QLabel* label, QPoint designTopLeft, double zoom, const std::string& text) {
  const QFontMetrics metrics(label->font());
  const QRect zoomed = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, Q(text));
  return {designTopLeft, QSize(static_cast<int>(std::ceil(zoomed.width() / zoom)),
                               static_cast<int>(std::ceil(zoomed.height() / zoom)))};
}

}  // namespace

void TForm1::ShowVertexNumbers() {
  std::vector<VertexNumbers::Number> numbers;
  const int n = state_.VertexCount;
  if (state_.VertexNumbersShown && n >= 2) {
    // The boxes on the picture are exactly the vertices drawn.
    std::vector<bool> shown(MaxVertices + 1, false);
    std::vector<TextSize> sizes(n + 1);
    for (int v = 1; v <= n; ++v) {
      shown[v] = state_.ShownVertices[v];
      const QSize size = VertexNumbers::TextSize(v);
      sizes[v] = {size.width(), size.height()};
    }
    // The fixed texts and buttons over the picture.
    const QPoint origin = TreePictureOrigin;
    const double zoom = zoom_.Factor();
    std::vector<Rect> keepOut = {
        PictureRect(LabelTextRect(Label5, zoom_.Design(Label5).topLeft(), zoom, texts::FillInPrompt), origin),
        PictureRect(
            LabelTextRect(Label2, zoom_.Design(Label2).topLeft(), zoom, texts::VertexCountSentence(n)),
            origin),
        PictureRect(zoom_.Design(Button8), origin), PictureRect(zoom_.Design(Button9), origin),
        PictureRect(zoom_.Design(Button2), origin)};
    // A number beside a value square would read as one with it ("11" and "1" as "111").
    if (state_.Drawn.values) {
      for (const Rect& square : EdgeValueSquares(state_.Layout(), state_.TreeEdges()))
        keepOut.push_back(square);
    }
    const QSize picture = g->LogicalSize();
    for (const PlacedNumber& number :
         PlaceVertexNumbers(state_.Layout(), shown, sizes, keepOut, picture.width(), picture.height()))
      numbers.push_back({number.centre.x, number.centre.y, number.vertex});
  }
  vertexNumbers_->SetNumbers(std::move(numbers));
}

void TForm1::SetVertexNumbersShown(bool on) {
  state_.VertexNumbersShown = on;
  ShowVertexNumbers();
  UpdateCommands();
}

VertexLayout TForm1::TreeShapeFor(int n, const std::vector<Edge>& edges) const {
  const QSize picture = g->LogicalSize();
  // Between Dozadu/Dopredu at the top and ENTER at the bottom, so that no control covers a vertex;
  // the whole picture for the rare tree that does not fit there cleanly.
  const int top = zoom_.Design(Button8).bottom() + 1 - TreePictureOrigin.y();
  const int bottom = zoom_.Design(Button2).top() - TreePictureOrigin.y();
  VertexLayout band = TreeLayout(n, edges, picture.width(), bottom - top, top);
  if (CountCollisions(band, edges, picture.width(), picture.height()) == 0) return band;
  return TreeLayout(n, edges, picture.width(), picture.height());
}

VertexLayout TForm1::LayoutFor(int n, const std::vector<Edge>& edges) const {
  const QSize picture = g->LogicalSize();
  return state_.TreeShaped ? TreeShapeFor(n, edges)
                           : CircleLayout(CircleForPicture(picture.width(), picture.height()), n);
}

void TForm1::SetTreeShaped(bool on) {
  state_.TreeShaped = on;
  RedrawInLayout();
  UpdateCommands();
}

void TForm1::RedrawInLayout() {
  if (state_.VertexCount < 2) return;
  // The same picture in the other layout: the outline, the squares of the last check, the boxes.
  const VertexLayout layout = state_.Layout();
  DrawTreeOutline(g->Surface(), layout, state_.Drawn.vertices, state_.Drawn.edges);
  if (state_.Drawn.values) DrawEdgeValues(g->Surface(), layout, state_.TreeEdges(), *state_.Drawn.values);
  std::vector<bool> shown(state_.ShownVertices.begin(), state_.ShownVertices.end());
  shown.resize(state_.VertexCount + 1);
  PlaceBoxes(VertexBoxPlacements(layout, {TreePictureOrigin.x(), TreePictureOrigin.y()}, shown));
}

int TForm1::FittingZoom(int percent) const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return percent;
  // Before the window is shown its frame is unknown: room for a usual title bar and border.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 48);
  return WindowZoom::FittingPercent(percent, DesignSize, frame, screen->availableGeometry().size());
}

bool TForm1::ZoomFits(int percent) const { return FittingZoom(percent) >= percent; }

int TForm1::ApplyZoom(int percent) {
  percent = FittingZoom(percent);
  const bool changed = percent != zoom_.Percent();
  zoom_.SetPercent(percent);
  setFont(PixelFont("MS Sans Serif", zoom_.ScaledFont(11), false));
  setFixedSize(zoom_.Scaled(DesignSize.width()), zoom_.Scaled(DesignSize.height()));
  for (PictureBox* picture : {g, tab, tabid}) picture->SetZoom(zoom_.Factor());
  vertexNumbers_->SetZoom(zoom_.Factor());
  if (changed) CentreOnScreen();
  UpdateCommands();
  return percent;
}

std::vector<ExportBox> TForm1::ShownBoxesForExport() const {
  std::vector<ExportBox> shown;
  for (int k = 1; k <= MaxVertices; ++k) {
    if (state_.ShownVertices[k])
      shown.push_back({zoom_.Design(boxes_[k]).topLeft() - TreePictureOrigin, boxes_[k]->text()});
  }
  return shown;
}

QImage TForm1::PictureForExport() const {
  const std::vector<ExportBox> shownBoxes = ShownBoxesForExport();
  QImage image = RenderPictureExport(*g, shownBoxes, state_.CheckTableShown ? tab : nullptr,
                                     TableOffsetInWindow, ExportScale);
  if (!vertexNumbers_->Numbers().empty()) {
    QPainter painter(&image);
    painter.scale(ExportScale, ExportScale);
    VertexNumbers::Paint(painter, vertexNumbers_->Numbers());
  }
  return image;
}
