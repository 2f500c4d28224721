// Draws the window's control model, and tells which part of the window a change of it touches.
#pragma once

#include <QPainter>
#include <QRegion>
#include <variant>
#include <vector>

#include "ui/qt/pictures.h"
#include "window/form1.h"

namespace zeri::qt {

// Draws the controls back to front; the first control of the list lies in front.
void PaintControls(QPainter& painter, const std::vector<ControlRef>& frontToBack, PictureBook& pictures);

// Where a control draws, hidden or not.
QRect ControlBounds(const ControlRef& control, const PictureBook& pictures);

// A copy of what the controls looked like when last painted.
class ControlSnapshot {
 public:
  // The region that changed since the snapshot; takes the new state as the snapshot.
  QRegion Update(const std::vector<ControlRef>& frontToBack, const PictureBook& pictures);

 private:
  using Copy = std::variant<ui::Image, ui::Label, ui::Shape>;
  std::vector<Copy> controls_;
  std::vector<QRect> bounds_;
};

}  // namespace zeri::qt
