// The client area under the toolbar: draws the control model and turns mouse input into the
// game's events.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/qt/control_painter.h"
#include "ui/qt/pictures.h"
#include "window/form1.h"

namespace zeri::qt {

class BoardView : public QWidget {
 public:
  // Runs a game handler and brings the window up to date afterwards.
  using Invoker = std::function<void(const std::function<void()>&)>;

  BoardView(Form1& form, PictureBook& pictures, Invoker invoke, QWidget* parent);

  // Repaints at once what changed in the model since the last call.
  void RepaintChanges();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The clickable control in front at a point, or null.
  const ui::Image* ClickTarget(QPoint point) const;

  Form1& form_;
  PictureBook& pictures_;
  Invoker invoke_;
  ControlSnapshot painted_;
  const ui::Image* pressed_ = nullptr;
};

}  // namespace zeri::qt
