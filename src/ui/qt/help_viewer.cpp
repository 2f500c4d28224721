#include "ui/qt/help_viewer.h"

#include <QUrl>

namespace zeri::qt {

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("zeri ヘルプ"));
  setOpenExternalLinks(true);
  resize(560, 520);
}

void HelpViewer::Open(const QString& path, const QString& name) {
  if (path.isEmpty()) {
    setHtml(QStringLiteral("<p>ヘルプファイル %1 が見つかりません。</p>").arg(name.toHtmlEscaped()));
  } else {
    setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    scrollToAnchor(QString());
  }
  show();
  raise();
  activateWindow();
}

}  // namespace zeri::qt
