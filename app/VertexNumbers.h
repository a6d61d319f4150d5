#pragma once

#include <QSize>
#include <QWidget>
#include <vector>

// Small vertex numbers drawn over the tree picture, beside their discs. A layer of its own, so
// that switching the numbers off leaves the picture exactly as it was drawn.
class VertexNumbers : public QWidget {
 public:
  struct Number {
    int x;  // the centre of the text, in the layer's coordinates
    int y;
    int vertex;
  };

  explicit VertexNumbers(QWidget* parent);
  void SetNumbers(std::vector<Number> numbers);
  const std::vector<Number>& Numbers() const { return numbers_; }
  // The layer shown `zoom` times its size; the numbers keep the picture's coordinates.
  void SetZoom(double zoom);
  // The size of vertex v's number as Paint writes it.
  static QSize TextSize(int vertex);
  // Paints the numbers with a painter whose origin is the layer's top-left corner.
  static void Paint(QPainter& painter, const std::vector<Number>& numbers);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Number> numbers_;
  double zoom_ = 1.0;
};
