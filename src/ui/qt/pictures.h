// The game's pictures, drawn once from the compiled-in SVG sources.
#pragma once

#include <QHash>
#include <QPixmap>
#include <array>

#include "ui/picture.h"

namespace zeri::qt {

class PictureBook {
 public:
  // Renders every picture at its nominal size. Needs a running QGuiApplication.
  PictureBook();

  // The picture at its nominal size; null for Picture::None or a missing source.
  const QPixmap& Get(ui::Picture picture) const;
  // The picture at another size, rendered from its source so outlines stay sharp; cached.
  const QPixmap& Sized(ui::Picture picture, int width, int height);

  static QSize NominalSize(ui::Picture picture);

 private:
  static constexpr auto Count = static_cast<std::size_t>(ui::Picture::Count);
  std::array<QByteArray, Count> sources_;
  std::array<QPixmap, Count> nominal_;
  QHash<quint64, QPixmap> sized_;
};

QPixmap RenderSvg(const QByteArray& svg, QSize size);

}  // namespace zeri::qt
