#include "app/HelpWindow.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "check/CheckDrawing.h"
#include "platform/PictureExport.h"
#include "platform/QImageCanvas.h"
#include "tree/TreeDrawing.h"

namespace {

// The worked example as the window draws it: the path 1-2-3-4 labeled 2, 3, 1, 4, checked.
QImage ExamplePicture() {
  const std::vector<Edge> edges = {{1, 2}, {2, 3}, {3, 4}};
  const Labels labels = {0, 2, 3, 1, 4};
  QImage image(500, 500, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QImageCanvas canvas(image);
    const VertexLayout layout = CircleLayout(CircleForPicture(500, 500), 4);
    DrawTreeOutline(canvas, layout, {1, 2, 3, 4}, edges);
    DrawEdgeValues(canvas, layout, edges, labels);
    QPainter painter(&image);
    const std::vector<BoxPlacement> boxes = PlaceVertexBoxes(layout, {0, 0});
    for (int v = 1; v <= 4; ++v)
      DrawVertexBox(painter, {QPoint(boxes[v].topLeft.x, boxes[v].topLeft.y), QString::number(labels[v])});
  }
  // Small enough to sit in the text, large enough to read the values.
  return image.scaled(360, 360, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString Escaped(const std::string& text) { return Q(text).toHtmlEscaped(); }

}  // namespace

// Outside the namespace: the resource's initialiser is a global function.
static void LoadHelpResource() { Q_INIT_RESOURCE(help); }

QString HelpHtml(const std::vector<CommandRow>& commands) {
  // The page is compiled into a static library, which registers it only when asked.
  LoadHelpResource();
  QFile page(":/help/pomocnik.html");
  QString html = page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
  QString table =
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr><th>príkaz</th><th>klávesy</th></tr>";
  for (const CommandRow& row : commands) {
    QStringList keys;
    for (const QKeySequence& key : row.keys) keys << Escaped(KeyText(key));
    table += "<tr><td>" + Escaped(row.text) + "</td><td>" + keys.join(", ") + "</td></tr>";
  }
  table += "</table>";
  return html.replace("<!--COMMANDS-->", table);
}

HelpWindow::HelpWindow(QWidget* mainWindow, const std::vector<CommandRow>& commands)
    : QWidget(mainWindow, Qt::Window), html_(HelpHtml(commands)) {
  setObjectName("help");
  setWindowTitle(Q(texts::HelpCommand));
  resize(640, 640);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpText");
  browser_->document()->addResource(QTextDocument::ImageResource, QUrl("priklad.png"), ExamplePicture());
  browser_->setHtml(html_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}
