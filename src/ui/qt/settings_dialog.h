// The match-settings dialog on screen: frames of option buttons and OK, laid out from its model.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <utility>
#include <vector>

#include "settings/form2.h"

namespace zeri::qt {

// An option button that takes a click anywhere on its rectangle, not only on its mark and caption.
class OptionRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A button that Enter presses while it has the focus, without being the dialog's Enter default.
class FocusEnterButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class SettingsDialog : public QDialog {
 public:
  SettingsDialog(Form2& model, QWidget* owner);

  QRadioButton* Button(const ui::OptionButton& option) const;
  QPushButton* OkButton() const { return ok_; }

 private:
  void ShowSelection();

  Form2& model_;
  std::vector<std::pair<ui::OptionButton*, QRadioButton*>> options_;
  FocusEnterButton* ok_ = nullptr;
};

// Shows the dialog modally and returns when it has closed; closing it without OK stores nothing.
void RunSettingsDialog(Form2& model, QWidget* owner);

}  // namespace zeri::qt
