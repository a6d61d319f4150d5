#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

class PictureBox;
class QPainter;

// A vertex box as the window shows it: 20 x 20 logical pixels, yellow, with its text.
struct ExportBox {
  QPoint topLeft;  // in the tree picture's coordinates
  QString text;
};

// Draws the box on `painter` in the tree picture's coordinates, its text in the painter's font;
// a frame width of 0 is one device pixel.
void DrawVertexBox(QPainter& painter, const ExportBox& box, double frameWidth = 0);

// Where the check table sits relative to the tree picture in the window.
inline constexpr QPoint TableOffsetInWindow{510, 209};

// The tree picture with the vertex boxes drawn on it and, when `table` is given, the table at
// `tableOffset` from the tree's top-left corner, on the window's colour; `scale` device pixels per
// logical pixel, with the resolution recorded so that it prints at the size shown on screen.
QImage RenderPictureExport(const PictureBox& tree, const std::vector<ExportBox>& boxes,
                           const PictureBox* table = nullptr, QPoint tableOffset = TableOffsetInWindow,
                           double scale = 3);

// Writes the image as PNG; false when the file cannot be written.
bool SavePicture(const QImage& image, const QString& path);
// What the user is told when SavePicture fails.
QString SaveFailureMessage(const QString& path);
