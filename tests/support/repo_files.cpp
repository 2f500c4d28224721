#include "support/repo_files.h"

#include <fstream>
#include <iterator>

namespace zeri::testing {

std::filesystem::path RepoPath(const std::string& relative) {
  return std::filesystem::path(ZERI_SOURCE_DIR) / relative;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace zeri::testing
