// The window's menus, toolbar, timer and boxes follow the model and run its handlers.
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "settings/form2.h"
#include "shared/sengen.h"
#include "ui/qt/settings_dialog.h"
#include "window_fixture.h"

namespace zeri::qt::testing {
namespace {

TEST_F(WindowTest, WindowHasItsCaptionClientSizeAndNoMaximiseButton) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("zeri for Windows"));
  EXPECT_EQ(window.Client().size(), QSize(600, 599));
  EXPECT_EQ(window.Client().mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(window.windowIcon().isNull());
  // Resizing moves and scales nothing.
  window.resize(800, 700);
  EXPECT_EQ(window.View().geometry(), QRect(0, 0, 600, 599));
}

TEST_F(WindowTest, MenusShowTheModelsCaptionsChecksAndEnabledStates) {
  QStringList titles;
  for (QAction* action : window.menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"げーむ", "おぷしょん", "へるぷ"}));
  EXPECT_TRUE(window.Action(form.mnunormal)->isChecked());
  EXPECT_TRUE(window.Action(form.menukabi)->isChecked());
  EXPECT_FALSE(window.Action(form.menukai)->isChecked());
  EXPECT_FALSE(window.Action(form.menurest)->isEnabled());
  EXPECT_TRUE(window.Action(form.menust)->isEnabled());
  EXPECT_EQ(window.Action(form.menukomahann)->menu()->actions().size(), 3);

  // A handler changes the model; the menus follow.
  window.Action(form.menust)->trigger();
  EXPECT_FALSE(window.Action(form.menust)->isEnabled());
  EXPECT_TRUE(window.Action(form.menurest)->isEnabled());
  window.Action(form.mnuhaya)->trigger();
  EXPECT_EQ(form.AnimStep, 4);
  EXPECT_TRUE(window.Action(form.mnuhaya)->isChecked());
  EXPECT_FALSE(window.Action(form.mnunormal)->isChecked());
  // Triggering a checked item does not untick it behind the model's back.
  window.Action(form.mnuhaya)->trigger();
  EXPECT_TRUE(window.Action(form.mnuhaya)->isChecked());
}

TEST_F(WindowTest, ToolbarButtonsFollowTheModelAndReportTheirNumber) {
  QToolButton* start = window.Tools().Button(2);
  QToolButton* back = window.Tools().Button(3);
  QToolButton* opponent = window.Tools().Button(5);
  ASSERT_TRUE(start && back && opponent);
  EXPECT_EQ(window.Tools().Button(1), nullptr);
  EXPECT_EQ(window.Tools().Button(4), nullptr);
  EXPECT_EQ(start->toolTip(), QStringLiteral("かいし"));
  EXPECT_EQ(back->toolTip(), QStringLiteral("タイトルに戻る"));
  EXPECT_EQ(start->size(), QSize(23, 22));
  EXPECT_LT(start->x(), back->x());
  EXPECT_GT(opponent->x(), back->x() + back->width()) << "a separator lies between 3 and 5";
  EXPECT_GT(start->x(), 0) << "button 1 leaves a gap";
  EXPECT_FALSE(back->isEnabled());

  start->click();
  EXPECT_EQ(form.BoardActive, 1);
  EXPECT_FALSE(start->isEnabled());
  EXPECT_TRUE(back->isEnabled());
}

TEST_F(WindowTest, TimerFollowsTheModel) {
  form.Timer1.Enabled = true;
  window.Sync();
  EXPECT_TRUE(window.IdleTimer().isActive());
  EXPECT_EQ(window.IdleTimer().interval(), 1000);
  form.Timer1.Enabled = false;
  window.Sync();
  EXPECT_FALSE(window.IdleTimer().isActive());
}

TEST_F(WindowTest, AHandlersExceptionStaysInsideTheWindowAndTheWindowStillFollows) {
  EXPECT_NO_THROW(Run([this] {
    form.menurest.Enabled = true;
    throw std::runtime_error("handler failed");
  }));
  EXPECT_TRUE(window.Action(form.menurest)->isEnabled());
}

// Answers the next modal box from inside its own event loop.
template <typename Box, typename Answer>
void WhenModal(Answer answer) {
  QTimer::singleShot(0, [answer] {
    auto* box = dynamic_cast<Box*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr) << "no modal box is open";
    answer(*box);
  });
}

QPushButton* ButtonWithText(QMessageBox& box, const QString& text) {
  for (QAbstractButton* button : box.buttons())
    if (button->text() == text) return qobject_cast<QPushButton*>(button);
  return nullptr;
}

TEST_F(WindowTest, MessageBoxesAreModalWithJapaneseButtonsTitleIconAndDefault) {
  ui::MsgBoxRequest question;
  question.Prompt = "タイトルに戻りますか?";
  question.Buttons = ui::MsgBoxButtons::YesNo;
  question.Icon = ui::MsgBoxIcon::Exclamation;
  question.DefaultButton = 2;
  question.Title = "zeri";
  QString title;
  bool defaultIsNo = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenModal<QMessageBox>([&](QMessageBox& box) {
    title = box.windowTitle();
    icon = box.icon();
    QPushButton* no = ButtonWithText(box, QStringLiteral("いいえ(&N)"));
    defaultIsNo = no != nullptr && box.defaultButton() == no;
    ASSERT_NE(ButtonWithText(box, QStringLiteral("はい(&Y)")), nullptr);
    ButtonWithText(box, QStringLiteral("はい(&Y)"))->click();
  });
  EXPECT_EQ(platform.MsgBox(question), ui::MsgBoxAnswer::Yes);
  EXPECT_EQ(title, QStringLiteral("zeri"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_TRUE(defaultIsNo);

  // Closing a question without choosing answers No.
  WhenModal<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(platform.MsgBox(question), ui::MsgBoxAnswer::No);

  ui::MsgBoxRequest note;
  note.Prompt = "パス";
  WhenModal<QMessageBox>([&](QMessageBox& box) {
    title = box.windowTitle();
    ASSERT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.buttons().front()->text(), QStringLiteral("OK"));
    box.buttons().front()->click();
  });
  EXPECT_EQ(platform.MsgBox(note), ui::MsgBoxAnswer::Ok);
  EXPECT_EQ(title, QStringLiteral("zeri for Windows"));
}

class SettingsDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    sengen::RedPlayer = PlayerHuman;
    sengen::BluePlayer = PlayerHuman;
  }
  Form2 dialog;
};

