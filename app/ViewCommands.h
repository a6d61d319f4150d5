#pragma once

#include <QPointer>

class HelpWindow;
class ExerciseWindow;
class WindowSettings;

// How the window shows the exercise: the tree drawing, the vertex numbers and the zoom, each kept
// in the settings as the user chose it; and what the program is.
class ViewCommands {
 public:
  ViewCommands(ExerciseWindow& window, WindowSettings& settings) : window_(window), settings_(settings) {}

  // The view of the last run; the zoom shrinks to the screen, the choice stays in the settings.
  void RestoreFromSettings();
  void ToggleVertexNumbers();
  void ToggleTreeDrawing();
  void ZoomIn();
  void ZoomOut();
  void ZoomToDesign();
  bool CanZoomIn() const;
  bool CanZoomOut() const;
  void ShowAbout();
  // "Pomocník": one help window, opened or brought to the front.
  void ShowHelp();

 private:
  void Zoom(int percent);

  ExerciseWindow& window_;
  WindowSettings& settings_;
  QPointer<HelpWindow> help_;
};
