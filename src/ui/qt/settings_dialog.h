// The match-settings dialog on screen: frames of option buttons and OK, laid out from its model.
#pragma once

#include <QDialog>
#include <QRadioButton>
#include <utility>
#include <vector>

#include "settings/form2.h"

class QPushButton;

namespace zeri::qt {

class SettingsDialog : public QDialog {
 public:
  SettingsDialog(Form2& model, QWidget* owner);

  QRadioButton* Button(const ui::OptionButton& option) const;
  QPushButton* OkButton() const { return ok_; }

 private:
  void ShowSelection();

  Form2& model_;
  std::vector<std::pair<ui::OptionButton*, QRadioButton*>> options_;
  QPushButton* ok_ = nullptr;
};

// Shows the dialog modally and returns when it has closed; closing it without OK stores nothing.
void RunSettingsDialog(Form2& model, QWidget* owner);

}  // namespace zeri::qt
