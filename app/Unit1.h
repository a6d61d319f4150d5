#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "app/DialogFolders.h"
#include "app/ExerciseWindow.h"
#include "app/ProgramState.h"
#include "app/WindowSettings.h"
#include "app/WindowZoom.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PictureBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class VertexNumbers;
class MouseHoldWatcher;
class CommandTable;
class ConjectureCommands;
class LabelingHelpCommands;
class PaperCommands;
class TreeFileCommands;
class ViewCommands;
struct BoxPlacement;
struct ProposalSentence;

// The program's one window: every control of the design, its commands as event handlers, and what
// the commands beyond the fixed controls may ask of it.
class TForm1 : public QWidget, public ExerciseWindow {
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The commands beyond the fixed controls, for the program's start and for tests.
  TreeFileCommands& Files() { return *files_; }
  PaperCommands& Paper() { return *paper_; }
  ConjectureCommands& Conjecture() { return *conjecture_; }
  const CommandTable& Commands() const override { return *commands_; }

  void Memo1Enter();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4MouseDown();
  void Button4MouseUp();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();

  // ExerciseWindow
  const ProgramState& State() const override { return state_; }
  QWidget* DialogParent() override { return this; }
  std::optional<Labels> ReadFilling() override;
  std::vector<std::string> FilledBoxTexts() const override;
  bool ConfirmNewExercise(const std::vector<std::string>& edgeLines, const std::vector<std::string>& boxTexts,
                          bool check) override;
  void TypeIntoEdgeBox(const std::vector<std::string>& edgeLines) override;
  void SetOpenSet(ProgramState::TreeSet set) override;
  bool RunLongWork(const std::function<bool(const Breath&)>& work) override;
  void ShowNotice(const std::vector<std::string>& lines) override;
  void ShowProposal(const ProposalView& view) override;
  void ShowNoLabeling() override;
  void PutIntoBox(int vertex, const std::string& text) override;
  void FocusBox(int vertex, bool selectText) override;
  void MarkBoxes(const std::vector<int>& vertices, BoxMark mark) override;
  void SetTreeShaped(bool on) override;
  void SetVertexNumbersShown(bool on) override;
  int ApplyZoom(int percent) override;
  int ZoomPercent() const override { return zoom_.Percent(); }
  bool ZoomFits(int percent) const override;
  VertexLayout LayoutFor(int n, const std::vector<Edge>& edges) const override;
  QImage PictureForExport() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateWindow();
  void CreateEdgeInput();
  void CreateVertexBoxes();
  void CreateButtons();
  void CreatePictures();
  void CreateLabels();
  void WireEvents();
  void CreateCommands();

  // The one place that shows, hides, enables and disables the command controls. `leafRemoval`
  // is whether "Odstrániť listy" can be pressed in the Checked and LeavesPeeled phases;
  // `searchEnded` marks the end of the search button's work, which gives its controls back.
  void EnterPhase(WindowPhase phase, bool leafRemoval = false, bool searchEnded = false);
  // Puts the controls as the state says, with what long work takes disabled while it runs.
  void ApplyControls();
  void UpdateCommands();
  // The window's title names the open document and the tree of it shown.
  void ApplyTitle();
  struct CommandOffer CommandSnapshot() const;
  void ShowCheckTable(bool shown);
  // The control the student was working in when a command started: the focused one, or the box
  // before the command button that the click focused.
  QWidget* WorkingControl() const;
  void ReturnFocusTo(QWidget* control);

  static void SetTabStop(QWidget* control, bool on);
  // Gives the keyboard focus to a control, never to a hidden or disabled one.
  void FocusControl(QWidget* control);
  void SetLabelText(QLabel* label, const std::string& text);
  // Wraps a status text between words within the column x 600..849.
  std::string WrappedStatusText(const QLabel* label, const std::string& text) const;
  // Each status label at its own place, or below the one above it when that one wraps.
  void FlowStatusLabels();
  void ClearStatusLabels();
  // The sentence about a checked filling, announced to a screen reader as it appears.
  void ShowVerdict(const Labels& labels);
  void HideVerdict();
  void ApplyBoxMarks();
  // What a screen reader says of the tree picture and a table.
  void DescribeTree(const std::string& description);
  // A notice goes as soon as what it speaks of changes.
  void DropNotice();
  void ShowProposalSentence(const ProposalSentence& sentence);
  // Draws the proposal table and offers viewing and filling in the proposal.
  void OfferProposal(const Labels& labels, bool searchEnded);
  void ShowNoLabelingOf(bool searchEnded);
  bool ReadAndValidateFilling(Labels& into);
  // Draws a checked filling on the tree and the table and offers what follows a check.
  void ShowCheckedFilling(const Labels& labels, bool leafRemoval);
  void ShowSnapshot();
  void PlaceBoxes(const std::vector<BoxPlacement>& boxes);
  std::array<std::string, MaxVertices + 1> BoxTexts() const;
  // Lets pending events run at most every ~15 ms; false once the window is closing.
  bool Breathe();

  VertexLayout TreeShapeFor(int n, const std::vector<Edge>& edges) const;
  // Draws the picture again in the layout now chosen: the outline, the squares, the boxes.
  void RedrawInLayout();
  void ShowVertexNumbers();
  // The largest zoom step up to `percent` at which the window fits its screen.
  int FittingZoom(int percent) const;
  // The boxes on the tree picture with their texts, in the picture's coordinates.
  std::vector<struct ExportBox> ShownBoxesForExport() const;
  static constexpr int ExportScale = 3;

  static constexpr QSize DesignSize{857, 516};
  static constexpr QPoint TreePictureOrigin{88, 8};
  static constexpr int VertexBoxSize = 20;
  void CentreOnScreen();
  // Where Label8 sits when the proposal's labels fit on one line.
  static constexpr int ProposalLastLineTop = 124;
  // The status texts wrap at the right edge of the buttons below them (x 600..849).
  static constexpr int StatusColumnWidth = 249;

  ProgramState state_;
  bool closing_ = false;
  bool memo1EnterRan_ = false;
  MouseHoldWatcher* button4Hold_ = nullptr;
  QElapsedTimer breathTimer_;
  QPointer<QWidget> lastTypingControl_;
  WindowSettings settings_;
  DialogFolders dialogFolders_{settings_};
  WindowZoom zoom_;

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button6 = nullptr;
  QPushButton* Button7 = nullptr;
  QPushButton* Button8 = nullptr;
  QPushButton* Button9 = nullptr;
  std::array<QLineEdit*, MaxVertices + 1> boxes_{};  // e01..e20 at 1..20
  PictureBox* g = nullptr;
  PictureBox* tab = nullptr;
  PictureBox* tabid = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* verdict_ = nullptr;
  VertexNumbers* vertexNumbers_ = nullptr;

  std::unique_ptr<LabelingHelpCommands> help_;
  std::unique_ptr<TreeFileCommands> files_;
  std::unique_ptr<PaperCommands> paper_;
  std::unique_ptr<ViewCommands> view_;
  std::unique_ptr<ConjectureCommands> conjecture_;
  std::unique_ptr<CommandTable> commands_;
};