TEST_F(SettingsDialogTest, LaidOutFromItsModelWithOkNotTheEnterDefault) {
  dialog.Form_Load();
  SettingsDialog shown(dialog, &window);
  EXPECT_EQ(shown.size(), QSize(447, 342));
  EXPECT_EQ(shown.windowTitle(), QStringLiteral("対戦設定"));
  EXPECT_FALSE(shown.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(shown.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(shown.OkButton()->geometry(), QRect(344, 280, 81, 33));
  EXPECT_FALSE(shown.OkButton()->isDefault());
  EXPECT_FALSE(shown.OkButton()->autoDefault());
  QRadioButton* strong = shown.Button(dialog.Option4);
  ASSERT_NE(strong, nullptr);
  EXPECT_EQ(strong->geometry(), QRect(16, 168, 89, 33));
  EXPECT_EQ(qobject_cast<QGroupBox*>(strong->parentWidget())->geometry(), QRect(224, 40, 129, 225));
  EXPECT_TRUE(shown.Button(dialog.Option9)->isChecked());
  EXPECT_TRUE(shown.Button(dialog.Option1)->isChecked());
  // No icon of its own, and none borrowed from the main window.
  EXPECT_TRUE(shown.windowIcon().pixmap(32).isNull());
}

TEST_F(SettingsDialogTest, OptionsTakeClicksAnywhereOnTheirRectangleAndEnterOnlyOnOk) {
  dialog.Form_Load();
  SettingsDialog shown(dialog, &window);
  shown.show();
  // Right of the caption "弱", inside the button's 89 x 33.
  QTest::mouseClick(shown.Button(dialog.Option2), Qt::LeftButton, {}, QPoint(80, 16));
  EXPECT_TRUE(shown.Button(dialog.Option2)->isChecked());
  QTest::mouseClick(shown.Button(dialog.Option10), Qt::LeftButton, {}, QPoint(75, 30));
  EXPECT_TRUE(shown.Button(dialog.Option10)->isChecked());

  shown.Button(dialog.Option2)->setFocus();
  QTest::keyClick(shown.Button(dialog.Option2), Qt::Key_Return);
  EXPECT_TRUE(shown.isVisible()) << "Enter on an option button presses nothing";
  EXPECT_EQ(sengen::RedPlayer, PlayerHuman);

  shown.OkButton()->setFocus();
  QTest::keyClick(shown.OkButton(), Qt::Key_Return);
  EXPECT_FALSE(shown.isVisible());
  EXPECT_EQ(sengen::RedPlayer, PlayerWeak);
  EXPECT_EQ(sengen::BluePlayer, PlayerHuman);
}

TEST_F(SettingsDialogTest, OkStoresTheChoiceAndClosingStoresNothing) {
  dialog.Form_Load();
  WhenModal<SettingsDialog>([this](SettingsDialog& shown) {
    shown.Button(dialog.Option10)->click();
    shown.Button(dialog.Option3)->click();
    shown.OkButton()->click();
  });
  platform.ShowModal(dialog);
  EXPECT_EQ(sengen::RedPlayer, PlayerMedium);
  EXPECT_EQ(sengen::BluePlayer, PlayerHuman);
  EXPECT_FALSE(dialog.Loaded);

  dialog.Form_Load();
  bool reopenedWithStoredChoice = false;
  WhenModal<SettingsDialog>([&](SettingsDialog& shown) {
    reopenedWithStoredChoice =
        shown.Button(dialog.Option10)->isChecked() && shown.Button(dialog.Option3)->isChecked();
    shown.Button(dialog.Option9)->click();
    shown.Button(dialog.Option4)->click();
    shown.reject();
  });
  platform.ShowModal(dialog);
  EXPECT_TRUE(reopenedWithStoredChoice);
  EXPECT_EQ(sengen::RedPlayer, PlayerMedium);
  EXPECT_EQ(sengen::BluePlayer, PlayerHuman);
  EXPECT_FALSE(dialog.Loaded);
}

TEST_F(WindowTest, HelpOpensAModelessViewerAndSaysSoWhenTheFileIsMissing) {
  platform.ShowHelp("no-such-help-file.HLP", ui::HelpContents);
  ASSERT_NE(platform.Help(), nullptr);
  EXPECT_TRUE(platform.Help()->isVisible());
  EXPECT_FALSE(platform.Help()->isModal());
  EXPECT_TRUE(platform.Help()->toPlainText().contains(QStringLiteral("no-such-help-file.HLP")));
  platform.Help()->close();
}

}  // namespace
}  // namespace zeri::qt::testing
