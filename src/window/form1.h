// The main window: its fields are the game state, its controls the window's model, and its member
// procedures the game logic. Each procedure is defined in the folder of its subsystem.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "shared/sengen.h"
#include "shared/types.h"
#include "ui/controls.h"
#include "ui/platform.h"

namespace zeri {

class Form2;

// Thrown from the event pump when the return to the title has cleared the board under a move in
// progress; the move's entry point catches it and leaves the title screen as it is.
struct MoveAbandoned {};

// One entry of the menu tree, in display order; a submenu has children.
struct MenuNode {
  ui::MenuItem* Item;
  std::function<void()> Click;  // empty for submenus and separators
  std::vector<MenuNode> Children;
};

// A drawable control, for drawing front to back.
using ControlRef = std::variant<const ui::Image*, const ui::Label*, const ui::Shape*>;

class Form1 {
 public:
  explicit Form1(ui::Platform& platform);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  ui::Platform& Platform() { return platform_; }

  // ---- Window ----
  std::string Caption = ui::ApplicationTitle;
  static constexpr int ClientWidth = 600;
  static constexpr int ClientHeight = 599;
  ui::Color BackColor{224, 224, 224};

  // ---- Board and rules ----
  std::array<std::array<Int16, BanBound + 1>, BanBound + 1> Ban{};  // Ban[column][row]
  Int16 Turn = 0;
  std::array<Int16, 9> FlipCount{};
  Int16 MoveX = 0, MoveY = 0;
  Int16 CursorX = 0, CursorY = 0;
  Int16 WalkX = 0, WalkY = 0;
  Int16 RedCount = 0, BlueCount = 0;
  std::array<Int16, 11> PassFlag{};
  Int16 NoMoveShown = 0;
  Int16 GameOver = 0;
  Int16 Busy = 0;
  Int16 BoardActive = 0;
  Int16 AnimStep = 0;
  Int16 AnimOff = 0;
  std::array<Int16, 9> DirCount{};
  Int16 LoopX = 0, LoopY = 0, ChkX = 0, ChkY = 0, LoopI = 0, LoopJ = 0;

  // ---- Computer opponent ----
  std::array<Int16, 65> Score{};
  Int16 BestScore = 0;

  // ---- Window flow ----
  Int16 WaitTime = 0;   // thinking pause before each computer move, milliseconds
  Int16 AnimFrame = 0;  // rotation frame shown at the last tick
  // Set when the board was cleared for the title while a move was being applied.
  Int16 MoveAbandonedFlag = 0;

  // ---- Controls (front to back as drawn) ----
  ui::Image Image12, Image11, Image10, Image9, Image2;
  ui::Label Label10, Label9, Label8, Label7, Label6, Label5;
  ui::Image Image3;
  ui::Label Label3;
  std::array<ui::Image, 64> Koma;
  ui::Shape Shape1, Shape2, Shape3, Shape4, Shape5, Shape6;
  ui::Image Image1;

  // Hidden picture sources.
  ui::Image redImage, blueImage;
  std::array<ui::Image, 8> Red, Blue;
  ui::Image Image4, Image5, Image8;

  // Toolbar: buttons 1..5 (entry 0 unused), docked at the top over the board picture.
  struct ToolbarControl {
    std::int16_t Left = 0, Top = 0, Width = 600, Height = 24;
    std::array<ui::ToolbarButton, 6> Buttons;
  } Toolbar1;
  // The toolbar's image list, pictures 1..9 (entry 0 unused).
  std::array<ui::Picture, 10> ImageList1{};

  ui::Timer Timer1;

  // Holder of the help file name and the help command.
  struct CommonDialogControl {
    std::string HelpFile;
    std::int16_t HelpCommand = 0;
  } CommonDialog1;

  // Menus.
  ui::MenuItem menuga, menust, menutai, menublank2, menurest, menublank, menuen;
  ui::MenuItem menuop, menukomahann, mnunormal, mnuhaya, mnuhae, menukai, menukoma, menukabi, menugo;
  ui::MenuItem menuflp, menufe, menublank5, menuvarj;

  // The menu bar in display order, each item bound to its handler.
  std::vector<MenuNode> MenuTree();
  // Every visible-kind control, front to back (the toolbar, a child window, lies over all of them).
  std::vector<ControlRef> ControlsFrontToBack() const;

  // ---- Board and rules (board/) ----
  void CountFlips();
  void GrowKoma(Int16& index);
  void ShrinkKoma(Int16& index);
  void FlipPieces();
  void CheckGameEnd();
  void FindMoves();
  void ScanMovesAfterPass();
  void NewGame();

  // ---- Computer opponent (computer/) ----
  void ComputerMoveLevel1();
  void ComputerMoveLevel2();
  void ComputerMoveLevel3();
  void ComputerOpening();

  // ---- Window events (window/) ----
  void Form_Load();
  void Image1_MouseMove(Int16 Button, Int16 Shift, float X, float Y);
  void Image2_Click();
  void Image9_Click();
  void Image10_Click();
  void menust_Click();
  void menutai_Click();
  void menurest_Click();
  void menuen_Click();
  void mnunormal_Click();
  void mnuhaya_Click();
  void mnuhae_Click();
  void menukai_Click();
  void menukabi_Click();
  void menugo_Click();
  void menufe_Click();
  void menuvarj_Click();
  void Toolbar1_ButtonClick(Int16 ButtonIndex);
  void Timer1_Timer();

  // The match-settings dialog, once it has been created.
  Form2* Dialog() { return form2_.get(); }

 private:
  // Pumps pending events; throws MoveAbandoned if the board was cleared for the title meanwhile.
  void DoEvents();
  void ShowMessage(const std::string& text);

  // board/
  void ListMoves();
  void FlankTest();
  // Opposing pieces that a piece of Turn on (x, y), 1..8, flanks in direction d; the walk runs on
  // the caller's scratch pair.
  Int16 FlankedAlong(Int16 x, Int16 y, Int16 d, Int16& walkX, Int16& walkY);
  // computer/
  void ComputerMove(int level);
  // window/
  void ShowEndButtons();
  void ComputerReplies(Int16 person);
  void RestoreTitle();
  void PlaySideSound(Int16 side);
  void ShowCounts(bool blueFirst);
  void ShowNextSide(Int16 mover);
  void EndAbandonedMove();

  ui::Platform& platform_;
  std::unique_ptr<Form2> form2_;
};

}  // namespace zeri
