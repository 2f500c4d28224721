#include "ui/qt/settings_dialog.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QScreen>

namespace zeri::qt {

namespace {
QRect Geometry(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height) {
  return {left, top, width, height};
}

// An icon with no pictures. A dialog given no icon of its own would show its owner's.
class NoIconEngine : public QIconEngine {
 public:
  void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
  QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return {}; }
  QIconEngine* clone() const override { return new NoIconEngine; }
};
}  // namespace

void FocusEnterButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

SettingsDialog::SettingsDialog(Form2& model, QWidget* owner) : QDialog(owner), model_(model) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromStdString(model_.Caption));
  setWindowIcon(QIcon(new NoIconEngine));
  setFixedSize(Form2::ClientWidth, Form2::ClientHeight);

  auto frame = [this](const ui::Frame& design, std::initializer_list<ui::OptionButton*> buttons) {
    auto* box = new QGroupBox(QString::fromStdString(design.Caption), this);
    box->setGeometry(Geometry(design.Left, design.Top, design.Width, design.Height));
    for (ui::OptionButton* option : buttons) {
      auto* button = new OptionRadioButton(QString::fromStdString(option->Caption), box);
      button->setGeometry(Geometry(option->Left, option->Top, option->Width, option->Height));
      connect(button, &QRadioButton::clicked, this, [this, option] {
        model_.Select(*option);
        ShowSelection();
      });
      options_.emplace_back(option, button);
    }
  };
  frame(model_.Frame3, {&model_.Option9, &model_.Option10});
  frame(model_.Frame1, {&model_.Option1, &model_.Option2, &model_.Option3, &model_.Option4});

  const ui::CommandButton& command = model_.Command1;
  ok_ = new FocusEnterButton(QString::fromStdString(command.Caption), this);
  ok_->setGeometry(Geometry(command.Left, command.Top, command.Width, command.Height));
  // Enter presses OK only while OK has the focus.
  ok_->setAutoDefault(command.Default);
  ok_->setDefault(command.Default);
  connect(ok_, &QPushButton::clicked, this, [this] {
    model_.Command1_Click();
    accept();
  });
  ShowSelection();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
}

void SettingsDialog::ShowSelection() {
  for (auto& [option, button] : options_) button->setChecked(option->Value);
}

QRadioButton* SettingsDialog::Button(const ui::OptionButton& option) const {
  for (const auto& [model, button] : options_)
    if (model == &option) return button;
  return nullptr;
}

void RunSettingsDialog(Form2& model, QWidget* owner) {
  if (!model.Loaded) model.Form_Load();
  SettingsDialog dialog(model, owner);
  dialog.exec();
  if (model.Loaded) model.Unload();
}

}  // namespace zeri::qt
