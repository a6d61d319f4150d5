#pragma once

#include <QString>
#include <string>

// The logic speaks UTF-8 std::string; the controls speak QString.
inline QString Q(const std::string& text) { return QString::fromStdString(text); }
