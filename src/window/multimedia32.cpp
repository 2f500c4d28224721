#include "window/multimedia32.h"

namespace zeri::Multimedia32 {

std::int32_t PlaySoundFile(ui::Platform& platform, const std::string& FileName, Int16 PlayMode) {
  if (FileName.empty()) return 0;
  std::uint32_t flags = ui::SndSync;
  if (PlayMode == 0) flags = ui::SndAsync | ui::SndNoDefault | ui::SndNoStop;
  if (PlayMode == 1) flags = ui::SndAsync | ui::SndNoDefault | ui::SndLoop | ui::SndNoStop;
  return platform.PlaySound(FileName, flags);
}

}  // namespace zeri::Multimedia32
