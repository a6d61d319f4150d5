#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <string>

#include "app/DialogFolders.h"
#include "app/ProgramState.h"
#include "app/WindowSettings.h"
#include "app/WindowZoom.h"
#include "files/TreeFile.h"
#include "files/Worksheet.h"
#include "platform/PictureExport.h"
#include "tree/VertexLayout.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PictureBox;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QPagedPaintDevice;
class QImage;
class QKeySequence;
class QString;
class VertexNumbers;
class MouseHoldWatcher;

// The program's one window: every control of the design and every command as an event handler.
class TForm1 : public QWidget {
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Read-only view of the program state, for tests.
  const ProgramState& State() const { return state_; }
  // True while the search or the comparison of a proposal runs.
  bool Busy() const { return busy_; }
  // The extra commands after their dialogs, for tests: false when the file could not be written.
  bool SavePictureTo(const QString& path);
  int ZoomPercent() const { return zoom_.Percent(); }
  void PutRandomTree(int n);
  // Opens a tree file (or a set of trees) and confirms its first tree; false when the file could not
  // be read, and then nothing has changed.
  bool OpenTreeFile(const QString& path);
  bool SaveTreeTo(const QString& path);
  // The exercise as it stands on a printer's (or a PDF writer's) pages.
  bool PrintExerciseTo(QPagedPaintDevice& device);
  // A worksheet of `count` trees: those of the open set, or random ones of n vertices. False when
  // it was cancelled or could not be written.
  bool WriteWorksheetTo(const QString& path, int count, int n);

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
  void CreateExtras();

  // The commands beyond the fixed controls, in the context menu and on shortcuts.
  QAction* AddExtraCommand(const std::string& text, const QKeySequence& shortcut, void (TForm1::*command)());
  // Whether a search may start now: "Hľadať a navrhnúť riešenie" is shown and can be pressed.
  bool SearchOffered() const;
  // Enables each extra command exactly when it makes sense.
  void UpdateExtraCommands();
  // "Navrhnúť najpodobnejšie riešenie": the graceful labeling closest to the filling.
  void ProposeClosest();
  void ShowVertexNumbers();
  void ShowAbout();
  // "Kresliť ako strom": the picture in the tree-shaped layout, or on the circle again.
  void DrawAsTree(bool on);
  void AskForTreeFile();
  void AskWhereToSaveTree();
  // The save dialog of this kind, in its folder with the suggested name; the chosen folder is
  // remembered. Empty when cancelled.
  QString AskWhereToSave(DialogFolders::Kind kind, const std::string& title, const std::string& fileName,
                         const std::string& filters);
  void NextSetTree();
  void PreviousSetTree();
  void PutSetTree(int index);
  void RenumberWithoutCrossings();
  // Types the tree into the edge box and confirms it as a new exercise: the boxes get `boxTexts`
  // (vertex 1 first) when the tree is accepted, and are then checked when `check` is set.
  void ConfirmTree(const std::vector<std::string>& edgeLines, const std::vector<std::string>& boxTexts,
                   bool check);
  std::vector<std::string> FilledBoxTexts() const;
  // A file dragged from the desktop onto the window or any of its boxes; false for other drags.
  bool AcceptFileDrag(QEvent* event);
  // "Poradiť": one number, or the numbers that stand in the way.
  void GiveHint();
  void PrintExercise();
  void AskForWorksheet();
  std::vector<WorksheetTree> WorksheetTrees(int count, int n) const;
  // The boxes on the tree picture with their texts, in the picture's coordinates.
  std::vector<ExportBox> ShownBoxesForExport() const;
  // "Ďalšie riešenie": the graceful labeling after the proposed one in candidate order.
  void ShowNextLabeling();
  bool NextLabelingOffered() const;
  void EndShownProposal();
  // Where the vertices of the confirmed tree stand on the tree picture.
  VertexLayout CurrentLayout() const;
  VertexLayout TreeShapeFor(int n, const std::vector<Edge>& edges) const;
  void ZoomIn();
  void ZoomOut();
  void ZoomToDesign();
  // Scales the whole window to a zoom step that fits the screen, and centres it there.
  void SetZoom(int percent);
  // The largest zoom step up to `percent` at which the window fits its screen.
  int FittingZoom(int percent) const;
  void SavePicture();
  void CopyPicture();
  void AskForRandomTree();
  // What "Uložiť obrázok…" and "Kopírovať obrázok" give: the tree picture with the boxes' numbers,
  // the vertex numbers when shown, and the check table when it is shown, at three times the size.
  QImage PictureForExport() const;
  static constexpr int ExportScale = 3;

