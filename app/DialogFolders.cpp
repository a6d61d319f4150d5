#include "app/DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DialogFolders::Folder(Kind kind) const {
  if (const auto it = last_.find(kind); it != last_.end()) return it->second;
  const QString standard = QStandardPaths::writableLocation(
      kind == Kind::Pictures ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
  // A desktop without these folders still has a home.
  return QDir(standard).exists() ? standard : QDir::homePath();
}

QString DialogFolders::SuggestedPath(Kind kind, const QString& fileName) const {
  return QDir(Folder(kind)).filePath(fileName);
}

void DialogFolders::Remember(Kind kind, const QString& chosenPath) {
  last_[kind] = QFileInfo(chosenPath).absolutePath();
}
