// Figures of the real window on an X display (not a test):
//   zeri_bench startup GAME   time from launch to the first painted board, resident memory after
//                             start-up, processor time used while idle on the title screen for 10 s
//   zeri_bench animation      on-screen duration of a standard grow and of a standard one-piece turn
//   zeri_bench idle           processor time used for 10 s by a game left alone: the rotation only
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "ui/qt/game.h"
#include "ui/qt/label_font.h"

namespace {

// True once most of the screen's middle shows the board's green field.
bool BoardShown(QScreen* screen) {
  const QRect middle(screen->geometry().center() - QPoint(20, 20), QSize(40, 40));
  const QImage shot = screen->grabWindow(0, middle.x(), middle.y(), middle.width(), middle.height()).toImage();
  int green = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) green += shot.pixel(x, y) == qRgb(0, 117, 36);
  return green * 2 > shot.width() * shot.height();
}

// Resident set of a process in kB, or -1.
long ResidentKb(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QString& line : QString::fromLatin1(status.readAll()).split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String("VmRSS:"))) return line.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1).toLong();
  return -1;
}

// Processor time of all threads of a process in milliseconds, to the nanosecond the scheduler counts.
double CpuMs(qint64 pid) {
  double ns = 0;
  const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
  for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile schedstat(tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
    if (schedstat.open(QIODevice::ReadOnly)) ns += QString::fromLatin1(schedstat.readAll()).section(QLatin1Char(' '), 0, 0).toDouble();
  }
  return ns / 1e6;
}

// Runs the event loop for a while, as a program left alone does.
void Idle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

int Startup(const QString& game) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (BoardShown(screen)) {
    std::fprintf(stderr, "the screen already shows a board\n");
    return 1;
  }
  QProcess process;
  process.setProgram(game);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  QElapsedTimer clock;
  clock.start();
  process.start();
  while (!BoardShown(screen)) {
    if (clock.elapsed() > 10000) {
      std::fprintf(stderr, "no board painted within 10 s\n");
      return 1;
    }
    QThread::usleep(300);
  }
  const double painted = clock.nsecsElapsed() / 1e6;
  QThread::sleep(1);
  const long rss = ResidentKb(process.processId());
  const double before = CpuMs(process.processId());
  QThread::sleep(10);
  const double used = CpuMs(process.processId()) - before;
  process.kill();
  process.waitForFinished();
  std::printf("first-paint-ms %.1f\nresident-mb %.1f\nidle-cpu-ms-per-10s %.2f\n", painted, rss / 1024.0, used);
  return 0;
}

int Animation() {
  zeri::qt::InstallFontSubstitutes();
  zeri::qt::Game game;
  zeri::Form1& form = game.form;
  zeri::qt::GameWindow& window = game.window;
  form.Timer1.Enabled = false;
  window.show();
  for (int i = 0; i < 50; ++i) game.platform.DoEvents();

  form.NewGame();
  window.Sync();
  // Red plays column 3, row 4: one blue piece turns.
  zeri::Int16 placed = zeri::KomaIndex(3, 4);
  form.MoveX = 3;
  form.MoveY = 4;
  form.CursorX = 2;
  form.CursorY = 3;
  form.Koma[static_cast<std::size_t>(placed)].Picture = form.redImage.Picture;
  form.Koma[static_cast<std::size_t>(placed)].Visible = true;
  form.Ban[3][4] = zeri::SideRed;
  QElapsedTimer clock;
  clock.start();
  window.Invoke([&] { form.GrowKoma(placed); });
  const double grow = clock.nsecsElapsed() / 1e6;
  form.CountFlips();
  clock.restart();
  window.Invoke([&] { form.FlipPieces(); });
  const double turn = clock.nsecsElapsed() / 1e6;
  std::printf("grow-ms %.1f\none-piece-turn-ms %.1f\n", grow, turn);
  return 0;
}

int IdleGame() {
  zeri::qt::InstallFontSubstitutes();
  zeri::qt::Game game;
  game.window.show();
  game.window.Invoke([&] { game.form.menust_Click(); });
  Idle(1000);
  const double before = CpuMs(QCoreApplication::applicationPid());
  Idle(10000);
  std::printf("idle-game-cpu-ms-per-10s %.2f\n", CpuMs(QCoreApplication::applicationPid()) - before);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.value(1) == QLatin1String("startup") && args.size() == 3) return Startup(args[2]);
  if (args.value(1) == QLatin1String("animation")) return Animation();
  if (args.value(1) == QLatin1String("idle")) return IdleGame();
  std::fprintf(stderr, "usage: zeri_bench startup GAME | zeri_bench animation | zeri_bench idle\n");
  return 2;
}
