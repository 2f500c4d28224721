// Every pump of the game goes through here, so a move learns at once that the board was cleared.
#include "window/form1.h"

namespace zeri {

void Form1::DoEvents() {
  platform_.DoEvents();
  if (MoveAbandonedFlag != 0) throw MoveAbandoned{};
}

}  // namespace zeri
