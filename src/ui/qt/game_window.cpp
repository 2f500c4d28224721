#include "ui/qt/game_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <cstdio>
#include <exception>

#include "ui/qt/qt_platform.h"

namespace zeri::qt {

GameWindow::GameWindow(Form1& form, PictureBook& pictures) : form_(form) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(pictures.Get(form_.Image8.Picture)));

  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  QPalette back = client_->palette();
  back.setColor(QPalette::Window, QColor(form_.BackColor.r, form_.BackColor.g, form_.BackColor.b));
  client_->setPalette(back);
  setCentralWidget(client_);

  auto invoke = [this](const std::function<void()>& handler) { Invoke(handler); };
  view_ = new BoardView(form_, pictures, invoke, client_);
  view_->move(0, 0);
  tools_ = new ToolBar(
      form_, pictures, [this](Int16 button) { Invoke([this, button] { form_.Toolbar1_ButtonClick(button); }); },
      client_);

  menuTree_ = form_.MenuTree();
  BuildMenus(menuBar(), menuTree_);

  timer1_.setTimerType(Qt::CoarseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] { Invoke([this] { form_.Timer1_Timer(); }); });

  resize(Form1::ClientWidth, Form1::ClientHeight + menuBar()->sizeHint().height());
  Sync();
}

void GameWindow::BuildMenus(QWidget* parent, const std::vector<MenuNode>& nodes) {
  auto* bar = qobject_cast<QMenuBar*>(parent);
  auto* menu = qobject_cast<QMenu*>(parent);
  for (const MenuNode& node : nodes) {
    const QString caption = QString::fromStdString(node.Item->Caption);
    QAction* action = nullptr;
    if (node.Item->Separator) {
      action = menu != nullptr ? menu->addSeparator() : bar->addSeparator();
    } else if (!node.Children.empty()) {
      QMenu* sub = menu != nullptr ? menu->addMenu(caption) : bar->addMenu(caption);
      BuildMenus(sub, node.Children);
      action = sub->menuAction();
    } else {
      action = menu != nullptr ? menu->addAction(caption) : bar->addAction(caption);
      const std::function<void()>* click = &node.Click;
      connect(action, &QAction::triggered, this, [this, click] {
        if (*click) Invoke(*click);
      });
    }
    actions_.emplace_back(node.Item, action);
  }
}

void GameWindow::Invoke(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zeri: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "zeri: unexpected error in an event handler\n");
  }
  Sync();
}

void GameWindow::Sync() {
  const QString caption = QString::fromStdString(form_.Caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  SyncMenus();
  tools_->Sync();
  SyncTimer();
  view_->RepaintChanges();
}

void GameWindow::SyncMenus() {
  for (auto& [item, action] : actions_) {
    if (item->Separator) continue;
    action->setEnabled(item->Enabled);
    // An unchecked item shows no check box at all, as on the desktop the game was made for.
    action->setCheckable(item->Checked);
    action->setChecked(item->Checked);
  }
}

void GameWindow::SyncTimer() {
  const ui::Timer& model = form_.Timer1;
  if (!model.Enabled || model.Interval <= 0) {
    timer1_.stop();
  } else if (!timer1_.isActive() || timer1_.interval() != model.Interval) {
    timer1_.start(model.Interval);
  }
}

QAction* GameWindow::Action(const ui::MenuItem& item) const {
  for (const auto& [model, action] : actions_)
    if (model == &item) return action;
  return nullptr;
}

void GameWindow::Centre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void GameWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

}  // namespace zeri::qt
