// The services the game needs from its desktop: event pumping, sleeping, message boxes, sound,
// help, modal dialogs and ending the program. The headless platform serves tests; the Qt one a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zeri {
class Form2;
}

namespace zeri::ui {

inline constexpr const char* ApplicationTitle = "zeri for Windows";

enum class MsgBoxButtons { OkOnly, YesNo };
enum class MsgBoxIcon { None, Exclamation };
enum class MsgBoxAnswer { Ok, Yes, No };

struct MsgBoxRequest {
  std::string Prompt;
  MsgBoxButtons Buttons = MsgBoxButtons::OkOnly;
  MsgBoxIcon Icon = MsgBoxIcon::None;
  int DefaultButton = 1;              // 1 = first button, 2 = second
  std::optional<std::string> Title;   // none: the application title heads the box
};

// Flags of the sound service, as the game's sound wrapper passes them.
inline constexpr std::uint32_t SndSync = 0;
inline constexpr std::uint32_t SndAsync = 1;
inline constexpr std::uint32_t SndNoDefault = 2;
inline constexpr std::uint32_t SndLoop = 8;
inline constexpr std::uint32_t SndNoStop = 16;

// Help command that opens a help file at its contents.
inline constexpr std::int16_t HelpContents = 3;

class Platform {
 public:
  virtual ~Platform() = default;

  // Handles every pending window event (clicks, commands, timer ticks) and repaints, then returns.
  virtual void DoEvents() = 0;
  // Blocks the window's thread.
  virtual void Sleep(std::int32_t milliseconds) = 0;
  // Modal; returns the button the user chose.
  virtual MsgBoxAnswer MsgBox(const MsgBoxRequest& request) = 0;
  // Ends the program at once; nothing of the game runs afterwards.
  [[noreturn]] virtual void End() = 0;
  // Plays a wave file named without a directory. Without SndSync it returns at once; with
  // SndNoStop a request while a sound plays is dropped. Non-zero when the sound started.
  virtual std::int32_t PlaySound(const std::string& name, std::uint32_t flags) = 0;
  // Opens a help file, named without a directory, in a help viewer; returns at once.
  virtual void ShowHelp(const std::string& helpFile, std::int16_t command) = 0;
  // Shows the dialog modally; returns once it has been unloaded or closed.
  virtual void ShowModal(Form2& dialog) = 0;
};

}  // namespace zeri::ui
