#include "platform/PictureExport.h"

#include <QFont>
#include <QPainter>
#include <cmath>

#include "platform/PictureBox.h"

namespace {

constexpr int BoxSize = 20;
const QColor WindowColour = ToQColor(Colors::SkyBlue);
const QColor BoxColour = ToQColor(Colors::Yellow);
const QColor BoxFrameColour(128, 128, 128);

}  // namespace

void DrawVertexBox(QPainter& painter, const ExportBox& box, double frameWidth) {
  const QRect outline(box.topLeft, QSize(BoxSize, BoxSize));
  painter.fillRect(outline, BoxColour);
  painter.setPen(QPen(BoxFrameColour, frameWidth));
  painter.setBrush(Qt::NoBrush);
  const double inset = frameWidth > 0 ? frameWidth / 2 : 0.5;
  painter.drawRect(QRectF(outline).adjusted(inset, inset, -inset, -inset));
  painter.setPen(Qt::black);
  painter.drawText(outline.adjusted(3, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, box.text);
}

QImage RenderPictureExport(const PictureBox& tree, const std::vector<ExportBox>& boxes,
                           const PictureBox* table, QPoint tableOffset, double scale) {
  QRect area(QPoint(0, 0), tree.LogicalSize());
  const bool withTable = table && table->HasPicture();
  if (withTable) area |= QRect(tableOffset, table->LogicalSize());
  QImage image(static_cast<int>(std::ceil(area.width() * scale)),
               static_cast<int>(std::ceil(area.height() * scale)), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(WindowColour);
  {
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    if (tree.HasPicture()) painter.drawImage(QPoint(0, 0), tree.Render(scale));
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    painter.setFont(font);
    for (const ExportBox& box : boxes) DrawVertexBox(painter, box);
    if (withTable) painter.drawImage(tableOffset, table->Render(scale));
  }
  // A plain bitmap for files and the clipboard, which prints at the size seen on the screen.
  image.setDevicePixelRatio(1);
  const int dotsPerMeter = static_cast<int>(std::lround(96 * scale / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  return image;
}

bool SavePicture(const QImage& image, const QString& path) {
  return !image.isNull() && image.save(path, "PNG");
}

QString SaveFailureMessage(const QString& path) {
  return QStringLiteral("Obrázok sa nepodarilo uložiť do súboru %1.").arg(path);
}
