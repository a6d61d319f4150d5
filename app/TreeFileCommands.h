#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "files/TreeFile.h"

class DialogFolders;
class ExerciseWindow;
class QEvent;

// A tree file read from disk: the reading, or the message that names the file when it cannot be
// read (only a plain file of at most 1 MB is read, so a named pipe never holds the reader).
struct TreeFileAt {
  TreeFileReading reading;
  std::string message;  // empty when the reading is good
};
TreeFileAt ReadTreeFileAt(const QString& path);

// New exercises and the document they come from: tree files and sets of trees in and out, a
// random tree, and the renumbering without crossings. Each puts a tree into the edge box and
// confirms it as "Potvrdiť" does. A file is checked whole before anything in the window changes,
// and fillings the student changed are never thrown away without asking.
class TreeFileCommands {
 public:
  TreeFileCommands(ExerciseWindow& window, DialogFolders& folders) : window_(window), folders_(folders) {}

  void AskForTreeFile();
  // Opens a tree file (or a set of trees) and confirms its first tree that the window takes; false
  // when none opened, and then nothing has changed.
  bool Open(const QString& path);
  // A set the program made, as text of a tree file: it opens as a file would, but has none behind
  // it until it is saved (under a name like `suggestedName`).
  bool OpenGenerated(const std::string& text, const std::string& title, const std::string& suggestedName);
  // One tree as a new exercise of the student's own (the document closes, asking first).
  void OpenAsExercise(const std::vector<std::string>& edgeLines);
  // Ctrl+S: back into the file opened, or where the student chooses.
  void Save();
  void AskWhereToSave();
  // Writes the open set (or, with none, the tree in the window) to the file, which becomes the open
  // document; false after a message when it cannot.
  bool SaveTo(const QString& path);
  void NextSetTree();
  void PreviousSetTree();
  void RenumberWithoutCrossings();
  void AskForRandomTree();
  void PutRandomTree(int n);
  // A file dragged from the desktop onto the window or any of its boxes; false for other drags.
  bool AcceptFileDrag(QEvent* event);
  // Whether the fillings changed since the file was opened or saved.
  bool Modified() const;
  // Before what would throw changed fillings away: "Uložiť zmeny…?" Saves when asked to; false when
  // the student cancels (or the save fails), and then nothing may be thrown away.
  bool MayDiscardChanges();
  void Quit();

 private:
  bool OpenReading(TreeFileReading reading, const QString& path, const std::string& title,
                   const std::string& suggestedName);
  void PutSetTree(int index);
  QString SuggestedSavePath() const;
  ProgramState::TreeSet SetAsItStands() const;

  ExerciseWindow& window_;
  DialogFolders& folders_;
};
