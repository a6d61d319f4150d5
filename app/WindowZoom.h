#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <map>
#include <vector>

class QWidget;

// The whole window at a zoom for projectors: every control keeps its design geometry and font
// here and is placed at that geometry times the zoom. At 100 % the design itself, to the pixel.
class WindowZoom {
 public:
  // The steps offered, in per cent.
  static const std::vector<int>& Steps();
  static constexpr int DesignPercent = 100;

  // A control of fixed design geometry, or one sized by its content (a label) when the size is empty;
  // Move keeps the size of the design.
  void Place(QWidget* control, const QRect& design);
  void Move(QWidget* control, QPoint designTopLeft);
  // A control whose font is its own, not the window's.
  void SetFont(QWidget* control, const QFont& design);
  QRect Design(QWidget* control) const;

  int Percent() const { return percent_; }
  double Factor() const { return percent_ / 100.0; }
  int Scaled(int designPixels) const;
  int ScaledFont(int designPixels) const;
  // Applies a new zoom to every control placed so far.
  void SetPercent(int percent);
  // The largest step not above `wanted` at which a window of `designSize` (plus `frame`) fits into
  // `available`; the smallest step when none does.
  static int FittingPercent(int wanted, QSize designSize, QSize frame, QSize available);
  // The step next to `percent` upward (+1) or downward (-1); `percent` itself at either end.
  static int NextStep(int percent, int direction);

 private:
  struct Placement {
    QRect design;  // without a size for a control sized by its content
    bool ownFont = false;
    QFont font;
  };
  void Apply(QWidget* control, const Placement& placement) const;

  int percent_ = DesignPercent;
  std::map<QWidget*, Placement> placements_;
};
