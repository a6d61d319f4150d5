#pragma once

#include <QString>

class DialogFolders;
class ExerciseWindow;
class QPagedPaintDevice;

// Paper and pictures: the exercise as it stands printed, worksheets of several trees with their
// key, and the picture saved or copied.
class PaperCommands {
 public:
  PaperCommands(ExerciseWindow& window, DialogFolders& folders) : window_(window), folders_(folders) {}

  void PrintExercise();
  bool PrintExerciseTo(QPagedPaintDevice& device);
  void AskForWorksheet();
  // A worksheet of `count` trees: those of the open set, or random ones of n vertices. False when
  // it was cancelled or could not be written.
  bool WriteWorksheetTo(const QString& path, int count, int n);
  void AskWhereToSavePicture();
  // False when the file could not be written.
  bool SavePictureTo(const QString& path);
  void CopyPicture();

 private:
  ExerciseWindow& window_;
  DialogFolders& folders_;
};
