// Files that the game names without a directory lie in the working directory or beside the program.
#pragma once

#include <QString>
#include <string>

namespace zeri::qt {

// The path of an existing file by that name, or empty. A name with a directory is taken as it is.
QString FindGameFile(const std::string& name);

}  // namespace zeri::qt
