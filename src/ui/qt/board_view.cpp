#include "ui/qt/board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <utility>

namespace zeri::qt {

namespace {
// Mouse positions reach the game in twips.
constexpr float TwipsPerPixel = 15;

Int16 MouseButtons(Qt::MouseButtons buttons) {
  Int16 result = 0;
  if (buttons & Qt::LeftButton) result |= 1;
  if (buttons & Qt::RightButton) result |= 2;
  if (buttons & Qt::MiddleButton) result |= 4;
  return result;
}

Int16 ShiftState(Qt::KeyboardModifiers modifiers) {
  Int16 result = 0;
  if (modifiers & Qt::ShiftModifier) result |= 1;
  if (modifiers & Qt::ControlModifier) result |= 2;
  if (modifiers & Qt::AltModifier) result |= 4;
  return result;
}
}  // namespace

BoardView::BoardView(Form1& form, PictureBook& pictures, Invoker invoke, QWidget* parent)
    : QWidget(parent), form_(form), pictures_(pictures), invoke_(std::move(invoke)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFixedSize(Form1::ClientWidth, Form1::ClientHeight);
}

void BoardView::RepaintChanges() {
  const QRegion changed = painted_.Update(form_.ControlsFrontToBack(), pictures_);
  if (!changed.isEmpty() && isVisible()) repaint(changed);
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  const ui::Color& back = form_.BackColor;
  painter.fillRect(rect(), QColor(back.r, back.g, back.b));
  PaintControls(painter, form_.ControlsFrontToBack(), pictures_);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position() - QPointF(form_.Image1.Left, form_.Image1.Top);
  const Int16 buttons = MouseButtons(event->buttons());
  const Int16 shift = ShiftState(event->modifiers());
  invoke_([&] { form_.Image1_MouseMove(buttons, shift, float(at.x()) * TwipsPerPixel,
                                       float(at.y()) * TwipsPerPixel); });
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? ClickTarget(event->position().toPoint()) : nullptr;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const ui::Image* target = ClickTarget(event->position().toPoint());
  const ui::Image* pressed = std::exchange(pressed_, nullptr);
  if (target == nullptr || target != pressed) return;
  if (target == &form_.Image10) invoke_([&] { form_.Image10_Click(); });
  if (target == &form_.Image9) invoke_([&] { form_.Image9_Click(); });
  if (target == &form_.Image2) invoke_([&] { form_.Image2_Click(); });
}

const ui::Image* BoardView::ClickTarget(QPoint point) const {
  for (const ui::Image* image : {&form_.Image10, &form_.Image9, &form_.Image2}) {
    if (image->Visible && QRect(image->Left, image->Top, image->Width, image->Height).contains(point))
      return image;
  }
  return nullptr;
}

}  // namespace zeri::qt
