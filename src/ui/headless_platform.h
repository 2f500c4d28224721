// A platform without a window, for tests: it records what the game asks of the desktop, answers
// message boxes from a script, and runs a test's hook at every pump so events can be injected
// in the middle of a move. Time is a clock that only Sleep and the test advance.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace zeri::ui {

// Thrown by End(): the program has ended, nothing of the game may run after it.
struct ProgramEnded {};

class HeadlessPlatform : public Platform {
 public:
  struct SoundCall {
    std::string Name;
    std::uint32_t Flags;
    std::int32_t Result;
    std::int64_t At;  // clock, milliseconds
  };
  struct HelpCall {
    std::string File;
    std::int16_t Command;
  };

  void DoEvents() override;
  void Sleep(std::int32_t milliseconds) override;
  MsgBoxAnswer MsgBox(const MsgBoxRequest& request) override;
  [[noreturn]] void End() override;
  std::int32_t PlaySound(const std::string& name, std::uint32_t flags) override;
  void ShowHelp(const std::string& helpFile, std::int16_t command) override;
  void ShowModal(Form2& dialog) override;

  // Runs at every pump. A hook is not run again from a pump that it causes itself.
  std::function<void()> OnPump;
  // Answers the next message boxes in order; when the script is empty the default button answers.
  std::deque<MsgBoxAnswer> Answers;
  // Runs inside ShowModal: the "user" of the dialog. Without it the dialog is closed unchanged.
  std::function<void(Form2&)> OnModal;
  // Runs inside MsgBox, after the box was recorded and before it is answered.
  std::function<void(const MsgBoxRequest&)> OnMessage;

  // Sound files that exist and how long each plays; any other name cannot be played.
  std::map<std::string, std::int32_t> SoundFiles{{"sd1.dat", 300}, {"sd2.dat", 300}};

  void AdvanceClock(std::int64_t milliseconds) { clock_ += milliseconds; }
  std::int64_t Clock() const { return clock_; }

  // What happened.
  int PumpCount = 0;
  int SleepCount = 0;
  std::vector<MsgBoxRequest> Messages;
  std::vector<SoundCall> Sounds;
  std::vector<HelpCall> HelpCalls;
  int ModalCount = 0;
  bool Ended = false;

 private:
  std::int64_t clock_ = 0;
  std::int64_t soundEndsAt_ = 0;
  bool inHook_ = false;
};

}  // namespace zeri::ui
