#pragma once

#include <QString>
#include <string>

class QWidget;

class WindowSettings;

// Where each kind of file dialog opens: the user's Pictures or Documents folder the first time,
// then the folder of the last file chosen in a dialog of that kind, also in a later run.
class DialogFolders {
 public:
  enum class Kind { Pictures, Trees };

  explicit DialogFolders(WindowSettings& settings) : settings_(settings) {}

  // The suggested file name in the folder where a dialog of this kind opens.
  QString SuggestedPath(Kind kind, const QString& fileName) const;
  QString Folder(Kind kind) const;
  void Remember(Kind kind, const QString& chosenPath);
  // The save dialog of this kind, in its folder with the suggested name; the chosen folder is
  // remembered. Empty when cancelled.
  QString AskWhereToSave(QWidget* parent, Kind kind, const std::string& title, const std::string& fileName,
                         const std::string& filters);

 private:
  WindowSettings& settings_;
};
