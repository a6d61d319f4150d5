#include "app/DialogFolders.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/WindowSettings.h"

QString DialogFolders::Folder(Kind kind) const {
  if (const QString last = settings_.LastFolder(kind); !last.isEmpty()) return last;
  const QString standard = QStandardPaths::writableLocation(
      kind == Kind::Pictures ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
  // A desktop without these folders still has a home.
  return !standard.isEmpty() && QDir(standard).exists() ? standard : QDir::homePath();
}

QString DialogFolders::SuggestedPath(Kind kind, const QString& fileName) const {
  return QDir(Folder(kind)).filePath(fileName);
}

void DialogFolders::Remember(Kind kind, const QString& chosenPath) {
  settings_.SetLastFolder(kind, QFileInfo(chosenPath).absolutePath());
}

QString DialogFolders::AskWhereToSave(QWidget* parent, Kind kind, const std::string& title,
                                      const std::string& fileName, const std::string& filters) {
  const QString path = QFileDialog::getSaveFileName(parent, QString::fromStdString(title),
                                                    SuggestedPath(kind, QString::fromStdString(fileName)),
                                                    QString::fromStdString(filters));
  if (!path.isEmpty()) Remember(kind, path);
  return path;
}
