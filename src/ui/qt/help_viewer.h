// A modeless window that shows the game's help file.
#pragma once

#include <QTextBrowser>

namespace zeri::qt {

class HelpViewer : public QTextBrowser {
 public:
  explicit HelpViewer(QWidget* owner);
  // Shows the file at its beginning (its contents), or a note that it is missing when path is empty.
  void Open(const QString& path, const QString& name);
};

}  // namespace zeri::qt
