// The program's parts wired together: the pictures, the platform, the game object and its window,
// attached and loaded. Create it after the application object and the font substitutes.
#pragma once

#include "ui/qt/game_window.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_platform.h"
#include "window/form1.h"

namespace zeri::qt {

struct Game {
  Game();

  PictureBook pictures;
  QtPlatform platform;
  Form1 form{platform};
  GameWindow window{form, pictures};
};

}  // namespace zeri::qt