  // The one place that shows, hides, enables and disables the command controls. `leafRemoval`
  // is whether "Odstrániť listy" can be pressed in the Checked and LeavesPeeled phases.
  void EnterPhase(WindowPhase phase, bool leafRemoval = false);
  // "Hľadať a navrhnúť riešenie" until the labelings of this tree are stored, then "Navrhnúť riešenie".
  void ApplySearchCaption();
  void ShowCheckTable(bool shown);
  // The control the student was working in when a command started: the focused one, or the box
  // before the command button that the click focused.
  QWidget* WorkingControl() const;
  void ReturnFocusTo(QWidget* control);
  // The search disables the commands that would change what it works on, and gives them back.
  void SetSearching(bool searching);

  static void SetTabStop(QWidget* control, bool on);
  // Gives the keyboard focus to a control, never to a hidden or disabled one.
  void FocusControl(QWidget* control);
  void SetButton2Default(bool isDefault);
  void SetLabelText(QLabel* label, const std::string& text);
  void ClearStatusLabels();
  // Draws the proposal table and offers viewing and filling in the proposal.
  void ShowProposal(const Labels& labels);
  // What the window shows when the graph has no graceful labeling.
  void ShowNoLabeling();
  void ShowProposalSentence(const struct ProposalSentence& sentence);
  bool ReadAndValidateFilling();
  // Draws a checked filling on the tree and the table and offers what follows a check.
  void ShowCheckedFilling(const Labels& labels, bool leafRemoval);
  void ShowSnapshot();
  void ApplyHistoryButtons();
  void PlaceBoxes(const std::vector<struct BoxPlacement>& boxes);
  std::array<std::string, MaxVertices + 1> BoxTexts() const;
  // Lets pending events run at most every ~15 ms; false once the window is closing.
  bool Breathe();

  static constexpr QSize DesignSize{857, 516};
  static constexpr QPoint TreePictureOrigin{88, 8};
  static constexpr int VertexBoxSize = 20;
  void CentreOnScreen();
  // Where Label8 sits when the proposal's labels fit on one line.
  static constexpr int ProposalLastLineTop = 124;
  // The proposal's labels wrap at the right edge of the buttons below them (x 600..849).
  static constexpr int ProposalColumnWidth = 249;

  ProgramState state_;
  bool button2Default_ = false;
  bool busy_ = false;
  bool closing_ = false;
  bool memo1EnterRan_ = false;
  MouseHoldWatcher* button4Hold_ = nullptr;
  QElapsedTimer breathTimer_;
  QPointer<QWidget> lastTypingControl_;
  WindowSettings settings_;
  DialogFolders dialogFolders_{settings_};
  WindowZoom zoom_;
  // The trees of the file opened last, and which of them is in the edge box.
  std::vector<FileTree> treeSet_;
  int treeSetIndex_ = 0;

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

  VertexNumbers* vertexNumbers_ = nullptr;
  QAction* closestAction_ = nullptr;
  QAction* showNumbersAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QAction* randomTreeAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* saveTreeAction_ = nullptr;
  QAction* nextSetTreeAction_ = nullptr;
  QAction* previousSetTreeAction_ = nullptr;
  QAction* renumberAction_ = nullptr;
  QAction* hintAction_ = nullptr;
  QAction* nextLabelingAction_ = nullptr;
  QAction* treeDrawingAction_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* worksheetAction_ = nullptr;
  QAction* zoomInAction_ = nullptr;
  QAction* zoomOutAction_ = nullptr;
  QAction* zoomResetAction_ = nullptr;
};
