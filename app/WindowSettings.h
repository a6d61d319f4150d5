#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "app/DialogFolders.h"
#include "files/Worksheet.h"

class QSettings;

// What stays between runs, and only this: the zoom, the drawing style, the vertex numbers, the
// dialogs' last folders and the worksheet dialog's last choices. A store that cannot be read, or a value that
// makes no sense, gives the default, so a damaged file never keeps the program from starting as new.
class WindowSettings {
 public:
  // The desktop's place for the program's settings (organisation and name from its metainfo id).
  WindowSettings();
  ~WindowSettings();

  int ZoomPercent() const;
  void SetZoomPercent(int percent);
  bool TreeDrawing() const;
  void SetTreeDrawing(bool on);
  bool VertexNumbers() const;
  void SetVertexNumbers(bool on);
  QString LastFolder(DialogFolders::Kind kind) const;
  void SetLastFolder(DialogFolders::Kind kind, const QString& folder);
  // Each choice that was never stored or makes no sense is the default one.
  WorksheetChoice Worksheet() const;
  void SetWorksheet(const WorksheetChoice& choice);

  // For tests: forget everything stored; where it is stored.
  static void Clear();
  static QString FileName();

 private:
  bool Flag(const char* key) const;
  // The stored whole number, or nothing.
  std::optional<int> Number(const char* key) const;
  std::unique_ptr<QSettings> store_;
};
