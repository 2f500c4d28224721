#include "ui/picture.h"

#include <array>

namespace zeri::ui {

std::string_view PictureName(Picture picture) {
  static constexpr std::array<std::string_view, static_cast<std::size_t>(Picture::Count)> names{
      "none",           "board",          "mascot",          "red-germ",
      "red-germ-a",     "red-germ-b",     "red-germ-c",      "blue-germ",
      "blue-germ-a",    "blue-germ-b",    "blue-germ-c",     "blue-germ-d",
      "blue-germ-e",    "black-stone",    "white-stone",     "cursor-frame",
      "sign-again",     "sign-end",       "tool-pawn",       "tool-pawn-promoted",
      "tool-grey-board", "tool-grey-board-crossed", "tool-board-crossed", "tool-board",
      "tool-arrow-tray", "tool-vs-computer", "tool-vs-person"};
  const auto index = static_cast<std::size_t>(picture);
  return index < names.size() ? names[index] : "none";
}

}  // namespace zeri::ui
