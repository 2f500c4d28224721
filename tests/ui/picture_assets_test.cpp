#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/repo_files.h"
#include "ui/picture.h"

namespace zeri::testing {
namespace {

using ui::Picture;

std::string PictureFile(Picture picture) {
  return "assets/pictures/" + std::string(ui::PictureName(picture)) + ".svg";
}

int NominalSize(Picture picture) {
  if (picture == Picture::Board) return 600;
  if (picture >= Picture::ToolPawn) return 16;
  return 32;
}

std::string Attribute(const std::string& tag, const std::string& name) {
  std::smatch match;
  const std::regex pattern("\\s" + name + "=\"([^\"]*)\"");
  return std::regex_search(tag, match, pattern) ? match[1].str() : std::string();
}

TEST(PictureAssets, EveryPictureHasAnSvgOfItsNominalSize) {
  for (int i = static_cast<int>(Picture::None) + 1; i < static_cast<int>(Picture::Count); ++i) {
    const auto picture = static_cast<Picture>(i);
    const std::string svg = ReadFileBytes(RepoPath(PictureFile(picture)));
    ASSERT_FALSE(svg.empty()) << PictureFile(picture);
    std::smatch root;
    ASSERT_TRUE(std::regex_search(svg, root, std::regex("<svg[^>]*>"))) << PictureFile(picture);
    const std::string size = std::to_string(NominalSize(picture));
    EXPECT_EQ(Attribute(root.str(), "width"), size) << PictureFile(picture);
    EXPECT_EQ(Attribute(root.str(), "height"), size) << PictureFile(picture);
    EXPECT_EQ(Attribute(root.str(), "viewBox"), "0 0 " + size + " " + size) << PictureFile(picture);
  }
}

TEST(PictureAssets, EverySvgIsNamedAfterAPicture) {
  std::set<std::string> names;
  for (int i = static_cast<int>(Picture::None) + 1; i < static_cast<int>(Picture::Count); ++i)
    names.insert(std::string(ui::PictureName(static_cast<Picture>(i))) + ".svg");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(RepoPath("assets/pictures"))) {
    if (entry.path().extension() != ".svg") continue;
    ++files;
    EXPECT_TRUE(names.contains(entry.path().filename().string())) << entry.path();
  }
  EXPECT_EQ(files, static_cast<int>(names.size()));
}

// A picture drawn from whole-pixel rectangles only, painted in document order. Any other element
// fails the parse, so a later shape cannot slip past the pixel checks below.
class RectRaster {
 public:
  static std::optional<RectRaster> Parse(const std::string& svg, int size) {
    RectRaster raster(size);
    std::vector<std::string> groupFills;
    const std::regex tagPattern("<(/?)([A-Za-z?!][^\\s/>]*)([^>]*)>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), tagPattern);
         it != std::sregex_iterator(); ++it) {
      const std::string closing = (*it)[1], name = (*it)[2], tag = it->str();
      if (name == "?xml" || name == "!--" || name == "svg") continue;
      if (name == "g") {
        if (closing.empty()) groupFills.push_back(Attribute(tag, "fill"));
        else if (!groupFills.empty()) groupFills.pop_back();
        continue;
      }
      if (name != "rect") return std::nullopt;
      std::string fill = Attribute(tag, "fill");
      if (fill.empty() && !groupFills.empty()) fill = groupFills.back();
      if (!raster.Fill(std::stoi(Attribute(tag, "x")), std::stoi(Attribute(tag, "y")),
                       std::stoi(Attribute(tag, "width")), std::stoi(Attribute(tag, "height")), fill))
        return std::nullopt;
    }
    return raster;
  }

  // "#rrggbb", or "" where nothing is painted.
  std::string At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * size_ + x)]; }

 private:
  explicit RectRaster(int size) : size_(size), pixels_(static_cast<std::size_t>(size * size)) {}

  bool Fill(int x, int y, int w, int h, const std::string& fill) {
    if (!std::regex_match(fill, std::regex("#[0-9a-f]{6}"))) return false;
    if (x < 0 || y < 0 || w <= 0 || h <= 0 || x + w > size_ || y + h > size_) return false;
    for (int row = y; row < y + h; ++row)
      for (int col = x; col < x + w; ++col) pixels_[static_cast<std::size_t>(row * size_ + col)] = fill;
    return true;
  }

  int size_;
  std::vector<std::string> pixels_;
};

