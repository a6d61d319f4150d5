#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "files/Worksheet.h"
#include "platform/PrintedPages.h"
#include "tree/VertexLayout.h"

class DialogFolders;
class ExerciseWindow;
class QPagedPaintDevice;
class QWidget;

// A solved tree of a worksheet on paper in `layout`: its givens in the circles, each vertex's own
// number beside its circle when `names`, and its key.
WorksheetEntry PaperEntry(const WorksheetSolution& solution, const VertexLayout& layout, bool names);
// What the choice says of the pages.
WorksheetPaper PaperOf(const WorksheetChoice& choice);

// Paper and pictures: the exercise as it stands printed, worksheets of several trees with their
// key, and the picture saved or copied.
class PaperCommands {
 public:
  PaperCommands(ExerciseWindow& window, DialogFolders& folders) : window_(window), folders_(folders) {}

  // The exercise in the print preview, from which it is printed.
  void PrintExercise();
  // The exercise as it stands, black on white: the filled numbers in their circles and, after a
  // check, the edge values and the table.
  bool PrintExerciseTo(QPagedPaintDevice& device);
  // The worksheet dialog, then where to save; cancelling at any point writes nothing.
  void AskForWorksheet();
  // The dialog alone, starting from the choices of the last time; the choice, remembered, when
  // the teacher goes on.
  std::optional<WorksheetChoice> AskForWorksheetChoice();
  // The chosen worksheet (and its key beside it when the choice says so). False when the choice
  // makes none, the work was cancelled or a file could not be written (after saying so).
  bool WriteWorksheetTo(const QString& path, const WorksheetChoice& choice);
  // `count` trees from the first of the open set, or `count` random ones of n vertices, two a page
  // with the key at the end.
  bool WriteWorksheetTo(const QString& path, int count, int n);
  // The pages of the chosen worksheet in the print preview; false when the work was cancelled.
  bool PreviewWorksheet(const WorksheetChoice& choice, QWidget* parent);
  void AskWhereToSavePicture();
  // False when the file could not be written.
  bool SavePictureTo(const QString& path);
  void CopyPicture();

 private:
  // The open set with the fillings as they stand in the window.
  TreeFileReading SetAsItStands() const;
  // The chosen trees solved and laid out; nullopt when the work was cancelled. What was prepared
  // last is taken again for the same trees, so that the preview and the file show the same random
  // trees.
  std::optional<std::vector<WorksheetEntry>> Prepare(const WorksheetChoice& choice);

  struct Prepared {
    WorksheetChoice choice;
    std::vector<FileTree> set;
    std::vector<WorksheetEntry> entries;
  };
  ExerciseWindow& window_;
  DialogFolders& folders_;
  std::optional<Prepared> prepared_;
};
