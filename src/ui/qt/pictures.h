// The game's pictures: drawn from their SVG sources when the program is built, decoded once at
// start, and stretched to the size a control asks for.
#pragma once

#include <QHash>
#include <QPixmap>
#include <array>
#include <cstddef>

#include "ui/picture.h"

namespace zeri::qt {

// A picture's PNG data as the build drew it; empty when its source was missing.
struct PictureData {
  const unsigned char* Bytes = nullptr;
  std::size_t Size = 0;
};
PictureData RenderedPicture(ui::Picture picture);

// Toolbar list pictures are 16 x 16, the board 600 x 600, every other picture 32 x 32.
inline bool IsToolbarPicture(ui::Picture picture) {
  return picture >= ui::Picture::ToolPawn && picture < ui::Picture::Count;
}
inline QSize NominalSize(ui::Picture picture) {
  if (picture == ui::Picture::Board) return {600, 600};
  if (IsToolbarPicture(picture)) return {16, 16};
  return {32, 32};
}

class PictureBook {
 public:
  // Decodes every picture. Needs a running QGuiApplication.
  PictureBook();

  // The picture at its nominal size; null for Picture::None or a missing source.
  const QPixmap& Get(ui::Picture picture) const;
  // The picture stretched to another size; cached.
  const QPixmap& Sized(ui::Picture picture, int width, int height);

 private:
  static constexpr auto Count = static_cast<std::size_t>(ui::Picture::Count);
  std::array<QPixmap, Count> nominal_;
  QHash<quint64, QPixmap> sized_;
};

}  // namespace zeri::qt
