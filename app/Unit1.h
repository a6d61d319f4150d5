#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <string>

#include "app/ProgramState.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PictureBox;

// The program's one window: every control of the design and every command as an event handler.
class TForm1 : public QWidget {
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Read-only view of the program state, for tests.
  const ProgramState& state() const { return state_; }
  // True while the search or the comparison of a proposal runs.
  bool busy() const { return busy_; }

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
  void closeEvent(QCloseEvent* event) override;

 private:
  void createWindow();
  void createEdgeInput();
  void createVertexBoxes();
  void createButtons();
  void createPictures();
  void createLabels();
  void wireEvents();

  static void SetTabStop(QWidget* control, bool on);
  // Gives the keyboard focus to a control, never to a hidden or disabled one.
  void FocusControl(QWidget* control);
  void SetButton2Default(bool isDefault);
  void SetLabelText(QLabel* label, const std::string& text);
  void ClearStatusLabels();
  bool ReadAndValidateFilling();
  void DrawFilling(const Labels& labels);
  void ShowCheckedState(bool leafRemovalOffered);
  void ShowSnapshot();
  void ApplyHistoryButtons();
  void PlaceBoxes(const std::vector<struct BoxPlacement>& boxes);
  std::array<std::string, MaxVertices + 1> BoxTexts() const;
  // Lets pending events run at most every ~15 ms; false once the window is closing.
  bool Breathe();

  ProgramState state_;
  bool button2Default_ = false;
  bool busy_ = false;
  bool closing_ = false;
  bool memo1EnterRan_ = false;
  QElapsedTimer breathTimer_;

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
};
