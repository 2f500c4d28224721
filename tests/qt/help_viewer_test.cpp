// The help viewer shows the help file, or says in one line why it cannot, without reading more
// than a help file's worth of any file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/qt/help_viewer.h"

namespace zeri::qt {
namespace {

class HelpFiles : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes, qint64 size = -1) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    if (size >= 0) {
      EXPECT_TRUE(file.resize(size));
    }
    return file.fileName();
  }
  // The text the viewer shows for this file.
  QString Shown(const QString& path) {
    HelpViewer viewer(nullptr);
    viewer.Open(path, QFileInfo(path).fileName());
    return viewer.toPlainText();
  }
  QTemporaryDir dir_;
};

TEST_F(HelpFiles, DamagedOrUnusableFilesAreNamedWithTheReason) {
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char(i * 37 % 256));
  const QString noise = Write("noise.HLP", binary);
  // Fifty megabytes, of which only the first few bytes are written.
  const QString large = Write("large.HLP", "<html><body>", 50 * 1024 * 1024);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.HLP"));

  EXPECT_TRUE(Shown(noise).contains(QStringLiteral("noise.HLP はテキストではない"))) << Shown(noise).toStdString();
  EXPECT_TRUE(Shown(large).contains(QStringLiteral("large.HLP は大きすぎる"))) << Shown(large).toStdString();
  const QString unreadable = Shown(dir_.filePath("folder.HLP"));
  EXPECT_TRUE(unreadable.contains(QStringLiteral("folder.HLP を読み込めません"))) << unreadable.toStdString();
}

TEST_F(HelpFiles, TheShippedHelpOpensAtItsContents) {
  const QString text = Shown(QStringLiteral(ZERI_SOURCE_DIR "/assets/help/zeri.HLP"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("zeri for Windows ヘルプ"))) << text.left(200).toStdString();
}

}  // namespace
}  // namespace zeri::qt
