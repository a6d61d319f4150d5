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

std::optional<int> WindowSettings::Number(const char* key) const {
  if (store_->status() != QSettings::NoError) return std::nullopt;
  bool isNumber = false;
  const int number = store_->value(key).toString().toInt(&isNumber);
  return isNumber ? std::optional(number) : std::nullopt;
}

WorksheetChoice WindowSettings::Worksheet() const {
  WorksheetChoice choice;
  const auto within = [this](const char* key, int least, int most, int fallback) {
    const std::optional<int> number = Number(key);
    return number && *number >= least && *number <= most ? *number : fallback;
  };
  if (store_->status() != QSettings::NoError) return choice;
  const QString source = store_->value("worksheet/source").toString();
  choice.source = source == "set" ? WorksheetSource::Set : WorksheetSource::Random;
  choice.vertices = within("worksheet/vertices", 2, MaxVertices, choice.vertices);
  choice.count = within("worksheet/count", 1, MaxRandomWorksheetTrees, choice.count);
  choice.wholeSet = store_->value("worksheet/range").toString() != "part";
  choice.first = within("worksheet/first", 1, 1 << 20, choice.first);
  choice.last = within("worksheet/last", choice.first, 1 << 20, choice.first);
  const int perPage = within("worksheet/perPage", 1, 6, choice.perPage);
  if (std::find(TreesPerPageChoices.begin(), TreesPerPageChoices.end(), perPage) != TreesPerPageChoices.end())
    choice.perPage = perPage;
  const QString answers = store_->value("worksheet/answers").toString();
  choice.answers = answers == "separate" ? WorksheetAnswers::Separate
                   : answers == "none"   ? WorksheetAnswers::None
                                         : WorksheetAnswers::End;
  choice.givens = Flag("worksheet/givens");
  choice.heading = store_->value("worksheet/heading").toString().toStdString();
  return choice;
}

void WindowSettings::SetWorksheet(const WorksheetChoice& choice) {
  store_->setValue("worksheet/source", choice.source == WorksheetSource::Set ? "set" : "random");
  store_->setValue("worksheet/vertices", choice.vertices);
  store_->setValue("worksheet/count", choice.count);
  store_->setValue("worksheet/range", choice.wholeSet ? "all" : "part");
  store_->setValue("worksheet/first", choice.first);
  store_->setValue("worksheet/last", choice.last);
  store_->setValue("worksheet/perPage", choice.perPage);
  store_->setValue("worksheet/answers", choice.answers == WorksheetAnswers::Separate ? "separate"
                                        : choice.answers == WorksheetAnswers::None   ? "none"
                                                                                     : "end");
  store_->setValue("worksheet/givens", choice.givens);
  store_->setValue("worksheet/heading", QString::fromStdString(choice.heading));
}
