// Reading the repository's own files (assets) from tests.
#pragma once

#include <filesystem>
#include <string>

namespace zeri::testing {

std::filesystem::path RepoPath(const std::string& relative);
// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace zeri::testing
