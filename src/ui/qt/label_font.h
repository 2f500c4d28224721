// Label fonts: the designed face and point size, drawn at the pixel size they have at 96 dpi.
#pragma once

#include <QFont>
#include <QRect>

#include "ui/controls.h"

namespace zeri::qt {

// The designed Japanese gothic face and the free face that stands in where it is absent.
inline constexpr const char* DesignedGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* GothicSubstitute = "IPAPGothic";

// Registers the stand-in faces; call once after the application object exists.
void InstallFontSubstitutes();

// Pixel size of a point size at 96 dots per inch, whatever the screen's resolution.
int PixelSize(double points);

QFont LabelQFont(const ui::LabelFont& font);

// Where a label's text lies: its text extent for a self-sizing label, else its own rectangle.
QRect LabelBounds(const ui::Label& label);

}  // namespace zeri::qt
