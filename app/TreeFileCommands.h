#pragma once

#include <QString>

class DialogFolders;
class ExerciseWindow;
class QEvent;

// New exercises: tree files and sets of trees in and out, a random tree, and the renumbering
// without crossings. Each puts a tree into the edge box and confirms it as "Potvrdiť" does.
class TreeFileCommands {
 public:
  TreeFileCommands(ExerciseWindow& window, DialogFolders& folders) : window_(window), folders_(folders) {}

  void AskForTreeFile();
  // Opens a tree file (or a set of trees) and confirms its first tree; false when the file could not
  // be read, and then nothing has changed.
  bool Open(const QString& path);
  void AskWhereToSave();
  bool SaveTo(const QString& path);
  void NextSetTree();
  void PreviousSetTree();
  void RenumberWithoutCrossings();
  void AskForRandomTree();
  void PutRandomTree(int n);
  // A file dragged from the desktop onto the window or any of its boxes; false for other drags.
  bool AcceptFileDrag(QEvent* event);

 private:
  void PutSetTree(int index);

  ExerciseWindow& window_;
  DialogFolders& folders_;
};
