#include "app/WindowSettings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

#include "app/WindowZoom.h"

namespace {

const char* const Organisation = "sk.graceful_trees";
const char* const Application = "graceful_trees";

const char* FolderKey(DialogFolders::Kind kind) {
  return kind == DialogFolders::Kind::Pictures ? "folders/pictures" : "folders/trees";
}

}  // namespace

WindowSettings::WindowSettings() : store_(std::make_unique<QSettings>(Organisation, Application)) {}

WindowSettings::~WindowSettings() = default;

void WindowSettings::Clear() { QSettings(Organisation, Application).clear(); }

QString WindowSettings::FileName() { return QSettings(Organisation, Application).fileName(); }

bool WindowSettings::Flag(const char* key) const {
  // Only the two words QSettings writes count; anything else is noise from a damaged file.
  return store_->status() == QSettings::NoError && store_->value(key).toString() == "true";
}

int WindowSettings::ZoomPercent() const {
  if (store_->status() != QSettings::NoError) return WindowZoom::DesignPercent;
  bool isNumber = false;
  const int percent = store_->value("window/zoom").toString().toInt(&isNumber);
  const std::vector<int>& steps = WindowZoom::Steps();
  return isNumber && std::find(steps.begin(), steps.end(), percent) != steps.end()
             ? percent
             : WindowZoom::DesignPercent;
}

void WindowSettings::SetZoomPercent(int percent) { store_->setValue("window/zoom", percent); }

bool WindowSettings::TreeDrawing() const { return Flag("window/treeDrawing"); }

void WindowSettings::SetTreeDrawing(bool on) { store_->setValue("window/treeDrawing", on); }

bool WindowSettings::VertexNumbers() const { return Flag("window/vertexNumbers"); }

void WindowSettings::SetVertexNumbers(bool on) { store_->setValue("window/vertexNumbers", on); }

QString WindowSettings::LastFolder(DialogFolders::Kind kind) const {
  if (store_->status() != QSettings::NoError) return {};
  const QString folder = store_->value(FolderKey(kind)).toString();
  return QDir::isAbsolutePath(folder) && QDir(folder).exists() ? folder : QString();
}

void WindowSettings::SetLastFolder(DialogFolders::Kind kind, const QString& folder) {
  store_->setValue(FolderKey(kind), folder);
}
