#include "support/RecordingCanvas.h"

#include <cstdio>

namespace {

std::string Numbers(std::initializer_list<int> values) {
  std::string text;
  for (int v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
  return text;
}

}  // namespace

std::string ColorText(Color color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(color));
  return buffer;
}

std::vector<std::string> RecordingCanvas::CallsStartingWith(std::string_view prefix) const {
  std::vector<std::string> matching;
  for (const std::string& call : calls) {
    if (call.starts_with(prefix)) matching.push_back(call);
  }
  return matching;
}

void RecordingCanvas::SetPenColor(Color color) { calls.push_back("PenColor(" + ColorText(color) + ")"); }
void RecordingCanvas::SetPenWidth(int width) { calls.push_back("PenWidth(" + std::to_string(width) + ")"); }
void RecordingCanvas::SetBrushColor(Color color) { calls.push_back("BrushColor(" + ColorText(color) + ")"); }

void RecordingCanvas::SetBrushStyle(BrushStyle style) {
  const char* name = style == BrushStyle::Solid   ? "Solid"
                     : style == BrushStyle::Clear ? "Clear"
                                                  : "DiagonalCross";
  calls.push_back(std::string("BrushStyle(") + name + ")");
}

void RecordingCanvas::SetFont(const std::string& face, int height) {
  calls.push_back("Font(" + face + "," + std::to_string(height) + ")");
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  calls.push_back("Rectangle(" + Numbers({x1, y1, x2, y2}) + ")");
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  calls.push_back("Ellipse(" + Numbers({x1, y1, x2, y2}) + ")");
}

void RecordingCanvas::MoveTo(int x, int y) { calls.push_back("MoveTo(" + Numbers({x, y}) + ")"); }
void RecordingCanvas::LineTo(int x, int y) { calls.push_back("LineTo(" + Numbers({x, y}) + ")"); }

void RecordingCanvas::FloodFill(int x, int y, Color color, FillMode mode) {
  calls.push_back("FloodFill(" + Numbers({x, y}) + "," + ColorText(color) + "," +
                  (mode == FillMode::Surface ? "Surface" : "Border") + ")");
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  calls.push_back("TextOut(" + Numbers({x, y}) + ",\"" + text + "\")");
}
