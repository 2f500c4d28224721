// The control model: plain values that the game logic reads and writes, and that a platform draws.
#pragma once

#include <cstdint>
#include <string>

#include "ui/picture.h"

namespace zeri::ui {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

struct LabelFont {
  std::string Name;
  double Size = 9;  // points
  bool Bold = false;
};

// An image control; positions and sizes in pixels. A stretching image fills its current size.
struct Image {
  bool Visible = true;
  bool Stretch = false;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
  zeri::ui::Picture Picture = zeri::ui::Picture::None;
};

enum class Alignment { Left, Center };

struct Label {
  bool Visible = true;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Caption;  // UTF-8
  LabelFont Font;
  Color ForeColor;               // ignored when SystemTextColor is set
  bool SystemTextColor = false;  // the desktop's default text colour
  zeri::ui::Alignment Alignment = zeri::ui::Alignment::Left;
  bool AutoSize = false;  // the label takes the size of its text; Width and Height are the design size
  bool Transparent = true;
};

enum class ShapeKind { Circle, RoundedRectangle };

struct Shape {
  bool Visible = true;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
  ShapeKind Kind = ShapeKind::Circle;
  Color FillColor;
  Color BorderColor;
  std::int16_t BorderWidth = 1;
};

struct MenuItem {
  std::string Name;
  std::string Caption;  // empty for a separator
  bool Enabled = true;
  bool Checked = false;
  bool Separator = false;
};

enum class ButtonStyle { Placeholder, Push, Separator };

struct ToolbarButton {
  ButtonStyle Style = ButtonStyle::Push;
  zeri::ui::Picture Image = zeri::ui::Picture::None;
  std::string ToolTipText;
  bool Enabled = true;
};

struct Timer {
  bool Enabled = true;
  std::int32_t Interval = 0;  // milliseconds
};

struct Frame {
  std::string Caption;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
};

// Option buttons of one frame form a group; the dialog keeps exactly one of a group selected.
struct OptionButton {
  std::string Caption;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;  // relative to its frame
  bool Value = false;
};

struct CommandButton {
  std::string Caption;
  std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool Default = false;
};

}  // namespace zeri::ui
