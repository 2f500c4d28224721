#include "ui/qt/control_painter.h"

#include <QPalette>
#include <QPen>
#include <tuple>

#include "ui/qt/label_font.h"

namespace zeri::qt {

namespace {

// Corner radius of the rounded panels.
constexpr qreal PanelCornerRadius = 14;

QColor ToQColor(const ui::Color& color) { return {color.r, color.g, color.b}; }

void PaintImage(QPainter& painter, const ui::Image& image, PictureBook& pictures) {
  if (image.Stretch) {
    if (image.Width <= 0 || image.Height <= 0) return;
    painter.drawPixmap(image.Left, image.Top, pictures.Sized(image.Picture, image.Width, image.Height));
  } else {
    painter.drawPixmap(image.Left, image.Top, pictures.Get(image.Picture));
  }
}

void PaintLabel(QPainter& painter, const ui::Label& label) {
  painter.setFont(LabelQFont(label.Font));
  painter.setPen(label.SystemTextColor ? QPalette().color(QPalette::WindowText) : ToQColor(label.ForeColor));
  const QString text = QString::fromStdString(label.Caption);
  const int flags = Qt::AlignTop | Qt::TextSingleLine |
                    (label.Alignment == ui::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
  if (label.AutoSize) {
    painter.drawText(LabelBounds(label), flags | Qt::TextDontClip, text);
  } else {
    painter.save();
    const QRect box(label.Left, label.Top, label.Width, label.Height);
    painter.setClipRect(box);
    painter.drawText(box, flags, text);
    painter.restore();
  }
}

void PaintShape(QPainter& painter, const ui::Shape& shape) {
  const qreal half = shape.BorderWidth / 2.0;
  QRectF box(shape.Left, shape.Top, shape.Width, shape.Height);
  painter.setPen(QPen(ToQColor(shape.BorderColor), shape.BorderWidth));
  painter.setBrush(ToQColor(shape.FillColor));
  if (shape.Kind == ui::ShapeKind::Circle) {
    const qreal across = std::min(box.width(), box.height());
    QRectF circle(0, 0, across, across);
    circle.moveCenter(box.center());
    painter.drawEllipse(circle.adjusted(half, half, -half, -half));
  } else {
    painter.drawRoundedRect(box.adjusted(half, half, -half, -half), PanelCornerRadius, PanelCornerRadius);
  }
}

bool SameLook(const ui::Image& a, const ui::Image& b) {
  return std::tie(a.Visible, a.Stretch, a.Left, a.Top, a.Width, a.Height, a.Picture) ==
         std::tie(b.Visible, b.Stretch, b.Left, b.Top, b.Width, b.Height, b.Picture);
}

bool SameLook(const ui::Label& a, const ui::Label& b) {
  return std::tie(a.Visible, a.Left, a.Top, a.Width, a.Height, a.Caption, a.Font.Name, a.Font.Size,
                  a.Font.Bold, a.ForeColor, a.SystemTextColor, a.Alignment, a.AutoSize) ==
         std::tie(b.Visible, b.Left, b.Top, b.Width, b.Height, b.Caption, b.Font.Name, b.Font.Size,
                  b.Font.Bold, b.ForeColor, b.SystemTextColor, b.Alignment, b.AutoSize);
}

bool SameLook(const ui::Shape& a, const ui::Shape& b) {
  return std::tie(a.Visible, a.Left, a.Top, a.Width, a.Height, a.Kind, a.FillColor, a.BorderColor,
                  a.BorderWidth) == std::tie(b.Visible, b.Left, b.Top, b.Width, b.Height, b.Kind,
                                             b.FillColor, b.BorderColor, b.BorderWidth);
}

}  // namespace

void PaintControls(QPainter& painter, const std::vector<ControlRef>& frontToBack, PictureBook& pictures) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (auto control = frontToBack.rbegin(); control != frontToBack.rend(); ++control) {
    std::visit(
        [&](const auto* item) {
          if (!item->Visible) return;
          using T = std::decay_t<decltype(*item)>;
          if constexpr (std::is_same_v<T, ui::Image>) PaintImage(painter, *item, pictures);
          if constexpr (std::is_same_v<T, ui::Label>) PaintLabel(painter, *item);
          if constexpr (std::is_same_v<T, ui::Shape>) PaintShape(painter, *item);
        },
        *control);
  }
}

QRect ControlBounds(const ControlRef& control, const PictureBook& pictures) {
  return std::visit(
      [&](const auto* item) -> QRect {
        using T = std::decay_t<decltype(*item)>;
        if constexpr (std::is_same_v<T, ui::Image>) {
          if (item->Stretch) return {item->Left, item->Top, item->Width, item->Height};
          return {QPoint(item->Left, item->Top), pictures.Get(item->Picture).size()};
        } else if constexpr (std::is_same_v<T, ui::Label>) {
          return LabelBounds(*item);
        } else {
          return {item->Left, item->Top, item->Width, item->Height};
        }
      },
      control);
}

QRegion ControlSnapshot::Update(const std::vector<ControlRef>& frontToBack, const PictureBook& pictures) {
  QRegion changed;
  const bool fresh = controls_.size() != frontToBack.size();
  if (fresh) {
    controls_.assign(frontToBack.size(), ui::Image{});
    bounds_.assign(frontToBack.size(), QRect());
  }
  for (std::size_t i = 0; i < frontToBack.size(); ++i) {
    const bool same = !fresh && std::visit(
        [&](const auto* item) {
          using T = std::decay_t<decltype(*item)>;
          const T* old = std::get_if<T>(&controls_[i]);
          return old != nullptr && SameLook(*old, *item);
        },
        frontToBack[i]);
    if (same) continue;
    const QRect bounds = ControlBounds(frontToBack[i], pictures);
    changed += bounds_[i];
    changed += bounds;
    bounds_[i] = bounds;
    std::visit([&](const auto* item) { controls_[i] = *item; }, frontToBack[i]);
  }
  return changed;
}

}  // namespace zeri::qt