const std::string kField = "#007524";    // RGB(0,117,36)
const std::string kOutline = "#000f05";  // RGB(0,15,5)
const std::string kInner = "#001c09";    // RGB(0,28,9)
constexpr int kInnerColumns[] = {162, 208, 254, 300, 346, 392, 438};
constexpr int kInnerRows[] = {163, 209, 255, 301, 347, 393, 439};
constexpr int kStars[][2] = {{208, 209}, {392, 209}, {208, 393}, {392, 393}};

bool NearStar(int x, int y) {
  for (const auto& star : kStars)
    if (std::abs(x - star[0]) <= 3 && std::abs(y - star[1]) <= 3) return true;
  return false;
}

class BoardPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    auto parsed = RectRaster::Parse(ReadFileBytes(RepoPath(PictureFile(Picture::Board))), 600);
    ASSERT_TRUE(parsed.has_value()) << "the board must be whole-pixel rectangles only";
    board.emplace(std::move(*parsed));
  }
  std::optional<RectRaster> board;
};

TEST_F(BoardPicture, OutlineAndInnerLinesLieOnTheirPixels) {
  for (int y = 118; y <= 484; ++y) {
    if (NearStar(208, y) || NearStar(392, y)) continue;
    for (int x : {115, 116, 484, 485}) EXPECT_EQ(board->At(x, y), kOutline) << x << "," << y;
    for (int x : kInnerColumns) EXPECT_EQ(board->At(x, y), kInner) << x << "," << y;
    EXPECT_EQ(board->At(114, y), kField) << y;
    EXPECT_EQ(board->At(486, y), kField) << y;
  }
  for (int x = 117; x <= 483; ++x) {
    if (NearStar(x, 209) || NearStar(x, 393)) continue;
    for (int y : {116, 117, 485, 486}) EXPECT_EQ(board->At(x, y), kOutline) << x << "," << y;
    for (int y : kInnerRows) EXPECT_EQ(board->At(x, y), kInner) << x << "," << y;
    EXPECT_EQ(board->At(x, 115), kField) << x;
    EXPECT_EQ(board->At(x, 487), kField) << x;
  }
  EXPECT_EQ(board->At(0, 0), kField);
  EXPECT_EQ(board->At(599, 599), kField);
}

// The cursor frame covers the 45 x 45 square at (117 + 46c, 118 + 46r): inside it only the field
// (and the edge of a star point), and a line on every side of it.
TEST_F(BoardPicture, EveryCellIsTheSquareBetweenItsLines) {
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) {
      const int left = 117 + 46 * c, top = 118 + 46 * r;
      for (int y = top; y < top + 45; ++y)
        for (int x = left; x < left + 45; ++x)
          if (!NearStar(x, y)) {
            ASSERT_EQ(board->At(x, y), kField) << "cell " << c << "," << r << " at " << x << "," << y;
          }
      for (int i = 0; i < 45; ++i) {
        EXPECT_NE(board->At(left - 1, top + i), kField) << c << "," << r;
        EXPECT_NE(board->At(left + 45, top + i), kField) << c << "," << r;
        EXPECT_NE(board->At(left + i, top - 1), kField) << c << "," << r;
        EXPECT_NE(board->At(left + i, top + 45), kField) << c << "," << r;
      }
    }
}

TEST_F(BoardPicture, StarPointsAreRoundDotsSevenPixelsAcross) {
  for (const auto& star : kStars) {
    const int cx = star[0], cy = star[1];
    for (int d = -3; d <= 3; ++d) {
      EXPECT_EQ(board->At(cx + d, cy), kOutline) << cx << "," << cy << " row offset " << d;
      EXPECT_EQ(board->At(cx, cy + d), kOutline) << cx << "," << cy << " column offset " << d;
    }
    EXPECT_EQ(board->At(cx - 4, cy), kInner);
    EXPECT_EQ(board->At(cx + 4, cy), kInner);
    EXPECT_EQ(board->At(cx, cy - 4), kInner);
    EXPECT_EQ(board->At(cx, cy + 4), kInner);
    for (int dx : {-3, 3})  // rounded: the corners of the 7 x 7 box stay field
      for (int dy : {-3, 3}) EXPECT_EQ(board->At(cx + dx, cy + dy), kField) << cx << "," << cy;
  }
}

TEST(CursorFramePicture, IsAThreePixelGreyOutlineAroundAnEmptyInside) {
  const auto frame = RectRaster::Parse(ReadFileBytes(RepoPath(PictureFile(Picture::CursorFrame))), 32);
  ASSERT_TRUE(frame.has_value());
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool edge = x < 3 || y < 3 || x >= 29 || y >= 29;
      EXPECT_EQ(frame->At(x, y), edge ? "#808080" : "") << x << "," << y;
    }
}

}  // namespace
}  // namespace zeri::testing
