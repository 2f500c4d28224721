// zeri for Windows: the program. Opens the main window on the title screen and runs it.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/game.h"
#include "ui/qt/label_font.h"

namespace {

constexpr const char* NoDisplay = "zeri: a graphical display is needed to play (none could be opened)\n";

bool DisplayNamed() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Qt ends the process with a fatal message when no display can be opened; say it in one line
// and leave with an error instead of aborting.
void FatalStartup(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    if (type != QtDebugMsg && type != QtInfoMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    return;
  }
  std::fputs(NoDisplay, stderr);
  std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayNamed()) {
    std::fputs(NoDisplay, stderr);
    return 1;
  }
  // Every position of the window is in device pixels.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  // The menu bar belongs inside the window, above the client area.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  const QtMessageHandler previous = qInstallMessageHandler(FatalStartup);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  zeri::qt::InstallFontSubstitutes();

  zeri::qt::Game game;
  game.window.Centre();
  game.window.show();
  return app.exec();
}
