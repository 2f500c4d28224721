#include "ui/qt/pictures.h"

#include <QBitmap>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace zeri::qt {

namespace {
// Toolbar list pictures keep this colour as their transparent mask.
constexpr QRgb ToolbarMask = qRgb(192, 192, 192);

bool IsToolbarPicture(ui::Picture picture) {
  return picture >= ui::Picture::ToolPawn && picture < ui::Picture::Count;
}
}  // namespace

QPixmap RenderSvg(const QByteArray& svg, QSize size) {
  if (svg.isEmpty() || size.isEmpty()) return {};
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return QPixmap::fromImage(image);
}

QSize PictureBook::NominalSize(ui::Picture picture) {
  if (picture == ui::Picture::Board) return {600, 600};
  if (IsToolbarPicture(picture)) return {16, 16};
  return {32, 32};
}

PictureBook::PictureBook() {
  for (std::size_t i = 1; i < Count; ++i) {
    const auto picture = static_cast<ui::Picture>(i);
    QFile file(QStringLiteral(":/pictures/%1.svg")
                   .arg(QString::fromUtf8(ui::PictureName(picture).data(),
                                          static_cast<qsizetype>(ui::PictureName(picture).size()))));
    if (!file.open(QIODevice::ReadOnly)) continue;
    sources_[i] = file.readAll();
    QPixmap pixmap = RenderSvg(sources_[i], NominalSize(picture));
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
  return *sized_.insert(key, RenderSvg(sources_[static_cast<std::size_t>(picture)], {width, height}));
}

}  // namespace zeri::qt
