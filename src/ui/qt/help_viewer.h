// A modeless window that shows the game's help file.
#pragma once

#include <QTextBrowser>

namespace zeri::qt {

// The largest help file shown: ours is a few kB of text.
inline constexpr qint64 MaxHelpFileBytes = 1024 * 1024;

class HelpViewer : public QTextBrowser {
 public:
  explicit HelpViewer(QWidget* owner);
  // Shows the file at its beginning (its contents), or a line saying why it cannot: missing (path
  // empty), unreadable, too large or not text.
  void Open(const QString& path, const QString& name);

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace zeri::qt
