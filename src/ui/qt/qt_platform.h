// The desktop services of the game on Qt: a paced event pump, message boxes, sounds, the help
// viewer, the match-settings dialog and ending the program.
#pragma once

#include <QPointer>
#include <chrono>

#include "ui/platform.h"
#include "ui/qt/help_viewer.h"
#include "ui/qt/sound_player.h"

namespace zeri::qt {

class GameWindow;

// The least time one pump takes. A bare animation step costs microseconds; without this floor the
// standard, fast and fastest speeds would look alike. A standard grow is 64 pumps (about 0.13 s).
inline constexpr std::chrono::milliseconds MinimumPumpTime{2};

// Ends the process at once, wherever it is called from.
[[noreturn]] void EndProgram();

class QtPlatform : public ui::Platform {
 public:
  // The window that pumps repaint and that owns the boxes; set once it exists.
  void Attach(GameWindow* window) { window_ = window; }

  void DoEvents() override;
  void Sleep(std::int32_t milliseconds) override;
  ui::MsgBoxAnswer MsgBox(const ui::MsgBoxRequest& request) override;
  [[noreturn]] void End() override;
  std::int32_t PlaySound(const std::string& name, std::uint32_t flags) override;
  void ShowHelp(const std::string& helpFile, std::int16_t command) override;
  void ShowModal(Form2& dialog) override;

  HelpViewer* Help() const { return help_; }

 private:
  // Brings the window up to the model at once: before the thread blocks or a modal loop takes over,
  // and after a pump.
  void ShowModelNow();

  GameWindow* window_ = nullptr;
  SoundPlayer sounds_;
  QPointer<HelpViewer> help_;
};

}  // namespace zeri::qt
