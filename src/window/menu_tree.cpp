// The menu bar in display order, every command item bound to its handler.
#include "window/form1.h"

namespace zeri {

namespace {
MenuNode Leaf(ui::MenuItem& item, std::function<void()> click) { return {&item, std::move(click), {}}; }
MenuNode Separator(ui::MenuItem& item) { return {&item, {}, {}}; }
MenuNode Submenu(ui::MenuItem& item, std::vector<MenuNode> children) {
  return {&item, {}, std::move(children)};
}
}  // namespace

std::vector<MenuNode> Form1::MenuTree() {
  return {
      Submenu(menuga, {Leaf(menust, [this] { menust_Click(); }),
                       Leaf(menutai, [this] { menutai_Click(); }),
                       Separator(menublank2),
                       Leaf(menurest, [this] { menurest_Click(); }),
                       Separator(menublank),
                       Leaf(menuen, [this] { menuen_Click(); })}),
      Submenu(menuop, {Submenu(menukomahann, {Leaf(mnunormal, [this] { mnunormal_Click(); }),
                                              Leaf(mnuhaya, [this] { mnuhaya_Click(); }),
                                              Leaf(mnuhae, [this] { mnuhae_Click(); })}),
                       Leaf(menukai, [this] { menukai_Click(); }),
                       Submenu(menukoma, {Leaf(menukabi, [this] { menukabi_Click(); }),
                                          Leaf(menugo, [this] { menugo_Click(); })})}),
      Submenu(menuflp, {Leaf(menufe, [this] { menufe_Click(); }),
                        Separator(menublank5),
                        Leaf(menuvarj, [this] { menuvarj_Click(); })}),
  };
}

}  // namespace zeri
