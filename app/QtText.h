#pragma once

#include <QFont>
#include <QString>
#include <string>

// The logic speaks UTF-8 std::string; the controls speak QString.
inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// A font by its character height in pixels, as the design gives every font.
inline QFont PixelFont(const QString& face, int pixels, bool bold) {
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
