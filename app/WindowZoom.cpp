#include "app/WindowZoom.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

const std::vector<int>& WindowZoom::Steps() {
  static const std::vector<int> steps{50, 67, 75, 90, 100, 110, 125, 150, 175, 200};
  return steps;
}

int WindowZoom::Scaled(int designPixels) const {
  return static_cast<int>(std::lround(designPixels * Factor()));
}

int WindowZoom::ScaledFont(int designPixels) const {
  // Rounded down: a text must not grow faster than the room the zoom gives it.
  return std::max(1, static_cast<int>(std::floor(designPixels * Factor())));
}

void WindowZoom::Place(QWidget* control, const QRect& design) {
  Placement& placement = placements_[control];
  placement.design = design;
  Apply(control, placement);
}

void WindowZoom::Move(QWidget* control, QPoint designTopLeft) {
  Placement& placement = placements_[control];
  placement.design.moveTopLeft(designTopLeft);
  Apply(control, placement);
}

void WindowZoom::SetFont(QWidget* control, const QFont& design) {
  Placement& placement = placements_[control];
  placement.ownFont = true;
  placement.font = design;
  Apply(control, placement);
}

QRect WindowZoom::Design(QWidget* control) const {
  const auto it = placements_.find(control);
  return it == placements_.end() ? QRect() : it->second.design;
}

void WindowZoom::Apply(QWidget* control, const Placement& placement) const {
  if (placement.ownFont) {
    QFont font = placement.font;
    font.setPixelSize(ScaledFont(placement.font.pixelSize()));
    control->setFont(font);
  }
  const QPoint topLeft(Scaled(placement.design.x()), Scaled(placement.design.y()));
  // A design without a size is a control sized by its content: a label.
  if (placement.design.isEmpty()) {
    control->move(topLeft);
    control->adjustSize();
  } else {
    control->setGeometry(
        QRect(topLeft, QSize(Scaled(placement.design.width()), Scaled(placement.design.height()))));
  }
}

void WindowZoom::SetPercent(int percent) {
  percent_ = percent;
  for (const auto& [control, placement] : placements_) Apply(control, placement);
}

int WindowZoom::FittingPercent(int wanted, QSize designSize, QSize frame, QSize available) {
  int fitting = Steps().front();
  for (int step : Steps()) {
    if (step > wanted) break;
    const double factor = step / 100.0;
    const QSize size(static_cast<int>(std::lround(designSize.width() * factor)) + frame.width(),
                     static_cast<int>(std::lround(designSize.height() * factor)) + frame.height());
    if (size.width() <= available.width() && size.height() <= available.height()) fitting = step;
  }
  return fitting;
}

int WindowZoom::NextStep(int percent, int direction) {
  const std::vector<int>& steps = Steps();
  if (direction > 0) {
    const auto next = std::upper_bound(steps.begin(), steps.end(), percent);
    return next == steps.end() ? percent : *next;
  }
  const auto next = std::lower_bound(steps.begin(), steps.end(), percent);
  return next == steps.begin() ? percent : *std::prev(next);
}
