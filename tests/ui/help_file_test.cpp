#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "settings/form2.h"
#include "support/game_fixture.h"
#include "support/repo_files.h"

namespace zeri::testing {
namespace {

bool ValidUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                           : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
    i += length;
  }
  return true;
}

std::set<std::string> Captures(const std::string& text, const std::string& pattern) {
  std::set<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.insert((*it)[1].str());
  return found;
}

class HelpFile : public GameTest {
 protected:
  // The file the window asks the help viewer for, as the repository ships it.
  std::string html = ReadFileBytes(RepoPath("assets/help/" + form.CommonDialog1.HelpFile));

  bool Names(const std::string& caption) const {
    return html.find(">" + caption + "<") != std::string::npos;
  }
};

TEST_F(HelpFile, IsUtf8HtmlThatSaysSo) {
  ASSERT_FALSE(html.empty());
  EXPECT_EQ(html.rfind("<html>", 0), 0u);
  EXPECT_NE(html.find("charset=utf-8"), std::string::npos);
  EXPECT_TRUE(ValidUtf8(html));
}

TEST_F(HelpFile, EveryLinkFindsItsAnchorAndTheContentsReachEverySection) {
  const auto anchors = Captures(html, "<a name=\"([^\"]+)\"");
  std::size_t anchorCount = 0;
  for (std::size_t at = html.find("<a name="); at != std::string::npos; at = html.find("<a name=", at + 1))
    ++anchorCount;
  EXPECT_EQ(anchors.size(), anchorCount) << "an anchor name is used twice";

  const auto links = Captures(html, "<a href=\"#([^\"]+)\"");
  EXPECT_GE(links.size(), 6u);
  for (const auto& link : links) EXPECT_TRUE(anchors.contains(link)) << "#" << link;

  const auto sections = Captures(html, "<h[23]><a name=\"([^\"]+)\"");
  EXPECT_GE(sections.size(), 6u);
  for (const auto& section : sections) EXPECT_TRUE(links.contains(section)) << section;
}

TEST_F(HelpFile, NamesEveryCommandAndMatchSettingAsTheGameShowsIt) {
  for (const ui::MenuItem* item :
       {&form.menuga, &form.menust, &form.menutai, &form.menurest, &form.menuen, &form.menuop,
        &form.menukomahann, &form.mnunormal, &form.mnuhaya, &form.mnuhae, &form.menukai,
        &form.menukoma, &form.menukabi, &form.menugo, &form.menuflp, &form.menufe, &form.menuvarj})
    EXPECT_TRUE(Names(item->Caption)) << item->Name << " " << item->Caption;
  for (const auto& button : form.Toolbar1.Buttons)
    if (!button.ToolTipText.empty()) {
      EXPECT_TRUE(Names(button.ToolTipText)) << button.ToolTipText;
    }

  const Form2 dialog;
  EXPECT_NE(html.find(dialog.Caption), std::string::npos);
  for (const ui::OptionButton* option : {&dialog.Option9, &dialog.Option10, &dialog.Option1,
                                         &dialog.Option2, &dialog.Option3, &dialog.Option4})
    EXPECT_TRUE(Names(option->Caption)) << option->Caption;
}

}  // namespace
}  // namespace zeri::testing
