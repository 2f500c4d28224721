#include "ui/qt/pictures.h"

#include <QBitmap>
#include <QImage>

namespace zeri::qt {

namespace {
// Toolbar list pictures keep this colour as their transparent mask.
constexpr QRgb ToolbarMask = qRgb(192, 192, 192);
}  // namespace

PictureBook::PictureBook() {
  for (std::size_t i = 1; i < Count; ++i) {
    const auto picture = static_cast<ui::Picture>(i);
    const PictureData data = RenderedPicture(picture);
    if (data.Size == 0) continue;
    QPixmap pixmap = QPixmap::fromImage(QImage::fromData(data.Bytes, static_cast<int>(data.Size), "PNG"));
    if (IsToolbarPicture(picture) && !pixmap.isNull()) {
      pixmap.setMask(pixmap.createMaskFromColor(QColor(ToolbarMask), Qt::MaskInColor));
    }
    nominal_[i] = pixmap;
  }
}

const QPixmap& PictureBook::Get(ui::Picture picture) const {
  return nominal_[static_cast<std::size_t>(picture) % Count];
}

const QPixmap& PictureBook::Sized(ui::Picture picture, int width, int height) {
  const QPixmap& nominal = Get(picture);
  if (nominal.isNull() || nominal.size() == QSize(width, height)) return nominal;
  const quint64 key = (quint64(static_cast<std::uint8_t>(picture)) << 32) |
                      (quint64(width & 0xffff) << 16) | quint64(height & 0xffff);
  auto found = sized_.constFind(key);
  if (found != sized_.constEnd()) return *found;
  return *sized_.insert(key, nominal.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace zeri::qt
