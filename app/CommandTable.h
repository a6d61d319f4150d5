#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QPoint;
class QWidget;

// What decides whether a command is offered: one snapshot of the window's state.
struct CommandOffer {
  bool busy = false;
  bool treeConfirmed = false;  // a tree is drawn (VertexCount >= 2)
  bool searchOffered = false;  // "Hľadať a navrhnúť riešenie" can be pressed
  bool nextLabelingOffered = false;
  bool setHasNext = false;
  bool setHasPrevious = false;
  bool canZoomIn = false;
  bool canZoomOut = false;
  bool vertexNumbersShown = false;
  bool treeShaped = false;
};

// Where a command stands in the context menu: at its top level or in a submenu, and in which group
// (groups are parted by separators, in increasing order).
enum class MenuPlace { Top, File, Exercise, View };

struct CommandRow {
  const char* id;  // the action's objectName; tests and the help find the command by it
  std::string text;
  QList<QKeySequence> keys;
  MenuPlace menu = MenuPlace::Top;
  int group = 0;
  std::function<bool(const CommandOffer&)> offered;
  std::function<void()> run;
  // For a command that is on or off: whether it is on. The check mark only mirrors this.
  std::function<bool(const CommandOffer&)> checked = nullptr;
};

// The window's commands beyond its fixed controls: one QAction per row, on the window (so that its
// keys work wherever the focus is), the context menu and the enabling, all from the rows.
class CommandTable {
 public:
  CommandTable(QWidget* window, std::vector<CommandRow> rows, std::function<CommandOffer()> snapshot);

  // Enables and checks every command from the snapshot of the state.
  void Update();
  void ShowMenu(const QPoint& globalPos) const;
  const std::vector<CommandRow>& Rows() const { return rows_; }

 private:
  QWidget* window_;
  std::vector<CommandRow> rows_;
  std::vector<QAction*> actions_;
  std::function<CommandOffer()> snapshot_;
};

// The text of a key as the desktop writes it ("Ctrl+Shift+P").
std::string KeyText(const QKeySequence& key);
