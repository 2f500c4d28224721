#include "ui/qt/tool_bar.h"

#include <QPainter>

namespace zeri::qt {

ToolBar::ToolBar(Form1& form, const PictureBook& pictures, std::function<void(Int16)> click, QWidget* parent)
    : QWidget(parent), form_(form) {
  const auto& toolbar = form_.Toolbar1;
  setGeometry(toolbar.Left, toolbar.Top, toolbar.Width, toolbar.Height);
  setAutoFillBackground(true);
  const int top = (toolbar.Height - ButtonHeight) / 2;
  int x = 0;
  for (int index = 1; index < static_cast<int>(toolbar.Buttons.size()); ++index) {
    const ui::ToolbarButton& model = toolbar.Buttons[static_cast<std::size_t>(index)];
    switch (model.Style) {
      case ui::ButtonStyle::Placeholder:
        x += GapWidth;
        break;
      case ui::ButtonStyle::Separator:
        separatorX_ = x + SeparatorWidth / 2 - 1;
        x += SeparatorWidth;
        break;
      case ui::ButtonStyle::Push: {
        auto* button = new QToolButton(this);
        button->setGeometry(x, top, ButtonWidth, ButtonHeight);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize({16, 16});
        button->setIcon(QIcon(pictures.Get(model.Image)));
        button->setToolTip(QString::fromStdString(model.ToolTipText));
        connect(button, &QToolButton::clicked, this, [click, index] { click(static_cast<Int16>(index)); });
        buttons_[static_cast<std::size_t>(index)] = button;
        x += ButtonWidth;
        break;
      }
    }
  }
  Sync();
}

void ToolBar::Sync() {
  for (std::size_t index = 1; index < buttons_.size(); ++index) {
    if (buttons_[index] != nullptr) buttons_[index]->setEnabled(form_.Toolbar1.Buttons[index].Enabled);
  }
}

void ToolBar::paintEvent(QPaintEvent*) {
  if (separatorX_ < 0) return;
  QPainter painter(this);
  const QPalette& colors = palette();
  painter.setPen(colors.color(QPalette::Mid));
  painter.drawLine(separatorX_, 2, separatorX_, height() - 3);
  painter.setPen(colors.color(QPalette::Light));
  painter.drawLine(separatorX_ + 1, 2, separatorX_ + 1, height() - 3);
}

}  // namespace zeri::qt
