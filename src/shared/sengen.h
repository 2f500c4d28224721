// The public variables every part of the game shares: the legal-move list and the two player settings.
#pragma once

#include <array>

#include "shared/types.h"

namespace zeri::sengen {

inline std::array<Int16, 65> MoveListX{};
inline std::array<Int16, 65> MoveListY{};
inline Int16 MoveCount = 0;
inline Int16 RedPlayer = PlayerHuman;
inline Int16 BluePlayer = PlayerHuman;

// Program start: everything is 0. The main window calls this when it is created.
inline void Reset() {
  MoveListX.fill(0);
  MoveListY.fill(0);
  MoveCount = 0;
  RedPlayer = PlayerHuman;
  BluePlayer = PlayerHuman;
}

}  // namespace zeri::sengen
