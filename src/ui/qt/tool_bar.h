// The toolbar docked over the top of the client area: push buttons showing list pictures, a gap and
// a separator, as the model lays them out.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>

#include "ui/qt/pictures.h"
#include "window/form1.h"

namespace zeri::qt {

class ToolBar : public QWidget {
 public:
  // Button metrics of the docked toolbar.
  static constexpr int GapWidth = 8;
  static constexpr int SeparatorWidth = 8;
  static constexpr int ButtonWidth = 23;
  static constexpr int ButtonHeight = 22;

  ToolBar(Form1& form, const PictureBook& pictures, std::function<void(Int16)> click, QWidget* parent);

  // Takes the enabled states from the model.
  void Sync();
  // The button widget of a push button (2, 3 or 5); null for others.
  QToolButton* Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Form1& form_;
  std::array<QToolButton*, 6> buttons_{};
  int separatorX_ = -1;
};

}  // namespace zeri::qt
