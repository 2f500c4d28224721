#include "ui/qt/qt_platform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "settings/form2.h"
#include "ui/qt/file_lookup.h"
#include "ui/qt/game_window.h"
#include "ui/qt/settings_dialog.h"

namespace zeri::qt {

void EndProgram() {
  std::fflush(nullptr);
  std::_Exit(0);
}

void QtPlatform::DoEvents() {
  const auto deadline = std::chrono::steady_clock::now() + MinimumPumpTime;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  ShowModelNow();
  std::this_thread::sleep_until(deadline);
}

void QtPlatform::ShowModelNow() {
  if (window_ != nullptr) window_->Sync();
}

void QtPlatform::Sleep(std::int32_t milliseconds) {
  ShowModelNow();
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

ui::MsgBoxAnswer QtPlatform::MsgBox(const ui::MsgBoxRequest& request) {
  // Nothing repaints the window from the model while the box's own loop runs.
  ShowModelNow();
  QMessageBox box(window_);
  box.setWindowTitle(QString::fromStdString(request.Title.value_or(ui::ApplicationTitle)));
  box.setText(QString::fromStdString(request.Prompt));
  box.setIcon(request.Icon == ui::MsgBoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  if (request.Buttons == ui::MsgBoxButtons::YesNo) {
    first = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    second = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setEscapeButton(second);
  } else {
    first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setEscapeButton(first);
  }
  box.setDefaultButton(request.DefaultButton == 2 && second != nullptr ? second : first);
  box.exec();
  ShowModelNow();
  if (request.Buttons == ui::MsgBoxButtons::OkOnly) return ui::MsgBoxAnswer::Ok;
  return box.clickedButton() == first ? ui::MsgBoxAnswer::Yes : ui::MsgBoxAnswer::No;
}

void QtPlatform::End() { EndProgram(); }

std::int32_t QtPlatform::PlaySound(const std::string& name, std::uint32_t flags) {
  return sounds_.Play(name, flags);
}

void QtPlatform::ShowHelp(const std::string& helpFile, std::int16_t) {
  if (help_ == nullptr) help_ = new HelpViewer(window_);
  help_->Open(FindGameFile(helpFile), QString::fromStdString(helpFile));
}

void QtPlatform::ShowModal(Form2& dialog) {
  ShowModelNow();
  RunSettingsDialog(dialog, window_);
  ShowModelNow();
}

}  // namespace zeri::qt
