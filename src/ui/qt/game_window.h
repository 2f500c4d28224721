// The main window: menu bar, the client area drawn from the control model, the toolbar over it and
// the idle timer. Every game handler is entered from here, and the window follows the model after each.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "ui/qt/board_view.h"
#include "ui/qt/pictures.h"
#include "ui/qt/tool_bar.h"
#include "window/form1.h"

namespace zeri::qt {

class GameWindow : public QMainWindow {
 public:
  GameWindow(Form1& form, PictureBook& pictures);

  // Runs a game handler; nothing it throws reaches Qt. Then brings the window up to date.
  void Invoke(const std::function<void()>& handler);
  // Takes menus, toolbar, timer and caption from the model and repaints what changed, at once.
  void Sync();
  // Puts the window, sized to its client area, in the middle of the screen.
  void Centre();

  BoardView& View() { return *view_; }
  ToolBar& Tools() { return *tools_; }
  // The client area under the menu bar: the board view and the toolbar over it.
  QWidget& Client() { return *client_; }
  const QTimer& IdleTimer() const { return timer1_; }
  // The menu action of a model item, for tests.
  QAction* Action(const ui::MenuItem& item) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus(QWidget* menu, const std::vector<MenuNode>& nodes);
  void SyncMenus();
  void SyncTimer();

  Form1& form_;
  std::vector<MenuNode> menuTree_;
  std::vector<std::pair<const ui::MenuItem*, QAction*>> actions_;
  QWidget* client_ = nullptr;
  BoardView* view_ = nullptr;
  ToolBar* tools_ = nullptr;
  QTimer timer1_;
};

}  // namespace zeri::qt
