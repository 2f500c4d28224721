#include "ui/qt/label_font.h"

#include <QFontMetrics>
#include <cmath>

namespace zeri::qt {

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QString::fromUtf8(DesignedGothic), QString::fromUtf8(GothicSubstitute));
}

int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont LabelQFont(const ui::LabelFont& font) {
  QFont result(QString::fromStdString(font.Name));
  result.setPixelSize(PixelSize(font.Size));
  result.setBold(font.Bold);
  return result;
}

QRect LabelBounds(const ui::Label& label) {
  if (!label.AutoSize) return {label.Left, label.Top, label.Width, label.Height};
  const QFontMetrics metrics(LabelQFont(label.Font));
  const QString text = QString::fromStdString(label.Caption);
  const QRect advance(label.Left, label.Top, metrics.horizontalAdvance(text), metrics.height());
  // Bold glyphs may overhang their advance; the ink counts too.
  return advance.united(metrics.boundingRect(text).translated(label.Left, label.Top + metrics.ascent()));
}

}  // namespace zeri::qt
