#include "ui/headless_platform.h"

#include "settings/form2.h"

namespace zeri::ui {

void HeadlessPlatform::DoEvents() {
  ++PumpCount;
  if (!OnPump || inHook_) return;
  inHook_ = true;
  try {
    OnPump();
  } catch (...) {
    inHook_ = false;
    throw;
  }
  inHook_ = false;
}

void HeadlessPlatform::Sleep(std::int32_t milliseconds) {
  ++SleepCount;
  clock_ += milliseconds;
}

MsgBoxAnswer HeadlessPlatform::MsgBox(const MsgBoxRequest& request) {
  Messages.push_back(request);
  if (OnMessage) OnMessage(request);
  if (!Answers.empty()) {
    const MsgBoxAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  if (request.Buttons == MsgBoxButtons::OkOnly) return MsgBoxAnswer::Ok;
  return request.DefaultButton == 2 ? MsgBoxAnswer::No : MsgBoxAnswer::Yes;
}

void HeadlessPlatform::End() {
  Ended = true;
  throw ProgramEnded{};
}

std::int32_t HeadlessPlatform::PlaySound(const std::string& name, std::uint32_t flags) {
  std::int32_t result = 0;
  const bool busy = clock_ < soundEndsAt_;
  const auto file = SoundFiles.find(name);
  if (file != SoundFiles.end() && !(busy && (flags & SndNoStop) != 0)) {
    result = 1;
    if ((flags & SndAsync) != 0) {
      soundEndsAt_ = clock_ + file->second;
    } else {
      clock_ += file->second;  // a synchronous sound returns when it has ended
    }
  }
  Sounds.push_back({name, flags, result, clock_});
  return result;
}

void HeadlessPlatform::ShowHelp(const std::string& helpFile, std::int16_t command) {
  HelpCalls.push_back({helpFile, command});
}

void HeadlessPlatform::ShowModal(Form2& dialog) {
  ++ModalCount;
  if (OnModal) OnModal(dialog);
  if (dialog.Loaded) dialog.Unload();  // closed by the title bar: nothing stored
}

}  // namespace zeri::ui
