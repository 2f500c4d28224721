// The sound wrapper: plays a sound file by name in one of the play modes.
#pragma once

#include <cstdint>
#include <string>

#include "shared/types.h"
#include "ui/platform.h"

namespace zeri::Multimedia32 {

// Mode 0 plays once without waiting, silently when the file is missing or a sound still plays;
// mode 1 likewise but looping; any other mode plays synchronously. Returns the platform's result;
// 0 for an empty name, which never reaches the platform.
std::int32_t PlaySoundFile(ui::Platform& platform, const std::string& FileName, Int16 PlayMode);

}  // namespace zeri::Multimedia32
