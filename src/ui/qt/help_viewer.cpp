#include "ui/qt/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

namespace zeri::qt {

namespace {
QString Problem(const QString& name, const QString& what) {
  return QStringLiteral("<p>ヘルプファイル %1 %2</p>").arg(name.toHtmlEscaped(), what);
}

// The file's text, or a line saying why it cannot be shown. Reads at most one byte past the bound,
// whatever size the file claims.
QString ReadHelpText(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.read(MaxHelpFileBytes + 1);
  if (file.error() != QFileDevice::NoError)
    return Problem(name, QStringLiteral("を読み込めません（%1）。").arg(file.errorString().toHtmlEscaped()));
  if (bytes.size() > MaxHelpFileBytes) return Problem(name, QStringLiteral("は大きすぎるため表示できません。"));
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  if (utf8.hasError() || bytes.contains('\0'))
    return Problem(name, QStringLiteral("はテキストではないため表示できません（ファイルが壊れている可能性があります）。"));
  return text;
}
}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("zeri ヘルプ"));
  setOpenExternalLinks(true);
  resize(560, 520);
}

void HelpViewer::Open(const QString& path, const QString& name) {
  if (path.isEmpty()) {
    setHtml(Problem(name, QStringLiteral("が見つかりません。")));
  } else {
    setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    scrollToAnchor(QString());
  }
  show();
  raise();
  activateWindow();
}

QVariant HelpViewer::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource && name.isLocalFile()) return ReadHelpText(name.toLocalFile());
  return QTextBrowser::loadResource(type, name);
}

}  // namespace zeri::qt
