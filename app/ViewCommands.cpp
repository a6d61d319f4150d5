#include "app/ViewCommands.h"

#include "app/CommandTable.h"
#include "app/ExerciseWindow.h"
#include "app/HelpWindow.h"
#include "app/QtText.h"
#include "app/WindowSettings.h"
#include "app/WindowTexts.h"
#include "app/WindowZoom.h"
#include "platform/DesktopSetup.h"
#include "platform/MessageBoxes.h"

void ViewCommands::RestoreFromSettings() {
  window_.SetTreeShaped(settings_.TreeDrawing());
  window_.SetVertexNumbersShown(settings_.VertexNumbers());
  window_.ApplyZoom(settings_.ZoomPercent());
}

void ViewCommands::ToggleVertexNumbers() {
  const bool on = !window_.State().VertexNumbersShown;
  settings_.SetVertexNumbers(on);
  window_.SetVertexNumbersShown(on);
}

void ViewCommands::ToggleTreeDrawing() {
  const bool on = !window_.State().TreeShaped;
  settings_.SetTreeDrawing(on);
  window_.SetTreeShaped(on);
}

void ViewCommands::Zoom(int percent) {
  // The user's choice is kept as chosen; a smaller screen only shows less of it.
  settings_.SetZoomPercent(window_.ApplyZoom(percent));
}

void ViewCommands::ZoomIn() { Zoom(WindowZoom::NextStep(window_.ZoomPercent(), +1)); }

void ViewCommands::ZoomOut() { Zoom(WindowZoom::NextStep(window_.ZoomPercent(), -1)); }

void ViewCommands::ZoomToDesign() { Zoom(WindowZoom::DesignPercent); }

bool ViewCommands::CanZoomIn() const {
  const int percent = window_.ZoomPercent();
  const int next = WindowZoom::NextStep(percent, +1);
  return next != percent && window_.ZoomFits(next);
}

bool ViewCommands::CanZoomOut() const {
  return WindowZoom::NextStep(window_.ZoomPercent(), -1) != window_.ZoomPercent();
}

void ViewCommands::ShowAbout() {
  MessageBoxes::ShowMessage(window_.DialogParent(), Q(texts::AboutText(ProgramVersion().toStdString())));
}

void ViewCommands::ShowHelp() {
  if (!help_) help_ = new HelpWindow(window_.DialogParent(), window_.Commands().Rows());
  help_->show();
  help_->raise();
  help_->activateWindow();
}
