#include "ui/qt/file_lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zeri::qt {

QString FindGameFile(const std::string& name) {
  if (name.empty()) return {};
  const QString file = QString::fromStdString(name);
  if (file.contains(QLatin1Char('/'))) return QFileInfo(file).isFile() ? file : QString();
  for (const QString& dir : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
    const QFileInfo candidate(QDir(dir), file);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

}  // namespace zeri::qt
