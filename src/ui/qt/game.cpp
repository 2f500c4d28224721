#include "ui/qt/game.h"

namespace zeri::qt {

Game::Game() {
  // The platform repaints this window at every pump, so it must know it before the load step.
  platform.Attach(&window);
  window.Invoke([this] { form.Form_Load(); });
}

}  // namespace zeri::qt
