// The main window as designed: every control's place, size, look and initial state.
#include <utility>

#include "settings/form2.h"
#include "window/form1.h"

namespace zeri {

namespace {

using ui::Picture;

ui::Image MakeImage(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height,
                    Picture picture, bool visible = true) {
  ui::Image image;
  image.Left = left;
  image.Top = top;
  image.Width = width;
  image.Height = height;
  image.Picture = picture;
  image.Visible = visible;
  return image;
}

// A picture source that the game only copies from; never shown.
ui::Image Source(Picture picture) { return MakeImage(0, 0, 32, 32, picture, false); }

const char* const GothicFont = "ＭＳ Ｐゴシック";

ui::Label MakeLabel(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height,
                    std::string caption, double points) {
  ui::Label label;
  label.Left = left;
  label.Top = top;
  label.Width = width;
  label.Height = height;
  label.Caption = std::move(caption);
  label.Font = {GothicFont, points, true};
  label.SystemTextColor = true;
  return label;
}

ui::Shape MakeShape(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height,
                    ui::ShapeKind kind, ui::Color fill, ui::Color border) {
  ui::Shape shape;
  shape.Left = left;
  shape.Top = top;
  shape.Width = width;
  shape.Height = height;
  shape.Kind = kind;
  shape.FillColor = fill;
  shape.BorderColor = border;
  shape.BorderWidth = 3;
  return shape;
}

ui::MenuItem MakeItem(std::string name, std::string caption, bool checked = false) {
  ui::MenuItem item;
  item.Name = std::move(name);
  item.Caption = std::move(caption);
  item.Checked = checked;
  return item;
}

ui::MenuItem MakeSeparator(std::string name) {
  ui::MenuItem item;
  item.Name = std::move(name);
  item.Separator = true;
  return item;
}

ui::ToolbarButton MakeButton(ui::ButtonStyle style, Picture picture = Picture::None,
                             std::string toolTip = {}) {
  ui::ToolbarButton button;
  button.Style = style;
  button.Image = picture;
  button.ToolTipText = std::move(toolTip);
  return button;
}

// The cell grid is not evenly spaced, and columns and rows differ at index 4.
constexpr std::array<std::int16_t, 8> CellLefts{128, 168, 216, 264, 304, 352, 400, 448};
constexpr std::array<std::int16_t, 8> CellTops{128, 168, 216, 264, 312, 352, 400, 448};

constexpr ui::Color Black{0, 0, 0};
constexpr ui::Color DarkGreen{0, 64, 0};

}  // namespace

Form1::Form1(ui::Platform& platform) : platform_(platform) {
  sengen::Reset();

  Image12 = MakeImage(504, 208, 32, 32, Picture::BlueGerm);
  Image11 = MakeImage(24, 208, 32, 32, Picture::RedGerm);
  Image10 = MakeImage(536, 520, 32, 32, Picture::SignEnd, false);
  Image9 = MakeImage(496, 520, 32, 32, Picture::SignAgain, false);
  Image2 = MakeImage(117, 118, 45, 45, Picture::CursorFrame);
  Image2.Stretch = true;

  Label10 = MakeLabel(216, 40, 173, 48, "zeri", 36);
  Label10.SystemTextColor = false;
  Label10.ForeColor = {255, 128, 255};
  Label9 = MakeLabel(224, 48, 173, 48, "zeri", 36);
  Label8 = MakeLabel(512, 176, 45, 21, "後手", 15.75);
  Label7 = MakeLabel(32, 176, 45, 21, "先手", 15.75);
  Label6 = MakeLabel(528, 208, 57, 25, "0", 21.75);
  Label6.Alignment = ui::Alignment::Center;
  Label5 = MakeLabel(48, 208, 57, 25, "0", 21.75);
  Label5.Alignment = ui::Alignment::Center;
  for (ui::Label* label : {&Label10, &Label9, &Label8, &Label7}) label->AutoSize = true;

  Image3 = MakeImage(120, 520, 32, 32, Picture::Mascot);
  Label3 = MakeLabel(168, 520, 275, 29, ui::ApplicationTitle, 21.75);
  Label3.SystemTextColor = false;
  Label3.ForeColor = Black;
  Label3.AutoSize = true;

  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      Koma[r * 8 + c] = MakeImage(CellLefts[c], CellTops[r], 32, 32, Picture::Mascot, false);

  Shape1 = MakeShape(8, 120, 97, 177, ui::ShapeKind::Circle, {255, 192, 128}, Black);
  Shape2 = MakeShape(488, 120, 97, 177, ui::ShapeKind::Circle, {128, 255, 255}, Black);
  Shape3 = MakeShape(8, 504, 577, 65, ui::ShapeKind::RoundedRectangle, {128, 128, 0}, DarkGreen);
  Shape4 = MakeShape(16, 128, 97, 177, ui::ShapeKind::Circle, DarkGreen, DarkGreen);
  Shape5 = MakeShape(496, 128, 97, 177, ui::ShapeKind::Circle, DarkGreen, DarkGreen);
  Shape6 = MakeShape(16, 512, 577, 65, ui::ShapeKind::RoundedRectangle, DarkGreen, DarkGreen);

  Image1 = MakeImage(0, 0, 600, 600, Picture::Board);

  redImage = Source(Picture::RedGerm);
  blueImage = Source(Picture::BlueGerm);
  Red = {Source(Picture::RedGerm),  Source(Picture::RedGermTurnA), Source(Picture::RedGerm),
         Source(Picture::RedGermTurnB), Source(Picture::RedGerm),  Source(Picture::RedGermTurnC),
         Source(Picture::RedGerm),  Source(Picture::RedGermTurnC)};
  Blue = {Source(Picture::BlueGerm),      Source(Picture::BlueGermTurnA),
          Source(Picture::BlueGerm),      Source(Picture::BlueGermTurnB),
          Source(Picture::BlueGermTurnC), Source(Picture::BlueGermTurnD),
          Source(Picture::BlueGermTurnE), Source(Picture::BlueGermTurnB)};
  Image4 = Source(Picture::BlackStone);
  Image5 = Source(Picture::WhiteStone);
  Image8 = Source(Picture::Mascot);

  ImageList1 = {Picture::None,          Picture::ToolPawn,         Picture::ToolPawnPromoted,
                Picture::ToolGreyBoard, Picture::ToolGreyBoardCrossed, Picture::ToolBoardCrossed,
                Picture::ToolBoard,     Picture::ToolArrowTray,    Picture::ToolVersusComputer,
                Picture::ToolVersusPerson};
  Toolbar1.Buttons[1] = MakeButton(ui::ButtonStyle::Placeholder);
  Toolbar1.Buttons[2] = MakeButton(ui::ButtonStyle::Push, ImageList1[6], "かいし");
  Toolbar1.Buttons[3] = MakeButton(ui::ButtonStyle::Push, ImageList1[5], "タイトルに戻る");
  Toolbar1.Buttons[4] = MakeButton(ui::ButtonStyle::Separator);
  Toolbar1.Buttons[5] = MakeButton(ui::ButtonStyle::Push, ImageList1[8]);

  Timer1.Interval = 1000;
  Timer1.Enabled = true;
  CommonDialog1.HelpFile = "zeri.HLP";

  menuga = MakeItem("menuga", "げーむ");
  menust = MakeItem("menust", "開始");
  menutai = MakeItem("menutai", "対戦相手");
  menublank2 = MakeSeparator("menublank2");
  menurest = MakeItem("menurest", "タイトルに戻る");
  menublank = MakeSeparator("menublank");
  menuen = MakeItem("menuen", "終了");
  menuop = MakeItem("menuop", "おぷしょん");
  menukomahann = MakeItem("menukomahann", "菌の反転設定");
  mnunormal = MakeItem("mnunormal", "標準", true);
  mnuhaya = MakeItem("mnuhaya", "速い");
  mnuhae = MakeItem("mnuhae", "最速");
  menukai = MakeItem("menukai", "菌の回転を止める");
  menukoma = MakeItem("menukoma", "菌の種類を代える");
  menukabi = MakeItem("menukabi", "カビ菌", true);
  menugo = MakeItem("menugo", "碁石");
  menuflp = MakeItem("menuflp", "へるぷ");
  menufe = MakeItem("menufe", "ヘルプ");
  menublank5 = MakeSeparator("menublank5");
  menuvarj = MakeItem("menuvarj", "バージョン");
}

Form1::~Form1() = default;

std::vector<ControlRef> Form1::ControlsFrontToBack() const {
  std::vector<ControlRef> controls{&Image12, &Image11, &Image10, &Image9, &Image2, &Label10,
                                   &Label9,  &Label8,  &Label7,  &Label6, &Label5, &Image3,
                                   &Label3};
  for (const ui::Image& cell : Koma) controls.emplace_back(&cell);
  for (const ui::Shape* shape : {&Shape1, &Shape2, &Shape3, &Shape4, &Shape5, &Shape6})
    controls.emplace_back(shape);
  controls.emplace_back(&Image1);
  return controls;
}

}  // namespace zeri
